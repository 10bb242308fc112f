#include "AppIcon.h"
#include "Version.h"

#include <QFile>
#include <QImage>
#include <QSet>
#include <QTest>

// The icon files, each derived from the one picture, and the version the
// program gives Qt. The compiled Windows resources are read back by
// tests/windows/check_executable.py (the windows_resources test).
class ResourcesTest : public QObject {
    Q_OBJECT

private slots:
    void applicationVersionIsTheProjects() { QCOMPARE(QString::fromLatin1(zolinar::applicationVersion), QStringLiteral("1.0.0.0")); }

    void iconIsA32By32HamburgerOfAtMost256Colours()
    {
        const QImage picture = zolinar::appIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(picture.size(), QSize(32, 32));
        QSet<QRgb> colours;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                colours.insert(picture.pixel(x, y));
        QVERIFY(colours.size() <= 256);
        QVERIFY(colours.size() >= 4);
        QCOMPARE(qAlpha(picture.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(picture.pixel(16, 16)), 255);
    }

    void windowsIconShowsTheSamePicture()
    {
        QImage derived(QStringLiteral(ZOLINAR_ICO));
        QVERIFY2(!derived.isNull(), "the .ico does not load");
        QCOMPARE(derived.size(), QSize(32, 32));
        QFile ico(QStringLiteral(ZOLINAR_ICO));
        QVERIFY(ico.open(QIODevice::ReadOnly));
        const QByteArray header = ico.read(22);
        QCOMPARE(header.size(), 22);
        QCOMPARE(int(header[4]), 1);   // one image
        QCOMPARE(int(header[8]), 0);   // 256-colour palette
        QCOMPARE(int(header[12]), 8);  // 8 bits per pixel
        const QImage source = QImage(QStringLiteral(ZOLINAR_XPM)).convertToFormat(QImage::Format_ARGB32);
        derived = derived.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QRgb a = source.pixel(x, y);
                const QRgb b = derived.pixel(x, y);
                if (qAlpha(a) == 0) {
                    QVERIFY2(qAlpha(b) == 0, qPrintable(QStringLiteral("pixel %1,%2 should be transparent").arg(x).arg(y)));
                } else {
                    QVERIFY2(a == b, qPrintable(QStringLiteral("pixel %1,%2 differs").arg(x).arg(y)));
                }
            }
        }
    }

    void themeIconsShowTheSamePicturePixelForPixel_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("factor");
        QTest::newRow("32 x 32") << QStringLiteral(ZOLINAR_PNG32) << 1;
        QTest::newRow("64 x 64, pixels doubled") << QStringLiteral(ZOLINAR_PNG64) << 2;
    }

    void themeIconsShowTheSamePicturePixelForPixel()
    {
        QFETCH(QString, file);
        QFETCH(int, factor);
        const QImage source = QImage(QStringLiteral(ZOLINAR_XPM)).convertToFormat(QImage::Format_ARGB32);
        const QImage png(file);
        QVERIFY2(!png.isNull(), "the PNG does not load");
        QCOMPARE(png.size(), source.size() * factor);
        const QImage derived = png.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < derived.height(); ++y) {
            for (int x = 0; x < derived.width(); ++x) {
                const QRgb a = source.pixel(x / factor, y / factor);
                const QRgb b = derived.pixel(x, y);
                const bool same = qAlpha(a) == 0 ? qAlpha(b) == 0 : a == b;
                if (!same)
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 differs").arg(x).arg(y)));
            }
        }
    }
};

QTEST_MAIN(ResourcesTest)
#include "ResourcesTest.moc"

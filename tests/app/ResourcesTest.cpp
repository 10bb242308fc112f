#include "AppIcon.h"
#include "Version.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

// The icon and the version record, each derived from its one source.
class ResourcesTest : public QObject {
    Q_OBJECT

private slots:
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

    void versionRecordReadsBackFromTheCompiledResource()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString compiled = dir.filePath(QStringLiteral("IT_Zolinar.res"));
        const QString decompiled = dir.filePath(QStringLiteral("back.rc"));
        QCOMPARE(QProcess::execute(QStringLiteral(ZOLINAR_WINDRES),
                     { QStringLiteral("--preprocessor=" ZOLINAR_PREPROCESSOR), QStringLiteral("-i"), QStringLiteral(ZOLINAR_RC), QStringLiteral("-O"), QStringLiteral("res"), QStringLiteral("-o"), compiled }),
            0);
        QCOMPARE(QProcess::execute(QStringLiteral(ZOLINAR_WINDRES),
                     { QStringLiteral("-i"), compiled, QStringLiteral("-O"), QStringLiteral("rc"), QStringLiteral("-o"), decompiled }),
            0);
        QFile file(decompiled);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString rc = QString::fromUtf8(file.readAll());

        const auto has = [&rc](const QString& pattern) {
            return rc.contains(QRegularExpression(pattern));
        };
        QVERIFY2(has(R"(FILEVERSION\s+1,\s*0,\s*0,\s*0)"), qPrintable(rc));
        QVERIFY(has(R"(PRODUCTVERSION\s+1,\s*0,\s*0,\s*0)"));
        QVERIFY(has(R"(BLOCK "040904[bB]0")"));
        QVERIFY(has(R"(VALUE "FileVersion", "1\.00")"));
        QVERIFY(has(R"(VALUE "ProductVersion", "1\.00")"));
        QVERIFY(has(R"(VALUE "InternalName", "IT_Zolinar")"));
        QVERIFY(has(R"(VALUE "OriginalFilename", "IT_Zolinar\.exe")"));
        QVERIFY(has(R"(VALUE "Translation", 0x409, 0x4b0)") || has(R"(VALUE "Translation", 0x409, 1200)"));
        QVERIFY(has(R"(LANGUAGE 9, 1)"));
        QVERIFY2(has(R"(RT_ICON)") && has(R"(RT_GROUP_ICON)"), "the icon is not in the compiled resource");
        QCOMPARE(QString::fromLatin1(zolinar::applicationVersion), QStringLiteral("1.0.0.0"));
    }
};

QTEST_MAIN(ResourcesTest)
#include "ResourcesTest.moc"

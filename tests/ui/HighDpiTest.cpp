#include "AppIcon.h"
#include "ShownProgram.h"

#include <QTest>
#include <QWindow>

#include <cmath>

using namespace zolinar;
using namespace zolinar::testing;

Q_DECLARE_METATYPE(zolinar::Element)

namespace {

#include "hamburger.xpm"

} // namespace

// The window at the scale the test is started with (QT_SCALE_FACTOR 1,
// 1.25 or 2, as on a 96, 120 or 192 dpi screen): the same layout at that
// many times the size, text drawn at the screen's resolution, and an icon
// whose pixels are multiplied, not blurred.
class HighDpiTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Program> m_program;
    qreal m_scale = 1;

    MainWindow& window() { return m_program->window(); }

private slots:
    void initTestCase()
    {
        m_scale = qEnvironmentVariable("ZOLINAR_EXPECTED_SCALE", QStringLiteral("1")).toDouble();
        m_program = std::make_unique<Program>();
        window().raiseLoad();
        window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
    }

    void cleanupTestCase() { m_program.reset(); }

    void scaleIsTheScreens() { QCOMPARE(window().windowHandle()->devicePixelRatio(), m_scale); }

    void layoutScales_data()
    {
        QTest::addColumn<Element>("element");
        QTest::addColumn<QRect>("at96dpi");
        QTest::newRow("title label") << Element { ControlArray::Label1, 0 } << QRect(32, 0, 385, 25);
        QTest::newRow("object list") << objectList << QRect(32, 48, 209, 118);
        QTest::newRow("clear button") << Element { ControlArray::Command1, 0 } << QRect(312, 96, 121, 25);
        QTest::newRow("display box") << displayBox << QRect(8, 192, 449, 121);
    }

    void layoutScales()
    {
        QFETCH(Element, element);
        QFETCH(QRect, at96dpi);
        QWidget* widget = control(window(), element);
        const qreal ratio = widget->devicePixelRatioF();
        QCOMPARE(ratio, m_scale);
        const QRectF onScreen(QPointF(widget->geometry().topLeft()) * ratio, QSizeF(widget->geometry().size()) * ratio);
        const QRectF expected(QPointF(at96dpi.topLeft()) * m_scale, QSizeF(at96dpi.size()) * m_scale);
        QVERIFY2(std::abs(onScreen.left() - expected.left()) < 1 && std::abs(onScreen.top() - expected.top()) < 1
                && std::abs(onScreen.width() - expected.width()) < 1 && std::abs(onScreen.height() - expected.height()) < 1,
            qPrintable(QStringLiteral("%1 on screen, %2 expected")
                           .arg(QStringLiteral("%1,%2 %3x%4").arg(onScreen.x()).arg(onScreen.y()).arg(onScreen.width()).arg(onScreen.height()),
                               QStringLiteral("%1,%2 %3x%4").arg(expected.x()).arg(expected.y()).arg(expected.width()).arg(expected.height()))));
    }

    void windowIsDrawnAtTheScreensResolution()
    {
        const QImage grab = window().grab().toImage();
        QCOMPARE(grab.devicePixelRatio(), m_scale);
        QCOMPARE(grab.width(), qRound(461 * m_scale));
        QCOMPARE(grab.height(), qRound(345 * m_scale));
        // The title band, the red face and the background at their scaled places.
        QCOMPARE(grab.pixelColor((QPointF(40, 5) * m_scale).toPoint()), QColor(255, 192, 128));
        QCOMPARE(grab.pixelColor((QPointF(320, 108) * m_scale).toPoint()), QColor(255, 0, 0));
        QCOMPARE(grab.pixelColor((QPointF(10, 30) * m_scale).toPoint()), QColor(192, 192, 255));

        // Text is drawn at the device resolution: at a scale of 2 the title's
        // ink reaches rows a pixel-doubled drawing could not tell apart.
        if (m_scale == 2) {
            const QImage label = control(window(), { ControlArray::Label1, 0 })->grab().toImage();
            bool oddRowDiffers = false;
            for (int y = 0; y + 1 < label.height() && !oddRowDiffers; y += 2) {
                for (int x = 0; x < label.width() && !oddRowDiffers; ++x)
                    oddRowDiffers = label.pixel(x, y) != label.pixel(x, y + 1);
            }
            QVERIFY2(oddRowDiffers, "the title looks pixel-doubled: text is not drawn at the screen's resolution");
        }
    }

    void iconStaysCrisp()
    {
        const QImage picture = QImage(hamburgerXpm).convertToFormat(QImage::Format_ARGB32);
        const int device = qRound(32 * m_scale);
        const QImage icon = appIcon().pixmap(QSize(32, 32), m_scale).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(icon.size(), QSize(device, device));
        if (m_scale != 2)
            return;
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                if (icon.pixel(x, y) != picture.pixel(x / 2, y / 2))
                    QFAIL(qPrintable(QStringLiteral("icon pixel %1,%2 is not its source pixel doubled").arg(x).arg(y)));
            }
        }
    }
};

QTEST_MAIN(HighDpiTest)
#include "HighDpiTest.moc"

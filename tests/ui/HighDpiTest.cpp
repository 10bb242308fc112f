#include "AppIcon.h"
#include "ShownProgram.h"

#include <QTest>
#include <QWindow>

using namespace zolinar;
using namespace zolinar::testing;

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
        QVERIFY(showWindow(*m_program));
    }

    void cleanupTestCase() { m_program.reset(); }

    void everyControlDrawsAtTheScreensScale()
    {
        // The form's layout holds in device-independent pixels; each of
        // them is m_scale pixels of the screen.
        QCOMPARE(window().windowHandle()->devicePixelRatio(), m_scale);
        for (QWidget* widget : window().findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QCOMPARE(widget->devicePixelRatioF(), m_scale);
        QCOMPARE(control(window(), displayBox)->geometry(), QRect(8, 192, 449, 121));
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

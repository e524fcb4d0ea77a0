// On a 150 % screen the editor scales its windows by 1.5, not rounded, and measures text in
// the same logical pixels as on a 100 % one: under Qt 5 as under Qt 6.
#include "app/ui/HighDpiScaling.h"

#include <QApplication>
#include <QScreen>
#include <QtTest>

class HighDpiTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void screens_scale_by_their_own_factor()
    {
        const QScreen *screen = QGuiApplication::primaryScreen();
        QCOMPARE(screen->devicePixelRatio(), 1.5);
        QCOMPARE(screen->logicalDotsPerInch(), 96.0);
        QWidget window;
        window.resize(200, 100);
        QCOMPARE(window.grab().size(), QSize(300, 150));
    }
};

int main(int argc, char **argv)
{
    // The offscreen screen reports this resolution: a 150 % screen.
    qputenv("QT_FONT_DPI", "144");
    VelmarisEditor::useHighDpiScaling();
    QApplication application(argc, argv);
    HighDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "HighDpiTest.moc"

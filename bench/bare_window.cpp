// The floor for start-up: a Qt program that opens one empty window of the
// size of the test window, and nothing else. Built a second time with one
// line of text in it, to tell what drawing any text at all costs.

#include <QApplication>
#include <QWidget>
#ifdef BARE_WINDOW_WITH_TEXT
#include <QLabel>
#endif

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(804, 356);
#ifdef BARE_WINDOW_WITH_TEXT
    QLabel line(QStringLiteral("Test Quovale"), &window);
    line.move(16, 16);
#endif
    window.show();
    return QApplication::exec();
}

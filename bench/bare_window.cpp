// The floor for start-up: a Qt program that opens one empty window of the
// size of the test window, and nothing else.

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(804, 356);
    window.show();
    return QApplication::exec();
}

// The yardstick of tools/screenshots/measure-start: the least a Qt Widgets program does to show a
// window, timed beside the game in the same run.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare window"));
    window.resize(640, 480);
    window.show();
    return QApplication::exec();
}

// The floor for start-up and memory: the smallest Qt Widgets program that
// shows a window, started the way the player is.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Hello"));
    window.resize(275, 116);
    window.show();
    return QApplication::exec();
}

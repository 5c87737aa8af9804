// The floor for start-up time and memory: the least Qt Widgets program that
// shows one empty window as large as the main window.
#include <QApplication>
#include <QWidget>

namespace {
constexpr int kWidth = 801;
constexpr int kHeight = 490;
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(kWidth, kHeight);
    window.show();
    return app.exec();
}

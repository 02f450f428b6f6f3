// The toolkit's floor for the start-up benchmark: a bare main window of the
// module's size that shows itself and quits.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu("Help");
    window.setStatusBar(new QStatusBar(&window));
    window.resize(803, 140);
    window.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return QApplication::exec();
}

// The toolkit's floor for the start-up benchmark: a bare main window of the
// module's size that shows itself, prints the wall clock once it is painted
// and quits.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

#include <cstdio>
#include <ctime>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu("Help");
    window.setStatusBar(new QStatusBar(&window));
    window.resize(803, 140);
    window.show();
    // Painted once, like the module when its first LED colours arrive.
    window.repaint();
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    std::printf("shown %lld%09ld\n", static_cast<long long>(now.tv_sec), now.tv_nsec);
    std::fflush(stdout);
    QTimer::singleShot(0, &app, &QApplication::quit);
    return QApplication::exec();
}

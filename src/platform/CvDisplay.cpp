#include "CvDisplay.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace {

int gTestDpi = 0;
double gTestToolkitScale = 1.0;

const QScreen* Screen() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr
               ? QGuiApplication::primaryScreen()
               : nullptr;
}

}  // namespace

double ToolkitScale() {
    if (gTestDpi > 0) {
        return gTestToolkitScale;
    }
    const QScreen* screen = Screen();
    return screen == nullptr ? 1.0 : screen->devicePixelRatio();
}

int ScreenDpi() {
    if (gTestDpi > 0) {
        return gTestDpi;
    }
    const QScreen* screen = Screen();
    return screen == nullptr
               ? 96
               : static_cast<int>(std::lround(screen->logicalDotsPerInch() * ToolkitScale()));
}

float WindowScale(float scale) {
    return ToolkitScale() > 1.0 ? 1.0f : scale;
}

void SetScreenDpiForTesting(int dpi, double toolkitScale) {
    gTestDpi = dpi;
    gTestToolkitScale = toolkitScale;
}

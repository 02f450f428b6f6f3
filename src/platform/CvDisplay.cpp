#include "CvDisplay.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace {
int gTestDpi = 0;
}

int ScreenDpi() {
    if (gTestDpi > 0) {
        return gTestDpi;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen == nullptr ? 96 : static_cast<int>(std::lround(screen->logicalDotsPerInch()));
}

void SetScreenDpiForTesting(int dpi) {
    gTestDpi = dpi;
}

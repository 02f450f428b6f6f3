#include "CvBeep.h"

#include <QApplication>

namespace {

std::function<void(int, int)>& Hearer() {
    static std::function<void(int, int)> hearer;
    return hearer;
}

}  // namespace

void CvBeep(int frequencyHz, int durationMs) {
    if (Hearer()) {
        Hearer()(frequencyHz, durationMs);
        return;
    }
    // The toolkit has one beep: pitch and length are the system's.
    QApplication::beep();
}

void SetBeepHearer(std::function<void(int, int)> hearer) {
    Hearer() = std::move(hearer);
}

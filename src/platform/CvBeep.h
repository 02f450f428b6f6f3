#pragma once

#include <functional>

// The beep of a refused key. A test may hear it instead of the speaker;
// an empty hearer sounds the real one again.
void CvBeep(int frequencyHz, int durationMs);
void SetBeepHearer(std::function<void(int frequencyHz, int durationMs)> hearer);

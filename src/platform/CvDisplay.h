#pragma once

// The screen's logical dots per inch, as the windows scale by it.
int ScreenDpi();

// Tests stand in for the screen; 0 asks the screen again.
void SetScreenDpiForTesting(int dpi);

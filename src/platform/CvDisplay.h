#pragma once

// The screen's dots per inch as the desktop sets them (Xft.dpi, the display
// settings): Qt's logical dots per inch times the factor by which Qt already
// scales every window (its high-DPI scaling).
int ScreenDpi();

// The factor by which the toolkit itself scales every window; 1 without
// high-DPI scaling.
double ToolkitScale();

// What the windows multiply the sizes they are given in pixels by for a
// screen that wants them `scale` times as large: `scale` itself, or 1 where
// the toolkit already scales every window for that screen. Never twice.
float WindowScale(float scale);

// Tests stand in for the screen; a dpi of 0 asks the screen again.
void SetScreenDpiForTesting(int dpi, double toolkitScale = 1.0);

// Dpi: the resolution a window is shown at, and window sizes for it, on every Windows since 7.
#pragma once

#include "game/twips.h"

#include <windows.h>

// The dots per inch of the monitor the window is on (96 where the system cannot tell).
int WindowDpi(HWND window);
// Sizes a top-level window so that its client area is client at dpi, below its menu bar if it
// has one, whatever its frame takes.
void SizeClientArea(HWND window, PixelSize client, int dpi);
// A system metric (GetSystemMetrics) at dpi.
int SystemMetric(int index, int dpi);
// The system's font for message boxes and dialogs, at dpi; the caller deletes it.
HFONT CreateUiFont(int dpi);
// Puts a child window at r, in its parent's client coordinates.
void PlaceChild(HWND child, const PixelRect& r);
// Moves a window to where the system suggests after its monitor's DPI changed (WM_DPICHANGED);
// the window then lays itself out again at the new DPI, which gives its size.
void MoveToSuggested(HWND window, LPARAM suggestedRect);

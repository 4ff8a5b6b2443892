// Dpi: the resolution a window is shown at, and window sizes for it, on every Windows since 7.
#pragma once

#include "game/twips.h"

#include <windows.h>

// Sent before WM_DPICHANGED since Windows 10 1703; the headers name it only for that system.
#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4
#endif

// The dots per inch of the monitor the window is on (96 where the system cannot tell).
int WindowDpi(HWND window);
// The size a top-level window takes at dpi for a client area of client, with the frame, caption
// and menu bar the system draws at that dpi.
PixelSize WindowSizeFor(HWND window, PixelSize client, int dpi);
// Sizes a top-level window so that its client area is client at dpi, below its menu bar if it
// has one, whatever its frame takes.
void SizeClientArea(HWND window, PixelSize client, int dpi);
// The answer to WM_GETDPISCALEDSIZE (lParam, a SIZE): the window's exact size at the new dpi, so
// that the system moves it to a monitor of that dpi at the size it lays itself out at and it does
// not bounce.
LRESULT AnswerScaledSize(HWND window, PixelSize client, int dpi, LPARAM size);
// A system metric (GetSystemMetrics) at dpi.
int SystemMetric(int index, int dpi);
// The system's font for message boxes and dialogs, at dpi; the caller deletes it.
HFONT CreateUiFont(int dpi);
// Puts a child window at r, in its parent's client coordinates.
void PlaceChild(HWND child, const PixelRect& r);
// Gives a window the place and size the system suggests after its monitor's DPI changed
// (WM_DPICHANGED): the size it answered when asked (WM_GETDPISCALEDSIZE), where the system wants
// it; the window then lays itself out again at the new DPI.
void MoveToSuggested(HWND window, LPARAM suggestedRect);

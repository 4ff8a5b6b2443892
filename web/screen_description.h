// ScreenDescription: the core's description of the screen, in the form the page builds it from.
#pragma once

#include <string>

// One JSON object: the main window's caption, client area, background, facade, rooms (in tab
// order, each with its accessible name, place, neighbours and focus frame), and the continue
// dialog's caption and controls. Places are in CSS pixels, laid out at dpi (CSS pixels are
// 96-dpi pixels, so 96 is 1:1), and scale is the factor the page grows its fonts and chrome by.
// The dialog's places depend on the font, so they come when it opens (ContinueDialogLayout).
std::string ScreenDescription(int dpi);

// Where the continue dialog and its controls go at dpi, grown for the measured texts (CSS pixels):
// the question's width and height, and the larger button's caption with the button around it.
std::string ContinueDialogLayout(int questionWidth, int questionHeight, int buttonWidth,
                                 int buttonHeight, int dpi);

// ScreenDescription: the core's description of the screen, in the form the page builds it from.
#pragma once

#include <string>

// One JSON object: the main window's caption, client area, background, facade, rooms (in tab
// order, each with its accessible name, place, neighbours and focus frame), menu, and the
// continue dialog's caption and controls. Places are in CSS pixels, which are 96-dpi pixels.
// The dialog's places depend on the font, so they come when it opens (ContinueDialogLayout).
std::string ScreenDescription();

// Where the continue dialog and its controls go, grown for the measured texts (pixels at 96 dpi):
// the question's width and height, and the larger button's caption with the button around it.
std::string ContinueDialogLayout(int questionWidth, int questionHeight, int buttonWidth,
                                 int buttonHeight);

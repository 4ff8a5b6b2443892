// ContinueDialog: what the continue dialog shows and where, for every front end to build it from.
#pragma once

#include "game/twips.h"

#include <span>

namespace ContinueDialog {

inline constexpr const char* kCaption = "Quv";
// Laid out for the 96-dpi system font; a larger font grows the whole of it (Growth).
inline constexpr TwipsSize kClientSize{2550, 960};

enum class Kind { Label, Button };

struct Control {
    const char* name;
    Kind kind;
    const char* caption;
    TwipsRect place;
    int tabOrder;
};

// In tab order: the question, then ＹＥＳ (which has the focus when the dialog opens) and ＮＯ.
// Neither button is the default or the cancel button.
inline constexpr Control kQuestion{
    "Label1", Kind::Label, "ゲーム、続けるか？", {120, 120, 1575, 255}, 0};
inline constexpr Control kYes{"Command1", Kind::Button, "ＹＥＳ", {120, 480, 1095, 375}, 1};
inline constexpr Control kNo{"Command2", Kind::Button, "ＮＯ", {1320, 480, 1095, 375}, 2};
std::span<const Control> Controls();

// How much the whole dialog must grow, from its layout at dpi, so that the question's text
// (its width and height in pixels at dpi) fits once it has widened into the free space on its
// right, and the larger button's caption with the frame and margin its button draws around it
// fits a button. Never below 1: a smaller font leaves the dialog as drawn.
double Growth(PixelSize questionNeeds, PixelSize buttonNeeds, int dpi);

// The dialog's client area and its controls at dpi, grown by growth.
PixelSize ClientSize(int dpi, double growth);
PixelRect Place(const Control& control, int dpi, double growth);
// The question's place for a text questionWidth pixels wide: its own width at least, wider as
// far as the dialog's right margin where the text needs it.
PixelRect QuestionPlace(int questionWidth, int dpi, double growth);

} // namespace ContinueDialog

// ContinueDialog: what the continue dialog shows and where, for every front end to build it from.
#include "game/continue_dialog.h"

#include <algorithm>
#include <array>

namespace ContinueDialog {
namespace {
// The question may widen up to a margin on the right as wide as the one on its left.
constexpr int kQuestionRoom = kClientSize.width - 2 * kQuestion.place.left;

// A length in pixels at dpi before rounding: the growth that makes it reach a whole number of
// pixels then makes the rounded grown length reach it exactly.
double Exact(int twips, int dpi) {
    return static_cast<double>(twips) * dpi / kTwipsPerInch;
}
} // namespace

std::span<const Control> Controls() {
    static constexpr std::array<Control, 3> kControls = {kQuestion, kYes, kNo};
    return kControls;
}

double Growth(PixelSize questionNeeds, PixelSize buttonNeeds, int dpi) {
    return std::max({
        1.0,
        questionNeeds.width / Exact(kQuestionRoom, dpi),
        questionNeeds.height / Exact(kQuestion.place.height, dpi),
        buttonNeeds.width / Exact(kYes.place.width, dpi),
        buttonNeeds.height / Exact(kYes.place.height, dpi),
    });
}

PixelSize ClientSize(int dpi, double growth) {
    return Pixels(kClientSize, dpi, growth);
}

PixelRect Place(const Control& control, int dpi, double growth) {
    return Pixels(control.place, dpi, growth);
}

PixelRect QuestionPlace(int questionWidth, int dpi, double growth) {
    PixelRect place = Place(kQuestion, dpi, growth);
    place.width = std::clamp(questionWidth, place.width, Pixels(kQuestionRoom, dpi, growth));
    return place;
}

} // namespace ContinueDialog

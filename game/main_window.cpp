// MainWindow: what the main window shows and where, for every front end to build it from.
#include "game/main_window.h"

#include "game/game_state.h"

#include <array>

namespace MainWindow {

namespace {
constexpr std::array<MenuItem, 2> kScores = {{
    {"GSC", "現在のスコア", MenuCommand::CurrentScore},
    {"HSC", "ハイスコア", MenuCommand::HighScore},
}};
constexpr std::array<MenuBarItem, 3> kBar = {{
    {"S", "スタート", MenuCommand::Start, {}},
    {"E", "終了", MenuCommand::Quit, {}},
    {"SC", "スコア", MenuCommand::None, kScores},
}};
constexpr int kSuspectsPerMission = 6;
} // namespace

std::span<const MenuBarItem> MenuBar() {
    return kBar;
}

MenuCommand CommandAt(int barPosition, int itemPosition) {
    if (barPosition < 0 || barPosition >= static_cast<int>(kBar.size()))
        return MenuCommand::None;
    const MenuBarItem& item = kBar[static_cast<std::size_t>(barPosition)];
    if (itemPosition < 0)
        return item.command;
    if (itemPosition >= static_cast<int>(item.submenu.size()))
        return MenuCommand::None;
    return item.submenu[static_cast<std::size_t>(itemPosition)].command;
}

std::string CellControl(int index) {
    return "Label2_" + std::to_string(index);
}

std::string Description(const GameState& state) {
    // SuspectNo passes the last suspect while the mission's closing boxes are open.
    const bool sought =
        state.MissionActive && state.SuspectNo >= 1 && state.SuspectNo <= kSuspectsPerMission;
    return sought ? std::to_string(state.SuspectNo) + "人目" : std::string();
}

namespace {
std::string WithSuspect(const char* name, const GameState& state) {
    const std::string suspect = Description(state);
    return suspect.empty() ? std::string(name) : std::string(name) + " " + suspect;
}
} // namespace

std::string AccessibleName(const GameState& state) {
    return WithSuspect(kCaption, state);
}

std::string BuildingName(const GameState& state) {
    return WithSuspect(kBuildingName, state);
}

Names NamesOf(const GameState& state) {
    return {AccessibleName(state), BuildingName(state), Description(state)};
}

int FittingDpi(PixelSize viewport, PixelSize chrome, bool touch) {
    const auto fits = [&](int dpi) {
        const PixelSize client = Pixels(kClientSize, dpi);
        // The chrome's lengths grown, a part of a pixel counting as a whole one.
        const auto grown = [dpi](int pixels) {
            return (pixels * dpi + kDesignDpi - 1) / kDesignDpi;
        };
        return client.width + grown(chrome.width) <= viewport.width &&
               client.height + grown(chrome.height) <= viewport.height;
    };
    if (!touch && fits(kDesignDpi))
        return kDesignDpi;
    int dpi = kDesignDpi / 2;
    while (dpi < 10 * kDesignDpi && fits(dpi + 1))
        ++dpi;
    return dpi;
}

} // namespace MainWindow

// MainWindow: what the main window shows and where, for every front end to build it from.
#include "game/main_window.h"

#include "game/game_state.h"

#include <array>

namespace MainWindow {

std::span<const MenuItem> Menu() {
    static constexpr std::array<MenuItem, 5> kMenu = {{
        {"S", "スタート", MenuCommand::Start, ""},
        {"E", "終了", MenuCommand::Quit, ""},
        {"SC", "スコア", MenuCommand::None, ""},
        {"GSC", "現在のスコア", MenuCommand::CurrentScore, "SC"},
        {"HSC", "ハイスコア", MenuCommand::HighScore, "SC"},
    }};
    return kMenu;
}

std::string Description(const GameState& state) {
    return state.MissionActive ? std::to_string(state.SuspectNo) + "人目" : std::string();
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

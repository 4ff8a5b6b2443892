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

} // namespace MainWindow

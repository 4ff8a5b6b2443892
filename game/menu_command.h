// MenuCommand: what a choice in the main window's menu asks the game to do.
#pragma once

enum class MenuCommand {
    None, // an item that only opens its submenu
    Start,
    Quit,
    CurrentScore,
    HighScore,
};

// MessageBoxService: how the game shows a text to the player.
#pragma once

#include <string>

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;

    // Shows text (UTF-8) in a modal box with only an OK button and the application's title;
    // returns once the player has pressed OK.
    virtual void Show(const std::string& text) = 0;
};

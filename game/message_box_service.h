// MessageBoxService: how the game shows a text to the player.
#pragma once

#include <string>

class MessageBoxService {
public:
    // Every box shows the application's name as its title, in capitals unlike the windows'
    // captions.
    static constexpr const char* kTitle = "QUV";
    // Its one button, for a front end that draws the box itself rather than the system.
    static constexpr const char* kOkCaption = "OK";

    virtual ~MessageBoxService() = default;

    // Shows text (UTF-8) in a modal box with only an OK button and the title kTitle;
    // returns once the player has pressed OK.
    virtual void Show(const std::string& text) = 0;
};

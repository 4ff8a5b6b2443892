// PagePlayback: what one action of the game did to the page, in order, for the page to play back.
#pragma once

#include <string>
#include <string_view>

// The game runs each action through without waiting: every box has only OK, so all that follows a
// box is known before the player answers it. Each effect is written here as the page's call that
// carries it out (the colours, the background, the window enabled, the continue dialog, the focus,
// the end of the program, each box), and the page makes those calls in this order, waiting on
// every box for OK before it goes on. Until the page says it has played them all, the action
// counts as still running: the module lets no other start, as no input acts while a box waits.
class PagePlayback {
public:
    // One call of the page's, with its arguments written as JSON values (none: empty).
    void Add(std::string_view call, const std::string& arguments);

    // The calls written since the last Take, as a JSON array of [call, arguments...]; playing
    // from now on if there are any, until Played.
    std::string Take();
    void Played() { playing_ = false; }
    bool Playing() const { return playing_; }

private:
    std::string calls_;
    bool playing_ = false;
};

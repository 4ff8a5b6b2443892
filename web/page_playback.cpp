// PagePlayback: what one action of the game did to the page, in order, for the page to play back.
#include "web/page_playback.h"

#include "web/page_format.h"

void PagePlayback::Add(std::string_view call, const std::string& arguments) {
    calls_ += (calls_.empty() ? "[" : ",[") + Quoted(call) +
              (arguments.empty() ? "" : "," + arguments) + "]";
}

std::string PagePlayback::Take() {
    playing_ = playing_ || !calls_.empty();
    std::string calls = "[" + calls_ + "]";
    calls_.clear();
    return calls;
}

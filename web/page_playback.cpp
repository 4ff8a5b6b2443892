// PagePlayback: what one action of the game did to the page, in order, for the page to play back.
#include "web/page_playback.h"

#include "game/main_window.h"
#include "web/page_format.h"

void PagePlayback::Add(std::string_view call, const std::string& arguments) {
    calls_ += (calls_.empty() ? "[" : ",[") + Quoted(call) +
              (arguments.empty() ? "" : "," + arguments) + "]";
}

void PagePlayback::AddNamed(std::string_view call, const std::string& arguments) {
    const std::string names = "[" + Quoted(MainWindow::Description(*state_)) + "," +
                              Quoted(MainWindow::AccessibleName(*state_)) + "," +
                              Quoted(MainWindow::BuildingName(*state_)) + "]";
    Add(call, arguments.empty() ? names : arguments + "," + names);
}

std::string PagePlayback::Take() {
    playing_ = playing_ || !calls_.empty();
    std::string calls = "[" + calls_ + "]";
    calls_.clear();
    return calls;
}

// PageMessageBox: the game's texts in the page's modal box, with the game's title and only OK.
#include "web/page_message_box.h"

#include "web/page_format.h"
#include "web/page_playback.h"

void PageMessageBox::Show(const std::string& text) {
    playback_.Add("showBox", Quoted(kTitle) + "," + Quoted(text));
}

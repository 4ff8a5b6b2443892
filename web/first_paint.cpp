// The page's first paint, written at build time from the core's description of the screen: the
// window (title, menu bar, client area with the facade and the rooms) as markup in index.html and
// its places and colours as rules in the page's style sheet, which the page holds itself (no
// request to wait for), so the browser draws the building before the module has loaded. The
// page's script takes the markup over once the module is ready.
//
//   quv_first_paint PAGE STYLE OUT_PAGE
//
// PAGE is the page with @title@, @style@ and @window@ where the caption, the style sheet and the
// window's inside go; STYLE is the page's style sheet, to which the rules are added. Run under
// Node, on the build's files.
#include "game/colours.h"
#include "game/main_window.h"
#include "game/room.h"
#include "game/twips.h"
#include "web/page_format.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Escaped(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string Rule(const std::string& selector, const PixelRect& place, Colour colour) {
    return selector + "{left:" + std::to_string(place.left) +
           "px;top:" + std::to_string(place.top) + "px;width:" + std::to_string(place.width) +
           "px;height:" + std::to_string(place.height) +
           "px;background-color:" + CssColour(colour) + "}\n";
}

// One item of the menu bar, with the roles and names the page's script finds it by when it takes
// the bar over (web/menu_bar.js).
template <typename Item> std::string MenuItem(const Item& item, bool first, bool opens) {
    std::string entry = "<span role=\"menuitem\" tabindex=\"" + std::string(first ? "0" : "-1") +
                        "\" data-control=\"" + Escaped(item.control) + "\"";
    if (opens)
        entry += " aria-haspopup=\"menu\" aria-expanded=\"false\"";
    return "<li role=\"none\">" + entry + ">" + Escaped(item.caption) + "</span>";
}

std::string MenuBar() {
    std::string bar;
    for (const MainWindow::MenuBarItem& top : MainWindow::MenuBar()) {
        std::string submenu;
        for (const MainWindow::MenuItem& child : top.submenu)
            submenu += MenuItem(child, false, false) + "</li>";
        bar += MenuItem(top, bar.empty(), !submenu.empty());
        if (!submenu.empty())
            bar += "<ul role=\"menu\" aria-label=\"" + Escaped(top.caption) + "\" hidden>" +
                   submenu + "</ul>";
        bar += "</li>";
    }
    return "<ul id=\"menu-bar\" role=\"menubar\">" + bar + "</ul>";
}

// The window's inside, and the style sheet's rules that place and colour it, at 1:1.
void Window(std::string& markup, std::string& rules) {
    const PixelSize client = Pixels(MainWindow::kClientSize, kDesignDpi);
    rules += "#client{width:" + std::to_string(client.width) +
             "px;height:" + std::to_string(client.height) +
             "px;background-color:" + CssColour(Colours::kBackground) + "}\n" +
             Rule("#client .facade", Pixels(MainWindow::kFacade, kDesignDpi), Colours::kFacade) +
             ".frame{background-color:" + CssColour(Colours::kFocusFrame) + "}\n";
    markup += "<div id=\"window-title\" class=\"title-bar\">" + Escaped(MainWindow::kCaption) +
              "</div>\n" + MenuBar() + "\n<div id=\"client\" role=\"toolbar\" aria-label=\"" +
              Escaped(MainWindow::kBuildingName) + "\"><div class=\"facade\" role=\"img\" " +
              "aria-label=\"" + Escaped(MainWindow::kFacadeName) + "\" data-control=\"" +
              Escaped(MainWindow::kFacadeControl) + "\"></div>" +
              "<div class=\"frame\" hidden></div>" + "<div class=\"frame\" hidden></div>" +
              "<div class=\"frame\" hidden></div>" + "<div class=\"frame\" hidden></div>\n";
    std::vector<Room> rooms;
    for (int index = 0; index < Room::kCount; ++index)
        rooms.push_back(Room::AtIndex(index));
    std::sort(rooms.begin(), rooms.end(),
              [](const Room& a, const Room& b) { return a.TabPosition() < b.TabPosition(); });
    for (const Room& room : rooms) {
        const std::string control = MainWindow::CellControl(room.Index());
        markup += "<button type=\"button\" class=\"cell\" aria-label=\"" +
                  Escaped(room.AccessibleName()) + "\" data-control=\"" + control +
                  "\"></button>\n";
        rules += Rule("[data-control=\"" + control + "\"]", Pixels(room.Place(), kDesignDpi),
                      Colours::kCellIdle);
    }
    markup += "</div>";
}

std::string Read(const char* path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

bool Replace(std::string& text, std::string_view mark, const std::string& with) {
    const auto at = text.find(mark);
    if (at == std::string::npos)
        return false;
    text.replace(at, mark.size(), with);
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::cerr << "usage: quv_first_paint PAGE STYLE OUT_PAGE\n";
        return 2;
    }
    std::string page = Read(argv[1]);
    std::string style = Read(argv[2]);
    std::string markup;
    std::string rules = "\n/* The building at 1:1, written from the game's description. */\n";
    Window(markup, rules);
    if (style.empty() || !Replace(page, "@title@", Escaped(MainWindow::kCaption)) ||
        !Replace(page, "@style@", style + rules) || !Replace(page, "@window@", markup)) {
        std::cerr << "quv_first_paint: " << argv[1] << " is not the page's template\n";
        return 1;
    }
    std::ofstream(argv[3], std::ios::binary) << page;
    return 0;
}

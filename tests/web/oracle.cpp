// The core's expectations for the page tests, worked out by the core itself: the screen as it
// describes it, and what the game shows in a scripted play. Run under Node with the clock frozen at
// the page's instant, the real random source draws the page's hiding places.
//
//   quv_web_oracle PLAN...   One mission per PLAN, answered YES between them. "quick" catches
//   every suspect at once; "varied" catches the 2nd after a miss and lets the 3rd escape. With
//   dpi=N first, the screen is laid out at N dpi, as the page lays it out to fit a phone.
#include "game/clock_random_source.h"
#include "game/continue_dialog.h"
#include "game/focus_frame.h"
#include "game/game.h"
#include "game/game_view.h"
#include "game/main_window.h"
#include "game/message_box_service.h"
#include "game/program_exit.h"
#include "game/room.h"

#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string Q(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text)
        quoted += (c == '"' || c == '\\') ? std::string{'\\', c} : std::string{c};
    return quoted + '"';
}

// As the page reads a colour back with getComputedStyle.
std::string Css(Colour c) {
    return Q("rgb(" + std::to_string(Colours::Red(c)) + ", " + std::to_string(Colours::Green(c)) +
             ", " + std::to_string(Colours::Blue(c)) + ")");
}

std::string Json(const PixelRect& r) {
    return "[" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
           std::to_string(r.width) + "," + std::to_string(r.height) + "]";
}

// What the page shows, kept as the game changes it; each box with the visited room's colour and
// the background behind it.
struct Screen final : GameView, MessageBoxService, ProgramExit {
    Screen() { cells.fill(Colours::kCellIdle); }
    void SetCellColours(int cell, Colour back, Colour) override { cells.at(cell) = back; }
    void SetBackground(Colour colour) override { background = colour; }
    void SetMainWindowEnabled(bool on) override { enabled = on; }
    void ShowContinueDialog() override { dialog = true; }
    void FocusRoom(int) override {}
    void ShowNames(const MainWindow::Names&) override {}
    void Show(const std::string& text) override {
        last = Q(text);
        boxes += (boxes.empty() ? "{\"text\":" : ",{\"text\":") + last +
                 ",\"cell\":" + (visited < 0 ? "\"\"" : Css(cells.at(visited))) +
                 ",\"background\":" + Css(background) + "}";
    }
    void EndProgram() override { std::puts("the play ended the program"); }

    std::array<Colour, Room::kCount> cells{};
    Colour background = Colours::kBackground;
    bool enabled = true, dialog = false;
    int visited = -1;
    std::string boxes, last;
};

// One action: its boxes, then the screen once it is done.
std::string Step(Screen& s, const Game& game) {
    std::string json = "{\"room\":" + std::to_string(s.visited) + ",\"boxes\":[" + s.boxes +
                       "],\"cell\":" + (s.visited < 0 ? "\"\"" : Css(s.cells.at(s.visited))) +
                       ",\"background\":" + Css(s.background) +
                       ",\"dialog\":" + (s.dialog ? "true" : "false") +
                       ",\"enabled\":" + (s.enabled ? "true" : "false") +
                       ",\"description\":" + Q(MainWindow::Description(game.State())) +
                       ",\"name\":" + Q(MainWindow::AccessibleName(game.State())) +
                       ",\"building\":" + Q(MainWindow::BuildingName(game.State())) + "}";
    s.boxes.clear();
    return json;
}

// The rooms a plan visits for the suspect now hidden.
std::vector<Room> Visits(const GameState& state, bool varied) {
    const Room hide = Room::Numbered(state.HideRoom * 10 + state.HideFloor);
    std::vector<Room> misses;
    for (int index = 0; misses.size() < 5; ++index)
        if (Room::AtIndex(index) != hide)
            misses.push_back(Room::AtIndex(index));
    if (varied && state.SuspectNo == 3)
        return misses;
    if (varied && state.SuspectNo == 2)
        return {misses.front(), hide};
    return {hide};
}

std::string Mission(Screen& s, Game& game, bool varied) {
    s.visited = -1;
    game.Choose(MenuCommand::Start);
    std::string steps = Step(s, game);
    while (!s.dialog) {
        for (const Room& room : Visits(game.State(), varied)) {
            s.visited = room.Index();
            game.VisitRoom(room.Index(), room.Number());
            steps += "," + Step(s, game);
        }
    }
    s.dialog = false;
    game.AnswerContinue(true);
    return "[" + steps + "]";
}

std::string ScreenJson(int dpi) {
    std::string rooms, menu;
    for (int index = 0; index < Room::kCount; ++index) {
        const Room room = Room::AtIndex(index);
        const PixelRect place = Pixels(room.Place(), dpi);
        std::string frame;
        for (const PixelRect& side : FocusFrame::Sides(place, dpi))
            frame += (frame.empty() ? "" : ",") + Json(side);
        rooms += (index ? ",{\"name\":" : "{\"name\":") + Q(room.AccessibleName()) +
                 ",\"column\":" + std::to_string(room.Column()) +
                 ",\"floor\":" + std::to_string(room.Floor()) + ",\"place\":" + Json(place) +
                 ",\"frame\":[" + frame + "]}";
    }
    const auto entry = [&menu](const char* caption, const char* parent) {
        menu += (menu.empty() ? "{\"caption\":" : ",{\"caption\":") + Q(caption) +
                ",\"parent\":" + Q(parent) + "}";
    };
    for (const MainWindow::MenuBarItem& item : MainWindow::MenuBar()) {
        entry(item.caption, "");
        for (const MainWindow::MenuItem& child : item.submenu)
            entry(child.caption, item.control);
    }
    const PixelSize client = Pixels(MainWindow::kClientSize, dpi);
    return "{\"caption\":" + Q(MainWindow::kCaption) + ",\"client\":[" +
           std::to_string(client.width) + "," + std::to_string(client.height) +
           "],\"building\":" + Q(MainWindow::kBuildingName) +
           ",\"facade\":" + Json(Pixels(MainWindow::kFacade, dpi)) +
           ",\"facadeName\":" + Q(MainWindow::kFacadeName) +
           ",\"facadeColour\":" + Css(Colours::kFacade) +
           ",\"cellColour\":" + Css(Colours::kCellIdle) +
           ",\"frameColour\":" + Css(Colours::kFocusFrame) +
           ",\"background\":" + Css(Colours::kBackground) + ",\"rooms\":[" + rooms +
           "],\"menu\":[" + menu + "],\"dialog\":[" + Q(ContinueDialog::kCaption) + "," +
           Q(ContinueDialog::kQuestion.caption) + "," + Q(ContinueDialog::kYes.caption) + "," +
           Q(ContinueDialog::kNo.caption) + "]}";
}

} // namespace

int main(int argc, char* argv[]) {
    Screen screen, fresh;
    ClockRandomSource random, freshRandom;
    Game game(screen, screen, random, screen), freshGame(fresh, fresh, freshRandom, fresh);
    game.InitializeGame();
    freshGame.InitializeGame();

    std::string missions;
    int first = 1, dpi = kDesignDpi;
    if (argc > 1 && std::string(argv[1]).starts_with("dpi="))
        dpi = std::stoi(argv[first++] + 4);
    for (int i = first; i < argc; ++i)
        missions +=
            (i == first ? "" : ",") + Mission(screen, game, std::string(argv[i]) == "varied");
    game.Choose(MenuCommand::HighScore);
    freshGame.Choose(MenuCommand::HighScore);
    std::printf("{\"screen\":%s,\"missions\":[%s],\"highScore\":%s,\"freshHighScore\":%s,"
                "\"boxTitle\":%s}\n",
                ScreenJson(dpi).c_str(), missions.c_str(), screen.last.c_str(), fresh.last.c_str(),
                Q(MessageBoxService::kTitle).c_str());
}

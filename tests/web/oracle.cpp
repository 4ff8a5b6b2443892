// The core's expectations for the page tests: the screen as the core describes it, and what the
// game shows in a scripted play, worked out by the game itself. Run under Node with the clock
// frozen at the page's instant, the real random source draws the page's hiding places, so the page
// must show exactly this.
//
//   quv_web_oracle PLAN...
//
// One mission per PLAN, answered YES between them: "varied" catches the 1st suspect at once, the
// 2nd after a miss on its floor, lets the 3rd escape after misses above, below and beside it, and
// catches the rest at once; "quick" catches every suspect at once. Prints one JSON object.
#include "game/clock_random_source.h"
#include "game/colours.h"
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

constexpr int kDpi = 96;

std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text)
        quoted += (c == '"' || c == '\\') ? std::string{'\\', c} : std::string{c};
    return quoted + '"';
}

// As the page reads a colour back: getComputedStyle's form.
std::string Css(Colour colour) {
    return "rgb(" + std::to_string(Colours::Red(colour)) + ", " +
           std::to_string(Colours::Green(colour)) + ", " + std::to_string(Colours::Blue(colour)) +
           ")";
}

std::string Json(const PixelRect& r) {
    return "[" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
           std::to_string(r.width) + "," + std::to_string(r.height) + "]";
}

// What the page shows, kept as the game changes it.
class Screen final : public GameView, public MessageBoxService, public ProgramExit {
public:
    Screen() { cells.fill(Colours::kCellIdle); }
    void SetCellColours(int cell, Colour back, Colour) override { cells.at(cell) = back; }
    void SetBackground(Colour colour) override { background = colour; }
    void SetMainWindowEnabled(bool on) override { enabled = on; }
    void ShowContinueDialog() override { dialog = true; }
    // Each box with the visited room's colour and the background behind it.
    void Show(const std::string& text) override {
        last = text;
        boxes += (boxes.empty() ? "" : ",") + std::string("{\"text\":") + Quoted(text) +
                 ",\"cell\":" + Quoted(visited < 0 ? "" : Css(cells.at(visited))) +
                 ",\"background\":" + Quoted(Css(background)) + "}";
    }
    void EndProgram() override { std::puts("{\"error\":\"the play ended the program\"}"); }

    std::array<Colour, Room::kCount> cells{};
    Colour background = Colours::kBackground;
    bool enabled = true;
    bool dialog = false;
    int visited = -1;
    std::string boxes;
    std::string last;
};

std::string Field(const char* name, const std::string& json) {
    return Quoted(name) + ":" + json;
}

std::string Flag(bool on) {
    return on ? "true" : "false";
}

// One action: the boxes it showed, then the screen once it is done.
std::string Step(Screen& screen, const Game& game, int room) {
    const std::string json =
        "{" + Field("room", std::to_string(room)) + "," + Field("boxes", "[" + screen.boxes + "]") +
        "," + Field("cell", Quoted(room < 0 ? "" : Css(screen.cells.at(room)))) + "," +
        Field("background", Quoted(Css(screen.background))) + "," +
        Field("dialog", Flag(screen.dialog)) + "," + Field("enabled", Flag(screen.enabled)) + "," +
        Field("description", Quoted(MainWindow::Description(game.State()))) + "}";
    screen.boxes.clear();
    return json;
}

// The rooms a plan visits for the suspect now hidden: wrong ones first, the hiding place last
// unless the suspect is to escape.
std::vector<Room> Visits(const GameState& state, bool varied) {
    const Room hide = Room::At(state.HideRoom, state.HideFloor);
    const Room beside = Room::At(hide.Column() % Room::kColumns + 1, hide.Floor());
    if (!varied || state.SuspectNo == 1 || state.SuspectNo > 3)
        return {hide};
    if (state.SuspectNo == 2)
        return {beside, hide};
    // Above and below where the building has them, beside it, then other wrong rooms.
    std::vector<Room> misses;
    const auto add = [&](int column, int floor) {
        const Room room = Room::At(column, floor);
        for (const Room& taken : misses)
            if (taken == room)
                return;
        if (room != hide && misses.size() < 5)
            misses.push_back(room);
    };
    add(hide.Column(), hide.Floor() < Room::kFloors ? hide.Floor() + 1 : hide.Floor() - 1);
    add(hide.Column(), hide.Floor() > 1 ? hide.Floor() - 1 : hide.Floor() + 1);
    add(beside.Column(), beside.Floor());
    for (int index = 0; index < Room::kCount; ++index)
        add(Room::AtIndex(index).Column(), Room::AtIndex(index).Floor());
    return misses;
}

std::string Mission(Screen& screen, Game& game, bool varied) {
    screen.visited = -1;
    game.Choose(MenuCommand::Start);
    std::string steps = Step(screen, game, -1);
    while (!screen.dialog) {
        for (const Room& room : Visits(game.State(), varied)) {
            screen.visited = room.Index();
            game.VisitRoom(room.Index(), room.Number());
            steps += "," + Step(screen, game, room.Index());
        }
    }
    screen.dialog = false;
    game.AnswerContinue(true);
    return "[" + steps + "]";
}

std::string Rect(const TwipsRect& twips) {
    return Json(Pixels(twips, kDpi));
}

std::string Rooms() {
    std::string json;
    for (int index = 0; index < Room::kCount; ++index) {
        const Room room = Room::AtIndex(index);
        std::string frame;
        for (const PixelRect& side : FocusFrame::Sides(Pixels(room.Place(), kDpi), kDpi))
            frame += (frame.empty() ? "" : ",") + Json(side);
        json += (json.empty() ? "{" : ",{") + Field("name", Quoted(room.AccessibleName())) + "," +
                Field("column", std::to_string(room.Column())) + "," +
                Field("floor", std::to_string(room.Floor())) + "," +
                Field("place", Rect(room.Place())) + "," + Field("frame", "[" + frame + "]") + "}";
    }
    return "[" + json + "]";
}

std::string Menu() {
    std::string json;
    for (const MainWindow::MenuItem& item : MainWindow::Menu())
        json += (json.empty() ? "{" : ",{") + Field("control", Quoted(item.control)) + "," +
                Field("caption", Quoted(item.caption)) + "," +
                Field("parent", Quoted(item.parent)) + "}";
    return "[" + json + "]";
}

std::string ScreenJson() {
    const PixelSize client = Pixels(MainWindow::kClientSize, kDpi);
    return "{" + Field("caption", Quoted(MainWindow::kCaption)) + "," +
           Field("client",
                 "[" + std::to_string(client.width) + "," + std::to_string(client.height) + "]") +
           "," + Field("building", Quoted(MainWindow::kBuildingName)) + "," +
           Field("facade", Rect(MainWindow::kFacade)) + "," +
           Field("facadeName", Quoted(MainWindow::kFacadeName)) + "," +
           Field("facadeColour", Quoted(Css(Colours::kFacade))) + "," +
           Field("cellColour", Quoted(Css(Colours::kCellIdle))) + "," +
           Field("frameColour", Quoted(Css(Colours::kFocusFrame))) + "," +
           Field("background", Quoted(Css(Colours::kBackground))) + "," + Field("rooms", Rooms()) +
           "," + Field("menu", Menu()) + "," + Field("dialog", Quoted(ContinueDialog::kCaption)) +
           "," + Field("question", Quoted(ContinueDialog::kQuestion.caption)) + "," +
           Field("yes", Quoted(ContinueDialog::kYes.caption)) + "," +
           Field("no", Quoted(ContinueDialog::kNo.caption)) + "}";
}

// The text of a score box, as the game shows it now.
std::string Score(Screen& screen, Game& game, MenuCommand command) {
    game.Choose(command);
    screen.boxes.clear();
    return Quoted(screen.last);
}

} // namespace

int main(int argc, char* argv[]) {
    Screen screen;
    ClockRandomSource random;
    Game game(screen, screen, random, screen);
    game.InitializeGame();

    Screen freshScreen;
    ClockRandomSource freshRandom;
    Game fresh(freshScreen, freshScreen, freshRandom, freshScreen);
    fresh.InitializeGame();

    std::string missions;
    for (int i = 1; i < argc; ++i)
        missions += (i == 1 ? "" : ",") + Mission(screen, game, std::string(argv[i]) == "varied");
    const std::string highScore = Score(screen, game, MenuCommand::HighScore);
    const std::string freshHighScore = Score(freshScreen, fresh, MenuCommand::HighScore);
    fresh.VisitRoom(12, Room::AtIndex(12).Number());
    std::printf("{%s,%s,%s,%s,%s}\n", Field("screen", ScreenJson()).c_str(),
                Field("missions", "[" + missions + "]").c_str(),
                Field("highScore", highScore).c_str(),
                Field("freshHighScore", freshHighScore).c_str(),
                Field("pressStart", Quoted(freshScreen.last)).c_str());
}

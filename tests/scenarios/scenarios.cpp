// The scenarios, and the core's play of them.
#include "scenarios.h"

#include "../game/recording_fakes.h"
#include "game/game.h"

#include <initializer_list>

Step ClickRoom(int room) {
    return {Step::Kind::ClickRoom, room};
}
Step ClickAt(int x, int y) {
    return {Step::Kind::ClickClient, x * 1000 + y};
}
Step ClickBar(MenuCommand command) {
    return {Step::Kind::ClickBar, 0, command};
}
Step Choose(MenuCommand command) {
    return {Step::Kind::Choose, 0, command};
}
Step FocusRoom(int room) {
    return {Step::Kind::FocusRoom, room};
}
Step Press(Stroke key) {
    return {Step::Kind::Press, 0, MenuCommand::None, key};
}
Step Hold(Stroke key) {
    return {Step::Kind::Hold, 0, MenuCommand::None, key};
}
Step Answer(bool yes) {
    return {Step::Kind::Answer, 0, MenuCommand::None, Stroke::Return, yes};
}
Step Do(Step::Kind kind) {
    return {kind};
}

std::vector<Step> PerfectMission() {
    std::vector<Step> steps{Choose(MenuCommand::Start)};
    for (int suspect = 1; suspect <= 6; ++suspect)
        steps.push_back(ClickRoom(11));
    return steps;
}

namespace {
using Steps = std::vector<Step>;
using enum MenuCommand;

Steps Join(std::initializer_list<Steps> parts) {
    Steps all;
    for (const Steps& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// The same mission played from the keyboard on room 11.
Steps KeyboardMission(Stroke key) {
    Steps steps{Choose(Start), FocusRoom(11)};
    for (int suspect = 1; suspect <= 6; ++suspect)
        steps.push_back(Press(key));
    return steps;
}

Scenario Step1(const char* name, int from, Stroke key) {
    return {name, {}, {FocusRoom(from), Press(key)}};
}

const Step kElsewhere = Do(Step::Kind::Elsewhere);

const std::vector<Scenario> kScenarios = {
    // Visits and their boxes.
    {"a room before Start asks for Start", {}, {ClickRoom(33)}},
    {"a miss a floor too high, then the catch",
     {11, 22},
     {Choose(Start), ClickRoom(12), ClickRoom(11)}},
    {"a miss a floor too low, then a catch",
     {33, 11},
     {Choose(Start), ClickRoom(24), ClickRoom(33)}},
    {"a miss on the suspect's floor, then four more: escaped",
     {33},
     {Choose(Start), ClickRoom(13), ClickRoom(31), ClickRoom(32), ClickRoom(34), ClickRoom(35)}},
    {"a whole mission darkens the background and ends in the dialog", {}, PerfectMission()},
    {"scores before a mission and after a catch",
     {22},
     {Choose(CurrentScore), Choose(HighScore), Choose(Start), ClickRoom(22), Choose(CurrentScore)}},
    {"the facade and the background react to nothing", {}, {ClickAt(100, 80), ClickAt(20, 20)}},
    {"Quit ends the program mid-mission", {}, {Choose(Start), Choose(Quit)}},
    {"closing the window ends the program", {}, {Do(Step::Kind::CloseMain)}},

    // The continue dialog's answers.
    {"YES gives the window back without a mission, the high score kept",
     {},
     Join({PerfectMission(), {Answer(true), ClickRoom(33), Choose(HighScore)}})},
    {"a second mission ends in a fresh dialog",
     {},
     Join({PerfectMission(), {Answer(true)}, PerfectMission()})},
    {"NO ends the program", {}, Join({PerfectMission(), {Answer(false)}})},
    {"the dialog's frame counts as YES",
     {},
     Join({PerfectMission(), {Do(Step::Kind::CloseDialog), ClickRoom(11)}})},
    {"Return on YES", {}, Join({PerfectMission(), {Press(Stroke::Return)}})},
    {"keypad Enter on YES", {}, Join({PerfectMission(), {Press(Stroke::Enter)}})},
    {"Space on YES", {}, Join({PerfectMission(), {Press(Stroke::Space)}})},
    {"Return on NO", {}, Join({PerfectMission(), {Press(Stroke::Tab), Press(Stroke::Return)}})},
    {"keypad Enter on NO",
     {},
     Join({PerfectMission(), {Press(Stroke::Tab), Press(Stroke::Enter)}})},
    {"Escape on YES answers nothing", {}, Join({PerfectMission(), {Press(Stroke::Escape)}})},
    {"Escape on NO answers nothing",
     {},
     Join({PerfectMission(), {Press(Stroke::Tab), Press(Stroke::Escape)}})},
    {"Return held from the last box answers nothing",
     {},
     Join({PerfectMission(), {Hold(Stroke::Return)}})},
    {"keypad Enter held from the last box answers nothing",
     {},
     Join({PerfectMission(), {Hold(Stroke::Enter)}})},
    {"Tab and Shift+Tab go round the two buttons",
     {},
     Join({PerfectMission(), {Press(Stroke::Tab), Press(Stroke::Tab), Press(Stroke::BackTab)}})},

    // While the dialog waits, nothing of the main window acts; whoever turns to it gets the
    // dialog.
    {"the waiting dialog: menu choices, a room and the main window's frame act not",
     {},
     Join({PerfectMission(),
           {Choose(Start), Choose(Quit), Choose(CurrentScore), Choose(HighScore), ClickRoom(33),
            ClickBar(Start), ClickBar(Quit), Do(Step::Kind::CloseMain)}})},
    {"the waiting dialog: a click on a room hands over to it",
     {},
     Join({PerfectMission(), {kElsewhere, ClickRoom(15)}})},
    {"the waiting dialog: a click on the background hands over to it",
     {},
     Join({PerfectMission(), {kElsewhere, ClickAt(10, 10)}})},
    {"the waiting dialog: a click on the menu bar hands over to it",
     {},
     Join({PerfectMission(), {kElsewhere, ClickBar(Start)}})},
    {"the waiting dialog: the taskbar's activation hands over to it",
     {},
     Join({PerfectMission(), {kElsewhere, Do(Step::Kind::ActivateMain), Press(Stroke::Space)}})},

    // Keyboard play.
    {"Return visits the focused room and keeps its place",
     {},
     Join({KeyboardMission(Stroke::Return), {Press(Stroke::Space)}})},
    {"keypad Enter visits the focused room and keeps its place",
     {},
     Join({KeyboardMission(Stroke::Enter), {Press(Stroke::Space)}})},
    {"Space visits the focused room and keeps its place",
     {},
     Join({KeyboardMission(Stroke::Space), {Press(Stroke::Space)}})},
    {"one visit per press, none for a key held from before",
     {},
     {Choose(Start), FocusRoom(33), Hold(Stroke::Return), Press(Stroke::Return),
      Press(Stroke::Space)}},
    {"the focus comes back from another window",
     {},
     {FocusRoom(32), Press(Stroke::Up), kElsewhere, Do(Step::Kind::ActivateMain)}},
    Step1("up from the top left: wall", 15, Stroke::Up),
    Step1("left from the top left: wall", 15, Stroke::Left),
    Step1("right from the top left", 15, Stroke::Right),
    Step1("down from the top left", 15, Stroke::Down),
    Step1("down from the bottom right: wall", 51, Stroke::Down),
    Step1("right from the bottom right: wall", 51, Stroke::Right),
    Step1("up from the bottom right", 51, Stroke::Up),
    Step1("left from the bottom right", 51, Stroke::Left),
    Step1("left at the left wall", 13, Stroke::Left),
    Step1("up on the top floor", 35, Stroke::Up),
    Step1("up from the centre", 33, Stroke::Up),
    Step1("down from the centre", 33, Stroke::Down),
    Step1("left from the centre", 33, Stroke::Left),
    Step1("right from the centre", 33, Stroke::Right),
    Step1("Tab along a floor", 15, Stroke::Tab),
    Step1("Tab from the end of a floor to the next one down", 55, Stroke::Tab),
    Step1("Tab from the last room to the first", 51, Stroke::Tab),
    Step1("Shift+Tab from the first room to the last", 15, Stroke::BackTab),
    Step1("Shift+Tab back along a floor", 25, Stroke::BackTab),
};

std::string Name(const Step& step) {
    static const char* const kKeys[] = {"Up",      "Down",   "Left",  "Right", "Tab",
                                        "BackTab", "Return", "Enter", "Space", "Escape"};
    static const char* const kCommands[] = {"None", "Start", "Quit", "CurrentScore", "HighScore"};
    const std::string room = std::to_string(step.room);
    const char* key = kKeys[static_cast<int>(step.key)];
    const char* command = kCommands[static_cast<int>(step.command)];
    switch (step.kind) {
    case Step::Kind::ClickRoom:
        return "click on room " + room;
    case Step::Kind::ClickClient:
        return "click at " + std::to_string(step.room / 1000) + "," +
               std::to_string(step.room % 1000);
    case Step::Kind::ClickBar:
        return std::string("click on the bar's ") + command;
    case Step::Kind::Choose:
        return std::string("choose ") + command;
    case Step::Kind::FocusRoom:
        return "focus on room " + room;
    case Step::Kind::Press:
        return std::string("press ") + key;
    case Step::Kind::Hold:
        return std::string("held ") + key;
    case Step::Kind::Answer:
        return step.yes ? "click YES" : "click NO";
    case Step::Kind::CloseDialog:
        return "close the dialog's frame";
    case Step::Kind::CloseMain:
        return "close the main window's frame";
    case Step::Kind::Elsewhere:
        return "another window takes the keyboard";
    case Step::Kind::ActivateMain:
        return "the main window activated";
    }
    return "?";
}

std::string Cells(const std::array<Colour, Room::kCount>& cells) {
    std::string text;
    for (int index = 0; index < Room::kCount; ++index) {
        const Colour c = cells[static_cast<std::size_t>(index)];
        text += c == Colours::kCellIdle ? 'B' : c == Colours::kCellVisiting ? 'K' : '?';
        if (index % Room::kColumns == Room::kColumns - 1 && index + 1 < Room::kCount)
            text += '/';
    }
    return text;
}

// The game with the recording fakes; what a front end adds of its own (the keys, the focus, the
// dialog's buttons) is worked out here from the core's rooms.
class CoreDriver final : public Driver {
public:
    CoreDriver() {
        m_cells.fill(Colours::kCellIdle);
        m_box.onShow = [this](const std::string& text) {
            Fold();
            m_boxes.push_back(Box{text, m_cells, m_background});
        };
        m_game.InitializeGame();
    }

    ScriptedRandom& Random() override { return m_random; }

    void Do(const Step& step) override {
        const bool waiting = m_game.AwaitingAnswer();
        switch (step.kind) {
        case Step::Kind::ClickRoom:
            if (waiting)
                m_focus = m_dialogFocus;
            else
                Visit(step.room);
            break;
        case Step::Kind::ClickClient:
            if (waiting)
                m_focus = m_dialogFocus;
            break;
        case Step::Kind::ClickBar:
            if (waiting)
                m_focus = m_dialogFocus;
            else
                m_game.Choose(step.command);
            break;
        case Step::Kind::Choose:
            m_game.Choose(step.command);
            break;
        case Step::Kind::FocusRoom:
            m_focus = std::to_string(step.room);
            break;
        case Step::Kind::Press:
            PressKey(step.key);
            break;
        case Step::Kind::Hold:
            break;
        case Step::Kind::Answer:
            m_dialogFocus = m_focus = step.yes ? "yes" : "no";
            AnswerDialog(step.yes);
            break;
        case Step::Kind::CloseDialog:
            AnswerDialog(true);
            break;
        case Step::Kind::CloseMain:
            m_game.CloseMainWindow();
            break;
        case Step::Kind::Elsewhere:
            m_inside = m_focus;
            m_focus = "elsewhere";
            break;
        case Step::Kind::ActivateMain:
            m_focus = waiting ? m_dialogFocus : m_inside;
            break;
        }
        Fold();
    }

    Outcome Observe() override {
        Fold();
        Outcome now{m_boxes,   m_cells,  m_background, Colours::kFacade,
                    m_enabled, m_dialog, m_ended,      m_focus};
        m_boxes.clear();
        return now;
    }

private:
    void Visit(int room) { m_game.VisitRoom(Room::Numbered(room).Index(), room); }

    void AnswerDialog(bool yes) {
        if (m_game.AnswerContinue(yes) && yes)
            m_dialog = false;
    }

    void PressKey(Stroke key) {
        if (m_focus == "yes" || m_focus == "no") {
            const bool onYes = m_focus == "yes";
            if (key == Stroke::Tab || key == Stroke::BackTab)
                m_dialogFocus = m_focus = onYes ? "no" : "yes";
            else if (key == Stroke::Return || key == Stroke::Enter || key == Stroke::Space)
                AnswerDialog(onYes);
            return;
        }
        if (m_focus.empty() || m_focus == "elsewhere")
            return;
        const Room room = Room::Numbered(std::stoi(m_focus));
        const auto moveTo = [this](Room to) {
            m_focus = std::to_string(to.Number());
        };
        switch (key) {
        case Stroke::Up:
            return moveTo(room.Neighbour(Arrow::Up));
        case Stroke::Down:
            return moveTo(room.Neighbour(Arrow::Down));
        case Stroke::Left:
            return moveTo(room.Neighbour(Arrow::Left));
        case Stroke::Right:
            return moveTo(room.Neighbour(Arrow::Right));
        case Stroke::Tab:
        case Stroke::BackTab:
            return moveTo(room.NextInTabOrder(key == Stroke::BackTab));
        case Stroke::Return:
        case Stroke::Enter:
        case Stroke::Space:
            return Visit(room.Number());
        case Stroke::Escape:
            return;
        }
    }

    // Takes in what the fakes recorded since the last look.
    void Fold() {
        for (; m_read < m_log.size(); ++m_read) {
            const std::string& entry = m_log[m_read];
            if (entry.starts_with("cell ")) {
                const std::size_t space = entry.find(' ', 5);
                m_cells.at(std::stoul(entry.substr(5, space - 5))) =
                    static_cast<Colour>(std::stoul(entry.substr(space + 1, 6), nullptr, 16));
            } else if (entry.starts_with("background ")) {
                m_background = static_cast<Colour>(std::stoul(entry.substr(11), nullptr, 16));
            } else if (entry == "enabled" || entry == "disabled") {
                m_enabled = entry == "enabled";
            } else if (entry == "dialog") {
                m_dialog = true;
                m_dialogFocus = m_focus = "yes";
            } else if (entry == "exit") {
                m_ended = true;
            }
        }
        for (; m_focused < m_view.focused.size(); ++m_focused)
            m_focus = std::to_string(Room::AtIndex(m_view.focused[m_focused]).Number());
    }

    EventLog m_log;
    RecordingView m_view{m_log};
    RecordingMessageBox m_box{m_log};
    ScriptedRandom m_random{m_log};
    RecordingExit m_exit{m_log};
    Game m_game{m_view, m_box, m_random, m_exit};

    std::size_t m_read = 0;
    std::size_t m_focused = 0;
    std::vector<Box> m_boxes;
    std::array<Colour, Room::kCount> m_cells{};
    Colour m_background = Colours::kBackground;
    bool m_enabled = true;
    bool m_dialog = false;
    bool m_ended = false;
    std::string m_focus;
    std::string m_dialogFocus = "yes";
    std::string m_inside; // the focus in the game's windows before another took the keyboard
};
} // namespace

std::span<const Scenario> Scenarios() {
    return kScenarios;
}

std::string Describe(const Outcome& o) {
    std::string text;
    for (const Box& box : o.boxes)
        text += "  box \"" + box.text + "\" cells " + Cells(box.cells) + " background " +
                Hex(box.background) + "\n";
    // Once the program has ended, its windows go as the platform takes them down: only that the
    // main window was not given back still counts.
    text += "  then cells " + Cells(o.cells) + " background " + Hex(o.background) + " facade " +
            Hex(o.facade) + ", main " + (o.mainEnabled ? "enabled" : "disabled");
    if (o.ended)
        return text + ", ended\n";
    text += std::string(", dialog ") + (o.dialogShown ? "shown" : "none") +
            (o.focus.empty() ? "" : ", focus " + o.focus) + "\n";
    return text;
}

Transcript Play(Driver& driver, const Scenario& scenario) {
    CoreDriver core;
    for (const int room : scenario.hide) {
        core.Random().QueueRoom(room);
        driver.Random().QueueRoom(room);
    }
    Transcript transcript;
    for (const Step& step : scenario.steps) {
        core.Do(step);
        driver.Do(step);
        const Outcome expected = core.Observe();
        Outcome played = driver.Observe();
        if (expected.focus.empty())
            played.focus.clear();
        transcript.expected += Name(step) + ":\n" + Describe(expected);
        transcript.played += Name(step) + ":\n" + Describe(played);
    }
    return transcript;
}

std::string FirstDifference(const Transcript& t) {
    std::size_t at = 0;
    std::string step;
    while (at < t.expected.size() || at < t.played.size()) {
        const std::size_t end = t.expected.find('\n', at);
        const std::string expected = t.expected.substr(at, end - at);
        const std::string played = t.played.substr(at, t.played.find('\n', at) - at);
        if (!expected.starts_with("  "))
            step = expected;
        if (expected != played)
            return step + "\nexpected:" + expected + "\nplayed:  " + played;
        if (end == std::string::npos)
            break;
        at = end + 1;
    }
    return {};
}

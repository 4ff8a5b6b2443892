// Recording stand-ins for the screen, the message box and the random source. They write into one
// ordered log, so a test can assert the exact sequence of everything the game did.
#pragma once

#include "game/game_view.h"
#include "game/message_box_service.h"
#include "game/program_exit.h"
#include "game/random_source.h"
#include "game/room.h"

#include <cstdio>
#include <deque>
#include <functional>
#include <string>
#include <vector>

using EventLog = std::vector<std::string>;

// The cell of a room, as the game's description of the building places it.
inline int CellOf(int room) {
    return Room::Numbered(room).Index();
}

inline std::string Hex(Colour c) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%06X", static_cast<unsigned>(c));
    return buffer;
}

// The texts of the boxes shown, in order, and how often an entry was recorded.
inline std::vector<std::string> Texts(const EventLog& log) {
    std::vector<std::string> texts;
    for (const std::string& entry : log)
        if (entry.starts_with("text "))
            texts.push_back(entry.substr(5));
    return texts;
}
inline int Count(const EventLog& log, const std::string& entry) {
    int count = 0;
    for (const std::string& e : log)
        count += e == entry;
    return count;
}

class RecordingView final : public GameView {
public:
    explicit RecordingView(EventLog& log)
        : m_log(log) {}
    void SetCellColours(int cell, Colour back, Colour text) override {
        m_log.push_back("cell " + std::to_string(cell) + " " + Hex(back) + "/" + Hex(text));
    }
    void SetBackground(Colour colour) override { m_log.push_back("background " + Hex(colour)); }
    void SetMainWindowEnabled(bool enabled) override {
        m_log.push_back(enabled ? "enabled" : "disabled");
    }
    void ShowContinueDialog() override {
        m_log.push_back("dialog");
        if (onDialog)
            onDialog();
    }
    // Kept apart from the log: where the focus goes is not part of a visit's order on screen.
    void FocusRoom(int cell) override { focused.push_back(cell); }
    // Kept apart too: what assistive technology was last told, and how often.
    void ShowNames(const MainWindow::Names& shown) override {
        names = shown;
        ++namesShown;
    }

    // If set, runs as the dialog opens, while the visit that opened it still runs.
    std::function<void()> onDialog;
    std::vector<int> focused;
    MainWindow::Names names;
    int namesShown = 0;

private:
    EventLog& m_log;
};

// onShow, if set, runs while the box is open: what else reaches the game before OK.
class RecordingMessageBox final : public MessageBoxService {
public:
    explicit RecordingMessageBox(EventLog& log)
        : m_log(log) {}
    void Show(const std::string& text) override {
        m_log.push_back("text " + text);
        if (onShow)
            onShow(text);
    }
    std::function<void(const std::string&)> onShow;

private:
    EventLog& m_log;
};

class RecordingExit final : public ProgramExit {
public:
    explicit RecordingExit(EventLog& log)
        : m_log(log) {}
    void EndProgram() override { m_log.push_back("exit"); }

private:
    EventLog& m_log;
};

// Hands out the numbers a test queued, then `fallback`.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(EventLog& log)
        : m_log(log) {}
    void Seed() override { m_log.push_back("seed"); }
    float Next() override {
        m_log.push_back("draw");
        if (m_queue.empty())
            return fallback;
        const float r = m_queue.front();
        m_queue.pop_front();
        return r;
    }
    void Queue(float r) { m_queue.push_back(r); }
    std::size_t Queued() const { return m_queue.size(); }
    // Queues the two numbers that hide the next suspect in room (column*10 + floor).
    void QueueRoom(int room) {
        Queue(Middle(room / 10));
        Queue(Middle(room % 10));
    }
    // The number that lands in the middle of coordinate c's fifth of [0, 1).
    static float Middle(int c) { return (static_cast<float>(c) - 0.5f) / 5.0f; }

    float fallback = 0.0f;

private:
    EventLog& m_log;
    std::deque<float> m_queue;
};

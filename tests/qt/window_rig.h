// A real main window with scripted services: a message box that records each text instead of
// waiting for OK, a random source that hides suspects where the test says, and an exit that
// only counts.
#pragma once

#include "../game/recording_fakes.h"
#include "game/program_exit.h"
#include "qt/form1.h"
#include "qt/form2.h"
#include "qt/room_cell.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>

class HookedMessageBox final : public MessageBoxService {
public:
    void Show(const std::string& text) override {
        texts.push_back(QString::fromStdString(text));
        if (onShow)
            onShow(texts.back());
    }
    QStringList texts;
    std::function<void(const QString&)> onShow;
};

class CountingExit final : public ProgramExit {
public:
    void EndProgram() override { ++calls; }
    int calls = 0;
};

struct UiRig {
    UiRig() {
        window.show();
        window.activateWindow();
    }

    void ClickRoom(int room) { QTest::mouseClick(window.Cell(CellOf(room)), Qt::LeftButton); }

    // What the player sees at a point of the client area.
    QColor PixelAt(QPoint p) const { return window.ClientArea()->grab().toImage().pixelColor(p); }
    QColor CellPixel(int room) const {
        return PixelAt(window.Cell(CellOf(room))->geometry().center());
    }
    // A point of the background, outside the facade.
    QColor BackgroundPixel() const { return PixelAt(QPoint(10, 10)); }

    // A click on a top-level item of the menu bar, as the player's mouse makes it.
    void ClickMenuBar(const char* name) {
        QMenuBar* bar = window.menuBar();
        QAction* action = window.findChild<QAction*>(QString::fromLatin1(name));
        if (!action) {
            QMenu* menu = window.findChild<QMenu*>(QString::fromLatin1(name));
            action = menu ? menu->menuAction() : nullptr;
        }
        Q_ASSERT(action);
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
    }

    // Opens the score menu and clicks one of its items.
    void ClickScoreItem(const char* name) {
        ClickMenuBar("SC");
        QMenu* menu = window.findChild<QMenu*>(QStringLiteral("SC"));
        QAction* item = window.findChild<QAction*>(QString::fromLatin1(name));
        if (!menu->isVisible()) // a disabled window opens no menu
            return;
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    }

    // Plays a whole mission in which every suspect hides in room 11 and is caught at once.
    void PlayPerfectMission() {
        random.fallback = ScriptedRandom::Middle(1);
        ClickMenuBar("S");
        for (int i = 0; i < 6; ++i)
            ClickRoom(11);
    }

    EventLog log;
    HookedMessageBox box;
    ScriptedRandom random{log};
    CountingExit exit;
    Form1 window{box, random, exit};
};

// A real main window with the recording fakes: a message box that records each text instead of
// waiting for OK, a random source that hides suspects where the test says, and an exit that
// only records.
#pragma once

#include "../game/recording_fakes.h"
#include "../scenarios/scenarios.h"
#include "game/main_window.h"
#include "game/program_exit.h"
#include "qt/form1.h"
#include "qt/form2.h"
#include "qt/room_cell.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>

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

    // Opens a submenu of the bar and clicks one of its items.
    void ClickMenuItem(const char* menuName, const char* name) {
        ClickMenuBar(menuName);
        QMenu* menu = window.findChild<QMenu*>(QString::fromLatin1(menuName));
        QAction* item = window.findChild<QAction*>(QString::fromLatin1(name));
        if (!menu->isVisible()) // a disabled window opens no menu
            return;
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    }
    void ClickScoreItem(const char* name) { ClickMenuItem("SC", name); }

    // Plays a whole mission in which every suspect hides in room 11 and is caught at once.
    void PlayPerfectMission();

    // The texts shown since the log was last cleared, and whether the program was ended.
    QStringList Texts() const {
        QStringList texts;
        for (const std::string& text : ::Texts(log))
            texts << QString::fromStdString(text);
        return texts;
    }
    int Exits() const { return Count(log, "exit"); }

    EventLog log;
    RecordingMessageBox box{log};
    ScriptedRandom random{log};
    RecordingExit exit{log};
    Form1 window{box, random, exit};
};

// Plays the scenarios on the real window: clicks and keys as Qt delivers them, and the screen
// read back from what the window paints. Each box takes the keyboard while it is open, as a real
// one does, and gives it back to the window it belonged to as it closes.
class QtDriver final : public Driver {
public:
    explicit QtDriver(UiRig& rig)
        : m_rig(rig)
        , m_onShow(rig.box.onShow) {
        rig.box.onShow = [this](const std::string& text) {
            ReadBox(text);
            if (m_onShow)
                m_onShow(text);
        };
    }
    ~QtDriver() override { m_rig.box.onShow = m_onShow; }
    QtDriver(const QtDriver&) = delete;
    QtDriver& operator=(const QtDriver&) = delete;

    ScriptedRandom& Random() override { return m_rig.random; }

    void Do(const Step& step) override {
        Form1& window = m_rig.window;
        const std::size_t boxes = m_boxes.size();
        switch (step.kind) {
        case Step::Kind::ClickRoom:
            TurnToTheWindow();
            m_rig.ClickRoom(step.room);
            break;
        case Step::Kind::ClickClient:
            TurnToTheWindow();
            QTest::mouseClick(window.ClientArea(), Qt::LeftButton, {},
                              QPoint(step.room / 1000, step.room % 1000));
            break;
        case Step::Kind::ClickBar:
            TurnToTheWindow();
            Choose(step.command);
            break;
        case Step::Kind::Choose:
            Choose(step.command);
            break;
        case Step::Kind::FocusRoom:
            window.Cell(CellOf(step.room))->setFocus();
            break;
        case Step::Kind::Press: {
            const auto [key, modifiers] = QtKey(step.key);
            QTest::keyClick(Focused(), key, modifiers);
            break;
        }
        case Step::Kind::Hold: {
            // Only the keyboard's repeats reach the window, and the key's release.
            const auto [key, modifiers] = QtKey(step.key);
            QWidget* focused = Focused();
            for (int repeat = 0; repeat < 3; ++repeat) {
                QTest::simulateEvent(focused, true, key, modifiers, QString(), true);
                QTest::simulateEvent(focused, false, key, modifiers, QString(), true);
            }
            QTest::simulateEvent(focused, false, key, modifiers, QString(), false);
            break;
        }
        case Step::Kind::Answer:
            QTest::mouseClick(step.yes ? window.OpenDialog()->YesButton()
                                       : window.OpenDialog()->NoButton(),
                              Qt::LeftButton);
            break;
        case Step::Kind::CloseDialog:
        case Step::Kind::CloseMain: {
            QWidget* frame = step.kind == Step::Kind::CloseMain
                                 ? static_cast<QWidget*>(&window)
                                 : static_cast<QWidget*>(window.OpenDialog());
            QCloseEvent close;
            QApplication::sendEvent(frame->windowHandle(), &close);
            break;
        }
        case Step::Kind::Elsewhere:
            m_elsewhere.show();
            m_elsewhere.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&m_elsewhere));
            break;
        case Step::Kind::ActivateMain:
            TurnToTheWindow();
            break;
        }
        // The last box closed: the keyboard back with the window it belonged to, or with the
        // dialog that opened after it.
        if (m_boxes.size() > boxes && window.isEnabled())
            Activate(&window);
        // The dialog, opened or handed over to, and the window given back by it, take the
        // keyboard once the event loop runs.
        QWidget* active = QApplication::activeWindow();
        if (active != &m_elsewhere && active != window.GameWindow())
            (void)QTest::qWaitFor([&] { return window.GameWindow()->isActiveWindow(); }, 1000);
    }

    Outcome Observe() override {
        Form1& window = m_rig.window;
        Outcome now;
        now.boxes = std::exchange(m_boxes, {});
        ReadBuilding(now.cells, now.background);
        now.facade = ColourAt(window.ClientArea()->grab().toImage(), QPoint(50, 50));
        now.mainEnabled = window.isEnabled();
        now.dialogShown = window.OpenDialog() && window.OpenDialog()->isVisible() &&
                          window.OpenDialog()->isEnabled();
        now.ended = m_rig.Exits() > 0;
        now.focus = FocusName();
        return now;
    }

private:
    static std::pair<Qt::Key, Qt::KeyboardModifiers> QtKey(Stroke key) {
        switch (key) {
        case Stroke::Up:
            return {Qt::Key_Up, Qt::NoModifier};
        case Stroke::Down:
            return {Qt::Key_Down, Qt::NoModifier};
        case Stroke::Left:
            return {Qt::Key_Left, Qt::NoModifier};
        case Stroke::Right:
            return {Qt::Key_Right, Qt::NoModifier};
        case Stroke::Tab:
            return {Qt::Key_Tab, Qt::NoModifier};
        case Stroke::BackTab:
            return {Qt::Key_Backtab, Qt::ShiftModifier};
        case Stroke::Return:
            return {Qt::Key_Return, Qt::NoModifier};
        case Stroke::Enter:
            return {Qt::Key_Enter, Qt::KeypadModifier};
        case Stroke::Space:
            return {Qt::Key_Space, Qt::NoModifier};
        case Stroke::Escape:
            return {Qt::Key_Escape, Qt::NoModifier};
        }
        return {Qt::Key_unknown, Qt::NoModifier};
    }

    static Colour ColourAt(const QImage& image, QPoint at) {
        const QColor c = image.pixelColor(at);
        return static_cast<Colour>(c.red() | c.green() << 8 | c.blue() << 16);
    }

    QWidget* Focused() {
        QWidget* focused = QApplication::focusWidget();
        return focused ? focused : &m_rig.window;
    }

    // The steps' outcome is read back and compared, so a wait that times out fails there.
    static void Activate(QWidget* window) {
        window->activateWindow();
        (void)QTest::qWaitForWindowActive(window);
    }

    // A click on the window, or the taskbar's button, activates it first, as the desktop does.
    void TurnToTheWindow() {
        Form1& window = m_rig.window;
        if (window.isActiveWindow() || QApplication::activeWindow() == window.OpenDialog())
            return;
        window.activateWindow();
        // Where the keyboard then is, is read back and compared: no need to fail here.
        (void)QTest::qWaitFor([&] { return QApplication::activeWindow() == window.GameWindow(); },
                              1000);
    }

    void Choose(MenuCommand command) {
        for (const MainWindow::MenuBarItem& item : MainWindow::MenuBar()) {
            if (item.command == command && command != MenuCommand::None)
                return m_rig.ClickMenuBar(item.control);
            for (const MainWindow::MenuItem& child : item.submenu)
                if (child.command == command)
                    return m_rig.ClickMenuItem(item.control, child.control);
        }
        QFAIL("no such menu command");
    }

    void ReadBox(const std::string& text) {
        Box box{text};
        ReadBuilding(box.cells, box.background);
        m_boxes.push_back(box);
        // The box has the keyboard while it is open.
        QWidget grabber;
        grabber.show();
        grabber.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&grabber));
    }

    void ReadBuilding(std::array<Colour, Room::kCount>& cells, Colour& background) const {
        const QImage image = m_rig.window.ClientArea()->grab().toImage();
        for (int index = 0; index < Room::kCount; ++index)
            cells[static_cast<std::size_t>(index)] =
                ColourAt(image, m_rig.window.Cell(index)->geometry().center());
        background = ColourAt(image, QPoint(10, 10));
    }

    std::string FocusName() const {
        if (QApplication::activeWindow() == &m_elsewhere)
            return "elsewhere";
        const QWidget* focused = QApplication::focusWidget();
        for (int index = 0; index < Room::kCount; ++index)
            if (focused == m_rig.window.Cell(index))
                return std::to_string(Room::AtIndex(index).Number());
        if (const Form2* dialog = m_rig.window.OpenDialog()) {
            if (focused == dialog->YesButton())
                return "yes";
            if (focused == dialog->NoButton())
                return "no";
        }
        return focused ? focused->objectName().toStdString() + " (not a room)" : "nothing";
    }

    UiRig& m_rig;
    std::function<void(const std::string&)> m_onShow;
    std::vector<Box> m_boxes;
    QWidget m_elsewhere;
};

inline void UiRig::PlayPerfectMission() {
    QtDriver driver(*this);
    random.fallback = ScriptedRandom::Middle(1);
    for (const Step& step : PerfectMission())
        driver.Do(step);
}

// Form1: the main window, the building with its 25 room cells and the menu.
#include "qt/form1.h"

#include "game/main_window.h"
#include "qt/button_keys.h"
#include "qt/facade.h"
#include "qt/form2.h"
#include "qt/qt_colour.h"
#include "qt/qt_geometry.h"
#include "qt/qt_key.h"
#include "qt/room_cell.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QTimer>

namespace {
// How long a compositor is given to hand over the keyboard as asked.
constexpr int kActivationWait = 150; // ms

// How the focus came to a room, as the focus frame tells causes apart: the keyboard moving it (Tab,
// or the keys coming back from the menu bar), a click, or anything else, the game's own moves.
FocusFrame::Cause CauseOf(Qt::FocusReason reason) {
    switch (reason) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MenuBarFocusReason:
        return FocusFrame::Cause::Keyboard;
    case Qt::MouseFocusReason:
        return FocusFrame::Cause::Mouse;
    default:
        return FocusFrame::Cause::Game;
    }
}
} // namespace

Form1::Form1(MessageBoxService& messages, RandomSource& random, ProgramExit& exit)
    : m_game(*this, messages, random, exit) {
    setWindowTitle(QString::fromUtf8(MainWindow::kCaption));
    // A fixed-size window: no maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/icons/quv-32.png")));
    BuildMenu();
    BuildBuilding();
    // Fixed size: the client area below the menu bar keeps its size whatever the menu needs.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_game.InitializeGame();
}

Form1::~Form1() {
    delete m_dialog;
}

void Form1::BuildMenu() {
    // Items that do something act on a click of the bar itself; no item has an access key or
    // shortcut.
    QMenuBar* bar = menuBar();
    bar->setNativeMenuBar(false);
    bar->installEventFilter(this);
    for (const MainWindow::MenuBarItem& item : MainWindow::MenuBar()) {
        if (item.submenu.empty()) {
            AddCommand(bar, item.control, item.caption, item.command);
            continue;
        }
        QMenu* menu = bar->addMenu(QString::fromUtf8(item.caption));
        menu->setObjectName(QString::fromLatin1(item.control));
        for (const MainWindow::MenuItem& child : item.submenu)
            AddCommand(menu, child.control, child.caption, child.command);
    }
}

void Form1::AddCommand(QWidget* menu, const char* control, const char* caption,
                       MenuCommand command) {
    QAction* action = new QAction(QString::fromUtf8(caption), menu);
    action->setObjectName(QString::fromLatin1(control));
    menu->addAction(action);
    connect(action, &QAction::triggered, this, [this, command] { Choose(command); });
}

void Form1::Choose(MenuCommand command) {
    m_game.Choose(command);
    if (focusWidget() == menuBar())
        LeaveMenuBar();
}

void Form1::EnterMenuBar() {
    const auto* room = qobject_cast<const RoomCell*>(QApplication::focusWidget());
    m_menuKeys.Entered(room ? room->TheRoom().Index() : -1);
    menuBar()->setFocus(Qt::MenuBarFocusReason);
    menuBar()->setActiveAction(menuBar()->actions().constFirst());
}

void Form1::LeaveMenuBar() {
    menuBar()->setActiveAction(nullptr);
    Cell(m_menuKeys.Leave(m_game.HomeRoom()))->setFocus(Qt::MenuBarFocusReason);
}

void Form1::BuildBuilding() {
    m_client = new QWidget(this);
    m_client->setFixedSize(ToQSize(Pixels(MainWindow::kClientSize, kDesignDpi)));
    m_client->setAutoFillBackground(true);
    m_client->setAccessibleName(QString::fromUtf8(MainWindow::kBuildingName));
    setCentralWidget(m_client);
    SetBackground(Colours::kBackground);

    // The facade comes first so that every cell lies above it; it reacts to nothing.
    m_facade = new Facade(m_client);
    m_facade->setObjectName(QString::fromLatin1(MainWindow::kFacadeControl));
    m_facade->setAccessibleName(QString::fromUtf8(MainWindow::kFacadeName));
    m_facade->setGeometry(LayoutRect(MainWindow::kFacade));

    // Created in index order, which is also the tab order. The room keys' filter goes on each
    // cell before the window's own, so that the window, whose filter runs first, sees every key
    // as keyboard play before a press visits.
    auto* roomKeys = new ButtonKeys(this);
    for (int index = 0; index < Room::kCount; ++index) {
        auto* cell = new RoomCell(index, m_client);
        cell->setObjectName(QString::fromStdString(MainWindow::CellControl(index)));
        cell->setGeometry(LayoutRect(cell->TheRoom().Place()));
        roomKeys->Watch(cell);
        cell->installEventFilter(this);
        connect(cell, &QAbstractButton::clicked, this, [this, cell] { Visit(cell); });
        connect(cell, &RoomCell::stepRequested, this, [this, cell](Arrow arrow) {
            Cell(cell->TheRoom().Neighbour(arrow).Index())->setFocus(Qt::OtherFocusReason);
        });
        m_cells[static_cast<std::size_t>(index)] = cell;
    }
}

void Form1::Visit(RoomCell* cell) {
    const Room room = cell->TheRoom();
    m_game.VisitRoom(room.Index(), room.Number());
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == menuBar()) {
        if (event->type() == QEvent::FocusOut &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason &&
            !QApplication::activePopupWidget()) {
            // The mouse went elsewhere: nothing stays highlighted in the bar.
            menuBar()->setActiveAction(nullptr);
        } else if (event->type() == QEvent::KeyPress) {
            // Inside the bar Qt's own menu keys move and choose; the way out is the game's.
            const auto& key = *static_cast<QKeyEvent*>(event);
            if (MenuKeys::OnKey(KeyOf(key), Modified(key), true,
                                QApplication::activePopupWidget() != nullptr) ==
                MenuKeys::Step::Leave) {
                LeaveMenuBar();
                return true;
            }
        }
        return QMainWindow::eventFilter(watched, event);
    }
    // The cells: which of keys and mouse the player uses, and how the focus came.
    switch (event->type()) {
    case QEvent::KeyPress:
        m_focusFrame.KeyboardUsed();
        UpdateFocusMark();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        m_focusFrame.MouseUsed();
        UpdateFocusMark();
        break;
    case QEvent::FocusIn:
        m_focusFrame.FocusArrived(CauseOf(static_cast<QFocusEvent*>(event)->reason()));
        UpdateFocusMark();
        break;
    case QEvent::FocusOut:
        UpdateFocusMark();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::UpdateFocusMark() {
    const auto* focused = qobject_cast<const RoomCell*>(QApplication::focusWidget());
    const bool onRoom = focused && focused->parentWidget() == m_client;
    m_facade->SetMark(m_focusFrame.Shown(onRoom) ? focused->geometry().translated(-m_facade->pos())
                                                 : QRect());
}

void Form1::ShowNames(const MainWindow::Names& names) {
    // The visible caption stays as it is; a screen reader's title and where-am-I read the name.
    setAccessibleName(QString::fromStdString(names.window));
    setAccessibleDescription(QString::fromStdString(names.description));
}

void Form1::keyPressEvent(QKeyEvent* event) {
    if (MenuKeys::OnKey(KeyOf(*event), Modified(*event), menuBar()->hasFocus(), false) ==
        MenuKeys::Step::Enter) {
        EnterMenuBar();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

RoomCell* Form1::Cell(int index) const {
    return m_cells.at(static_cast<std::size_t>(index));
}

Form2* Form1::OpenDialog() const {
    return m_dialog;
}

QWidget* Form1::GameWindow() {
    if (m_game.BoxOwner() == Game::Window::Dialog && m_dialog)
        return m_dialog;
    return this;
}

void Form1::SetCellColours(int cell, Colour back, Colour text) {
    Cell(cell)->SetColours(back, text);
}

void Form1::SetBackground(Colour colour) {
    QPalette p = m_client->palette();
    p.setColor(QPalette::Window, ToQColor(colour));
    m_client->setPalette(p);
}

void Form1::SetMainWindowEnabled(bool enabled) {
    setEnabled(enabled);
}

void Form1::FocusRoom(int cell) {
    Cell(cell)->setFocus(Qt::OtherFocusReason);
}

void Form1::ShowContinueDialog() {
    // An answered dialog may linger until its deletion; a new mission end gets a fresh one.
    if (!m_dialog || !m_dialog->isVisible())
        m_dialog = new Form2(m_game, this);
    m_dialog->Present();
}

void Form1::changeEvent(QEvent* event) {
    // Whoever activates the main window (a click, a restore from the taskbar) while a box or the
    // dialog waits is handed on to that one.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        BringInFront();
    QMainWindow::changeEvent(event);
}

void Form1::BringInFront() {
    QWidget* front = nullptr;
    switch (m_game.InFront()) {
    case Game::Window::Main:
        return;
    case Game::Window::Box:
        // The box is the one modal window of the game.
        front = QApplication::activeModalWidget();
        break;
    case Game::Window::Dialog:
        front = m_dialog;
        break;
    }
    if (!front || !front->isVisible())
        return;
    front->raise();
    front->activateWindow();
    // A Wayland compositor may answer the request only by marking the window as wanting
    // attention and leave the keyboard with the clicked one (sway does), but it puts a window
    // shown anew in front with the keyboard: one still not active a moment later is shown again.
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    QTimer::singleShot(kActivationWait, front, [this, front] {
        if (isActiveWindow() && m_game.InFront() != Game::Window::Main && front->isVisible()) {
            front->hide();
            front->show();
        }
    });
}

void Form1::closeEvent(QCloseEvent* event) {
    // While the continue dialog waits for an answer the window stays.
    if (m_game.CloseMainWindow())
        event->accept();
    else
        event->ignore();
}

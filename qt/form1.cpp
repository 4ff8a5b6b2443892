// Form1: the main window, the building with its 25 room cells and the menu.
#include "qt/form1.h"

#include "game/program_exit.h"
#include "qt/facade.h"
#include "qt/form2.h"
#include "qt/menu_bar_keys.h"
#include "qt/qt_colour.h"
#include "qt/room_cell.h"
#include "qt/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>

#include <algorithm>

namespace {
constexpr QSize kClientSize(Px(4695), Px(4935));
constexpr QRect kFacade = TwipsRect(720, 720, 3255, 4215);

// Floors count up from the bottom row, columns from the left; index 0 is the top-left cell.
int CellIndex(int column, int floor) {
    return 5 * (5 - floor) + (column - 1);
}
QRect CellRect(int column, int floor) {
    return TwipsRect(960 + 600 * (column - 1), 1080 + 720 * (5 - floor), 375, 495);
}
} // namespace

Form1::Form1(MessageBoxService& messages, RandomSource& random, ProgramExit& exit)
    : m_game(*this, messages, random)
    , m_exit(exit) {
    setWindowTitle(QStringLiteral("Quv"));
    // A fixed-size window: no maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/icons/quv-32.png")));
    BuildMenu();
    BuildBuilding();
    UpdateDescription();
    // Fixed size: the client area below the menu bar keeps its size whatever the menu needs.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_game.InitializeGame();
}

Form1::~Form1() {
    delete m_dialog;
}

void Form1::BuildMenu() {
    // "Start" and "Quit" act on a click of the bar itself; no item has an access key or shortcut.
    QMenuBar* bar = menuBar();
    bar->setNativeMenuBar(false);
    m_menuKeys = new MenuBarKeys(bar);
    AddItem(bar, "S", QStringLiteral("スタート"), [this] {
        m_game.StartMission();
        UpdateDescription();
    });
    AddItem(bar, "E", QStringLiteral("終了"), [this] { m_exit.EndProgram(); });

    QMenu* score = bar->addMenu(QStringLiteral("スコア"));
    score->setObjectName(QStringLiteral("SC"));
    AddItem(score, "GSC", QStringLiteral("現在のスコア"), [this] { m_game.ShowCurrentScore(); });
    AddItem(score, "HSC", QStringLiteral("ハイスコア"), [this] { m_game.ShowHighScore(); });
}

template <typename Handler>
void Form1::AddItem(QWidget* menu, const char* name, const QString& caption, Handler handler) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, [this, handler] {
        handler();
        // Chosen from the keyboard: the keys go back to the building.
        m_menuKeys->Leave();
    });
}

void Form1::BuildBuilding() {
    m_client = new QWidget(this);
    m_client->setFixedSize(kClientSize);
    m_client->setAutoFillBackground(true);
    m_client->setAccessibleName(QStringLiteral("ビル"));
    setCentralWidget(m_client);
    SetBackground(Colours::kBackground);

    // The facade comes first so that every cell lies above it; it reacts to nothing.
    m_facade = new Facade(m_client);
    m_facade->setObjectName(QStringLiteral("Label1"));
    m_facade->setAccessibleName(QStringLiteral("外壁"));
    m_facade->setGeometry(kFacade);

    // Created in index order, which is also the tab order: left to right, top floor first.
    for (int floor = 5; floor >= 1; --floor) {
        for (int column = 1; column <= 5; ++column) {
            const int index = CellIndex(column, floor);
            auto* cell = new RoomCell(column * 10 + floor, m_client);
            cell->setObjectName(QStringLiteral("Label2_%1").arg(index));
            cell->setGeometry(CellRect(column, floor));
            cell->installEventFilter(this);
            connect(cell, &QAbstractButton::clicked, this,
                    [this, cell, index] { Visit(cell, index); });
            connect(cell, &RoomCell::stepRequested, this,
                    [this, cell](int columnStep, int floorStep) {
                        StepFocus(cell, columnStep, floorStep);
                    });
            m_cells[static_cast<std::size_t>(index)] = cell;
        }
    }
}

void Form1::Visit(RoomCell* cell, int index) {
    m_lastVisited = cell;
    m_game.VisitRoom(index, cell->RoomNumber());
    UpdateDescription();
    // Once the boxes have closed the player goes on from the room just visited.
    if (isEnabled())
        cell->setFocus(Qt::OtherFocusReason);
}

void Form1::StepFocus(const RoomCell* from, int columnStep, int floorStep) {
    // The arrows stop at the walls of the building.
    const int column = std::clamp(from->Column() + columnStep, 1, 5);
    const int floor = std::clamp(from->Floor() + floorStep, 1, 5);
    Cell(CellIndex(column, floor))->setFocus(Qt::OtherFocusReason);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    // Only the cells are watched: which of keys and mouse the player uses, and the focus.
    switch (event->type()) {
    case QEvent::KeyPress:
        m_keyboardPlay = true;
        UpdateFocusMark();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        m_keyboardPlay = false;
        UpdateFocusMark();
        break;
    case QEvent::FocusIn:
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
    const bool marked = m_keyboardPlay && focused && focused->parentWidget() == m_client;
    m_facade->SetMark(marked ? focused->geometry().translated(-m_facade->pos()) : QRect());
}

void Form1::UpdateDescription() {
    // What a sighted player reads from the background's colour: which suspect is sought.
    const GameState& s = m_game.State();
    setAccessibleDescription(s.MissionActive ? QStringLiteral("%1人目").arg(s.SuspectNo)
                                             : QString());
}

void Form1::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::NoModifier) {
        m_menuKeys->Toggle();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

RoomCell* Form1::Cell(int index) const {
    return m_cells.at(static_cast<std::size_t>(index));
}

Form2* Form1::ContinueDialog() const {
    return m_dialog;
}

QWidget* Form1::GameWindow() {
    if (m_dialog && m_dialog->isVisible())
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
    // A disabled window loses its focus; given back, the keyboard starts at the last room.
    if (enabled && m_lastVisited)
        m_lastVisited->setFocus(Qt::OtherFocusReason);
}

void Form1::ShowContinueDialog() {
    // An answered dialog may linger until its deletion; a new mission end gets a fresh one.
    if (!m_dialog || !m_dialog->isVisible())
        m_dialog = new Form2(*this, m_exit, this);
    m_dialog->Present();
}

void Form1::changeEvent(QEvent* event) {
    // While the dialog waits, the disabled main window takes no keys: whoever activates it (a
    // click, a restore from the taskbar) is handed on to the dialog.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !isEnabled() && m_dialog &&
        m_dialog->isVisible()) {
        m_dialog->raise();
        m_dialog->activateWindow();
    }
    QMainWindow::changeEvent(event);
}

void Form1::closeEvent(QCloseEvent* event) {
    // Disabled means the continue dialog is waiting for an answer: the window stays.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    event->accept();
    m_exit.EndProgram();
}

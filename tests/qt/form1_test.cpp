// The main window as the player sees and uses it: the building, the menu and the room clicks.
#include "game/main_window.h"
#include "qt/facade.h"
#include "qt/qt_geometry.h"
#include "window_rig.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QLabel>

#include <functional>

// What the player does in a row of a table.
using Act = std::function<void(UiRig&)>;
Q_DECLARE_METATYPE(Act)

namespace {
const QColor kBlue("#0000FF");
const QColor kSilver("#C0C0C0");
const QColor kPaleCyan("#C0FFFF");
const QColor kMark("#C00000");

// Gives the window the keyboard, as a player's click on its frame would.
void ActivateWindow(UiRig& rig) {
    rig.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&rig.window));
}
} // namespace

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void windowHasCaptionIconAndFixedClientAreaBelowTheMenu();
    void menuBarHoldsStartQuitAndScoreInOrderWithoutKeys();
    void cellsSitWhereTheirRoomsAre();
    void facadeAndBackgroundShowTheirColours();
    void onlyALeftClickReleasedInsideVisits_data();
    void onlyALeftClickReleasedInsideVisits();
    void aWholeMissionLeavesNoTraceOnTheBuilding();
    void theScoreMenuItselfShowsNothing();
    void aDisabledWindowIgnoresClicks();
    void aHeldKeyVisitsOnce_data();
    void aHeldKeyVisitsOnce();
    void theFocusMarkShowsForTheKeyboardOnly();
    void f10OpensTheMenuBarForTheKeyboard();
    void menuKeysAndTheMouseLeaveTheFocusOnTheRoom_data();
    void menuKeysAndTheMouseLeaveTheFocusOnTheRoom();
    void aScreenReaderFindsNamedRoomButtonsThatVisit();
};

void Form1Test::windowHasCaptionIconAndFixedClientAreaBelowTheMenu() {
    UiRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(&rig.window));
    QCOMPARE(rig.window.windowTitle(), QString::fromUtf8(MainWindow::kCaption));
    const QSize client = ToQSize(Pixels(MainWindow::kClientSize, kDesignDpi));
    QCOMPARE(rig.window.ClientArea()->size(), client);
    QCOMPARE(rig.window.ClientArea()->y(), rig.window.menuBar()->height());
    QCOMPARE(rig.window.height(), rig.window.menuBar()->height() + client.height());
    QCOMPARE(rig.window.minimumSize(), rig.window.maximumSize());
    QVERIFY(!rig.window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    // Whatever the font, every menu caption shows whole in the bar above the client area.
    QMenuBar* bar = rig.window.menuBar();
    for (QAction* action : bar->actions()) {
        const QRect place = bar->actionGeometry(action);
        QVERIFY2(bar->rect().contains(place), qPrintable(action->text()));
        QVERIFY(place.width() > bar->fontMetrics().horizontalAdvance(action->text()));
    }

    const QIcon icon = rig.window.windowIcon();
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.availableSizes(), QList<QSize>{QSize(32, 32)});
    const QImage art = icon.pixmap(32, 32).toImage();
    QCOMPARE(art.pixelColor(10, 7), kBlue); // a window of the little building
}

void Form1Test::menuBarHoldsStartQuitAndScoreInOrderWithoutKeys() {
    UiRig rig;
    // Each item, on the bar or in the submenu the description puts it in, in the same order.
    QStringList expected;
    QStringList built;
    for (const MainWindow::MenuBarItem& item : MainWindow::MenuBar()) {
        const QString name = QString::fromLatin1(item.control);
        expected << QStringLiteral(">%1:%2").arg(name, QString::fromUtf8(item.caption));
        for (const MainWindow::MenuItem& child : item.submenu)
            expected << QStringLiteral("%1>%2:%3")
                            .arg(name, QString::fromLatin1(child.control),
                                 QString::fromUtf8(child.caption));
    }
    for (QAction* action : rig.window.menuBar()->actions()) {
        const QString name = action->menu() ? action->menu()->objectName() : action->objectName();
        built << QStringLiteral(">%1:%2").arg(name, action->text());
        QVERIFY(action->shortcut().isEmpty());
        if (!action->menu())
            continue;
        for (QAction* item : action->menu()->actions()) {
            built << QStringLiteral("%1>%2:%3").arg(name, item->objectName(), item->text());
            QVERIFY(item->shortcut().isEmpty());
        }
    }
    QCOMPARE(built, expected);
}

void Form1Test::cellsSitWhereTheirRoomsAre() {
    UiRig rig;
    for (int index = 0; index < Room::kCount; ++index) {
        const Room room = Room::AtIndex(index);
        RoomCell* cell = rig.window.Cell(index);
        const QRect geometry = LayoutRect(room.Place());
        QCOMPARE(cell->objectName(), QStringLiteral("Label2_%1").arg(index));
        QCOMPARE(cell->text(), QString::fromStdString(room.Caption()));
        QCOMPARE(cell->geometry(), geometry);
        QCOMPARE(rig.PixelAt(geometry.topLeft()), kBlue);
        // Blue on blue: the caption never shows, so every pixel of the cell is blue.
        const QImage image = cell->grab().toImage();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                QCOMPARE(image.pixelColor(x, y), kBlue);
    }
    // Tab goes through the cells in index order.
    for (int index = 0; index + 1 < Room::kCount; ++index)
        QCOMPARE(rig.window.Cell(index)->nextInFocusChain(), rig.window.Cell(index + 1));
}

void Form1Test::facadeAndBackgroundShowTheirColours() {
    UiRig rig;
    auto* facade = rig.window.findChild<QLabel*>(QString::fromLatin1(MainWindow::kFacadeControl));
    QVERIFY(facade);
    QCOMPARE(facade->geometry(), LayoutRect(MainWindow::kFacade));
    QCOMPARE(rig.PixelAt(QPoint(50, 50)), kSilver);   // facade, left of the cells
    QCOMPARE(rig.PixelAt(QPoint(100, 80)), kSilver);  // between two cells
    QCOMPARE(rig.PixelAt(QPoint(264, 328)), kSilver); // its bottom-right corner
    QCOMPARE(rig.PixelAt(QPoint(47, 47)), kPaleCyan); // just outside it
    QCOMPARE(rig.PixelAt(QPoint(312, 328)), kPaleCyan);
    QCOMPARE(rig.BackgroundPixel(), kPaleCyan);
}

void Form1Test::onlyALeftClickReleasedInsideVisits_data() {
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("release"); // relative to the cell's top left
    QTest::addColumn<bool>("visits");
    QTest::newRow("left click") << Qt::LeftButton << QPoint(12, 16) << true;
    QTest::newRow("right click") << Qt::RightButton << QPoint(12, 16) << false;
    QTest::newRow("middle click") << Qt::MiddleButton << QPoint(12, 16) << false;
    QTest::newRow("left, released beside the cell") << Qt::LeftButton << QPoint(30, 16) << false;
    QTest::newRow("left, released above the cell") << Qt::LeftButton << QPoint(12, -3) << false;
}

void Form1Test::onlyALeftClickReleasedInsideVisits() {
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, release);
    QFETCH(bool, visits);
    UiRig rig;
    RoomCell* cell = rig.window.Cell(CellOf(33));
    QTest::mousePress(cell, button, {}, QPoint(12, 16));
    QTest::mouseMove(cell, release);
    QTest::mouseRelease(cell, button, {}, release);
    // Before Start a visit answers with a request to start; anything else shows nothing.
    QCOMPARE(rig.Texts().size(), visits ? 1 : 0);
}

// What the mission shows on the way is the scenarios'; here, every pixel of the building after it.
void Form1Test::aWholeMissionLeavesNoTraceOnTheBuilding() {
    UiRig rig;
    const QImage before = rig.window.ClientArea()->grab().toImage();
    rig.PlayPerfectMission();
    QVERIFY(rig.window.OpenDialog());
    QCOMPARE(rig.window.ClientArea()->grab().toImage(), before);
}

void Form1Test::theScoreMenuItselfShowsNothing() {
    UiRig rig;
    rig.ClickMenuBar("SC");
    QVERIFY(rig.window.findChild<QMenu*>(QStringLiteral("SC"))->isVisible());
    QVERIFY(rig.Texts().isEmpty());
}

// The scenarios click the widgets; here a click comes through the window, as the platform
// delivers it.
void Form1Test::aDisabledWindowIgnoresClicks() {
    UiRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(&rig.window));
    rig.PlayPerfectMission();
    QVERIFY(!rig.window.isEnabled());
    rig.log.clear();
    QWindow* handle = rig.window.windowHandle();
    const QPoint cell = rig.window.Cell(12)->mapTo(&rig.window, QPoint(5, 5));
    QTest::mouseClick(handle, Qt::LeftButton, {}, cell);
    QVERIFY(rig.Texts().isEmpty());
}

void Form1Test::aHeldKeyVisitsOnce_data() {
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("Return") << Qt::Key_Return;
    QTest::newRow("Enter") << Qt::Key_Enter;
    QTest::newRow("Space") << Qt::Key_Space;
}

void Form1Test::aHeldKeyVisitsOnce() {
    QFETCH(Qt::Key, key);
    UiRig rig;
    ActivateWindow(rig);
    RoomCell* room = rig.window.Cell(CellOf(33));
    room->setFocus();
    // One visit (before Start: one box), as Enter goes down or Space comes up; no repeat visits.
    for (bool repeat : {false, true, true, true}) {
        if (repeat)
            QTest::simulateEvent(room, false, key, Qt::NoModifier, QString(), true);
        QTest::simulateEvent(room, true, key, Qt::NoModifier, QString(), repeat);
    }
    QCOMPARE(rig.Texts().isEmpty(), key == Qt::Key_Space);
    QTest::simulateEvent(room, false, key, Qt::NoModifier, QString(), false);
    QCOMPARE(rig.Texts(), QStringList{"メニュー中のスタートキーをクリックしてください。"});
}

void Form1Test::theFocusMarkShowsForTheKeyboardOnly() {
    UiRig rig;
    ActivateWindow(rig);
    const QImage untouched = rig.window.ClientArea()->grab().toImage();
    // A cell's frame runs 2 px wide, 1 px off the cell: at (left - 2, top + 10) of room 33.
    const QRect room33 = rig.window.Cell(CellOf(33))->geometry();
    const QPoint onTheFrame = room33.topLeft() + QPoint(-2, 10);

    rig.ClickRoom(33);
    rig.ClickRoom(24);
    QVERIFY(rig.window.Cell(CellOf(24))->hasFocus());
    QCOMPARE(rig.window.ClientArea()->grab().toImage(), untouched);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);  // 24 -> 23
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right); // 23 -> 33
    QCOMPARE(rig.PixelAt(onTheFrame), kMark);
    QCOMPARE(rig.PixelAt(onTheFrame + QPoint(1, 0)), kSilver); // the gap before the cell
    QCOMPARE(rig.CellPixel(33), kBlue);
    QCOMPARE(rig.PixelAt(room33.topLeft()), kBlue);
    // All four sides, 2 px out from the middle of each edge.
    const QPoint middle = room33.center();
    for (const QPoint& side :
         {QPoint(room33.right() + 2, middle.y()), QPoint(middle.x(), room33.top() - 2),
          QPoint(middle.x(), room33.bottom() + 2)})
        QCOMPARE(rig.PixelAt(side), kMark);

    // Another window takes the keyboard: the building shows no focus.
    {
        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        QCOMPARE(rig.PixelAt(onTheFrame), kSilver);
    }
    ActivateWindow(rig);
    QTRY_COMPARE(rig.PixelAt(onTheFrame), kMark);

    // The mouse again: the building looks as if no key had been pressed.
    rig.ClickRoom(33);
    QCOMPARE(rig.window.ClientArea()->grab().toImage(), untouched);

    // The keys coming back from the menu bar show it at once, on the room they land in.
    QApplication::focusWidget()->clearFocus();
    QTest::keyClick(&rig.window, Qt::Key_F10);
    QTest::keyClick(rig.window.menuBar(), Qt::Key_Escape);
    QCOMPARE(QApplication::focusWidget(), rig.window.Cell(CellOf(33)));
    QCOMPARE(rig.PixelAt(onTheFrame), kMark);
}

void Form1Test::f10OpensTheMenuBarForTheKeyboard() {
    UiRig rig;
    ActivateWindow(rig);
    RoomCell* room = rig.window.Cell(CellOf(42));
    room->setFocus();
    QTest::keyClick(room, Qt::Key_F10);
    QTRY_COMPARE(QApplication::focusWidget(), rig.window.menuBar());
    QCOMPARE(rig.window.menuBar()->activeAction()->objectName(), QStringLiteral("S"));
    QTest::keyClick(rig.window.menuBar(), Qt::Key_Right);
    QTest::keyClick(rig.window.menuBar(), Qt::Key_Right);
    QTest::keyClick(rig.window.menuBar(), Qt::Key_Down); // opens スコア
    auto* score = rig.window.findChild<QMenu*>(QStringLiteral("SC"));
    QTRY_VERIFY(score->isVisible());
    QTest::keyClick(score, Qt::Key_Down); // ハイスコア
    QTest::keyClick(score, Qt::Key_Return);
    QCOMPARE(rig.Texts(), QStringList{"0万ドルが最高だ。"});
    // The menu closed, the keyboard is back on the room it came from.
    QTRY_COMPARE(QApplication::focusWidget(), room);

    // Escape leaves the bar without choosing.
    QTest::keyClick(room, Qt::Key_F10);
    QTest::keyClick(rig.window.menuBar(), Qt::Key_Escape);
    QCOMPARE(QApplication::focusWidget(), room);
    QVERIFY(!rig.window.menuBar()->activeAction());
    QCOMPARE(rig.Texts().size(), 1);

    QTest::keyClick(room, Qt::Key_F10);
    QTest::keyClick(rig.window.menuBar(), Qt::Key_Return); // スタート
    QCOMPARE(rig.Texts().size(), 8);
    QCOMPARE(rig.window.State().MissionActive, 1);
    QCOMPARE(QApplication::focusWidget(), room);

    // Opened while nothing had the focus, the bar hands the keys to the first room.
    room->clearFocus();
    QTest::keyClick(&rig.window, Qt::Key_F10);
    QTest::keyClick(rig.window.menuBar(), Qt::Key_Escape);
    QCOMPARE(QApplication::focusWidget(), rig.window.Cell(0));
}

void Form1Test::menuKeysAndTheMouseLeaveTheFocusOnTheRoom_data() {
    // Each row starts with the keyboard on room 42; then the player does what the row says.
    QTest::addColumn<Act>("act");
    QTest::addColumn<bool>("barHasFocus");
    // Whether the bar must show nothing highlighted afterwards; a mouse choice leaves its item
    // under the pointer, highlighted as any hovered item is.
    QTest::addColumn<bool>("barClear");
    QTest::newRow("Shift+F10 opens nothing") << Act([](UiRig&) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10, Qt::ShiftModifier);
    }) << false << true;
    QTest::newRow("Ctrl+F10 opens nothing") << Act([](UiRig&) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10, Qt::ControlModifier);
    }) << false << true;
    QTest::newRow("F10 opens the bar")
        << Act([](UiRig&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10); }) << true
        << false;
    QTest::newRow("a second F10 leaves it") << Act([](UiRig& rig) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
        QTest::keyClick(rig.window.menuBar(), Qt::Key_F10);
    }) << false << true;
    QTest::newRow("a room clicked after F10") << Act([](UiRig& rig) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
        rig.ClickRoom(42);
    }) << false << true;
    QTest::newRow("a score chosen with the mouse")
        << Act([](UiRig& rig) { rig.ClickScoreItem("HSC"); }) << false << true;
    QTest::newRow("Start chosen with the mouse")
        << Act([](UiRig& rig) { rig.ClickMenuBar("S"); }) << false << false;
}

void Form1Test::menuKeysAndTheMouseLeaveTheFocusOnTheRoom() {
    QFETCH(Act, act);
    QFETCH(bool, barHasFocus);
    QFETCH(bool, barClear);
    UiRig rig;
    ActivateWindow(rig);
    RoomCell* room = rig.window.Cell(CellOf(42));
    room->setFocus();
    act(rig);
    QMenuBar* bar = rig.window.menuBar();
    if (barHasFocus) {
        QTRY_COMPARE(QApplication::focusWidget(), bar);
        QVERIFY(bar->activeAction());
        return;
    }
    QTRY_COMPARE(QApplication::focusWidget(), room);
    if (barClear)
        QVERIFY(!bar->activeAction());
}

void Form1Test::aScreenReaderFindsNamedRoomButtonsThatVisit() {
    UiRig rig;
    QAccessibleInterface* room = QAccessible::queryAccessibleInterface(rig.window.Cell(CellOf(32)));
    QVERIFY(room);
    QCOMPARE(room->role(), QAccessible::Button);
    QCOMPARE(room->text(QAccessible::Name),
             QString::fromStdString(Room::Numbered(32).AccessibleName()));
    QVERIFY(room->state().focusable);
    QAccessibleActionInterface* actions = room->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    // The building and its front have names, and only the rooms take the focus.
    for (QWidget* part : {rig.window.ClientArea(), static_cast<QWidget*>(rig.window.Front())}) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(part);
        QVERIFY(!iface->text(QAccessible::Name).isEmpty());
        QVERIFY(!iface->state().focusable);
    }

    // The name and the description tell which suspect is sought, as the background's colour does.
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&rig.window);
    const auto sought = [&](const QString& suspect) {
        QCOMPARE(window->text(QAccessible::Description), suspect);
        QCOMPARE(window->text(QAccessible::Name), ("Quv " + suspect).trimmed());
    };
    sought(QString());
    rig.random.QueueRoom(32);
    rig.ClickMenuBar("S");
    sought(QStringLiteral("1人目"));
    rig.log.clear();
    actions->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(rig.Texts().size(), 3);
    QCOMPARE(rig.Texts().first(), QStringLiteral("奴だ！\u3000ここにいやがった！"));
    sought(QStringLiteral("2人目"));

    // Once the mission has ended nobody is sought, though the counter is back at 1.
    for (int suspect = 2; suspect <= 6; ++suspect)
        rig.ClickRoom(11); // where the random source's fallback hides every later suspect
    QVERIFY(rig.window.OpenDialog());
    QCOMPARE(rig.window.State().SuspectNo, 1);
    sought(QString());
    QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(rig.window.OpenDialog());
    QCOMPARE(dialog->text(QAccessible::Description), QStringLiteral("ゲーム、続けるか？"));
}

QTEST_MAIN(Form1Test)
#include "form1_test.moc"

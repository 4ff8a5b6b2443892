// The runtime services as the program really uses them: the message boxes and the program exit,
// closed and read as the player would, and what is said when no display can be opened.
#include "game/main_window.h"
#include "qt/display_guard.h"
#include "qt/program.h"
#include "qt/qt_program_exit.h"
#include "window_rig.h"

#include <QAccessible>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

namespace {

// What one message box showed, and the colour of the watched cell while it was open.
struct SeenBox {
    QString title;
    QString text;
    QStringList buttons;
    QMessageBox::Icon icon;
    bool modal;
    QColor cell;
    QWidget* parent;
    QWindow* transientParent;
};

// Presses OK on every message box that opens, after noting what it showed. onBox, if set, runs
// while the box is still open.
class BoxCloser : public QObject {
public:
    explicit BoxCloser(std::function<QColor()> watchedCell = [] { return QColor(); })
        : m_watchedCell(std::move(watchedCell)) {
        connect(&m_timer, &QTimer::timeout, this, [this] { CloseOpenBox(); });
        m_timer.start(5);
    }
    QList<SeenBox> seen;
    std::function<void(const QString&)> onBox;

private:
    void CloseOpenBox() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        QStringList buttons;
        for (QAbstractButton* button : box->buttons())
            buttons << button->text();
        seen.append({box->windowTitle(), box->text(), buttons, box->icon(),
                     box->windowModality() == Qt::ApplicationModal, m_watchedCell(),
                     box->parentWidget(), box->windowHandle()->transientParent()});
        if (onBox)
            onBox(box->text());
        QTest::keyClick(box, Qt::Key_Return);
    }
    std::function<QColor()> m_watchedCell;
    QTimer m_timer;
};

// A screen reader's press on the room or on the menu item a row names, as the accessibility
// bridge performs it.
void PressAsAScreenReader(Form1& window, const QString& what) {
    QAccessibleInterface* target = nullptr;
    if (what == QLatin1String("close"))
        return void(window.close());
    if (what == QLatin1String("activate")) { // as a click on the blocked window would
        window.activateWindow();
        return QTest::qWait(250);
    }
    if (what.startsWith(QLatin1String("room "))) {
        target = QAccessible::queryAccessibleInterface(window.Cell(CellOf(what.mid(5).toInt())));
    } else {
        QString caption;
        for (const MainWindow::MenuBarItem& item : MainWindow::MenuBar()) {
            if (what == QLatin1String(item.control))
                caption = QString::fromUtf8(item.caption);
            for (const MainWindow::MenuItem& child : item.submenu)
                if (what == QLatin1String(child.control))
                    caption = QString::fromUtf8(child.caption);
        }
        auto* score = window.findChild<QMenu*>(QStringLiteral("SC"));
        for (QWidget* menu :
             {static_cast<QWidget*>(window.menuBar()), static_cast<QWidget*>(score)}) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(menu);
            for (int i = 0; i < iface->childCount(); ++i)
                if (iface->child(i)->text(QAccessible::Name) == caption)
                    target = iface->child(i);
        }
    }
    QVERIFY2(target && target->actionInterface(), qPrintable(what));
    target->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    // A button's press comes a moment later, as a real click would.
    QTest::qWait(250);
}

} // namespace

class QtMessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void everyTextGetsItsOwnModalOkBoxTitledQuvOverTheGame();
    void endProgramLeavesTheEventLoop();
    void aScreenReadersPressWhileTheGameWaitsDoesNothing_data();
    void aScreenReadersPressWhileTheGameWaitsDoesNothing();
    void aMissingDisplayPlatformIsNamedWithWhatBringsIt_data();
    void aMissingDisplayPlatformIsNamedWithWhatBringsIt();
};

void QtMessageBoxTest::everyTextGetsItsOwnModalOkBoxTitledQuvOverTheGame() {
    // Built as the program builds it, so that the boxes' owner is the one the program hands them.
    EventLog log;
    ScriptedRandom random{log};
    RecordingExit exit{log};
    Program program(random, exit);
    Form1& window = program.Window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Another program's window has the focus: the boxes must still belong to the game.
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    // What the screen shows of the cell while a box is open, as painted by then: the window's
    // own image, not a fresh painting of it.
    const RoomCell* cell = window.Cell(CellOf(42));
    const QPoint centre = cell->mapTo(&window, cell->rect().center());
    BoxCloser closer([&] {
        return window.screen()
            ->grabWindow(window.winId(), centre.x(), centre.y(), 1, 1)
            .toImage()
            .pixelColor(0, 0);
    });

    random.QueueRoom(42);
    window.findChild<QAction*>(QStringLiteral("S"))->trigger();
    QTest::mouseClick(window.Cell(CellOf(42)), Qt::LeftButton);

    QStringList texts;
    for (const SeenBox& box : closer.seen) {
        QCOMPARE(box.title, QStringLiteral("QUV"));
        QCOMPARE(box.buttons, QStringList{"OK"});
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QVERIFY(box.modal);
        QCOMPARE(box.parent, &window);
        QCOMPARE(box.transientParent, window.windowHandle());
        texts << box.text;
    }
    QCOMPARE(texts, (QStringList{"奴らはこのビルに出入りしている。",
                                 "５階建てで１つの階に５部屋あり、２人以上が同時にビル内にいるとい"
                                 "うことはないらしい。",
                                 "奴らを探しだせ。時間をずらし、１人づつ見つけていくのだ。",
                                 "ただし、部屋を訪ねられるのは１人につき５回までだ。",
                                 "行った部屋に奴らがいなくても、証言を得られるだろう。",
                                 "さあ行け！", "1人目", "奴だ！\u3000ここにいやがった！",
                                 "君には6万ドルが支払われる。", "2人目"}));
    // The room's cell was black while the catch was told, blue again for the next suspect.
    QCOMPARE(closer.seen[7].cell, QColor("#000000"));
    QCOMPARE(closer.seen[8].cell, QColor("#000000"));
    QCOMPARE(closer.seen[9].cell, QColor("#0000FF"));
}

void QtMessageBoxTest::aScreenReadersPressWhileTheGameWaitsDoesNothing_data() {
    QTest::addColumn<bool>("duringABox"); // else while the continue dialog waits
    QTest::addColumn<QString>("what");
    QTest::newRow("box: the room being visited") << true << "room 11";
    QTest::newRow("box: another room") << true << "room 42";
    QTest::newRow("box: start") << true << "S";
    QTest::newRow("box: current score") << true << "GSC";
    QTest::newRow("box: high score") << true << "HSC";
    QTest::newRow("box: quit") << true << "E";
    QTest::newRow("box: closing the window") << true << "close";
    QTest::newRow("box: activating the window") << true << "activate";
    QTest::newRow("dialog: a room") << false << "room 33";
    QTest::newRow("dialog: start") << false << "S";
    QTest::newRow("dialog: quit") << false << "E";
    QTest::newRow("dialog: current score") << false << "GSC";
    QTest::newRow("dialog: high score") << false << "HSC";
}

// While a catch is told, a second press must not pay it again, nor anything else interleave;
// while the dialog waits, the disabled main window takes nothing, by any path.
void QtMessageBoxTest::aScreenReadersPressWhileTheGameWaitsDoesNothing() {
    QFETCH(bool, duringABox);
    QFETCH(QString, what);
    EventLog log;
    ScriptedRandom random{log};
    RecordingExit exit{log};
    Program program(random, exit);
    Form1& window = program.Window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    BoxCloser closer;
    random.fallback = ScriptedRandom::Middle(1); // every suspect in room 11
    window.findChild<QAction*>(QStringLiteral("S"))->trigger();
    closer.seen.clear();

    if (duringABox) {
        bool pressed = false;
        closer.onBox = [&](const QString& text) {
            if (!pressed && text.startsWith(QStringLiteral("奴だ"))) {
                pressed = true;
                PressAsAScreenReader(window, what);
                // Whatever came, the box is still the one in front with the keyboard.
                QTRY_VERIFY(QApplication::activeModalWidget()->isActiveWindow());
            }
        };
        QTest::mouseClick(window.Cell(CellOf(11)), Qt::LeftButton);
        QVERIFY(pressed);
        QStringList texts;
        for (const SeenBox& box : closer.seen)
            texts << box.text;
        QCOMPARE(texts, (QStringList{"奴だ！\u3000ここにいやがった！",
                                     "君には6万ドルが支払われる。", "2人目"}));
        QCOMPARE(window.State().Reward, 6);
        QCOMPARE(window.State().CaughtCount, 1);
        QCOMPARE(window.State().SuspectNo, 2);
        QVERIFY(Count(log, "exit") == 0 && window.isVisible());
        return;
    }

    for (int suspect = 1; suspect <= 6; ++suspect)
        QTest::mouseClick(window.Cell(CellOf(11)), Qt::LeftButton);
    QVERIFY(window.OpenDialog() && window.OpenDialog()->isVisible());
    const qsizetype boxes = closer.seen.size();
    // What a screen reader learns of the rooms meanwhile: they are unavailable.
    QVERIFY(QAccessible::queryAccessibleInterface(window.Cell(0))->state().disabled);
    PressAsAScreenReader(window, what);
    QCOMPARE(closer.seen.size(), boxes);
    QCOMPARE(Count(log, "exit"), 0);
    QCOMPARE(window.State().MissionActive, 0);
    QVERIFY(!window.isEnabled());
    QVERIFY(window.OpenDialog()->isVisible());
}

void QtMessageBoxTest::endProgramLeavesTheEventLoop() {
    QWidget window;
    window.show();
    QtProgramExit exit;
    QTimer::singleShot(0, [&] { exit.EndProgram(); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!window.isVisible());
}

void QtMessageBoxTest::aMissingDisplayPlatformIsNamedWithWhatBringsIt_data() {
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("line");
    // Without Debian's qt6-wayland a Wayland-only desktop has no plugin to start the game with.
    QTest::newRow("wayland") << "wayland"
                             << "quv: this Qt has no Wayland support: install Debian's package "
                                "qt6-wayland, or start the game with -platform xcb";
    QTest::newRow("a mistyped name") << "waylnd"
                                     << R"(quv: no display platform named "waylnd")";
}

void QtMessageBoxTest::aMissingDisplayPlatformIsNamedWithWhatBringsIt() {
    QFETCH(QString, platform);
    QFETCH(QString, line);
    QCOMPARE(DisplayGuard::Explain(platform, false, QString()), line);
}

QTEST_MAIN(QtMessageBoxTest)
#include "qt_message_box_test.moc"

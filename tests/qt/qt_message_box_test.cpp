// The runtime services as the program really uses them: the message boxes and the program exit,
// closed and read as the player would, and what is said when no display can be opened.
#include "qt/display_guard.h"
#include "qt/program.h"
#include "qt/qt_program_exit.h"
#include "window_rig.h"

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

// Presses OK on every message box that opens, after noting what it showed.
class BoxCloser : public QObject {
public:
    explicit BoxCloser(std::function<QColor()> watchedCell)
        : m_watchedCell(std::move(watchedCell)) {
        connect(&m_timer, &QTimer::timeout, this, [this] { CloseOpenBox(); });
        m_timer.start(5);
    }
    QList<SeenBox> seen;

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
        QTest::keyClick(box, Qt::Key_Return);
    }
    std::function<QColor()> m_watchedCell;
    QTimer m_timer;
};

} // namespace

class QtMessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void everyTextGetsItsOwnModalOkBoxTitledQuvOverTheGame();
    void endProgramLeavesTheEventLoop();
    void aMissingDisplayPlatformIsNamedWithWhatBringsIt_data();
    void aMissingDisplayPlatformIsNamedWithWhatBringsIt();
};

void QtMessageBoxTest::everyTextGetsItsOwnModalOkBoxTitledQuvOverTheGame() {
    // Built as the program builds it, so that the boxes' owner is the one the program hands them.
    EventLog log;
    ScriptedRandom random{log};
    CountingExit exit;
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

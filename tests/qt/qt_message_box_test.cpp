// The real message boxes and the real program exit, closed and read as the player would.
#include "qt/qt_message_box.h"
#include "qt/qt_program_exit.h"
#include "window_rig.h"

#include <QMessageBox>
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
};

void QtMessageBoxTest::everyTextGetsItsOwnModalOkBoxTitledQuvOverTheGame() {
    EventLog log;
    ScriptedRandom random{log};
    QtMessageBox messages;
    CountingExit exit;
    Form1 window(messages, random, exit);
    messages.SetOwner([&window] { return window.GameWindow(); });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Another program's window has the focus: the boxes must still belong to the game.
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    const RoomCell* cell = window.Cell(CellOf(42));
    BoxCloser closer([&] {
        return window.ClientArea()->grab().toImage().pixelColor(cell->geometry().center());
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

QTEST_MAIN(QtMessageBoxTest)
#include "qt_message_box_test.moc"

// The continue dialog: its look, and every way of answering it.
#include "qt/twips.h"
#include "window_rig.h"

#include <QCloseEvent>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>

class Form2Test : public QObject {
    Q_OBJECT

private slots:
    void showsTheQuestionAndTwoButtonsAtTheirPlaces();
    void opensAboveTheMainWindowWithFocusOnYesAndNoDefaultButton();
    void yesGivesTheMainWindowBackForAnotherMission();
    void noEndsTheProgramAtOnce();
    void theFrameCountsAsYes();
    void enterAnswersWithTheFocusedButtonEscapeWithNeither_data();
    void enterAnswersWithTheFocusedButtonEscapeWithNeither();
    void theDialogGrowsForWhicheverCaptionNeedsItMost_data();
    void theDialogGrowsForWhicheverCaptionNeedsItMost();
    void activatingTheWaitingMainWindowHandsTheFocusToTheDialog();
    void aMissionEndingBeforeTheAnsweredDialogIsGoneGetsAFreshOne();

private:
    static Form2* EndAMission(UiRig& rig) {
        rig.PlayPerfectMission();
        return rig.window.ContinueDialog();
    }
};

void Form2Test::showsTheQuestionAndTwoButtonsAtTheirPlaces() {
    UiRig rig;
    Form2* dialog = EndAMission(rig);
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Quv"));
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());

    auto* question = dialog->findChild<QLabel*>(QStringLiteral("Label1"));
    QVERIFY(question);
    QCOMPARE(question->text(), QStringLiteral("ゲーム、続けるか？"));
    QCOMPARE(dialog->YesButton()->text(), QStringLiteral("ＹＥＳ"));
    QCOMPARE(dialog->NoButton()->text(), QStringLiteral("ＮＯ"));

    // Nothing of the question or of a button's caption is cut off, whatever the font.
    const QFontMetrics qfm = question->fontMetrics();
    QVERIFY(qfm.horizontalAdvance(question->text()) <= question->width());
    QVERIFY(qfm.height() <= question->height());
    QVERIFY(question->geometry().right() < dialog->width());
    for (QPushButton* button : {dialog->YesButton(), dialog->NoButton()}) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.rect = button->rect();
        const QRect inside =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QFontMetrics bfm = button->fontMetrics();
        QVERIFY2(bfm.horizontalAdvance(button->text()) <= inside.width(),
                 qPrintable(button->text()));
        QVERIFY2(bfm.height() <= inside.height(), qPrintable(button->text()));
    }

    if (QGuiApplication::primaryScreen()->logicalDotsPerInch() <= 96) {
        // The font the dialog was drawn for: its size and places in pixels, exactly.
        QCOMPARE(dialog->size(), QSize(170, 64));
        QCOMPARE(question->pos(), QPoint(8, 8));
        QCOMPARE(question->height(), 17);
        QVERIFY(question->width() >= 105);
        QCOMPARE(dialog->YesButton()->geometry(), QRect(8, 32, 73, 25));
        QCOMPARE(dialog->NoButton()->geometry(), QRect(88, 32, 73, 25));
    } else {
        // A larger font: the dialog has grown, with its proportions and margins.
        const double growth = dialog->width() / 170.0;
        QVERIFY(growth > 1.0);
        QVERIFY(qAbs(dialog->height() - 64 * growth) <= 1.0);
        const QRect yes = dialog->YesButton()->geometry();
        const QRect no = dialog->NoButton()->geometry();
        QVERIFY(qAbs(yes.left() - 8 * growth) <= 1.0);
        QVERIFY(qAbs(yes.top() - 32 * growth) <= 1.0);
        QVERIFY(qAbs(no.left() - 88 * growth) <= 1.0);
        QCOMPARE(no.size(), yes.size());
        QVERIFY(qAbs(yes.width() - 73 * growth) <= 1.0);
        QVERIFY(qAbs(question->x() - 8 * growth) <= 1.0);
    }
}

void Form2Test::opensAboveTheMainWindowWithFocusOnYesAndNoDefaultButton() {
    UiRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(&rig.window));
    Form2* dialog = EndAMission(rig);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QVERIFY(!dialog->isModal());
    QVERIFY(dialog->windowHandle()->transientParent() == rig.window.windowHandle());
    QVERIFY(rig.window.geometry().contains(dialog->geometry().center()));
    QCOMPARE(QApplication::focusWidget(), dialog->YesButton());
    for (QPushButton* button : {dialog->YesButton(), dialog->NoButton()}) {
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    }
}

void Form2Test::yesGivesTheMainWindowBackForAnotherMission() {
    UiRig rig;
    Form2* dialog = EndAMission(rig);
    QVERIFY(!rig.window.isEnabled());
    QTest::mouseClick(dialog->YesButton(), Qt::LeftButton);
    QVERIFY(rig.window.isEnabled());
    QVERIFY(QTest::qWaitFor([&] { return rig.window.ContinueDialog() == nullptr; }));

    // A second mission ends in a fresh dialog, and the high score carries over.
    rig.box.texts.clear();
    Form2* second = EndAMission(rig);
    QVERIFY(second);
    QVERIFY(second->isVisible());
    QVERIFY(!rig.window.isEnabled());
    QCOMPARE(rig.window.State().HighScore, 36);
    QCOMPARE(rig.exit.calls, 0);
}

void Form2Test::noEndsTheProgramAtOnce() {
    UiRig rig;
    Form2* dialog = EndAMission(rig);
    rig.box.texts.clear();
    QTest::mouseClick(dialog->NoButton(), Qt::LeftButton);
    QCOMPARE(rig.exit.calls, 1);
    QVERIFY(rig.box.texts.isEmpty());
}

void Form2Test::theFrameCountsAsYes() {
    UiRig rig;
    Form2* dialog = EndAMission(rig);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QCOMPARE(rig.window.GameWindow(), dialog);
    QCloseEvent frameClose;
    QApplication::sendEvent(dialog->windowHandle(), &frameClose);
    QVERIFY(rig.window.isEnabled());
    QVERIFY(!dialog->isVisible());
    QCOMPARE(rig.window.GameWindow(), &rig.window);
    QCOMPARE(rig.exit.calls, 0);
    rig.box.texts.clear();
    rig.ClickRoom(11);
    QCOMPARE(rig.box.texts, QStringList{"メニュー中のスタートキーをクリックしてください。"});
}

void Form2Test::enterAnswersWithTheFocusedButtonEscapeWithNeither_data() {
    QTest::addColumn<bool>("onNo");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("autoRepeat");
    QTest::addColumn<QString>("answer"); // "yes", "no" or "" for none
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    QTest::newRow("Return on YES") << false << Qt::Key_Return << none << false << "yes";
    QTest::newRow("keypad Enter on YES")
        << false << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier) << false << "yes";
    QTest::newRow("Return on NO") << true << Qt::Key_Return << none << false << "no";
    QTest::newRow("keypad Enter on NO")
        << true << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier) << false << "no";
    // The key still held from closing the summary box: its repeats answer nothing.
    QTest::newRow("held Return") << false << Qt::Key_Return << none << true << "";
    QTest::newRow("held keypad Enter")
        << false << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier) << true << "";
    QTest::newRow("Escape on YES") << false << Qt::Key_Escape << none << false << "";
    QTest::newRow("Escape on NO") << true << Qt::Key_Escape << none << false << "";
}

void Form2Test::enterAnswersWithTheFocusedButtonEscapeWithNeither() {
    QFETCH(bool, onNo);
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, autoRepeat);
    QFETCH(QString, answer);
    UiRig rig;
    Form2* dialog = EndAMission(rig);
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    if (onNo)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), onNo ? dialog->NoButton() : dialog->YesButton());
    QWidget* focused = QApplication::focusWidget();
    for (int press = 0; press < (autoRepeat ? 3 : 1); ++press) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, QString(), autoRepeat);
        QApplication::sendEvent(focused, &event);
    }
    QCOMPARE(rig.window.isEnabled(), answer == "yes");
    QCOMPARE(rig.exit.calls, answer == "no" ? 1 : 0);
    QCOMPARE(dialog->isVisible(), answer != "yes");
}

void Form2Test::theDialogGrowsForWhicheverCaptionNeedsItMost_data() {
    // At 96 dpi the question has 154 px to widen into and is 17 px high; a button is 73 x 25.
    QTest::addColumn<QSize>("question");
    QTest::addColumn<QSize>("button");
    QTest::addColumn<double>("growth");
    QTest::newRow("everything fits") << QSize(154, 17) << QSize(73, 25) << 1.0;
    QTest::newRow("a wide question") << QSize(231, 17) << QSize(73, 25) << 1.5;
    QTest::newRow("a tall question") << QSize(100, 34) << QSize(73, 25) << 2.0;
    QTest::newRow("a wide caption") << QSize(100, 17) << QSize(146, 25) << 2.0;
    QTest::newRow("a tall caption") << QSize(100, 17) << QSize(73, 50) << 2.0;
}

void Form2Test::theDialogGrowsForWhicheverCaptionNeedsItMost() {
    QFETCH(QSize, question);
    QFETCH(QSize, button);
    QFETCH(double, growth);
    QCOMPARE(Form2::Growth(question, button), growth);
    // Grown sizes round up: a button one pixel short would cut its caption.
    QCOMPARE(GrownPx(1095, 1.0), 73);
    QCOMPARE(GrownPx(1095, 1.01), 74);
    QCOMPARE(GrownPx(375, 1.5), 38);
    QCOMPARE(GrownPx(kTwipsPerPixel, 1.001), 2);
}

void Form2Test::activatingTheWaitingMainWindowHandsTheFocusToTheDialog() {
    UiRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(&rig.window));
    Form2* dialog = EndAMission(rig);
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    rig.window.activateWindow();
    QTRY_VERIFY(dialog->isActiveWindow());
    QCOMPARE(QApplication::focusWidget(), dialog->YesButton());
    // Space presses the focused answer.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(rig.window.isEnabled());
}

void Form2Test::aMissionEndingBeforeTheAnsweredDialogIsGoneGetsAFreshOne() {
    UiRig rig;
    Form2* first = EndAMission(rig);
    QTest::mouseClick(first->YesButton(), Qt::LeftButton);
    // No event loop has run since: the answered dialog still waits for its deletion.
    Form2* second = EndAMission(rig);
    QVERIFY(second);
    QVERIFY(second != first);
    QVERIFY(second->isVisible());
    QTest::mouseClick(second->YesButton(), Qt::LeftButton);
    QVERIFY(rig.window.isEnabled());
    QVERIFY(QTest::qWaitFor([&] { return rig.window.ContinueDialog() == nullptr; }));
}

QTEST_MAIN(Form2Test)
#include "form2_test.moc"

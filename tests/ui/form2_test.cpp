// The continue dialog: its look, and every way of answering it.
#include "window_rig.h"

#include <QCloseEvent>
#include <QLabel>

class Form2Test : public QObject {
    Q_OBJECT

private slots:
    void showsTheQuestionAndTwoButtonsAtTheirPlaces();
    void opensAboveTheMainWindowWithFocusOnYesAndNoDefaultButton();
    void yesGivesTheMainWindowBackForAnotherMission();
    void noEndsTheProgramAtOnce();
    void escapeAndTheFrameCountAsYes_data();
    void escapeAndTheFrameCountAsYes();
    void enterTakesNeitherAnswer();

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
    QCOMPARE(dialog->size(), QSize(170, 64));
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());

    auto* question = dialog->findChild<QLabel*>(QStringLiteral("Label1"));
    QVERIFY(question);
    QCOMPARE(question->text(), QStringLiteral("ゲーム、続けるか？"));
    QCOMPARE(question->pos(), QPoint(8, 8));
    QCOMPARE(question->height(), 17);
    QVERIFY(question->width() >= 105);
    QVERIFY(question->geometry().right() < dialog->width());
    QCOMPARE(dialog->YesButton()->text(), QStringLiteral("ＹＥＳ"));
    QCOMPARE(dialog->YesButton()->geometry(), QRect(8, 32, 73, 25));
    QCOMPARE(dialog->NoButton()->text(), QStringLiteral("ＮＯ"));
    QCOMPARE(dialog->NoButton()->geometry(), QRect(88, 32, 73, 25));
    // The question fits its label: nothing of it is cut off.
    QVERIFY(question->fontMetrics().horizontalAdvance(question->text()) <= question->width());
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

void Form2Test::escapeAndTheFrameCountAsYes_data() {
    QTest::addColumn<bool>("byFrame");
    QTest::newRow("Escape") << false;
    QTest::newRow("frame close button") << true;
}

void Form2Test::escapeAndTheFrameCountAsYes() {
    QFETCH(bool, byFrame);
    UiRig rig;
    Form2* dialog = EndAMission(rig);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    if (byFrame) {
        QCloseEvent frameClose;
        QApplication::sendEvent(dialog->windowHandle(), &frameClose);
    } else {
        QTest::keyClick(dialog, Qt::Key_Escape);
    }
    QVERIFY(rig.window.isEnabled());
    QVERIFY(!dialog->isVisible());
    QCOMPARE(rig.exit.calls, 0);
    rig.box.texts.clear();
    rig.ClickRoom(11);
    QCOMPARE(rig.box.texts, QStringList{"メニュー中のスタートキーをクリックしてください。"});
}

void Form2Test::enterTakesNeitherAnswer() {
    UiRig rig;
    Form2* dialog = EndAMission(rig);
    QTest::keyClick(dialog, Qt::Key_Return);
    QTest::keyClick(dialog, Qt::Key_Enter);
    QVERIFY(dialog->isVisible());
    QVERIFY(!rig.window.isEnabled());
    QCOMPARE(rig.exit.calls, 0);
}

QTEST_MAIN(Form2Test)
#include "form2_test.moc"

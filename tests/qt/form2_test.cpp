// The continue dialog: its look, and every way of answering it.
#include "game/continue_dialog.h"
#include "qt/qt_geometry.h"
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
    void activatingTheWaitingMainWindowHandsTheFocusToTheDialog();
    void aMissionEndingBeforeTheAnsweredDialogIsGoneGetsAFreshOne();

private:
    static Form2* EndAMission(UiRig& rig) {
        rig.PlayPerfectMission();
        return rig.window.OpenDialog();
    }
};

void Form2Test::showsTheQuestionAndTwoButtonsAtTheirPlaces() {
    UiRig rig;
    Form2* dialog = EndAMission(rig);
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QString::fromUtf8(ContinueDialog::kCaption));
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());

    auto* question =
        dialog->findChild<QLabel*>(QString::fromLatin1(ContinueDialog::kQuestion.name));
    QVERIFY(question);
    QCOMPARE(question->text(), QString::fromUtf8(ContinueDialog::kQuestion.caption));
    QCOMPARE(dialog->YesButton()->text(), QString::fromUtf8(ContinueDialog::kYes.caption));
    QCOMPARE(dialog->YesButton()->objectName(), QString::fromLatin1(ContinueDialog::kYes.name));
    QCOMPARE(dialog->NoButton()->text(), QString::fromUtf8(ContinueDialog::kNo.caption));
    QCOMPARE(dialog->NoButton()->objectName(), QString::fromLatin1(ContinueDialog::kNo.name));

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

    // Where the game's description puts everything, grown by as much as this font needs: at the
    // font the dialog was drawn for, exactly as drawn.
    const double growth =
        ContinueDialog::Growth(dialog->QuestionNeeds(), dialog->ButtonNeeds(), kDesignDpi);
    const bool drawnFont = QGuiApplication::primaryScreen()->logicalDotsPerInch() <= 96;
    QCOMPARE(growth > 1.0, !drawnFont);
    QCOMPARE(dialog->size(), ToQSize(ContinueDialog::ClientSize(kDesignDpi, growth)));
    QCOMPARE(question->geometry(), ToQRect(ContinueDialog::QuestionPlace(
                                       dialog->QuestionNeeds().width, kDesignDpi, growth)));
    QCOMPARE(dialog->YesButton()->geometry(),
             ToQRect(ContinueDialog::Place(ContinueDialog::kYes, kDesignDpi, growth)));
    QCOMPARE(dialog->NoButton()->geometry(),
             ToQRect(ContinueDialog::Place(ContinueDialog::kNo, kDesignDpi, growth)));
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
    QVERIFY(QTest::qWaitFor([&] { return rig.window.OpenDialog() == nullptr; }));

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
    QVERIFY(QTest::qWaitFor([&] { return rig.window.OpenDialog() == nullptr; }));
}

QTEST_MAIN(Form2Test)
#include "form2_test.moc"

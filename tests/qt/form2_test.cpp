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
    void theBoxesBelongToTheDialogUntilItsFrameAnswers();
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

// The boxes belong to the dialog while it waits, and to the main window once its frame has
// answered.
void Form2Test::theBoxesBelongToTheDialogUntilItsFrameAnswers() {
    UiRig rig;
    Form2* dialog = EndAMission(rig);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QCOMPARE(rig.window.GameWindow(), dialog);
    QCloseEvent frameClose;
    QApplication::sendEvent(dialog->windowHandle(), &frameClose);
    QCOMPARE(rig.window.GameWindow(), &rig.window);
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

// Form2: the continue dialog, asked at the end of every mission.
#include "qt/form2.h"

#include "game/continue_dialog.h"
#include "game/game.h"
#include "qt/qt_geometry.h"
#include "qt/qt_key.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QWindow>

namespace {
QPushButton* MakeButton(const ContinueDialog::Control& control, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(control.caption), parent);
    button->setObjectName(QString::fromLatin1(control.name));
    // Neither is the default: Enter answers with the focused button only.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

// The room a caption needs inside a push button: its text plus the frame and margin the style
// draws around it.
QSize CaptionNeeds(const QPushButton& button) {
    const QStyle* style = button.style();
    const int chrome = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) +
                       2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
    const QFontMetrics fm = button.fontMetrics();
    return QSize(fm.horizontalAdvance(button.text()) + chrome, fm.height() + chrome);
}

// The game's control that a button of the dialog stands for, known by its name.
const ContinueDialog::Control& ControlOf(const QPushButton* button) {
    return button->objectName() == QLatin1String(ContinueDialog::kNo.name) ? ContinueDialog::kNo
                                                                           : ContinueDialog::kYes;
}
} // namespace

Form2::Form2(Game& game, QWidget* mainWindow)
    : QDialog(nullptr)
    , m_game(game)
    , m_mainWindow(mainWindow) {
    setWindowTitle(QString::fromUtf8(ContinueDialog::kCaption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    const QString question = QString::fromUtf8(ContinueDialog::kQuestion.caption);
    setAccessibleDescription(question);
    m_question = new QLabel(question, this);
    m_question->setObjectName(QString::fromLatin1(ContinueDialog::kQuestion.name));
    m_yes = MakeButton(ContinueDialog::kYes, this);
    m_no = MakeButton(ContinueDialog::kNo, this);
    setTabOrder(m_yes, m_no);
    for (QPushButton* button : {m_yes, m_no}) {
        // The game's keys come before Qt's own (Space, Tab, the default button) on each button.
        button->installEventFilter(this);
        connect(button, &QPushButton::clicked, this,
                [this, button] { Answer(DialogKeys::AnswerOf(ControlOf(button))); });
    }

    // Fonts differ between systems and players: the whole dialog grows to fit them. Qt scales
    // its pixels for the screen itself, so the layout is taken at the resolution it was drawn
    // for and the fonts are measured in the same pixels.
    const double growth = ContinueDialog::Growth(QuestionNeeds(), ButtonNeeds(), kDesignDpi);
    setFixedSize(ToQSize(ContinueDialog::ClientSize(kDesignDpi, growth)));
    m_question->setGeometry(
        ToQRect(ContinueDialog::QuestionPlace(QuestionNeeds().width, kDesignDpi, growth)));
    m_yes->setGeometry(ToQRect(ContinueDialog::Place(ContinueDialog::kYes, kDesignDpi, growth)));
    m_no->setGeometry(ToQRect(ContinueDialog::Place(ContinueDialog::kNo, kDesignDpi, growth)));
}

PixelSize Form2::QuestionNeeds() const {
    return {m_question->sizeHint().width(), m_question->fontMetrics().height()};
}

PixelSize Form2::ButtonNeeds() const {
    const QSize needs = CaptionNeeds(*m_yes).expandedTo(CaptionNeeds(*m_no));
    return {needs.width(), needs.height()};
}

void Form2::Present() {
    if (m_mainWindow) {
        winId(); // creates the native window so that it can be tied to the main window
        if (QWindow* main = m_mainWindow->windowHandle())
            windowHandle()->setTransientParent(main);
        move(m_mainWindow->frameGeometry().center() - rect().center());
    }
    show();
    raise();
    activateWindow();
    m_yes->setFocus(Qt::OtherFocusReason);
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    return OnKey(*static_cast<QKeyEvent*>(event), ControlOf(static_cast<QPushButton*>(watched)));
}

void Form2::keyPressEvent(QKeyEvent* event) {
    // A key that no button took: the game's keys still decide, not QDialog's.
    const auto* focused = qobject_cast<const QPushButton*>(focusWidget());
    if (!OnKey(*event, ControlOf(focused ? focused : m_yes)))
        QDialog::keyPressEvent(event);
}

bool Form2::OnKey(const QKeyEvent& event, const ContinueDialog::Control& on) {
    const DialogKeys::Step step = m_keys.OnKey(KeyOf(event), event.type() == QEvent::KeyPress,
                                               event.isAutoRepeat(), ShiftHeld(event), on);
    if (step.focus) {
        findChild<QPushButton*>(QString::fromLatin1(step.focus->name))
            ->setFocus(ShiftHeld(event) ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    }
    Answer(step.answer);
    return step.consumed;
}

void Form2::reject() {
    Answer(DialogKeys::FrameClosed());
}

void Form2::Answer(DialogKeys::Answer answer) {
    if (answer == DialogKeys::Answer::None)
        return;
    const bool yes = answer == DialogKeys::Answer::Yes;
    // An answer the game does not take (a second one, or one that came too early) leaves the
    // dialog as it is; NO has ended the program by now.
    if (!m_game.AnswerContinue(yes) || !yes)
        return;
    hide();
    // Hand the keyboard straight back to the building rather than leave it to the desktop.
    if (m_mainWindow)
        m_mainWindow->activateWindow();
    deleteLater();
}

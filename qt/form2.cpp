// Form2: the continue dialog, asked at the end of every mission.
#include "qt/form2.h"

#include "game/game_view.h"
#include "game/program_exit.h"
#include "qt/twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QWindow>

#include <algorithm>

namespace {
// The layout in twips, as drawn for the 96-dpi font; GrownPx() turns it into pixels.
constexpr QSize kClientSize(2550, 960);
constexpr QRect kQuestion(120, 120, 1575, 255);
constexpr QRect kYes(120, 480, 1095, 375);
constexpr QRect kNo(1320, 480, 1095, 375);
// The question may widen up to the dialog's margin on its right.
constexpr int kQuestionRoom = kClientSize.width() - 2 * kQuestion.left();

// The room a caption needs inside a push button: its text plus the frame and margin the style
// draws around it.
QSize CaptionNeeds(const QPushButton& button) {
    const QStyle* style = button.style();
    const int chrome = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) +
                       2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
    const QFontMetrics fm = button.fontMetrics();
    return QSize(fm.horizontalAdvance(button.text()) + chrome, fm.height() + chrome);
}

QPushButton* MakeButton(const QString& caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    // Neither is the default: Enter answers with the focused button only (see keyPressEvent).
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}
} // namespace

Form2::Form2(GameView& view, ProgramExit& exit, QWidget* mainWindow)
    : QDialog(nullptr)
    , m_view(view)
    , m_exit(exit)
    , m_mainWindow(mainWindow) {
    setWindowTitle(QStringLiteral("Quv"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    auto* question = new QLabel(QStringLiteral("ゲーム、続けるか？"), this);
    question->setObjectName(QStringLiteral("Label1"));
    m_yes = MakeButton(QStringLiteral("ＹＥＳ"), "Command1", this);
    m_no = MakeButton(QStringLiteral("ＮＯ"), "Command2", this);
    setTabOrder(m_yes, m_no);
    connect(m_yes, &QPushButton::clicked, this, &Form2::AnswerYes);
    connect(m_no, &QPushButton::clicked, this, [this] { m_exit.EndProgram(); });

    // Fonts differ between systems and players: the whole dialog grows to fit them.
    const QSize yesNeeds = CaptionNeeds(*m_yes);
    const QSize noNeeds = CaptionNeeds(*m_no);
    const double growth =
        Growth(QSize(question->sizeHint().width(), question->fontMetrics().height()),
               yesNeeds.expandedTo(noNeeds));

    setFixedSize(GrownPx(kClientSize.width(), growth), GrownPx(kClientSize.height(), growth));
    const QRect questionRect = GrownPx(kQuestion, growth);
    question->setGeometry(questionRect);
    question->resize(std::min(std::max(questionRect.width(), question->sizeHint().width()),
                              GrownPx(kQuestionRoom, growth)),
                     questionRect.height());
    m_yes->setGeometry(GrownPx(kYes, growth));
    m_no->setGeometry(GrownPx(kNo, growth));
}

double Form2::Growth(QSize questionNeeds, QSize buttonNeeds) {
    // The question may first widen into the free space on its right; where even that, or a
    // button, is too small for its caption, the whole dialog grows by one factor, keeping its
    // proportions and margins.
    return std::max({
        1.0,
        questionNeeds.width() / double(Px(kQuestionRoom)),
        questionNeeds.height() / double(Px(kQuestion.height())),
        buttonNeeds.width() / double(Px(kYes.width())),
        buttonNeeds.height() / double(Px(kYes.height())),
    });
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

void Form2::keyPressEvent(QKeyEvent* event) {
    // The dialog offers only its two buttons as answers: Escape is neither.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    // Enter presses the focused button, as it does on Windows, though neither is the default.
    // Only a fresh press: the key may still be held from closing the box before the dialog.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        if (!event->isAutoRepeat() && (focused == m_yes || focused == m_no))
            focused->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Form2::reject() {
    AnswerYes();
}

void Form2::AnswerYes() {
    if (m_answered)
        return;
    m_answered = true;
    m_view.SetMainWindowEnabled(true);
    hide();
    // Hand the keyboard straight back to the building rather than leave it to the desktop.
    if (m_mainWindow)
        m_mainWindow->activateWindow();
    deleteLater();
}

// Form2: the continue dialog, asked at the end of every mission.
#include "ui/form2.h"

#include "game/game_view.h"
#include "platform/program_exit.h"
#include "ui/twips.h"

#include <QLabel>
#include <QPushButton>
#include <QWindow>

#include <algorithm>

namespace {
constexpr QSize kClientSize(Px(2550), Px(960));
constexpr QRect kQuestion = TwipsRect(120, 120, 1575, 255);
constexpr QRect kYes = TwipsRect(120, 480, 1095, 375);
constexpr QRect kNo = TwipsRect(1320, 480, 1095, 375);

QPushButton* MakeButton(const QString& caption, const char* name, QRect where, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(where);
    // Neither answer may be taken by a stray Enter.
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
    setFixedSize(kClientSize);

    auto* question = new QLabel(QStringLiteral("ゲーム、続けるか？"), this);
    question->setObjectName(QStringLiteral("Label1"));
    question->setGeometry(kQuestion);
    // Fonts differ between systems: where the question is wider than its place, widen the label
    // into the free space on its right rather than cut the question off.
    question->resize(std::min(std::max(kQuestion.width(), question->sizeHint().width()),
                              kClientSize.width() - 2 * kQuestion.left()),
                     kQuestion.height());

    m_yes = MakeButton(QStringLiteral("ＹＥＳ"), "Command1", kYes, this);
    m_no = MakeButton(QStringLiteral("ＮＯ"), "Command2", kNo, this);
    setTabOrder(m_yes, m_no);
    connect(m_yes, &QPushButton::clicked, this, &Form2::AnswerYes);
    connect(m_no, &QPushButton::clicked, this, [this] { m_exit.EndProgram(); });
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

void Form2::reject() {
    AnswerYes();
}

void Form2::AnswerYes() {
    if (m_answered)
        return;
    m_answered = true;
    m_view.SetMainWindowEnabled(true);
    hide();
    deleteLater();
}

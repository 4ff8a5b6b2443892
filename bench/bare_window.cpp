// A bare Qt main window with the game's menu, client size and background, and nothing else:
// the yardstick for the game's start-up time, memory and idle behaviour.
#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.menuBar()->addAction(QStringLiteral("スタート"));
    window.menuBar()->addAction(QStringLiteral("終了"));
    QMenu* score = window.menuBar()->addMenu(QStringLiteral("スコア"));
    score->addAction(QStringLiteral("現在のスコア"));
    score->addAction(QStringLiteral("ハイスコア"));

    auto* client = new QWidget(&window);
    client->setFixedSize(313, 329);
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, QColor(0xC0, 0xFF, 0xFF));
    client->setPalette(palette);
    window.setCentralWidget(client);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    window.show();
    return QApplication::exec();
}

// The main window as the player sees and uses it: the building, the menu and the room clicks.
#include "window_rig.h"

#include <QCloseEvent>
#include <QLabel>

namespace {
const QColor kBlue("#0000FF");
const QColor kBlack("#000000");
const QColor kSilver("#C0C0C0");
const QColor kPaleCyan("#C0FFFF");
} // namespace

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void windowHasCaptionIconAndFixedClientAreaBelowTheMenu();
    void menuBarHoldsStartQuitAndScoreInOrderWithoutKeys();
    void cellsSitWhereTheirRoomsAre_data();
    void cellsSitWhereTheirRoomsAre();
    void facadeAndBackgroundShowTheirColours();
    void aRoomBeforeStartAsksForStartAndStaysBlue();
    void onlyALeftClickReleasedInsideVisits_data();
    void onlyALeftClickReleasedInsideVisits();
    void aClickedCellIsBlackWhileItsOutcomeIsShownAndBlueAfter();
    void theBackgroundDarkensWithEverySuspect();
    void aWholeMissionFromTheMenuEndsInTheDialog();
    void scoreItemsShowTheScoresAndTheScoreMenuItselfDoesNothing();
    void theFacadeReactsToNothing();
    void quitEndsTheProgramEvenMidMission();
    void closingTheEnabledWindowEndsTheProgram();
    void aDisabledWindowIgnoresCellsMenusAndClose();
};

void Form1Test::windowHasCaptionIconAndFixedClientAreaBelowTheMenu() {
    UiRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(&rig.window));
    QCOMPARE(rig.window.windowTitle(), QStringLiteral("Quv"));
    QCOMPARE(rig.window.ClientArea()->size(), QSize(313, 329));
    QCOMPARE(rig.window.ClientArea()->y(), rig.window.menuBar()->height());
    QCOMPARE(rig.window.height(), rig.window.menuBar()->height() + 329);
    QCOMPARE(rig.window.minimumSize(), rig.window.maximumSize());
    QVERIFY(!rig.window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    // Whatever the font, every menu caption shows whole in the bar above the client area.
    QMenuBar* bar = rig.window.menuBar();
    for (QAction* action : bar->actions()) {
        const QRect place = bar->actionGeometry(action);
        QVERIFY2(bar->rect().contains(place), qPrintable(action->text()));
        QVERIFY(place.width() > bar->fontMetrics().horizontalAdvance(action->text()));
    }

    const QIcon icon = rig.window.windowIcon();
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.availableSizes(), QList<QSize>{QSize(32, 32)});
    const QImage art = icon.pixmap(32, 32).toImage();
    QCOMPARE(art.pixelColor(10, 7), kBlue); // a window of the little building
}

void Form1Test::menuBarHoldsStartQuitAndScoreInOrderWithoutKeys() {
    UiRig rig;
    QStringList captions;
    for (QAction* action : rig.window.menuBar()->actions()) {
        captions << action->text();
        QVERIFY(action->shortcut().isEmpty());
    }
    QCOMPARE(captions, (QStringList{"スタート", "終了", "スコア"}));

    auto* score = rig.window.findChild<QMenu*>(QStringLiteral("SC"));
    QVERIFY(score);
    QStringList items;
    for (QAction* action : score->actions()) {
        items << action->text();
        QVERIFY(action->shortcut().isEmpty());
    }
    QCOMPARE(items, (QStringList{"現在のスコア", "ハイスコア"}));
    for (const QString& caption : captions + items)
        QVERIFY(!caption.contains(QLatin1Char('&')));
}

void Form1Test::cellsSitWhereTheirRoomsAre_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");
    // Captions and places typed from the building's plan, in pixels (twips / 15).
    QTest::newRow("top left") << 0 << "15" << QRect(64, 72, 25, 33);
    QTest::newRow("top right") << 4 << "55" << QRect(224, 72, 25, 33);
    QTest::newRow("fourth floor") << 6 << "24" << QRect(104, 120, 25, 33);
    QTest::newRow("centre") << 12 << "33" << QRect(144, 168, 25, 33);
    QTest::newRow("second floor") << 18 << "42" << QRect(184, 216, 25, 33);
    QTest::newRow("bottom left") << 20 << "11" << QRect(64, 264, 25, 33);
    QTest::newRow("bottom right") << 24 << "51" << QRect(224, 264, 25, 33);
}

void Form1Test::cellsSitWhereTheirRoomsAre() {
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    UiRig rig;
    RoomCell* cell = rig.window.Cell(index);
    QCOMPARE(cell->text(), caption);
    QCOMPARE(cell->geometry(), geometry);
    QCOMPARE(rig.PixelAt(geometry.center()), kBlue);
    QCOMPARE(rig.PixelAt(geometry.topLeft()), kBlue);
    // Blue on blue: the caption never shows, so every pixel of the cell is blue.
    const QImage image = cell->grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QCOMPARE(image.pixelColor(x, y), kBlue);
}

void Form1Test::facadeAndBackgroundShowTheirColours() {
    UiRig rig;
    auto* facade = rig.window.findChild<QLabel*>(QStringLiteral("Label1"));
    QVERIFY(facade);
    QCOMPARE(facade->geometry(), QRect(48, 48, 217, 281));
    QCOMPARE(rig.PixelAt(QPoint(50, 50)), kSilver);   // facade, left of the cells
    QCOMPARE(rig.PixelAt(QPoint(100, 80)), kSilver);  // between two cells
    QCOMPARE(rig.PixelAt(QPoint(264, 328)), kSilver); // its bottom-right corner
    QCOMPARE(rig.PixelAt(QPoint(47, 47)), kPaleCyan); // just outside it
    QCOMPARE(rig.PixelAt(QPoint(312, 328)), kPaleCyan);
    QCOMPARE(rig.BackgroundPixel(), kPaleCyan);
}

void Form1Test::aRoomBeforeStartAsksForStartAndStaysBlue() {
    UiRig rig;
    QColor duringBox;
    rig.box.onShow = [&](const QString&) {
        duringBox = rig.CellPixel(33);
    };
    rig.ClickRoom(33);
    QCOMPARE(rig.box.texts, QStringList{"メニュー中のスタートキーをクリックしてください。"});
    QCOMPARE(duringBox, kBlue);
    QCOMPARE(rig.CellPixel(33), kBlue);
}

void Form1Test::onlyALeftClickReleasedInsideVisits_data() {
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("release"); // relative to the cell's top left
    QTest::addColumn<bool>("visits");
    QTest::newRow("left click") << Qt::LeftButton << QPoint(12, 16) << true;
    QTest::newRow("right click") << Qt::RightButton << QPoint(12, 16) << false;
    QTest::newRow("middle click") << Qt::MiddleButton << QPoint(12, 16) << false;
    QTest::newRow("left, released beside the cell") << Qt::LeftButton << QPoint(30, 16) << false;
    QTest::newRow("left, released above the cell") << Qt::LeftButton << QPoint(12, -3) << false;
}

void Form1Test::onlyALeftClickReleasedInsideVisits() {
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, release);
    QFETCH(bool, visits);
    UiRig rig;
    RoomCell* cell = rig.window.Cell(CellOf(33));
    QTest::mousePress(cell, button, {}, QPoint(12, 16));
    QTest::mouseMove(cell, release);
    QTest::mouseRelease(cell, button, {}, release);
    // Before Start a visit answers with a request to start; anything else shows nothing.
    QCOMPARE(rig.box.texts.size(), visits ? 1 : 0);
}

void Form1Test::aClickedCellIsBlackWhileItsOutcomeIsShownAndBlueAfter() {
    UiRig rig;
    rig.random.QueueRoom(33);
    rig.ClickMenuBar("S");
    QCOMPARE(rig.box.texts.size(), 7);
    rig.box.texts.clear();

    QStringList seen; // each text with the colour the visited cell had while it was shown
    int visited = 0;
    rig.box.onShow = [&](const QString& text) {
        seen << text + (rig.CellPixel(visited) == kBlack ? " [black]" : " [blue]");
    };
    visited = 24;
    rig.ClickRoom(24); // a miss
    QCOMPARE(seen,
             (QStringList{"もっと下の階だ！ [black]", "残念。チャンスはあと4回だ。 [black]"}));
    QCOMPARE(rig.CellPixel(24), kBlue);

    seen.clear();
    visited = 33;
    rig.random.QueueRoom(11);
    rig.ClickRoom(33); // the catch
    QCOMPARE(seen, (QStringList{"奴だ！\u3000ここにいやがった！ [black]",
                                "君には5万ドルが支払われる。 [black]", "2人目 [blue]"}));
    QCOMPARE(rig.CellPixel(33), kBlue);
    QCOMPARE(rig.window.State().Reward, 5);
}

void Form1Test::theBackgroundDarkensWithEverySuspect() {
    UiRig rig;
    rig.random.fallback = ScriptedRandom::Middle(1);
    rig.ClickMenuBar("S");
    const QList<QColor> schedule = {QColor("#80FFFF"), QColor("#00FFFF"), QColor("#00C0C0"),
                                    QColor("#008080"), QColor("#004040")};
    for (const QColor& colour : schedule) {
        rig.ClickRoom(11);
        QCOMPARE(rig.BackgroundPixel(), colour);
    }
    // The facade and the cells keep their colours whatever the background.
    QCOMPARE(rig.PixelAt(QPoint(50, 50)), kSilver);
    QCOMPARE(rig.CellPixel(11), kBlue);
}

void Form1Test::aWholeMissionFromTheMenuEndsInTheDialog() {
    UiRig rig;
    const QImage before = rig.window.ClientArea()->grab().toImage();
    rig.PlayPerfectMission();

    QCOMPARE(rig.box.texts.mid(rig.box.texts.size() - 2),
             (QStringList{"君の任務は終わった。", "捕まえた人数：6人     報酬額：36万ドル"}));
    QVERIFY(!rig.window.isEnabled());
    Form2* dialog = rig.window.ContinueDialog();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QVERIFY(dialog->isEnabled());
    // The building looks as it did before the mission: no trace of the rooms visited.
    QCOMPARE(rig.window.ClientArea()->grab().toImage(), before);

    QTest::mouseClick(dialog->YesButton(), Qt::LeftButton);
    QVERIFY(rig.window.isEnabled());
    QVERIFY(QTest::qWaitFor([&] { return rig.window.ContinueDialog() == nullptr; }));

    rig.box.texts.clear();
    rig.ClickRoom(11);
    QCOMPARE(rig.box.texts, QStringList{"メニュー中のスタートキーをクリックしてください。"});
    rig.ClickScoreItem("HSC");
    QCOMPARE(rig.box.texts.last(), QStringLiteral("36万ドルが最高だ。"));
}

void Form1Test::scoreItemsShowTheScoresAndTheScoreMenuItselfDoesNothing() {
    UiRig rig;
    rig.ClickMenuBar("SC");
    QVERIFY(rig.box.texts.isEmpty());
    QTest::keyClick(rig.window.findChild<QMenu*>(QStringLiteral("SC")), Qt::Key_Escape);

    rig.ClickScoreItem("GSC");
    rig.ClickScoreItem("HSC");
    QCOMPARE(rig.box.texts, (QStringList{"今のところ0万ドルだな。", "0万ドルが最高だ。"}));

    rig.random.QueueRoom(22);
    rig.ClickMenuBar("S");
    rig.ClickRoom(22);
    rig.box.texts.clear();
    rig.ClickScoreItem("GSC");
    QCOMPARE(rig.box.texts, QStringList{"今のところ6万ドルだな。"});
}

void Form1Test::theFacadeReactsToNothing() {
    UiRig rig;
    QTest::mouseClick(rig.window.ClientArea(), Qt::LeftButton, {}, QPoint(100, 80));
    QTest::mouseClick(rig.window.ClientArea(), Qt::LeftButton, {}, QPoint(20, 20));
    QVERIFY(rig.box.texts.isEmpty());
    QCOMPARE(rig.exit.calls, 0);
}

void Form1Test::quitEndsTheProgramEvenMidMission() {
    UiRig rig;
    rig.ClickMenuBar("S");
    rig.box.texts.clear();
    rig.ClickMenuBar("E");
    QCOMPARE(rig.exit.calls, 1);
    QVERIFY(rig.box.texts.isEmpty());
}

void Form1Test::closingTheEnabledWindowEndsTheProgram() {
    UiRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(&rig.window));
    QCloseEvent frameClose;
    QApplication::sendEvent(rig.window.windowHandle(), &frameClose);
    QVERIFY(frameClose.isAccepted());
    QCOMPARE(rig.exit.calls, 1);
}

void Form1Test::aDisabledWindowIgnoresCellsMenusAndClose() {
    UiRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(&rig.window));
    rig.PlayPerfectMission();
    QVERIFY(!rig.window.isEnabled());
    rig.box.texts.clear();

    // Real clicks through the window, as the platform delivers them.
    QWindow* handle = rig.window.windowHandle();
    const QPoint cell = rig.window.Cell(12)->mapTo(&rig.window, QPoint(5, 5));
    QTest::mouseClick(handle, Qt::LeftButton, {}, cell);
    rig.ClickRoom(33);
    rig.ClickMenuBar("S");
    rig.ClickMenuBar("E");
    rig.ClickScoreItem("HSC");
    QVERIFY(rig.box.texts.isEmpty());
    QCOMPARE(rig.exit.calls, 0);

    QCloseEvent frameClose;
    QApplication::sendEvent(handle, &frameClose);
    QVERIFY(rig.window.isVisible());
    QCOMPARE(rig.exit.calls, 0);
    QVERIFY(rig.window.ContinueDialog()->isVisible());
}

QTEST_MAIN(Form1Test)
#include "form1_test.moc"

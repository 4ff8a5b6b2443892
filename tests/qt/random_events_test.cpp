// Thousands of seeded random real events on the two windows: nothing may crash, and the main
// window is disabled exactly while the continue dialog waits for an answer.
#include "window_rig.h"

#include <QCloseEvent>

#include <random>

class RandomEventsTest : public QObject {
    Q_OBJECT

private slots:
    void theWindowsSurviveRandomPlay();
};

void RandomEventsTest::theWindowsSurviveRandomPlay() {
    std::mt19937 engine(8122026);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    std::uniform_int_distribution<int> anyCell(0, 24);
    std::discrete_distribution<int> pick({70, 3, 0.3, 3, 2, 5, 0.5, 2, 2, 0.5, 3});

    auto rig = std::make_unique<UiRig>();
    int programs = 1;
    int missionsEnded = 0;
    for (int step = 0; step < 10000; ++step) {
        while (rig->random.Queued() < 4)
            rig->random.Queue(std::min(unit(engine), 0.99999f));
        Form2* dialog = rig->window.OpenDialog();
        const bool dialogOpen = dialog && dialog->isVisible();
        const int event = pick(engine);
        switch (event) {
        case 0: { // a cell, clicked through the window as the platform delivers it
            const RoomCell* cell = rig->window.Cell(anyCell(engine));
            QTest::mouseClick(rig->window.windowHandle(), Qt::LeftButton, {},
                              cell->mapTo(&rig->window, cell->rect().center()));
            break;
        }
        case 1:
            rig->ClickMenuBar("S");
            break;
        case 2:
            rig->ClickMenuBar("E");
            break;
        case 3:
            rig->ClickScoreItem(unit(engine) < 0.5f ? "GSC" : "HSC");
            break;
        case 4:
            rig->ClickMenuBar("SC");
            QTest::keyClick(rig->window.findChild<QMenu*>(QStringLiteral("SC")), Qt::Key_Escape);
            break;
        case 5:
            if (dialogOpen)
                QTest::mouseClick(dialog->YesButton(), Qt::LeftButton);
            break;
        case 6:
            if (dialogOpen)
                QTest::mouseClick(dialog->NoButton(), Qt::LeftButton);
            break;
        case 7:
            if (dialogOpen)
                QTest::keyClick(dialog, Qt::Key_Escape);
            break;
        case 8:
            if (dialogOpen) {
                QCloseEvent close;
                QApplication::sendEvent(dialog->windowHandle(), &close);
            }
            break;
        case 9: {
            QCloseEvent close;
            QApplication::sendEvent(rig->window.windowHandle(), &close);
            break;
        }
        default:
            QTest::keyClick(rig->window.windowHandle(),
                            unit(engine) < 0.5f ? Qt::Key_Return : Qt::Key_Escape);
            break;
        }

        if (rig->Exits() > 0) {
            // The program would have ended here; the next events go to a fresh one.
            rig = std::make_unique<UiRig>();
            ++programs;
            continue;
        }
        dialog = rig->window.OpenDialog();
        const bool open = dialog && dialog->isVisible();
        if (open && !dialogOpen)
            ++missionsEnded;
        QVERIFY2(rig->window.isEnabled() == !open,
                 qPrintable(QStringLiteral("step %1, event %2: enabled %3, dialog %4")
                                .arg(step)
                                .arg(event)
                                .arg(rig->window.isEnabled())
                                .arg(open)));
        const GameState& s = rig->window.State();
        QVERIFY(s.MissionActive == 0 || (s.SuspectNo >= 1 && s.SuspectNo <= 6));
        QVERIFY(s.MissCount >= 0 && s.MissCount <= 4);
        QVERIFY(s.Reward >= 0 && s.Reward <= 36);
    }
    qInfo("%d programs, %d missions ended", programs, missionsEnded);
    QVERIFY(missionsEnded > 10);
    QVERIFY(programs > 10);
}

QTEST_MAIN(RandomEventsTest)
#include "random_events_test.moc"

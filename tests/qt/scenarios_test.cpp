// The desktop scenarios on the Qt windows: every row, played and read back through Qt.
#include "window_rig.h"

Q_DECLARE_METATYPE(const Scenario*)

class ScenariosTest : public QObject {
    Q_OBJECT

private slots:
    void eachScenarioShowsWhatTheCoreWorksOut_data();
    void eachScenarioShowsWhatTheCoreWorksOut();
};

void ScenariosTest::eachScenarioShowsWhatTheCoreWorksOut_data() {
    QTest::addColumn<const Scenario*>("scenario");
    for (const Scenario& scenario : Scenarios())
        QTest::newRow(scenario.name) << &scenario;
}

void ScenariosTest::eachScenarioShowsWhatTheCoreWorksOut() {
    QFETCH(const Scenario*, scenario);
    UiRig rig;
    QVERIFY(QTest::qWaitForWindowActive(&rig.window));
    QtDriver driver(rig);
    const Transcript transcript = Play(driver, *scenario);
    QVERIFY2(transcript.played == transcript.expected, FirstDifference(transcript).c_str());
}

QTEST_MAIN(ScenariosTest)
#include "scenarios_test.moc"

// The desktop scenarios on the Windows windows under Wine: every row, played with real input and
// read back from what the windows painted.
#include "window_rig.h"

#include <gtest/gtest.h>

#include <cctype>

class ScenarioTest : public ::testing::TestWithParam<Scenario> {};

TEST_P(ScenarioTest, ShowsWhatTheCoreWorksOut) {
    Win32Rig rig;
    Win32Driver driver(rig);
    const Transcript transcript = Play(driver, GetParam());
    EXPECT_EQ(transcript.played, transcript.expected) << FirstDifference(transcript);
}
INSTANTIATE_TEST_SUITE_P(Desktop, ScenarioTest, ::testing::ValuesIn(Scenarios()),
                         [](const ::testing::TestParamInfo<Scenario>& info) {
                             std::string name;
                             for (const char c : std::string(info.param.name))
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

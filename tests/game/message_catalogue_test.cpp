// The exact texts of the message catalogue, character for character.
#include "game/message_box_service.h"
#include "game/message_catalogue.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

struct Expected {
    MessageKey key;
    std::vector<int> values;
    const char* text;
};

void PrintTo(const Expected& e, std::ostream* os) {
    *os << e.text;
}

std::string Compose(const Expected& e) {
    switch (e.values.size()) {
    case 0:
        return ComposeMessage(e.key);
    case 1:
        return ComposeMessage(e.key, {e.values[0]});
    default:
        return ComposeMessage(e.key, {e.values[0], e.values[1]});
    }
}

// Names a row by its key and values, e.g. key16_4_17.
std::string RowName(const ::testing::TestParamInfo<Expected>& info) {
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on a literal plus a string.
    std::string name = "key";
    name += std::to_string(static_cast<int>(info.param.key));
    for (int v : info.param.values) {
        name += '_';
        name += std::to_string(v);
    }
    return name;
}

class MessageTextTest : public ::testing::TestWithParam<Expected> {};

TEST_P(MessageTextTest, ComposesTheExactText) {
    EXPECT_EQ(Compose(GetParam()), GetParam().text);
}

// The texts are typed here independently of the catalogue; escapes pin the characters that look
// alike in an editor: U+3000 (E3 80 80) and the five ASCII spaces.
INSTANTIATE_TEST_SUITE_P(
    FixedTexts, MessageTextTest,
    ::testing::Values(
        Expected{MessageKey::msgPressStart, {}, "メニュー中のスタートキーをクリックしてください。"},
        Expected{MessageKey::msgIntro1, {}, "奴らはこのビルに出入りしている。"},
        Expected{MessageKey::msgIntro2,
                 {},
                 "５階建てで１つの階に５部屋あり、２人以上が同時にビル内にいるということはないら"
                 "しい。"},
        Expected{
            MessageKey::msgIntro3, {}, "奴らを探しだせ。時間をずらし、１人づつ見つけていくのだ。"},
        Expected{MessageKey::msgIntro4, {}, "ただし、部屋を訪ねられるのは１人につき５回までだ。"},
        Expected{MessageKey::msgIntro5, {}, "行った部屋に奴らがいなくても、証言を得られるだろう。"},
        Expected{MessageKey::msgIntro6, {}, "さあ行け！"},
        Expected{MessageKey::msgFound, {}, "奴だ！\xE3\x80\x80ここにいやがった！"},
        Expected{MessageKey::msgSameFloor, {}, "この階にいるぞ！"},
        Expected{MessageKey::msgGoDown, {}, "もっと下の階だ！"},
        Expected{MessageKey::msgGoUp, {}, "もっと上の階だ！"},
        Expected{MessageKey::msgEscaped, {}, "残念だが見つけられなかったようだな。"},
        Expected{MessageKey::msgMissionOver, {}, "君の任務は終わった。"}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    ComposedTexts, MessageTextTest,
    ::testing::Values(Expected{MessageKey::msgSuspectOrdinal, {3}, "3人目"},
                      Expected{MessageKey::msgPaid, {6}, "君には6万ドルが支払われる。"},
                      Expected{MessageKey::msgChancesLeft, {4}, "残念。チャンスはあと4回だ。"},
                      Expected{MessageKey::msgSummary,
                               {4, 17},
                               "捕まえた人数：4人\x20\x20\x20\x20\x20報酬額：17万ドル"},
                      Expected{
                          MessageKey::msgSummary, {0, 0}, "捕まえた人数：0人     報酬額：0万ドル"},
                      Expected{MessageKey::msgCurrentScore, {0}, "今のところ0万ドルだな。"},
                      Expected{MessageKey::msgHighScore, {12}, "12万ドルが最高だ。"},
                      Expected{MessageKey::msgHighScore, {36}, "36万ドルが最高だ。"}),
    RowName);

TEST(MessageCatalogueTest, RefusesAWrongNumberOfValues) {
    EXPECT_THROW(ComposeMessage(MessageKey::msgFound, {1}), std::invalid_argument);
    EXPECT_THROW(ComposeMessage(MessageKey::msgPaid), std::invalid_argument);
    EXPECT_THROW(ComposeMessage(MessageKey::msgSummary, {1}), std::invalid_argument);
}

class CollectingBox final : public MessageBoxService {
public:
    void Show(const std::string& text) override { shown.push_back(text); }
    std::vector<std::string> shown;
};

TEST(MessageCatalogueTest, ShowMessageOpensOneBoxWithTheComposedText) {
    CollectingBox box;
    ShowMessage(box, MessageKey::msgSummary, {6, 36});
    ShowMessage(box, MessageKey::msgIntro6);
    EXPECT_EQ(box.shown,
              (std::vector<std::string>{"捕まえた人数：6人     報酬額：36万ドル", "さあ行け！"}));
}

} // namespace

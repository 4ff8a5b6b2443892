// The message catalogue: composes the text of a message key and shows it in a message box.
#include "game/message_catalogue.h"

#include "game/message_box_service.h"

#include <stdexcept>
#include <vector>

namespace {

// A text is its pieces with one number between each two of them, so the number of values a key
// takes is one less than the number of its pieces.
std::vector<std::string> Pieces(MessageKey key) {
    switch (key) {
    case MessageKey::msgPressStart:
        return {"メニュー中のスタートキーをクリックしてください。"};
    case MessageKey::msgIntro1:
        return {"奴らはこのビルに出入りしている。"};
    case MessageKey::msgIntro2:
        return {
            "５階建てで１つの階に５部屋あり、２人以上が同時にビル内にいるということはないらしい。"};
    case MessageKey::msgIntro3:
        return {"奴らを探しだせ。時間をずらし、１人づつ見つけていくのだ。"};
    case MessageKey::msgIntro4:
        return {"ただし、部屋を訪ねられるのは１人につき５回までだ。"};
    case MessageKey::msgIntro5:
        return {"行った部屋に奴らがいなくても、証言を得られるだろう。"};
    case MessageKey::msgIntro6:
        return {"さあ行け！"};
    case MessageKey::msgFound:
        // The gap is the ideographic space U+3000.
        return {"奴だ！\u3000ここにいやがった！"};
    case MessageKey::msgSameFloor:
        return {"この階にいるぞ！"};
    case MessageKey::msgGoDown:
        return {"もっと下の階だ！"};
    case MessageKey::msgGoUp:
        return {"もっと上の階だ！"};
    case MessageKey::msgEscaped:
        return {"残念だが見つけられなかったようだな。"};
    case MessageKey::msgMissionOver:
        return {"君の任務は終わった。"};
    case MessageKey::msgSuspectOrdinal:
        return {"", "人目"};
    case MessageKey::msgPaid:
        return {"君には", "万ドルが支払われる。"};
    case MessageKey::msgChancesLeft:
        return {"残念。チャンスはあと", "回だ。"};
    case MessageKey::msgSummary:
        // Five ASCII spaces separate the two halves.
        return {"捕まえた人数：", "人     報酬額：", "万ドル"};
    case MessageKey::msgCurrentScore:
        return {"今のところ", "万ドルだな。"};
    case MessageKey::msgHighScore:
        return {"", "万ドルが最高だ。"};
    }
    throw std::invalid_argument("unknown message key");
}

} // namespace

std::string ComposeMessage(MessageKey key, std::initializer_list<int> values) {
    const std::vector<std::string> pieces = Pieces(key);
    if (values.size() + 1 != pieces.size())
        throw std::invalid_argument("wrong number of values for this message");

    std::string text = pieces.front();
    auto piece = pieces.begin() + 1;
    for (int value : values) {
        text += std::to_string(value);
        text += *piece++;
    }
    return text;
}

void ShowMessage(MessageBoxService& box, MessageKey key, std::initializer_list<int> values) {
    box.Show(ComposeMessage(key, values));
}

// Key: the keys the windows are operated with, in the game's own terms.
#include "game/key.h"

#include <span>
#include <utility>

namespace {
using Name = std::pair<std::string_view, Key>;

// The key's names in current engines and in older ones ("Esc", "Left", "Spacebar").
constexpr Name kKeys[] = {
    {"Enter", Key::Enter},    {" ", Key::Space},
    {"Spacebar", Key::Space}, {"Escape", Key::Escape},
    {"Esc", Key::Escape},     {"Tab", Key::Tab},
    {"F10", Key::F10},        {"ArrowLeft", Key::Left},
    {"Left", Key::Left},      {"ArrowRight", Key::Right},
    {"Right", Key::Right},    {"ArrowUp", Key::Up},
    {"Up", Key::Up},          {"ArrowDown", Key::Down},
    {"Down", Key::Down},
};
constexpr Name kCodes[] = {
    {"Enter", Key::Enter},    {"NumpadEnter", Key::Enter}, {"Space", Key::Space},
    {"Escape", Key::Escape},  {"Tab", Key::Tab},           {"F10", Key::F10},
    {"ArrowLeft", Key::Left}, {"ArrowRight", Key::Right},  {"ArrowUp", Key::Up},
    {"ArrowDown", Key::Down},
};

Key Find(std::span<const Name> names, std::string_view name) {
    for (const auto& [text, key] : names) {
        if (text == name)
            return key;
    }
    return Key::Other;
}
} // namespace

Key BrowserKey(std::string_view key, std::string_view code) {
    if (key.empty() || key == "Unidentified")
        return Find(kCodes, code);
    return Find(kKeys, key);
}

// PageFormat: how the module writes what it hands the page: JSON strings, CSS colours, rectangles.
#include "web/page_format.h"

namespace {
// Hexadecimal digits written by hand: printf alone would add a quarter to the module.
void AppendHex(std::string& text, unsigned value, int digits) {
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        text += "0123456789abcdef"[(value >> shift) & 0xF];
}
} // namespace

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            quoted += "\\u";
            AppendHex(quoted, static_cast<unsigned char>(c), 4);
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

std::string CssColour(Colour colour) {
    std::string css = "#";
    for (const int channel : {Colours::Red(colour), Colours::Green(colour), Colours::Blue(colour)})
        AppendHex(css, static_cast<unsigned>(channel), 2);
    return css;
}

std::string Json(const PixelRect& rect) {
    return "[" + std::to_string(rect.left) + "," + std::to_string(rect.top) + "," +
           std::to_string(rect.width) + "," + std::to_string(rect.height) + "]";
}

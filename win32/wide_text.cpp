// Wide text: the core's UTF-8 as the UTF-16 that Windows shows.
#include "win32/wide_text.h"

#include <windows.h>

std::wstring Widen(std::string_view utf8) {
    if (utf8.empty())
        return {};
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, text.data(), length);
    return text;
}

std::string Narrow(std::wstring_view utf16) {
    if (utf16.empty())
        return {};
    const int size = static_cast<int>(utf16.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, text.data(), length, nullptr, nullptr);
    return text;
}

// Windows leaves the splitting to each program. This is the rule Microsoft documents for its C
// runtime, which CommandLineToArgvW follows but for runs of quotes; that function would load
// shell32, about a mebibyte, for nothing else.
// The program's name ends at the first blank, or, quoted, at the next quote. Then blanks (space,
// tab) part the words outside quotes; 2n backslashes and a quote are n backslashes and a quote
// that opens or closes a quoted part, 2n+1 backslashes and a quote are n backslashes and a
// literal quote, and within a quoted part "" is a literal quote. Other backslashes are literal.
std::vector<std::string> ArgumentsOf(const wchar_t* commandLine) {
    const auto blank = [](wchar_t c) {
        return c == L' ' || c == L'\t';
    };
    const wchar_t* c = commandLine;
    if (*c == L'"') {
        for (++c; *c && *c != L'"'; ++c) {
        }
        if (*c)
            ++c;
    } else {
        while (*c && !blank(*c))
            ++c;
    }
    std::vector<std::string> arguments;
    for (;;) {
        while (blank(*c))
            ++c;
        if (!*c)
            return arguments;
        std::wstring word;
        bool quoted = false;
        for (; *c && (quoted || !blank(*c)); ++c) {
            std::size_t backslashes = 0;
            for (; *c == L'\\'; ++c)
                ++backslashes;
            if (*c != L'"') {
                word.append(backslashes, L'\\');
                if (!*c || (!quoted && blank(*c)))
                    break;
                word += *c;
                continue;
            }
            word.append(backslashes / 2, L'\\');
            if (backslashes % 2 == 1) {
                word += L'"';
            } else if (quoted && c[1] == L'"') {
                word += L'"';
                ++c;
            } else {
                quoted = !quoted;
            }
        }
        arguments.push_back(Narrow(word));
    }
}

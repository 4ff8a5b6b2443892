// The command line's words: the arguments as Windows programs split them.
#include "win32/command_line_words.h"

#include "win32/wide_text.h"

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

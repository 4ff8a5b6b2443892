// Wide text: the core's UTF-8 as the UTF-16 that Windows shows.
#pragma once

#include <string>
#include <string_view>
#include <vector>

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);
// A command line's arguments as Windows splits them, without the program's name, in UTF-8.
std::vector<std::string> ArgumentsOf(const wchar_t* commandLine);

// Wide text: the core's UTF-8 as the UTF-16 that Windows shows.
#pragma once

#include <string>
#include <string_view>

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

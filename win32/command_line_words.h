// The command line's words: the arguments as Windows programs split them.
#pragma once

#include <string>
#include <vector>

// A command line's arguments as Windows splits them, without the program's name, in UTF-8.
std::vector<std::string> ArgumentsOf(const wchar_t* commandLine);

// Key: the keys the windows are operated with, in the game's own terms.
#pragma once

#include <string_view>

// Every front end reads its platform's key events into these before it asks the game's rules
// what a key does, so the same key does the same thing everywhere.
enum class Key { Other, Enter, Space, Escape, Tab, F10, Left, Right, Up, Down };

// A browser's key event, from its key and code. The key decides where the engine names it; where
// it does not ("Unidentified", as some engines report Shift+Tab, or nothing) the physical key's
// code does. A key that an input method is composing with ("Process") is none of the game's.
Key BrowserKey(std::string_view key, std::string_view code);

// The message catalogue: composes the text of a message key and shows it in a message box.
#pragma once

#include "game/message_key.h"

#include <initializer_list>
#include <string>

class MessageBoxService;

// Returns the UTF-8 text of key with its numbers inserted in plain ASCII digits. Composed keys
// take exactly the values their comment in MessageKey names (two for msgSummary, one for the
// others); fixed texts take none. A wrong count is a programming error: std::invalid_argument.
std::string ComposeMessage(MessageKey key, std::initializer_list<int> values = {});

// One box per message; returns once the player has pressed OK.
void ShowMessage(MessageBoxService& box, MessageKey key, std::initializer_list<int> values = {});

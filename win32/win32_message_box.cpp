// Win32MessageBox: the game's texts in the system's modal OK-only boxes, titled "QUV".
#include "win32/win32_message_box.h"

#include "win32/wide_text.h"

void Win32MessageBox::Show(const std::string& text) {
    // No icon and no sound of its own: the texts are the game's story, not warnings.
    MessageBoxW(Owner(), Widen(text).c_str(), L"QUV", MB_OK);
}

// The system's open and save dialogs for the toolkit's file dialog components.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "toolkit/FileDialogs.h"

namespace tk::win32 {

// "Text|*.txt|All|*.*" as the dialogs take it: each part ended by a NUL, the list by one more.
// A description without a mask is its own mask. Empty for an empty filter.
std::wstring FilterList(std::string_view filter);

// Shows the open dialog, or the save dialog for a TSaveDialog, modal to `owner`. When the user
// chose a file, FileName and FilterIndex take the choice and the answer is true.
bool ShowFileDialog(TOpenDialog& dialog, HWND owner);

}  // namespace tk::win32

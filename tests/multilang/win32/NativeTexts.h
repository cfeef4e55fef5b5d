// What real Win32 controls show, read through the native-control helpers and put the way the
// kind cases write the model's values: lines, items marked by their depth, the radio buttons of
// a group, a status bar's parts in the mode asked for.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace shown {

using Texts = std::vector<std::string>;

// A multi-line edit's text cut at its line breaks; no text is no line.
Texts EditLines(HWND edit);

// The text of an extended combo box's edit (of its list part without one).
std::string ComboExText(HWND combo);

// The radio buttons inside a group box, by their control ids.
Texts RadioButtonTexts(HWND group);
int CheckedRadioButton(HWND group);

// The tree's items in pre-order, each marked with one ">" per level below the top.
Texts TreeItems(HWND tree);

// The bar's parts as it shows them with its panels, and its text in simple mode; the bar is
// switched for the reading when it is in the other mode.
Texts StatusParts(HWND bar);
std::string StatusSimpleText(HWND bar);

}  // namespace shown

// What real Win32 controls show, read through their window and menu handles, as UTF-8. Lists come
// in the controls' own order.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace shown {

using Texts = std::vector<std::string>;

std::string WindowText(HWND window);
// A multi-line edit's text cut at its line breaks; no text is no line.
Texts EditLines(HWND edit);

Texts ListBoxItems(HWND box);
int ListBoxSelection(HWND box);

Texts ComboItems(HWND combo);
int ComboSelection(HWND combo);
// An extended combo box's items and the text of its edit (of its list part without one).
Texts ComboExItems(HWND combo);
std::string ComboExText(HWND combo);

// The radio buttons inside a group box, by their control ids.
Texts RadioButtonTexts(HWND group);
int CheckedRadioButton(HWND group);

// The tree's items in pre-order, each marked with one ">" per level below the top.
Texts TreeItems(HWND tree);

Texts ListViewColumns(HWND view);
Texts ListViewCells(HWND view, int column);
std::string ListViewCell(HWND view, int item, int column);

// The bar's parts as it shows them with its panels, and its text in simple mode; the bar is
// switched for the reading when it is in the other mode.
Texts StatusParts(HWND bar);
std::string StatusSimpleText(HWND bar);

Texts HeaderItems(HWND header);
Texts TabItems(HWND tabs);

std::string MenuItemText(HMENU menu, int position);

}  // namespace shown

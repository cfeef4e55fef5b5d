// Reading and finding the windows of any process: titles, classes, texts, places, list counts
// and status texts. Every message goes with a timeout, so a hung program cannot hang the driver.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/uidriver/TextFormat.h"

namespace uidriver {

// Visible top-level windows, topmost first.
std::vector<HWND> TopLevelWindows();
// The first visible top-level window with exactly this title; null when there is none.
HWND FindTopLevel(std::string_view title);
// Visible standard dialog windows ("#32770"), topmost first; with an owner window, only those
// of the owner's process.
std::vector<HWND> FindDialogs(HWND owner);
// A visible dialog with exactly this caption; null when there is none.
HWND FindDialog(std::string_view caption);

std::string ClassOf(HWND hwnd);
std::string TextOf(HWND hwnd);
// Every window inside `parent`, depth first, each before its own children, siblings in order.
std::vector<HWND> Descendants(HWND parent);
// A button inside `parent` labelled `label` (access-key marks may be left out).
HWND FindButton(HWND parent, std::string_view label);

Box ChildBox(HWND hwnd);   // in the parent's client coordinates
Box WindowBox(HWND hwnd);  // on the screen
Box ClientBox(HWND hwnd);
// The primary monitor's whole screen (its top-left corner is the origin).
Box PrimaryScreen();

bool IsListBox(HWND hwnd);
bool IsStatusBar(HWND hwnd);
bool IsIconStatic(HWND hwnd);
std::optional<int> ListCount(HWND listBox);
// The items of a list box or a combo box; nothing for other windows or when it does not answer.
std::optional<std::vector<std::string>> ListItems(HWND hwnd);
// The text of part 0 (in simple mode the simple text), read through the owner's memory.
std::optional<std::string> StatusText(HWND statusBar);

}  // namespace uidriver

// Tree views: items by their native handles, inserted with a text and a value of the caller's.
#pragma once

#include <windows.h>
// The common controls need the base declarations first.
#include <commctrl.h>

#include "toolkit/win32/native/Window.h"

namespace tk::win32::native {

class TreeView : public Window {
 public:
  using Window::Window;

  // Inserts under `parent` (TVI_ROOT at the top) after `after` (or TVI_FIRST, TVI_LAST).
  HTREEITEM Insert(HTREEITEM parent, HTREEITEM after, std::string_view text, LPARAM param) const;
  // Deletes the item with its children; TVI_ROOT deletes every item.
  void Delete(HTREEITEM item) const;

  // Null where there is none.
  HTREEITEM Root() const;
  HTREEITEM Next(HTREEITEM item) const;
  HTREEITEM FirstChild(HTREEITEM item) const;
  HTREEITEM Parent(HTREEITEM item) const;

  std::string Text(HTREEITEM item) const;
  void SetText(HTREEITEM item, std::string_view text) const;
  LPARAM Param(HTREEITEM item) const;
  // Sorts the children of `parent` (not deeper) by `compare`, which gets the items' values.
  void SortChildren(HTREEITEM parent, PFNTVCOMPARE compare) const;

  // Every item in pre-order, each with its depth below the top (0 for the top items).
  struct Line {
    int depth;
    std::string text;
    bool operator==(const Line&) const = default;
  };
  std::vector<Line> Lines() const;

 private:
  HTREEITEM Related(HTREEITEM item, UINT relation) const;
};

}  // namespace tk::win32::native

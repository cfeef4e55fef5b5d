#include "toolkit/win32/native/TreeView.h"

#include "toolkit/win32/native/TextBuffer.h"

namespace tk::win32::native {

HTREEITEM TreeView::Insert(HTREEITEM parent, HTREEITEM after, std::string_view text,
                           LPARAM param) const {
  std::wstring wide = plat::Widen(text);
  TVINSERTSTRUCTW insert{};
  insert.hParent = parent;
  insert.hInsertAfter = after;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM;
  insert.item.pszText = wide.data();
  insert.item.lParam = param;
  return reinterpret_cast<HTREEITEM>(Send(TVM_INSERTITEMW, 0, &insert));
}

void TreeView::Delete(HTREEITEM item) const {
  Send(TVM_DELETEITEM, 0, item);
}

HTREEITEM TreeView::Related(HTREEITEM item, UINT relation) const {
  return reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, relation, item));
}

HTREEITEM TreeView::Root() const {
  return Related(nullptr, TVGN_ROOT);
}

HTREEITEM TreeView::Next(HTREEITEM item) const {
  return Related(item, TVGN_NEXT);
}

HTREEITEM TreeView::FirstChild(HTREEITEM item) const {
  return Related(item, TVGN_CHILD);
}

HTREEITEM TreeView::Parent(HTREEITEM item) const {
  return Related(item, TVGN_PARENT);
}

std::string TreeView::Text(HTREEITEM item) const {
  TVITEMW tv{};
  tv.mask = TVIF_TEXT;
  tv.hItem = item;
  return detail::ReadItemText(*this, TVM_GETITEMW, 0, tv);
}

void TreeView::SetText(HTREEITEM item, std::string_view text) const {
  TVITEMW tv{};
  tv.mask = TVIF_TEXT;
  tv.hItem = item;
  detail::WriteItemText(*this, TVM_SETITEMW, 0, tv, text);
}

LPARAM TreeView::Param(HTREEITEM item) const {
  TVITEMW tv{};
  tv.mask = TVIF_PARAM;
  tv.hItem = item;
  Send(TVM_GETITEMW, 0, &tv);
  return tv.lParam;
}

void TreeView::SortChildren(HTREEITEM parent, PFNTVCOMPARE compare) const {
  TVSORTCB sort{};
  sort.hParent = parent;
  sort.lpfnCompare = compare;
  Send(TVM_SORTCHILDRENCB, 0, &sort);
}

std::vector<TreeView::Line> TreeView::Lines() const {
  std::vector<Line> lines;
  // The path from the top to the item at hand: a walk without recursion.
  std::vector<HTREEITEM> path;
  for (HTREEITEM item = Root(); item != nullptr;) {
    lines.push_back({static_cast<int>(path.size()), Text(item)});
    if (HTREEITEM child = FirstChild(item)) {
      path.push_back(item);
      item = child;
      continue;
    }
    item = Next(item);
    while (item == nullptr && !path.empty()) {
      item = Next(path.back());
      path.pop_back();
    }
  }
  return lines;
}

}  // namespace tk::win32::native

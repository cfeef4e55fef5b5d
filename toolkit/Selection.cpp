#include "toolkit/Selection.h"

#include <algorithm>

namespace tk {

std::int32_t SelectionAfter(std::int32_t selected, ListChange change, int index, bool putKeeps) {
  if (selected < 0) return selected;
  switch (change) {
    case ListChange::Put:
      return (index == selected && !putKeeps) ? -1 : selected;
    case ListChange::Insert:
      return index <= selected ? selected + 1 : selected;
    case ListChange::Delete:
      if (index == selected) return -1;
      return index < selected ? selected - 1 : selected;
    case ListChange::Reset:
      return -1;
  }
  return selected;
}

std::int32_t PageAfter(std::int32_t page, ListChange change, int index, int count) {
  if (change == ListChange::Insert) {
    page = (page < 0) ? 0 : (index <= page ? page + 1 : page);
  } else if (change == ListChange::Delete && index < page) {
    --page;
  }
  return count == 0 ? -1 : std::clamp(page, 0, count - 1);
}

}  // namespace tk

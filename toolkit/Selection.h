// Where the selected item of a list goes when the list changes, for the kinds of selection the
// native controls keep.
#pragma once

#include <cstdint>

#include "toolkit/ListChange.h"

namespace tk {

// A selection that may be empty (-1): list boxes keep it when the selected item is replaced
// (`putKeeps`), combo boxes lose it; deleting the selected item loses it.
std::int32_t SelectionAfter(std::int32_t selected, ListChange change, int index, bool putKeeps);

// The shown page or tab of `count` pages: the first page once there is one, the same page across
// inserts and renames, a neighbour when it is deleted; -1 only without pages.
std::int32_t PageAfter(std::int32_t page, ListChange change, int index, int count);

}  // namespace tk

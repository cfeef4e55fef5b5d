// Whether a translation file's entries keep those of a table: the same keys and texts in the same
// order, perhaps with other entries between (rows extract adds for what the table lacks).
#pragma once

#include <cstddef>

#include "tools/mltool/TranslationTable.h"

namespace fuzz {

inline bool KeepsEntries(const mltool::Entries& all, const mltool::Entries& part) {
  std::size_t next = 0;
  for (const mltool::Entry& e : all) {
    if (next < part.size() && e.key == part[next].key && e.texts == part[next].texts) ++next;
  }
  return next == part.size();
}

}  // namespace fuzz

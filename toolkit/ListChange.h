// How an ordered list changed: shared by string lists, collections and the peers that show them.
#pragma once

#include <cstdint>

namespace tk {

enum class ListChange : std::uint8_t {
  Put,     // the item at the index was replaced or edited
  Insert,  // a new item now stands at the index
  Delete,  // the item at the index is gone
  Reset,   // anything else (cleared, reordered, assigned); the index is -1
};

}  // namespace tk

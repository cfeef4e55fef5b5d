// The desktop's top-level windows, hidden ones included.
#pragma once

#include <string>
#include <vector>

namespace plat {

class WindowList {
 public:
  virtual ~WindowList() = default;
  // Each window's title in enumeration order, read into a 256-character buffer: at most 255
  // UTF-16 units, so a longer title is cut. A title that cannot be read is empty.
  virtual std::vector<std::string> Titles() = 0;
};

}  // namespace plat

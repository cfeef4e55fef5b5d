#include "platform/fake/Wildcard.h"

namespace plat {

namespace {

// Greedy matching with one backtrack point, linear in practice.
bool Glob(std::u32string_view mask, std::u32string_view name) {
  std::size_t m = 0, n = 0;
  std::size_t starMask = std::u32string_view::npos, starName = 0;
  while (n < name.size()) {
    if (m < mask.size() && (mask[m] == U'?' || mask[m] == name[n])) {
      ++m, ++n;
    } else if (m < mask.size() && mask[m] == U'*') {
      starMask = m++;
      starName = n;
    } else if (starMask != std::u32string_view::npos) {
      m = starMask + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == U'*') ++m;
  return m == mask.size();
}

}  // namespace

bool MatchesWildcard(std::u32string_view mask, std::u32string_view name) {
  if (Glob(mask, name)) return true;
  if (mask.size() >= 2 && mask.substr(mask.size() - 2) == U".*") {
    return Glob(mask.substr(0, mask.size() - 2), name);
  }
  return false;
}

}  // namespace plat

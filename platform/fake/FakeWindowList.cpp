#include "platform/fake/FakeWindowList.h"

#include "base/Utf8.h"

namespace plat {

std::vector<std::string> FakeWindowList::Titles() {
  constexpr std::size_t kTitleUnits = 255;
  std::vector<std::string> titles;
  titles.reserve(titles_.size());
  for (const std::string& title : titles_)
    titles.push_back(base::CutToUtf16Units(title, kTitleUnits));
  return titles;
}

}  // namespace plat

// Known folders that tests set; a folder never set has no path.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "platform/KnownFolders.h"

namespace plat {

class FakeKnownFolders : public KnownFolders {
 public:
  void Set(KnownFolder folder, std::string_view path) { paths_[folder] = path; }

  std::optional<std::string> Find(KnownFolder folder) override {
    const auto found = paths_.find(folder);
    if (found == paths_.end()) return std::nullopt;
    return found->second;
  }

 private:
  std::map<KnownFolder, std::string> paths_;
};

}  // namespace plat

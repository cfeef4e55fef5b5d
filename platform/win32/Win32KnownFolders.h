// Known folders through the shell's known-folder ids, the temp directory through GetTempPathW.
#pragma once

#include "platform/KnownFolders.h"

namespace plat {

class Win32KnownFolders : public KnownFolders {
 public:
  std::optional<std::string> Find(KnownFolder folder) override;
};

}  // namespace plat

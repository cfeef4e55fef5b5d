// INI files through GetPrivateProfileStringW, which also reads UTF-16 files with a byte-order mark.
#pragma once

#include "platform/IniFile.h"

namespace plat {

class Win32IniFiles : public IniFiles {
 public:
  std::unique_ptr<IniFile> Open(std::string_view path) override;
};

}  // namespace plat

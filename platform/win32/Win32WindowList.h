// Top-level windows through EnumWindows and GetWindowTextW.
#pragma once

#include "platform/WindowList.h"

namespace plat {

class Win32WindowList : public WindowList {
 public:
  std::vector<std::string> Titles() override;
};

}  // namespace plat

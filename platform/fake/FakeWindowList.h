// Top-level window titles set by the test. Titles are cut as the real reader cuts them.
#pragma once

#include <string>
#include <vector>

#include "platform/WindowList.h"

namespace plat {

class FakeWindowList : public WindowList {
 public:
  void SetTitles(std::vector<std::string> titles) { titles_ = std::move(titles); }

  std::vector<std::string> Titles() override;

 private:
  std::vector<std::string> titles_;
};

}  // namespace plat

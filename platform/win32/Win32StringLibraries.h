// String libraries through the system's resource functions. A library is mapped as a data file
// and image resource, never as a program: naming a library with code in it does not run it.
#pragma once

#include "platform/StringLibrary.h"

namespace plat {

class Win32StringLibraries : public StringLibraries {
 public:
  std::unique_ptr<StringLibrary> Load(std::string_view path) override;
};

}  // namespace plat

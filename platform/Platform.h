// The platform services the application takes, bundled so it can run on the real system or on
// the fakes.
#pragma once

#include "platform/Clock.h"
#include "platform/Environment.h"
#include "platform/FileSystem.h"
#include "platform/IniFile.h"
#include "platform/KnownFolders.h"
#include "platform/Registry.h"
#include "platform/WindowList.h"

namespace plat {

struct Platform {
  FileSystem& fs;
  Environment& env;
  IniFiles& ini;
  Registry& registry;
  WindowList& windows;
  KnownFolders& folders;
  Clock& clock;
};

}  // namespace plat

// Every fake platform service in one place, for tests that run the application off the system.
#pragma once

#include "platform/Platform.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeEnvironment.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/fake/FakeIniFiles.h"
#include "platform/fake/FakeKnownFolders.h"
#include "platform/fake/FakeRegistry.h"
#include "platform/fake/FakeWindowList.h"

namespace plat {

struct FakePlatform {
  FakeClock clock;  // before the file system, whose held entries go by it
  FakeFileSystem fs{clock};
  FakeEnvironment env;
  FakeIniFiles ini;
  FakeRegistry registry;
  FakeWindowList windows;
  FakeKnownFolders folders;

  Platform Get() { return With(fs); }
  // The fakes with another file system in front, such as one that records what is done to it.
  Platform With(FileSystem& front) {
    return Platform{front, env, ini, registry, windows, folders, clock};
  }
};

}  // namespace plat

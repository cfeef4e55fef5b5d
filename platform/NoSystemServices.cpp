// A build without a system implementation: no system services.
#include "platform/SystemServices.h"

namespace plat {

FileSystem* SystemFileSystem() {
  return nullptr;
}

StringLibraries* SystemStringLibraries() {
  return nullptr;
}

}  // namespace plat

// The real platform: the process-wide Win32 services.
#pragma once

#include "platform/Platform.h"

namespace plat {

Platform& Win32Platform();

}  // namespace plat

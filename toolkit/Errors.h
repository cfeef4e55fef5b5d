// The toolkit's own error kinds, beside the general ones of base/Errors.h.
#pragma once

#include "base/Errors.h"

namespace tk {

// Naming and ownership errors of components.
class EComponentError : public base::Exception {
 public:
  using Exception::Exception;
};

// A stored window description that cannot be read.
class EReadError : public base::Exception {
 public:
  using Exception::Exception;
};

}  // namespace tk

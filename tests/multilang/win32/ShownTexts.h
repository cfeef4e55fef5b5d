// Kind-case values read back from what the Win32 backend shows: the native control of a control,
// the native menu of a menu item. What the backend shows nowhere (hints, sort orders) and the
// kinds that stay models without a native control are read from the model.
#pragma once

#include <string>

#include "tests/multilang/KindCase.h"

namespace tk {
class TComponent;
}

namespace kindcases {

// Whether the Win32 backend shows a component of class `kind` natively.
bool ShownNatively(const std::string& kind);

// A value of the facet of `like`, as the component shows it. Raises an error for a component
// that should show natively and has no native window.
Value ReadShown(const tk::TComponent& component, const Value& like);

}  // namespace kindcases

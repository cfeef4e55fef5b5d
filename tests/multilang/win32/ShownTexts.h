// Kind-case values read back from what the Win32 backend shows: the native control of a control,
// the native menu of a menu item. What the backend shows nowhere (hints, sort orders) and the
// kinds that stay models without a native control are read from the model.
#pragma once

#include <string>

#include "tests/multilang/KindCase.h"

namespace tk {
struct ClassInfo;
class TComponent;
}  // namespace tk

namespace kindcases {

// Whether the Win32 backend shows a component of class `kind` natively.
bool ShownNatively(const tk::ClassInfo& kind);
bool ShownNatively(const std::string& kind);
// Whether the reader knows what the native controls of a row of the kind table show.
bool ReadsNatively(const tk::ClassInfo& row);

// A value of the facet of `like`, as the component shows it. Raises an error for a component
// that should show natively and has no native window.
Value ReadShown(const tk::TComponent& component, const Value& like);

}  // namespace kindcases

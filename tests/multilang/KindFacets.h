// The facets of the control kinds (KindCase.h), written into and read back from the toolkit's
// own controls: what kind cases, random windows and the switch fuzzer set up and check.
#pragma once

#include <string>

#include "tests/multilang/KindCase.h"

namespace tk {
class TComponent;
class TForm;
}  // namespace tk

namespace kindcases {

// A control of the class named `kind`, owned by `owner`; null for a class unknown by name.
tk::TComponent* CreateKind(const std::string& kind, tk::TComponent& owner);
// A control of the class named `kind` on `window`, as a window holds one: named as ControlName
// gives, on the window in bounds of its own; a menu item in a main menu of the window; a window
// beside `window`, which owns it. Null for a class unknown by name.
tk::TComponent* PlaceKind(const std::string& kind, tk::TForm& window);
// Shows the window, and the component when it is a window of its own.
void ShowWith(tk::TForm& window, tk::TComponent& component);
// Writes a set-up value into the control; reads a value of the same facet back. The facets are
// those of the kind table's row that the control goes by, and those of every control.
void Put(tk::TComponent& control, const Value& value);
Value Read(const tk::TComponent& control, const Value& like);

// A value as messages show it.
std::string Show(const Value& value);

}  // namespace kindcases

// Replays kind cases: the backend-independent steps of a case, and the controls' own state read
// back (what the headless backend shows). A backend's test builds and shows the control its own
// way and reads back what its controls show.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <ostream>
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

// Steps 3 and 4 of a case: puts the localization component on `window` and writes the case's
// block into `control`. Answers Index after the call.
std::int32_t ApplyCase(const KindCase& c, tk::TComponent& window, tk::TComponent& control);

using Reader = std::function<Value(const tk::TComponent& control, const Value& like)>;
// Expects Index and each of the case's read-back values, as `read` reads them.
void ExpectAfter(const KindCase& c, std::int32_t index, const tk::TComponent& control,
                 const Reader& read);

// A value as GoogleTest's messages show it.
std::string Show(const Value& value);
// Names the case in GoogleTest's messages.
void PrintTo(const KindCase& c, std::ostream* os);

}  // namespace kindcases

std::string KindCaseName(const ::testing::TestParamInfo<kindcases::KindCase>& info);

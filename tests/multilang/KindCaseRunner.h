// Replays kind cases on the headless backend: the controls' own state is what they show.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/multilang/KindCase.h"
#include "tests/support/HeadlessApp.h"

namespace tk {
class TComponent;
}

namespace kindcases {

// A control of the class named `kind`, owned by `owner`; null for a class unknown by name.
tk::TComponent* CreateKind(const std::string& kind, tk::TComponent& owner);
// Writes a set-up value into the control; reads a value of the same facet back.
void Put(tk::TComponent& control, const Value& value);
Value Read(const tk::TComponent& control, const Value& like);

// Names the case in GoogleTest's messages.
void PrintTo(const KindCase& c, std::ostream* os);

}  // namespace kindcases

class KindCaseTest : public HeadlessApp,
                     public ::testing::WithParamInterface<kindcases::KindCase> {};

std::string KindCaseName(const ::testing::TestParamInfo<kindcases::KindCase>& info);

// Replays kind cases: the backend-independent steps of a case, and the controls' own state read
// back (what the headless backend shows, KindFacets.h). A backend's test builds and shows the
// control its own way and reads back what its controls show.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

#include "tests/multilang/KindCase.h"
#include "tests/multilang/KindFacets.h"

namespace tk {
class TComponent;
}  // namespace tk

namespace kindcases {

// Steps 3 and 4 of a case: puts the localization component on `window` and writes the case's
// block into `control`. Answers Index after the call.
std::int32_t ApplyCase(const KindCase& c, tk::TComponent& window, tk::TComponent& control);

using Reader = std::function<Value(const tk::TComponent& control, const Value& like)>;
// Expects Index and each of the case's read-back values, as `read` reads them.
void ExpectAfter(const KindCase& c, std::int32_t index, const tk::TComponent& control,
                 const Reader& read);

// Names the case in GoogleTest's messages.
void PrintTo(const KindCase& c, std::ostream* os);

}  // namespace kindcases

std::string KindCaseName(const ::testing::TestParamInfo<kindcases::KindCase>& info);

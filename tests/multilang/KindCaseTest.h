// Kind cases on the headless backend, where a control's own state is what it shows.
#pragma once

#include <gtest/gtest.h>

#include "tests/multilang/KindCase.h"
#include "tests/multilang/KindCaseRunner.h"
#include "tests/support/HeadlessApp.h"

class KindCaseTest : public HeadlessApp,
                     public ::testing::WithParamInterface<kindcases::KindCase> {};

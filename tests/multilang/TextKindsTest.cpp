#include "tests/multilang/KindCaseTest.h"
#include "tests/multilang/TextKindCases.h"

INSTANTIATE_TEST_SUITE_P(TextKinds, KindCaseTest, ::testing::ValuesIn(kindcases::TextKindCases()),
                         KindCaseName);

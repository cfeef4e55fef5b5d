#include "tests/multilang/KindCaseRunner.h"
#include "tests/multilang/TextKindCases.h"

INSTANTIATE_TEST_SUITE_P(TextKinds, KindCaseTest, ::testing::ValuesIn(kindcases::TextKindCases()),
                         KindCaseName);

#include "tests/multilang/ItemKindCases.h"
#include "tests/multilang/KindCaseRunner.h"

INSTANTIATE_TEST_SUITE_P(ItemKinds, KindCaseTest, ::testing::ValuesIn(kindcases::ItemKindCases()),
                         KindCaseName);

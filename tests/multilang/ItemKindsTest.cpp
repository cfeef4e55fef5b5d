#include "tests/multilang/ItemKindCases.h"
#include "tests/multilang/KindCaseTest.h"

INSTANTIATE_TEST_SUITE_P(ItemKinds, KindCaseTest, ::testing::ValuesIn(kindcases::ItemKindCases()),
                         KindCaseName);

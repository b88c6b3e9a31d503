#include "app/window/viewer/ReadAhead.h"

#include <gtest/gtest.h>

using namespace vistello;

namespace {

struct OrderCase {
    const char* name;
    ReadAheadState state;
    std::vector<int> order;
};

class ReadAheadOrder : public testing::TestWithParam<OrderCase> {};

TEST_P(ReadAheadOrder, DecodesTheWantedPicturesFirst)
{
    EXPECT_EQ(readAheadOrder(GetParam().state), GetParam().order);
}

const OrderCase kOrderCases[] = {
    {"FirstPictureLooksForwards", {0, -1, 10, 4, {}}, {1, 9, 2}},
    {"StepRightNextThenBehind", {5, 4, 10, 4, {}}, {6, 4, 7}},
    {"StepLeftPreviousFirst", {4, 5, 10, 4, {}}, {3, 5, 2}},
    {"WrapForwardPastTheEnd", {0, 9, 10, 4, {}}, {1, 9, 2}},
    {"WrapBackwardPastTheStart", {9, 0, 10, 4, {}}, {8, 0, 7}},
    {"JumpForwardsKeepsTheDirection", {7, 2, 10, 4, {}}, {8, 6, 9}},
    {"JumpBackwards", {2, 7, 10, 4, {}}, {1, 3, 0}},
    {"JumpUpTheListLooksOnwards", {9, 1, 10, 4, {}}, {0, 8, 1}},
    {"CacheOfTwoReadsOnlyTheNext", {5, 4, 10, 2, {}}, {6}},
    {"CacheOfOneReadsNothing", {5, 4, 10, 1, {}}, {}},
    {"NoCacheReadsNothing", {5, 4, 10, 0, {}}, {}},
    {"TwoPicturesReadTheOther", {0, 1, 2, 4, {}}, {1}},
    {"ThreePicturesNoDuplicates", {1, 0, 3, 8, {}}, {2, 0}},
    {"SinglePictureNothing", {0, -1, 1, 4, {}}, {}},
    {"EmptyListNothing", {-1, -1, 0, 4, {}}, {}},
    {"AutoShowRandomNextFirst", {5, 4, 10, 4, 2}, {2, 6, 4}},
    {"AutoShowNextEqualsNeighbourOnce", {5, 4, 10, 4, 6}, {6, 4, 7}},
    {"AutoShowNextOutOfRangeIgnored", {5, 4, 10, 4, 12}, {6, 4, 7}},
};

INSTANTIATE_TEST_SUITE_P(Table, ReadAheadOrder, testing::ValuesIn(kOrderCases),
                         [](const testing::TestParamInfo<OrderCase>& info) { return info.param.name; });

TEST(ReadAheadDirection, UnknownOrSameIsForwards)
{
    EXPECT_EQ(travelDirection(3, -1, 10), 1);
    EXPECT_EQ(travelDirection(3, 3, 10), 1);
    EXPECT_EQ(travelDirection(3, 42, 10), 1);
}

} // namespace

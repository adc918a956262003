#include "terraloom/core/view_navigation.h"

#include <gtest/gtest.h>

namespace terraloom {
namespace {

TEST(ViewNavigation, ScrollRulesAtTheEdges)
{
    EXPECT_EQ(scrollForward(85, 5), 90);
    EXPECT_EQ(scrollForward(90, 5), 91);
    EXPECT_EQ(scrollForward(91, 10), 91);
    EXPECT_EQ(scrollBackward(5, 5), 1);
    EXPECT_EQ(scrollBackward(6, 5), 1);
    EXPECT_EQ(scrollBackward(7, 5), 2);
}

TEST(ViewNavigation, CellsOfTheView)
{
    EXPECT_EQ((ViewPosition{1, 1}.cellOf(12)), (MapCell{2, 2}));
    EXPECT_EQ((ViewPosition{11, 21}.cellOf(100)), (MapCell{20, 30}));
    EXPECT_EQ((ViewPosition{91, 91}.cellOf(1)), (MapCell{91, 91}));

    const ViewPosition view{11, 21};
    for (int k = 1; k <= 100; ++k)
        EXPECT_EQ(view.viewCellOf(view.cellOf(k)), k);
    EXPECT_EQ(view.viewCellOf({10, 25}), 0);  // left of the view
    EXPECT_EQ(view.viewCellOf({21, 25}), 0);  // right of it
    EXPECT_EQ(view.viewCellOf({15, 20}), 0);  // above it
    EXPECT_EQ(view.viewCellOf({15, 31}), 0);  // below it
}

TEST(ViewNavigation, OverviewClick)
{
    EXPECT_EQ(viewFromOverviewClick(0, 0, 3000, 3000), (ViewPosition{1, 1}));
    EXPECT_EQ(viewFromOverviewClick(2999, 2999, 3000, 3000), (ViewPosition{91, 91}));
    EXPECT_EQ(viewFromOverviewClick(49 * 30, 59 * 30, 3000, 3000), (ViewPosition{45, 55}));
    EXPECT_EQ(viewFromOverviewClick(-100, 99999, 3000, 3000), (ViewPosition{1, 91}));
    EXPECT_EQ(positionText({45, 55}), " 45 : 55");
}

}  // namespace
}  // namespace terraloom

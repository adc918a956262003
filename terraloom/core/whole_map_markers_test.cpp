#include "terraloom/core/whole_map_markers.h"

#include <gtest/gtest.h>

#include <random>

namespace terraloom {
namespace {

TEST(ScriptMarkers, MarksPlayerRowsAtTheirPointOrAtTheMapsEdge)
{
    ScriptMarkers markers;
    markers.setRows({
        "set player 3 1 130 250 2",
        "set sound 4 1 50 50 1",         // not a player: no marker
        "set player 3",                  // cannot be taken apart
        "def player 12 1 -30 5000 4",    // beyond the map: on its edge
        "set player 1234567 1 130.7 1999 0",  // a long number is cut
        "set player 5 1 1e300 -1e300 1",
    });
    EXPECT_EQ(markers.markers(), (std::vector<ScriptMarker>{
                                     {0, 130, 250, "3"},
                                     {3, 0, 1999, "12"},
                                     {4, 130, 1999, "123456"},
                                     {5, 1999, 0, "5"},
                                 }));
    EXPECT_EQ(markers.markerOfRow(3), 1);
    EXPECT_EQ(markers.markerOfRow(1), -1);
    EXPECT_EQ(markers.markerOfRow(6), -1);
}

// Edits row by row give the markers that reading all rows afresh gives.
TEST(ScriptMarkers, FollowsEveryEditOfTheRows)
{
    const std::vector<std::string> texts = {"set player 1 1 10 10 1", "set player 2 1 30 50 2", "def player 3 1 90 70 3",
                                            "set rock 1 1 5 5 1", "broken"};
    std::mt19937 random(11);
    ScriptMarkers markers;
    formats::ScriptRows rows;
    for (int turn = 0; turn < 2000; ++turn) {
        const std::string& text = texts[random() % texts.size()];
        const int row = rows.empty() ? 0 : static_cast<int>(random() % rows.size());
        switch (random() % 3) {
        case 0:
            markers.rowAdded(text);
            rows.push_back(text);
            break;
        case 1:
            markers.rowChanged(row, text);
            if (!rows.empty())
                rows[static_cast<std::size_t>(row)] = text;
            break;
        default:
            markers.rowRemoved(row);
            if (!rows.empty())
                rows.erase(rows.begin() + row);
        }
        ScriptMarkers fresh;
        fresh.setRows(rows);
        ASSERT_EQ(markers.markers(), fresh.markers()) << turn;
    }
    markers.rowRemoved(-1);  // rows that are not there change nothing
    markers.rowChanged(static_cast<int>(rows.size()), texts[0]);
    ScriptMarkers fresh;
    fresh.setRows(rows);
    EXPECT_EQ(markers.markers(), fresh.markers());
}

}  // namespace
}  // namespace terraloom

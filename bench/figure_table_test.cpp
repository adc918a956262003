#include "bench/figure_table.h"

#include <gtest/gtest.h>

namespace bench {
namespace {

Figure redraw()
{
    return {"view redraw", "redraw", "from disk", "redraw_disk", "ms", {0.2, 0.05}, ""};
}

Medians timings(double measured, double baseline)
{
    Medians medians;
    medians.milliseconds["redraw"] = measured;
    medians.milliseconds["redraw_disk"] = baseline;
    return medians;
}

TEST(FigureTable, BothBoundsOfATargetMustHold)
{
    const Figure figure = redraw();
    const FigureRow met = evaluate(figure, timings(0.1, 4.0));
    EXPECT_EQ(met.verdict, Verdict::Met);
    EXPECT_DOUBLE_EQ(*met.ratio, 0.025);

    EXPECT_EQ(evaluate(figure, timings(0.3, 100.0)).verdict, Verdict::Missed);  // too slow
    EXPECT_EQ(evaluate(figure, timings(0.1, 1.0)).verdict, Verdict::Missed);    // only 10 times faster
    EXPECT_EQ(evaluate(figure, timings(0.2, 4.0)).verdict, Verdict::Met);       // bounds included
}

TEST(FigureTable, AFigureWithoutItsMeasurementsIsNotJudged)
{
    const Figure figure = redraw();
    Medians onlyMeasured;
    onlyMeasured.milliseconds["redraw"] = 0.1;
    EXPECT_EQ(evaluate(figure, onlyMeasured).verdict, Verdict::NotMeasured);
    EXPECT_EQ(evaluate(figure, Medians{}).verdict, Verdict::NotMeasured);

    Figure untargeted = figure;
    untargeted.target = {};
    EXPECT_EQ(evaluate(untargeted, timings(5, 1)).verdict, Verdict::NoTarget);
}

TEST(FigureTable, CounterFiguresCompareTheCountersMedians)
{
    const Figure memory{"peak memory", "start_editor", "bare window", "start_bare", "MB", {{}, 1.3}, "peak_rss_mb"};
    Medians medians = timings(0, 0);
    medians.milliseconds["start_editor"] = 90;
    medians.milliseconds["start_bare"] = 60;
    medians.counters["start_editor"]["peak_rss_mb"] = 39;
    medians.counters["start_bare"]["peak_rss_mb"] = 30;
    const FigureRow row = evaluate(memory, medians);
    EXPECT_DOUBLE_EQ(*row.value, 39);
    EXPECT_DOUBLE_EQ(*row.ratio, 1.3);
    EXPECT_EQ(row.verdict, Verdict::Met);
}

TEST(FigureTable, TableShowsEveryFigureWithItsBaselineRatioAndVerdict)
{
    Figure save{"map save", "save", "plain write", "save_plain", "ms", {}, ""};
    Medians medians = timings(0.3, 6.0);
    medians.milliseconds["save"] = 1.5;
    medians.milliseconds["save_plain"] = 0.05;
    const std::string table = formatTable("Editors on sample data", {redraw(), save}, medians);
    EXPECT_EQ(table,
              "Editors on sample data\n"
              "figure       median    baseline     median     ratio     target                    met\n"
              "view redraw  0.300 ms  from disk    6.000 ms   0.0500 x  <= 0.200 ms, <= 0.0500 x  NO\n"
              "map save     1.500 ms  plain write  0.0500 ms  30.0 x    -                         -\n");
}

}  // namespace
}  // namespace bench

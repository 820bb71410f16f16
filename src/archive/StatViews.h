#pragma once
// What the statistics window draws: the six distributions and the delays,
// each as a bar chart with its axes and a label per bar, and the counts it
// is drawn from, recomputed over the archive on demand.

#include "Ritardi.h"
#include "Statistics.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace dvx {

class Platform;

// The six statistics in option order, then the delays.
inline constexpr int kStatViews = 7;
inline constexpr int kRitardiView = 6;
inline constexpr std::array<std::string_view, kStatViews> kStatViewCaptions = {
    kStatisticOptionCaptions[0], kStatisticOptionCaptions[1], kStatisticOptionCaptions[2],
    kStatisticOptionCaptions[3], kStatisticOptionCaptions[4], kStatisticOptionCaptions[5],
    kRitardiOptionCaption};

// The figures the statistics window shows, shared by every window that
// recomputes them (the window itself, the archive window after an update).
struct StatisticsFigures {
    StatTables tables;
    Ritardi ritardi;
    int draws = 0; // records that hold a draw
};

// refreshStat's work: the tables, the statistics file at csvPath (its
// messages through platform) and the delays.
StatisticsFigures recomputeStatistics(const Archivio& archivio, const std::string& csvPath,
                                      Platform& platform);

struct ChartSeries {
    std::string name;
    std::vector<std::int32_t> values; // one per category
};

struct ChartView {
    std::string title; // the statistic's name
    std::string axisX;
    std::string axisY;
    std::vector<std::string> categories; // the bar keys, left to right
    std::vector<ChartSeries> series;
    std::vector<std::string> barLabels; // one per category: key, arrow and value(s)
};

// view 0..kStatViews-1.
ChartView statView(const StatisticsFigures& figures, int view);

// The value axis of a chart whose tallest bar is highest: whole-number ticks
// of 1, 2 or 5 times a power of ten, at most ten of them, and a top above
// the tallest bar, with room for its value.
struct AxisScale {
    std::int32_t top;
    std::int32_t step;
    friend bool operator==(const AxisScale&, const AxisScale&) = default;
};
AxisScale axisScale(std::int32_t highest);

} // namespace dvx

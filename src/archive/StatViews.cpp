#include "StatViews.h"

#include "Format.h"

#include <algorithm>
#include <cassert>

namespace dvx {

namespace {

struct Axes {
    std::string_view x;
    std::string_view y;
};

constexpr std::array<Axes, kStatViews> kAxes = {{
    {"Lunghezza della sequenza più lunga di numeri consecutivi", "Estrazioni"},
    {"Numeri ripetuti dall'estrazione precedente", "Estrazioni"},
    {"Numeri pari estratti", "Estrazioni"},
    {"Numeri dispari estratti", "Estrazioni"},
    {"Somma dei numeri estratti", "Estrazioni"},
    {"Numero", "Uscite"},
    {"Numero", "Estrazioni senza uscita"},
}};

} // namespace

StatisticsFigures recomputeStatistics(const Archivio& archivio, const std::string& csvPath,
                                      Platform& platform) {
    StatisticsFigures figures;
    figures.tables = Statistiche(archivio, csvPath, platform);
    figures.ritardi = ritardiOf(archivio);
    figures.draws = figures.ritardi.draws;
    return figures;
}

AxisScale axisScale(std::int32_t highest) {
    // A tenth more than the tallest bar, at least one more.
    const std::int64_t wanted = std::max<std::int64_t>(highest + 1, highest + highest / 10);
    std::int64_t step = 1;
    for (std::int64_t power = 1;; power *= 10) {
        for (const std::int64_t factor : {1, 2, 5}) {
            step = factor * power;
            if ((wanted + step - 1) / step <= 10) {
                const auto ticks = (wanted + step - 1) / step;
                return {static_cast<std::int32_t>(ticks * step), static_cast<std::int32_t>(step)};
            }
        }
    }
}

ChartView statView(const StatisticsFigures& figures, int view) {
    assert(view >= 0 && view < kStatViews);
    ChartView chart;
    chart.axisX = kAxes[static_cast<std::size_t>(view)].x;
    chart.axisY = kAxes[static_cast<std::size_t>(view)].y;
    if (view == kRitardiView) {
        chart.title = kRitardiName;
        ChartSeries current{std::string(kCurrentDelayName), {}};
        ChartSeries longest{std::string(kLongestDelayName), {}};
        for (int n = 1; n <= kNumbers; ++n) {
            chart.categories.push_back(formatPicture(n, "00"));
            current.values.push_back(figures.ritardi.current[static_cast<std::size_t>(n)]);
            longest.values.push_back(figures.ritardi.longest[static_cast<std::size_t>(n)]);
        }
        chart.series = {std::move(current), std::move(longest)};
        chart.barLabels = ritardiLabels(figures.ritardi);
        return chart;
    }
    auto one = chartOf(figures.tables, static_cast<Statistic>(view));
    chart.title = one.name;
    chart.categories = std::move(one.keys);
    chart.series = {ChartSeries{one.name, std::move(one.values)}};
    chart.barLabels = std::move(one.labels);
    return chart;
}

} // namespace dvx

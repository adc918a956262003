#include "bench/figure_table.h"

#include <algorithm>
#include <cstdio>

namespace bench {
namespace {

std::string number(double value)
{
    char text[32];
    if (value >= 100)
        std::snprintf(text, sizeof text, "%.0f", value);
    else if (value >= 10)
        std::snprintf(text, sizeof text, "%.1f", value);
    else if (value >= 0.1)
        std::snprintf(text, sizeof text, "%.3f", value);
    else
        std::snprintf(text, sizeof text, "%.4f", value);
    return text;
}

std::string withUnit(const std::optional<double>& value, const std::string& unit)
{
    return value ? number(*value) + " " + unit : "-";
}

std::string ratioText(const std::optional<double>& ratio)
{
    return ratio ? number(*ratio) + " x" : "-";
}

std::string verdictText(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Met: return "yes";
    case Verdict::Missed: return "NO";
    case Verdict::NoTarget: return "-";
    case Verdict::NotMeasured: return "not run";
    }
    return "";
}

using Row = std::vector<std::string>;

std::string layOut(const std::vector<Row>& rows)
{
    std::vector<std::size_t> widths;
    for (const Row& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], row[i].size());
    }
    std::string text;
    for (const Row& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            line += row[i];
            if (i + 1 < row.size())
                line += std::string(widths[i] - row[i].size() + 2, ' ');
        }
        text += line + "\n";
    }
    return text;
}

}  // namespace

std::optional<double> Medians::valueOf(const std::string& benchmark, const std::string& counter) const
{
    if (counter.empty()) {
        const auto found = milliseconds.find(benchmark);
        return found == milliseconds.end() ? std::nullopt : std::optional<double>(found->second);
    }
    const auto named = counters.find(benchmark);
    if (named == counters.end())
        return std::nullopt;
    const auto found = named->second.find(counter);
    return found == named->second.end() ? std::nullopt : std::optional<double>(found->second);
}

FigureRow evaluate(const Figure& figure, const Medians& medians)
{
    FigureRow row;
    row.figure = &figure;
    row.value = medians.valueOf(figure.measured, figure.counter);
    if (!figure.baseline.empty())
        row.baseline = medians.valueOf(figure.baseline, figure.counter);
    if (row.value && row.baseline && *row.baseline > 0)
        row.ratio = *row.value / *row.baseline;
    const Target& target = figure.target;
    // A ratio target cannot be judged without its baseline.
    if (!row.value || (target.maxRatio && !row.ratio)) {
        row.verdict = Verdict::NotMeasured;
        return row;
    }
    if (!target.maxValue && !target.maxRatio) {
        row.verdict = Verdict::NoTarget;
        return row;
    }
    bool met = !target.maxValue || *row.value <= *target.maxValue;
    if (target.maxRatio)
        met = met && *row.ratio <= *target.maxRatio;
    row.verdict = met ? Verdict::Met : Verdict::Missed;
    return row;
}

std::string targetText(const Figure& figure)
{
    std::string text;
    if (figure.target.maxValue)
        text = "<= " + number(*figure.target.maxValue) + " " + figure.unit;
    if (figure.target.maxRatio)
        text += (text.empty() ? "" : ", ") + std::string("<= ") + number(*figure.target.maxRatio) + " x";
    return text.empty() ? "-" : text;
}

std::string formatTable(const std::string& title, const std::vector<Figure>& figures, const Medians& medians)
{
    std::vector<Row> rows{{"figure", "median", "baseline", "median", "ratio", "target", "met"}};
    for (const Figure& figure : figures) {
        const FigureRow row = evaluate(figure, medians);
        rows.push_back({figure.label, withUnit(row.value, figure.unit),
                        figure.baselineLabel.empty() ? "-" : figure.baselineLabel,
                        withUnit(row.baseline, figure.unit), ratioText(row.ratio), targetText(figure),
                        verdictText(row.verdict)});
    }
    return title + "\n" + layOut(rows);
}

}  // namespace bench

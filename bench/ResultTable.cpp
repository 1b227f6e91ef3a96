#include "ResultTable.h"

#include <algorithm>
#include <cstdio>

namespace {
const char* const kHeadings[6] = {"figure", "subject", "baseline", "ratio", "spread (min-max)", "goal"};
}

void CResultTable::AddSection(const std::string& title)
{
    Row row;
    row.section = true;
    row.cells[0] = title;
    m_rows.push_back(row);
}

void CResultTable::AddRatio(const std::string& figure, const std::string& subject, const std::string& baseline,
                            const CRatioStats& stats, double goal)
{
    Row row;
    row.cells[0] = figure;
    row.cells[1] = subject;
    row.cells[2] = baseline;
    row.cells[3] = Format("%.2fx", stats.MedianRatio());
    row.cells[4] = Format("%.2f", stats.MinRatio()) + Format("-%.2f", stats.MaxRatio());
    if (goal > 0)
        row.cells[5] = Format("<= %.1fx ", goal) + (stats.MedianRatio() <= goal ? "met" : "MISSED");
    m_rows.push_back(row);
}

void CResultTable::AddValue(const std::string& figure, const std::string& value)
{
    Row row;
    row.cells[0] = figure;
    row.cells[1] = value;
    m_rows.push_back(row);
}

void CResultTable::Print() const
{
    std::size_t widths[6];
    for (int i = 0; i < 6; ++i)
        widths[i] = std::char_traits<char>::length(kHeadings[i]);
    for (const Row& row : m_rows) {
        if (row.section)
            continue;
        for (int i = 0; i < 6; ++i)
            widths[i] = std::max(widths[i], row.cells[i].size());
    }
    auto printLine = [&](const std::string* cells) {
        for (int i = 0; i < 6; ++i)
            std::printf(i == 0 ? "%-*s" : "  %-*s", static_cast<int>(widths[i]), cells[i].c_str());
        std::printf("\n");
    };
    const std::string headings[6] = {kHeadings[0], kHeadings[1], kHeadings[2],
                                     kHeadings[3], kHeadings[4], kHeadings[5]};
    printLine(headings);
    for (const Row& row : m_rows) {
        if (row.section)
            std::printf("\n%s\n", row.cells[0].c_str());
        else
            printLine(row.cells);
    }
    std::fflush(stdout);
}

std::string CResultTable::Duration(double seconds)
{
    if (seconds < 1e-6)
        return Format("%.2f ns", seconds * 1e9);
    if (seconds < 1e-3)
        return Format("%.2f us", seconds * 1e6);
    if (seconds < 1.0)
        return Format("%.2f ms", seconds * 1e3);
    return Format("%.2f s", seconds);
}

std::string CResultTable::Format(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

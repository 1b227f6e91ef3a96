// The printed table: one row per figure, grouped in sections; the subject and baseline as
// measured, the median ratio of the rounds, its spread and the goal where there is one.
#pragma once

#include "RatioStats.h"

#include <string>
#include <vector>

class CResultTable {
public:
    void AddSection(const std::string& title);
    // subject and baseline are already formatted with their units; goal 0: none.
    void AddRatio(const std::string& figure, const std::string& subject, const std::string& baseline,
                  const CRatioStats& stats, double goal = 0);
    // A figure with no baseline of its own (a rate, a count).
    void AddValue(const std::string& figure, const std::string& value);
    void Print() const;

    // "0.12 ns", "1.23 us", "4.56 ms": a duration in seconds at a readable scale.
    static std::string Duration(double seconds);
    static std::string Format(const char* format, double value);

private:
    struct Row {
        bool section = false;
        std::string cells[6];  // figure, subject, baseline, ratio, spread, goal
    };
    std::vector<Row> m_rows;
};

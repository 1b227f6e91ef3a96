// Paired samples of a baseline and a subject, taken in alternating rounds: the ratio of each
// round, then its median and spread. Load that changes during a run hits both sides of a
// round alike, so the ratio holds where absolute times do not.
#pragma once

#include <vector>

class CRatioStats {
public:
    void Add(double baseline, double subject);

    int Count() const { return static_cast<int>(m_ratios.size()); }
    double MedianRatio() const { return Median(m_ratios); }
    double MinRatio() const;
    double MaxRatio() const;
    double MedianBaseline() const { return Median(m_baselines); }
    double MedianSubject() const { return Median(m_subjects); }

    static double Median(std::vector<double> values);

private:
    std::vector<double> m_baselines;
    std::vector<double> m_subjects;
    std::vector<double> m_ratios;
};

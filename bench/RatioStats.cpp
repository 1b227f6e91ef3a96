#include "RatioStats.h"

#include <algorithm>

void CRatioStats::Add(double baseline, double subject)
{
    m_baselines.push_back(baseline);
    m_subjects.push_back(subject);
    m_ratios.push_back(baseline > 0 ? subject / baseline : 0.0);
}

double CRatioStats::MinRatio() const
{
    return m_ratios.empty() ? 0.0 : *std::min_element(m_ratios.begin(), m_ratios.end());
}

double CRatioStats::MaxRatio() const
{
    return m_ratios.empty() ? 0.0 : *std::max_element(m_ratios.begin(), m_ratios.end());
}

double CRatioStats::Median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

#include "foundation/WTKCleanUp.h"

#include <array>
#include <cstddef>

namespace {

using StepTable = std::array<WTKCleanUpStep, static_cast<std::size_t>(WTKCleanUpStage::Count)>;

StepTable& Steps()
{
    static StepTable steps {};
    return steps;
}

}  // namespace

void WTKRegisterCleanUp(WTKCleanUpStage stage, WTKCleanUpStep step)
{
    const auto index = static_cast<std::size_t>(stage);
    if (index < Steps().size())
        Steps()[index] = step;
}

void WTKCleanUp()
{
    for (WTKCleanUpStep step : Steps()) {
        if (step)
            step();
    }
}

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

void RunStep(WTKCleanUpStage stage)
{
    if (WTKCleanUpStep step = Steps()[static_cast<std::size_t>(stage)])
        step();
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
    CWTKCommandBarsCleanUpSteps& commandBars = CWTKCommandBarsCleanUpSteps::Get();
    RunStep(WTKCleanUpStage::GlobalData);
    commandBars.CleanUpToolbarSnapshots();
    commandBars.CleanUpToolbarImages();
    RunStep(WTKCleanUpStage::MenuGlyphs);
    commandBars.CleanUpCommandManager();
    RunStep(WTKCleanUpStage::KeyboardManager);
    RunStep(WTKCleanUpStage::VisualManager);
}

#include "foundation/WTKThemeSource.h"

namespace {

WTKThemeSource& Current()
{
    static WTKThemeSource source;
    return source;
}

}  // namespace

WTKThemeSource WTKSetThemeSource(const WTKThemeSource& source)
{
    const WTKThemeSource previous = Current();
    Current() = source;
    return previous;
}

const WTKThemeSource& WTKGetThemeSource()
{
    return Current();
}

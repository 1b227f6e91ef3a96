#include "ViewerCommandLine.h"

#include "ViewerConstants.h"

#include <climits>

int ParseTopicNumber(LPCSTR lpszText)
{
    if (lpszText == nullptr)
        return 0;
    const char* p = lpszText;
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\v' || *p == '\f')
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    // Accumulated as a magnitude that stops growing past the int range, so that any number
    // of digits is read without overflow.
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long magnitude = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        magnitude = magnitude * 10 + (*p - '0');
        if (magnitude > limit)
            magnitude = limit;
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

ViewerCommandLine ParseViewerCommandLine(LPCSTR lpszRawCommandLine)
{
    ViewerCommandLine result;
    CString line(lpszRawCommandLine ? lpszRawCommandLine : "");
    line.TrimLeft();
    line.TrimRight();
    line.MakeLower();
    const int switchAt = line.Find(Lumidoc::kDocSwitch);
    if (switchAt < 0)
        return result;
    result.hasSwitch = true;
    const CString remainder = line.Mid(switchAt + static_cast<int>(sizeof Lumidoc::kDocSwitch) - 1);
    const int colon = remainder.Find(Lumidoc::kTopicSeparator);
    if (colon < 0) {
        result.fileName = remainder + Lumidoc::kModuleExtension;
        return result;
    }
    result.fileName = remainder.Left(colon) + Lumidoc::kModuleExtension;
    result.startTopic = ParseTopicNumber(remainder.Mid(colon + 1));
    return result;
}

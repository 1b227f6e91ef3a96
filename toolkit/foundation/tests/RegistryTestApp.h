// The application object of the registry and workspace tests, and the sandbox key under
// HKCU\Software that holds everything they write (the tests run in a private Wine prefix and
// delete the sandbox before and after each test).
#pragma once
#include "core/Point.h"
#include "core/Rect.h"
#include "win/WinApp.h"
#include <ostream>

constexpr char kTestAppName[] = "WTKRegistryTests";
constexpr char kSandboxCompany[] = "WTKRegistryTestSandbox";
constexpr char kSandboxKey[] = "Software\\WTKRegistryTestSandbox";
// The application's key below HKCU: "SOFTWARE\<company>\<application>\".
constexpr char kSandboxAppPath[] = "SOFTWARE\\WTKRegistryTestSandbox\\WTKRegistryTests\\";

extern CWinApp theApp;

// Removes the sandbox key with everything below it.
void DeleteSandbox();
// TRUE when the key below HKCU opens.
bool KeyExists(const char* pszPath);

// Rectangles and points in failure messages.
inline void PrintTo(const CRect& rect, std::ostream* os)
{
    *os << "(" << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom << ")";
}
inline void PrintTo(const CPoint& point, std::ostream* os)
{
    *os << "(" << point.x << "," << point.y << ")";
}

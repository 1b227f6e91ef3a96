// The application object of the registry and workspace tests, and the sandbox key under
// HKCU\Software that holds everything they write (the tests run in a private Wine prefix and
// delete the sandbox before and after each test).
#pragma once
#include "win/WinApp.h"

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

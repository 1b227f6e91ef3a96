// The application object of the keyboard and mouse manager tests and the sandbox key under
// HKCU\Software that holds what they write (deleted before and after each test).
#pragma once
#include "win/WinApp.h"

#include <string>

constexpr char kManagersAppName[] = "WTKManagersTests";
constexpr char kManagersCompany[] = "WTKManagersTestSandbox";
constexpr char kManagersSandboxKey[] = "Software\\WTKManagersTestSandbox";
// The application's key below HKCU: "SOFTWARE\<company>\<application>\".
constexpr char kManagersAppPath[] = "SOFTWARE\\WTKManagersTestSandbox\\WTKManagersTests\\";

// Resources of ManagersTests.rc.
constexpr UINT IDR_TEST_FRAME_ACCEL = 200;
constexpr UINT IDR_TEST_DOC_ACCEL = 300;
constexpr UINT ID_TEST_RESOURCE_CMD = 2001;
constexpr UINT ID_TEST_DOC_CMD = 3001;

extern CWinApp theApp;

void DeleteManagersSandbox();
// The raw bytes of a value below HKCU (empty when missing) and writing one.
std::string ReadRawValue(const std::string& key, const char* pszValue, DWORD* pdwType = nullptr);
void WriteRawValue(const std::string& key, const char* pszValue, DWORD dwType, const std::string& bytes);

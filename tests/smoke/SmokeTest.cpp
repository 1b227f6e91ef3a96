// Proves the runner: real windows, registered messages and the registry under Wine.
#include <windows.h>
#include <gtest/gtest.h>

namespace {

LRESULT CALLBACK PlainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

TEST(Smoke, CreatesAndDestroysAWindow)
{
    WNDCLASSA wc {};
    wc.lpfnWndProc = PlainProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "SmokeWindow";
    ASSERT_NE(RegisterClassA(&wc), 0);

    HWND hwnd = CreateWindowA("SmokeWindow", "Smoke", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr, nullptr,
                              wc.hInstance, nullptr);
    ASSERT_NE(hwnd, nullptr);
    char text[32] {};
    GetWindowTextA(hwnd, text, sizeof text);
    EXPECT_STREQ(text, "Smoke");
    EXPECT_TRUE(DestroyWindow(hwnd));
    EXPECT_FALSE(IsWindow(hwnd));
    UnregisterClassA("SmokeWindow", wc.hInstance);
}

TEST(Smoke, RegistersAWindowMessageByName)
{
    UINT first = RegisterWindowMessageA("SMOKE_TEST_MESSAGE");
    EXPECT_GE(first, 0xC000u);
    EXPECT_EQ(first, RegisterWindowMessageA("SMOKE_TEST_MESSAGE"));
}

TEST(Smoke, WritesReadsAndDeletesARegistryValue)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\GlyphoraSmoke", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    DWORD written = 1234;
    ASSERT_EQ(RegSetValueExA(key, "Value", 0, REG_DWORD, reinterpret_cast<BYTE*>(&written), sizeof written),
              ERROR_SUCCESS);
    DWORD read = 0, size = sizeof read, type = 0;
    ASSERT_EQ(RegQueryValueExA(key, "Value", nullptr, &type, reinterpret_cast<BYTE*>(&read), &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(read, written);
    EXPECT_EQ(RegDeleteValueA(key, "Value"), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\GlyphoraSmoke"), ERROR_SUCCESS);
}

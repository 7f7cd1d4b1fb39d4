#include "win32/app/text_conversion.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

class UnicodeWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"NovedaTestWindow";
        RegisterClassExW(&wc);
        m_window = CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                   nullptr, wc.hInstance, nullptr);
        ASSERT_NE(m_window, nullptr);
    }
    void TearDown() override
    {
        if (m_window) {
            EXPECT_TRUE(DestroyWindow(m_window));
        }
        UnregisterClassW(L"NovedaTestWindow", GetModuleHandleW(nullptr));
    }
    HWND m_window = nullptr;
};

TEST_F(UnicodeWindow, KeepsACyrillicCaptionThatStartedAsCp1251Bytes)
{
    // "Привет, Мир" in cp1251.
    const std::string cp1251 = "\xCF\xF0\xE8\xE2\xE5\xF2, \xCC\xE8\xF0";
    const std::wstring caption = FromCp1251(cp1251);
    ASSERT_EQ(caption, L"\u041F\u0440\u0438\u0432\u0435\u0442, \u041C\u0438\u0440");
    EXPECT_EQ(ToCp1251(caption), cp1251);

    ASSERT_TRUE(SetWindowTextW(m_window, caption.c_str()));
    wchar_t buffer[64] = {};
    const int length = GetWindowTextW(m_window, buffer, 64);
    EXPECT_EQ(std::wstring(buffer, static_cast<std::size_t>(length)), caption);
    EXPECT_TRUE(IsWindowUnicode(m_window));
}

} // namespace

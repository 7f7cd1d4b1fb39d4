#pragma once

#include <windows.h>

#include <string>

inline constexpr wchar_t kOnlineHelpAddress[] = L"https://www.noveda.org/help/";

enum class HelpPage { Contents, Search };

// Shows a page of the program's help file through HTML Help, loaded when
// first needed; on failure the "Error opening help file" window.
void ShowHelp(HWND owner, const std::wstring& helpFile, HelpPage page);
// One topic of the help file ("pref01.htm"), or the same error window.
void ShowHelpTopic(HWND owner, const std::wstring& helpFile, const std::wstring& topic);
// The online help in the web browser.
void ShowOnlineHelp(HWND owner);

// HTML Help's entry point (HtmlHelpW of hhctrl.ocx, loaded when first
// needed); the tests put a recorder in its place.
using HtmlHelpFunction = HWND(WINAPI*)(HWND owner, LPCWSTR file, UINT command, DWORD_PTR data);
void UseHtmlHelp(HtmlHelpFunction function);

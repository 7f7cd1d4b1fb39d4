#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The system's file dialog for one file: an existing one to open, or a name
// to save under (asking before replacing). Nothing on Cancel.
enum class FileChoice { Open, Save };
std::optional<std::string> ChooseFile(HWND owner, FileChoice choice, const wchar_t* title = nullptr,
                                      const std::string& initialName = {});

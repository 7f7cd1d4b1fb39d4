#pragma once

// The recorder program: started in place of the editor (or of Notepad), it
// writes its command line to the file NOVEDA_RECORD names.
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

inline std::wstring TempDirectory(const wchar_t* name)
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring directory = std::wstring(temp) + name + L"\\";
    CreateDirectoryW(directory.c_str(), nullptr);
    return directory;
}

// record_args.exe beside the test program.
inline std::wstring Recorder()
{
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self);
    return path.substr(0, path.find_last_of(L'\\') + 1) + L"" RECORD_ARGS;
}

// The recorded command line (UTF-8), once it is there; empty after 10 s.
inline std::string AwaitRecord(const std::wstring& record)
{
    for (int i = 0; i < 100 && GetFileAttributesW(record.c_str()) == INVALID_FILE_ATTRIBUTES; ++i)
        Sleep(100);
    Sleep(200); // the recorder may still be writing
    std::ifstream in(record.c_str(), std::ios::binary);
    std::stringstream line;
    line << in.rdbuf();
    return line.str();
}

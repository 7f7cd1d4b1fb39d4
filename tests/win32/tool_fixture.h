#pragma once

// A frame that runs tools: a folder with a blank in its name for their
// files, and waits that pump messages until a run has ended.
#include "frame_fixture.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

namespace fs = std::filesystem;

inline std::string FileText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The folder of the test program, where the test tool lies.
inline fs::path TestProgramFolder()
{
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    return fs::path(self).parent_path();
}

// The test tool, quoted, as the first word of a command line.
inline std::string ToolChild()
{
    return "\"" + ToCp1251((TestProgramFolder() / TOOL_CHILD).wstring()) + "\"";
}

class ToolFramework : public Framework {
protected:
    void SetUp() override
    {
        Framework::SetUp();
        folder = fs::temp_directory_path() / L"noveda tools" / L"a b";
        fs::create_directories(folder);
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(folder.parent_path(), ignored);
    }

    OutputPane& Pane() { return frame.Bars().Output(); }

    // Pumps messages until `done`; a run that never ends fails the test
    // after a minute instead of hanging it.
    bool PumpUntil(const std::function<bool()>& done)
    {
        const DWORD start = GetTickCount();
        while (!done() && GetTickCount() - start < 60000) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            Pump();
        }
        return done();
    }
    bool WaitForRuns(CMainFrame& runner, int count)
    {
        return PumpUntil([&] { return runner.FinishedOutputRuns() >= count; });
    }
    bool WaitForRuns(int count) { return WaitForRuns(frame, count); }

    std::string Write(const std::string& name, const std::string& text)
    {
        std::ofstream(folder / name, std::ios::binary) << text;
        return ToCp1251((folder / name).wstring());
    }

    fs::path folder;
};

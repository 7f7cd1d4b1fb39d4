#pragma once

#include "core/app/command_line.h"

class CMainFrame;

// Command-line names as files of this system, opened in the main frame.
class FramePathOpener : public PathOpener {
public:
    explicit FramePathOpener(CMainFrame& frame) : m_frame(frame) {}
    std::optional<std::string> FullPath(const std::string& path) override;
    std::vector<std::string> MatchingFiles(const std::string& pattern) override;
    void OpenDocument(const std::string& path, const OpenOptions& options) override;
    void NewDocument() override;

private:
    CMainFrame& m_frame;
};

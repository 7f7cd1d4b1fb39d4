#pragma once

#include "core/doc/tab_cells.h"
#include "core/doc/text_doc.h"
#include "core/settings/app_settings.h"

#include <gtest/gtest.h>

#include "core/platform/progress.h"
#include "support/fake_file_system.h"
#include "support/fake_prompts.h"

#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

// Stands in for the main frame: remembers what the document told it.
class FakeFrame : public DocumentHost {
public:
    void DocumentOpened(CTextDoc& doc) override { added.push_back(&doc); }
    void DocumentClosing(CTextDoc& doc) override { closing.push_back(&doc); }
    void DocumentSaved(CTextDoc& doc) override { saved.push_back(doc.GetPathName()); }
    void DocumentSavedAs(CTextDoc& doc) override { savedAs.push_back(doc.GetPathName()); }
    void TitleChanged(CTextDoc&) override { ++titleUpdates; }
    void StateChanged(CTextDoc&) override
    {
        ++repaints;
        modifiedAtRepaint.push_back(watched ? watched->IsModified() : false);
    }
    bool SaveAllDocuments() override
    {
        ++saveAlls;
        return saveAllResult;
    }
    std::uint8_t SchemeForExtension(const std::string& key) override
    {
        schemeKeys.push_back(key);
        return key == "cpp " ? 2 : 0;
    }
    bool HasTool(const std::string& key) override { return key == "bat "; }
    std::unique_ptr<ProgressMeter> ShowProgress(const std::string& label) override;
    std::optional<std::string> GetInterfaceString(std::uint32_t id) override
    {
        const auto it = strings.find(id);
        return it == strings.end() ? std::nullopt : std::optional<std::string>(it->second);
    }

    std::vector<CTextDoc*> added;
    std::vector<CTextDoc*> closing;
    int titleUpdates = 0;
    std::vector<std::string> saved;
    std::vector<std::string> savedAs;
    int saveAlls = 0;
    bool saveAllResult = true;
    std::vector<std::string> schemeKeys;
    std::map<std::uint32_t, std::string> strings;
    // What the progress meters were told, one line per call.
    std::vector<std::string> progress;
    int repaints = 0;
    std::vector<bool> modifiedAtRepaint;
    CTextDoc* watched = nullptr;
};

class RecordingMeter : public ProgressMeter {
public:
    explicit RecordingMeter(std::vector<std::string>& log) : m_log(log) {}
    void SetRange(int low, int high) override
    {
        m_log.push_back("range " + std::to_string(low) + " " + std::to_string(high));
    }
    void SetPos(int pos) override { m_log.push_back("pos " + std::to_string(pos)); }

private:
    std::vector<std::string>& m_log;
};

inline std::unique_ptr<ProgressMeter> FakeFrame::ShowProgress(const std::string& label)
{
    progress.push_back(label);
    return std::make_unique<RecordingMeter>(progress);
}

// A document whose lines are given as plain text (TAB as '\t').
class DocTest : public ::testing::Test {
protected:
    void SetLines(std::initializer_list<std::string> lines)
    {
        doc.DeleteContents();
        for (const std::string& line : lines) {
            std::string cells;
            AppendTextAsCells(cells, line, settings.TabSize);
            doc.AppendLine(cells);
        }
    }

    // Every stored line, cells as they are.
    std::vector<std::string> Stored() const
    {
        std::vector<std::string> lines;
        for (int i = 0; i < doc.GetLineCount(); ++i)
            lines.emplace_back(doc.GetLine(i));
        return lines;
    }

    std::string AllText() const
    {
        const int last = doc.GetLineCount() - 1;
        return doc.GetText(TextPos{0, 0}, TextPos{static_cast<int>(doc.GetLine(last).size()), last});
    }

    AppSettings settings;
    FakeFrame frame;
    FakeFileSystem fs;
    FakePrompts prompts;
    CTextDoc doc{settings, &frame, &fs, &prompts};
};

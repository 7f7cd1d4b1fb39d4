#pragma once

#include "core/app/app_settings.h"
#include "core/doc/tab_cells.h"
#include "core/doc/text_doc.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

// Stands in for the main frame: remembers what the document told it.
class FakeFrame : public DocumentListHost {
public:
    void AddDocument(CTextDoc& doc) override { added.push_back(&doc); }
    void RepaintFileTabs() override
    {
        ++repaints;
        modifiedAtRepaint.push_back(watched ? watched->IsModified() : false);
    }
    std::vector<CTextDoc*> added;
    int repaints = 0;
    std::vector<bool> modifiedAtRepaint;
    CTextDoc* watched = nullptr;
};

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
    CTextDoc doc{settings, &frame};
};

#pragma once

#include <memory>
#include <string>
#include <vector>

class CChildFrame;
class CTextDoc;

// The open documents in the order they were opened, each with the child
// frame that shows it; and the numbering of untitled documents.
class CMyDocManager {
public:
    struct Entry {
        std::unique_ptr<CTextDoc> doc;
        std::unique_ptr<CChildFrame> frame;
    };

    CMyDocManager();
    ~CMyDocManager();

    void Add(std::unique_ptr<CTextDoc> doc, std::unique_ptr<CChildFrame> frame);
    // Closes the frame, then the document.
    void Remove(const CTextDoc& doc);
    const std::vector<Entry>& Entries() const { return m_entries; }
    Entry* Find(const CTextDoc& doc);
    Entry* FindFrame(const CChildFrame& frame);
    // An open document with this path, letter case aside.
    Entry* FindPath(const std::string& path);
    // "untitled1", "untitled2"... for the document name "untitled".
    std::string NextUntitledName(const std::string& documentName);

private:
    std::vector<Entry> m_entries;
    int m_untitled = 0;
};

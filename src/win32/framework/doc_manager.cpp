#include "win32/framework/doc_manager.h"

#include "core/doc/text_doc.h"
#include "core/text/cp1251.h"
#include "win32/framework/child_frame.h"

#include <algorithm>

CMyDocManager::CMyDocManager() = default;

CMyDocManager::~CMyDocManager()
{
    while (!m_entries.empty())
        Remove(*m_entries.back().doc);
}

void CMyDocManager::Add(std::unique_ptr<CTextDoc> doc, std::unique_ptr<CChildFrame> frame)
{
    m_entries.push_back({std::move(doc), std::move(frame)});
}

void CMyDocManager::Remove(const CTextDoc& doc)
{
    const auto it = std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry& e) { return e.doc.get() == &doc; });
    if (it == m_entries.end())
        return;
    // Closing records the favorite from the first view, so the entry and its
    // views are still there; then the views go before their document.
    it->doc->OnCloseDocument();
    Entry entry = std::move(*it);
    m_entries.erase(it);
    entry.frame.reset();
}

CMyDocManager::Entry* CMyDocManager::Find(const CTextDoc& doc)
{
    for (Entry& e : m_entries)
        if (e.doc.get() == &doc)
            return &e;
    return nullptr;
}

CMyDocManager::Entry* CMyDocManager::FindFrame(const CChildFrame& frame)
{
    for (Entry& e : m_entries)
        if (e.frame.get() == &frame)
            return &e;
    return nullptr;
}

CMyDocManager::Entry* CMyDocManager::FindPath(const std::string& path)
{
    for (Entry& e : m_entries)
        if (!e.doc->GetPathName().empty() && EqualsIgnoringCase(e.doc->GetPathName(), path))
            return &e;
    return nullptr;
}

std::string CMyDocManager::NextUntitledName(const std::string& documentName)
{
    return documentName + std::to_string(++m_untitled);
}

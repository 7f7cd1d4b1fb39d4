#pragma once

#include <windows.h>

#include <string>

// A document type's resources under one id: the menu shown while its
// documents are open, and the document string of "\n"-separated fields
// (window title, document name, new-file name, filter name, filter
// extension, registry type id, registry type name).
class CDocTemplate {
public:
    explicit CDocTemplate(UINT id) : m_id(id) {}
    ~CDocTemplate();
    CDocTemplate(const CDocTemplate&) = delete;
    CDocTemplate& operator=(const CDocTemplate&) = delete;

    bool Load();
    HMENU Menu() const { return m_menu; }
    // The base of untitled documents' names ("untitled").
    const std::string& DocumentName() const { return m_documentName; }

private:
    UINT m_id;
    HMENU m_menu = nullptr;
    std::string m_documentName;
};

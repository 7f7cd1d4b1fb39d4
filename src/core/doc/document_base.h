#pragma once

#include <string>
#include <vector>

// A window onto a document, told when the document has changed.
class DocumentView {
public:
    virtual ~DocumentView() = default;
    // `sender` is the view that made the change (none when the document did),
    // `hint` what it tells the others (a view's row count).
    virtual void OnUpdate(DocumentView* sender, int hint) = 0;
    // After the document was read again: caret at the start, no scroll.
    virtual void ResetToTop() = 0;
    // The code page the view reads the text in; told when the document's
    // text was converted into another one.
    virtual int CodePage() const = 0;
    virtual void ShowInCodePage(int codePage) = 0;
};

// The part of a document that the framework keeps: title, path name,
// modified flag and the views that show it.
class DocumentBase {
public:
    virtual ~DocumentBase() = default;

    virtual void SetTitle(const std::string& title) { m_strTitle = title; }
    const std::string& GetTitle() const { return m_strTitle; }
    virtual void SetPathName(const std::string& path) { m_strPathName = path; }
    const std::string& GetPathName() const { return m_strPathName; }
    virtual bool IsModified() const { return m_bModified; }
    virtual void SetModifiedFlag(bool modified) { m_bModified = modified; }

    virtual void DeleteContents() {}
    // Starts an empty, unnamed, unmodified document.
    virtual bool OnNewDocument();

    void AddView(DocumentView* view);
    void RemoveView(DocumentView* view);
    const std::vector<DocumentView*>& GetViews() const { return m_views; }
    // Every view but the sender.
    void UpdateAllViews(DocumentView* sender = nullptr, int hint = 0);

private:
    std::string m_strTitle;
    std::string m_strPathName;
    bool m_bModified = false;
    std::vector<DocumentView*> m_views;
};

#pragma once

#include "core/doc/text_doc.h"
#include "core/settings/command_routing.h"

#include <optional>
#include <span>

class CMainFrame;

// The commands of the active document, in the command chain after its view.
class DocumentCommands : public CommandTarget {
public:
    explicit DocumentCommands(CMainFrame& frame) : m_frame(frame) {}
    void SetDocument(CTextDoc* doc) { m_doc = doc; }
    bool OnCommand(int id) override;
    std::optional<CommandUpdate> OnUpdateCommand(int id) override;

private:
    static std::span<const CommandEntry<DocumentCommands>> Commands();
    void Save(int);
    void SaveAs(int);
    void Reload(int);
    void Close(int);
    void ViewSourceAs(int id);
    void TabsToSpaces(int);
    void TrimSpaces(int);
    void Execute(int);
    TextPos ActiveCaret();
    CommandUpdate SaveState(int);
    CommandUpdate ReloadState(int);
    CommandUpdate ViewSourceAsState(int id);
    CommandUpdate ExecuteState(int);

    CMainFrame& m_frame;
    CTextDoc* m_doc = nullptr;
};

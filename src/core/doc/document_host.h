#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class CTextDoc;
class ProgressMeter;

// What a document asks of the program around it.
class DocumentServices {
public:
    virtual ~DocumentServices() = default;
    // Saves every modified document; false when one fails or is cancelled.
    virtual bool SaveAllDocuments() = 0;
    // The scheme and tool for an extension key ("txt ").
    virtual std::uint8_t SchemeForExtension(const std::string& key) = 0;
    virtual bool HasTool(const std::string& key) = 0;
    // Nothing when the meter cannot be shown; the work goes on without it.
    virtual std::unique_ptr<ProgressMeter> ShowProgress(const std::string& label) = 0;
    virtual std::optional<std::string> GetInterfaceString(std::uint32_t id) = 0;
};

// What a document tells the program around it.
class DocumentEvents {
public:
    virtual ~DocumentEvents() = default;
    // A new or loaded document (a reload is not told).
    virtual void DocumentOpened(CTextDoc& doc) = 0;
    // Its last view is going; the document still holds its path and mark.
    virtual void DocumentClosing(CTextDoc& doc) = 0;
    // Written to its own path.
    virtual void DocumentSaved(CTextDoc& doc) = 0;
    // Written to a path the user chose, which the document now has.
    virtual void DocumentSavedAs(CTextDoc& doc) = 0;
    virtual void TitleChanged(CTextDoc& doc) = 0;
    // The modified mark is about to change (told first, so that the mark
    // shown follows), or the text came from its file again.
    virtual void StateChanged(CTextDoc& doc) = 0;
};

class DocumentHost : public DocumentServices, public DocumentEvents {};

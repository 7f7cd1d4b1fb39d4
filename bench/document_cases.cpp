// Benchmark cases of the line store, editing and undo.
#include "bench_case.h"

#include "core/app/app_settings.h"
#include "core/doc/tab_cells.h"
#include "core/doc/text_doc.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace {

constexpr int kTypedCharacters = 100000;

AppSettings& Settings()
{
    static AppSettings settings;
    return settings;
}

std::unique_ptr<CTextDoc> DocumentWithText(const std::string& text)
{
    auto doc = std::make_unique<CTextDoc>(Settings());
    doc->OnNewDocument();
    TextPos pos;
    doc->InsertText(pos, text, false);
    return doc;
}

TextPos Middle(const CTextDoc& doc)
{
    const int line = doc.GetLineCount() / 2;
    return TextPos{static_cast<int>(doc.GetLine(line).size() / 2), line};
}

// Types kTypedCharacters letters at consecutive positions in the middle.
void TypeRun(CTextDoc& doc)
{
    TextPos pos = Middle(doc);
    for (int i = 0; i < kTypedCharacters; ++i) {
        doc.InsertChar(pos, static_cast<char>('a' + i % 26));
        ++pos.col;
    }
}

BenchResult Insert(const std::string& file, const std::vector<std::string>&)
{
    const std::string text = ReadWholeFile(file);
    CTextDoc doc(Settings());
    doc.OnNewDocument();
    BenchResult r;
    r.bytes = text.size();
    const std::uint64_t start = NowNanoseconds();
    TextPos pos;
    doc.InsertText(pos, text, true);
    r.seconds = SecondsSince(start);
    const auto breaks = std::count(text.begin(), text.end(), '\r');
    if (doc.GetLineCount() != breaks + 1)
        r.failure = "the document has " + std::to_string(doc.GetLineCount()) + " lines, the text " +
                    std::to_string(breaks + 1);
    return r;
}

// Reads the file in 32768-byte blocks and appends its lines one by one, as
// loading a file does: the memory the line store needs for a loaded file.
BenchResult Load(const std::string& file, const std::vector<std::string>&)
{
    std::FILE* in = std::fopen(file.c_str(), "rb");
    if (!in)
        throw std::runtime_error("cannot read " + file);
    CTextDoc doc(Settings());
    BenchResult r;
    const std::uint64_t start = NowNanoseconds();
    std::string line;
    char block[32768];
    std::size_t got;
    while ((got = std::fread(block, 1, sizeof block, in)) > 0) {
        r.bytes += got;
        for (std::size_t i = 0; i < got; ++i) {
            const char ch = block[i];
            if (ch == '\n') {
                if (!line.empty() && line.back() == '\r')
                    line.pop_back();
                doc.AppendLine(line);
                line.clear();
            } else if (ch == '\t') {
                AppendTextAsCells(line, std::string_view(&ch, 1), Settings().TabSize);
            } else {
                line.push_back(ch);
            }
        }
    }
    doc.AppendLine(line);
    r.seconds = SecondsSince(start);
    std::fclose(in);
    return r;
}

BenchResult Typing(const std::string& file, const std::vector<std::string>&)
{
    auto doc = DocumentWithText(ReadWholeFile(file));
    BenchResult r;
    r.bytes = kTypedCharacters;
    const std::uint64_t start = NowNanoseconds();
    TypeRun(*doc);
    r.seconds = SecondsSince(start);
    r.perOpUs = r.seconds * 1e6 / kTypedCharacters;
    if (doc->GetUndoCount() != 1)
        r.failure = "typing made " + std::to_string(doc->GetUndoCount()) + " undo records instead of one";
    return r;
}

BenchResult Undo(const std::string& file, const std::vector<std::string>&)
{
    const std::string text = ReadWholeFile(file);
    auto doc = DocumentWithText(text);
    TypeRun(*doc);
    BenchResult r;
    r.bytes = kTypedCharacters;
    const std::uint64_t start = NowNanoseconds();
    TextPos caret;
    doc->Undo(caret);
    r.seconds = SecondsSince(start);
    r.perOpUs = r.seconds * 1e6;
    const TextPos end{static_cast<int>(doc->GetLine(doc->GetLineCount() - 1).size()), doc->GetLineCount() - 1};
    if (doc->GetText(TextPos{}, end) != DocumentWithText(text)->GetText(TextPos{}, end))
        r.failure = "undo did not restore the text";
    return r;
}

} // namespace

std::vector<BenchCase> DocumentCases()
{
    return {
        {"load", "FILE: append the file's lines as loading does (line store memory)", Load},
        {"insert", "FILE: InsertText of the whole file into a new document", Insert},
        {"typing", "FILE: 100000 InsertChar at consecutive positions in the middle", Typing},
        {"undo", "FILE: Undo of that typing run", Undo},
    };
}

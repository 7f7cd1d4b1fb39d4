// Benchmark cases of the line store, editing and undo.
#include "bench_case.h"

#include "core/doc/detect.h"
#include "core/doc/text_doc.h"
#include "core/settings/app_settings.h"
#include "core/text/code_pages.h"
#include "core/text/unicode_text.h"
#include "posix/posix_file_system.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
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

std::string SavePath()
{
    return (std::filesystem::temp_directory_path() / "novedabench-save.txt").string();
}

BenchResult Load(const std::string& file, const std::vector<std::string>&)
{
    PosixFileSystem fs;
    BenchResult r;
    r.bytes = FileSize(file);
    const std::uint64_t start = NowNanoseconds();
    auto doc = OpenedDocument(file, fs);
    r.seconds = SecondsSince(start);
    return r;
}

BenchResult Save(const std::string& file, const std::vector<std::string>&)
{
    PosixFileSystem fs;
    auto doc = OpenedDocument(file, fs);
    BenchResult r;
    r.bytes = FileSize(file);
    const std::uint64_t start = NowNanoseconds();
    const bool saved = doc->OnSaveDocument(SavePath());
    r.seconds = SecondsSince(start);
    std::filesystem::remove(SavePath());
    if (!saved)
        r.failure = "the save failed";
    return r;
}

BenchResult RoundTrip(const std::string& file, const std::vector<std::string>&)
{
    PosixFileSystem fs;
    BenchResult r;
    r.bytes = FileSize(file);
    const std::uint64_t start = NowNanoseconds();
    auto doc = OpenedDocument(file, fs);
    const bool saved = doc->OnSaveDocument(SavePath());
    r.seconds = SecondsSince(start);
    if (!saved)
        r.failure = "the save failed";
    else if (ReadWholeFile(SavePath()) != ReadWholeFile(file))
        r.failure = "the saved file differs from the input";
    std::filesystem::remove(SavePath());
    return r;
}

// The whole-document KOI8 -> WIN conversion, with its undo snapshot; the
// snapshot's own cost (a copy of every line) is shown on a line before.
BenchResult ConvertText(const std::string& file, const std::vector<std::string>&)
{
    PosixFileSystem fs;
    auto doc = OpenedDocument(file, fs);
    BenchResult r;
    r.bytes = FileSize(file);
    LineStore lines;
    for (int i = 0; i < doc->GetLineCount(); ++i)
        lines.Append(doc->GetLine(i));
    const std::uint64_t copyStart = NowNanoseconds();
    const LineStore snapshot(lines);
    std::printf("snapshot_seconds=%.6f\n", SecondsSince(copyStart));
    const std::uint64_t start = NowNanoseconds();
    doc->Convert(std::nullopt, CP_KOI8, CP_WIN, false);
    r.seconds = SecondsSince(start);
    if (doc->GetUndoCount() != 1)
        r.failure = "the conversion is not one undo step";
    return r;
}

BenchResult Tabs(const std::string& file, const std::vector<std::string>&)
{
    PosixFileSystem fs;
    auto doc = OpenedDocument(file, fs);
    BenchResult r;
    r.bytes = FileSize(file);
    const std::uint64_t start = NowNanoseconds();
    doc->TabsToSpaces();
    r.seconds = SecondsSince(start);
    return r;
}

// Line-end and code-page detection over every 32 KB block of the file.
BenchResult Detect(const std::string& file, const std::vector<std::string>&)
{
    const std::string bytes = ReadWholeFile(file);
    constexpr std::size_t kBlock = 32768;
    BenchResult r;
    r.bytes = bytes.size();
    volatile unsigned sink = 0; // keeps the work from being optimised away
    std::size_t blocks = 0;
    const std::uint64_t start = NowNanoseconds();
    for (std::size_t at = 0; at < bytes.size() || blocks == 0; at += kBlock, ++blocks) {
        const std::size_t n = std::min(kBlock, bytes.size() - at);
        sink = sink + DetectLineEnd(bytes.data() + at, n) + DetectCodePage(bytes.data() + at, n);
    }
    r.seconds = SecondsSince(start);
    r.perOpUs = r.seconds * 1e6 / static_cast<double>(blocks);
    std::printf("line_end=%u code_page=%u\n", DetectLineEnd(bytes.data(), std::min(kBlock, bytes.size())),
                DetectCodePage(bytes.data(), std::min(kBlock, bytes.size())));
    return r;
}

// The detected code page and Unicode form (0 none, 1 UTF-8, 2 UTF-8 with
// its mark, 3 and 4 UTF-16) of FILE and of each further file, one file per
// line, from the first 5000 bytes as a load looks at them.
BenchResult DetectId(const std::string& file, const std::vector<std::string>& more)
{
    BenchResult r;
    std::vector<std::string> files{file};
    files.insert(files.end(), more.begin(), more.end());
    const std::uint64_t start = NowNanoseconds();
    for (const std::string& path : files) {
        const std::string bytes = ReadWholeFile(path);
        r.bytes += bytes.size();
        const std::string_view first = std::string_view(bytes).substr(0, 5000);
        std::printf("%u %u\n", DetectCodePage(first.data(), first.size()),
                    static_cast<unsigned>(DetectUnicodeForm(first, first.size() == bytes.size())));
    }
    r.seconds = SecondsSince(start);
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
        {"load", "FILE: open the file as a document", Load},
        {"save", "FILE: open, then time saving it to a temporary file", Save},
        {"roundtrip", "FILE: open and save; fails when the bytes differ", RoundTrip},
        {"detect", "FILE: line-end and code-page detection on every 32 KB block", Detect},
        {"detectid", "FILE...: the detected code page and Unicode form of each file, one per line", DetectId},
        {"convert", "FILE: whole-document conversion KOI8 -> WIN (with its undo snapshot)", ConvertText},
        {"tabs", "FILE: Tabs -> spaces on the whole document", Tabs},
        {"insert", "FILE: InsertText of the whole file into a new document", Insert},
        {"typing", "FILE: 100000 InsertChar at consecutive positions in the middle", Typing},
        {"undo", "FILE: Undo of that typing run", Undo},
    };
}

std::uint64_t FileSize(const std::string& path)
{
    return std::filesystem::file_size(path);
}

std::unique_ptr<CTextDoc> OpenedDocument(const std::string& file, PosixFileSystem& fs)
{
    // As a file opens in WIN, or in the Unicode form its start shows: no
    // detection timed.
    std::ifstream in(file, std::ios::binary);
    std::string start(5000, '\0');
    start.resize(static_cast<std::size_t>(in.read(start.data(), 5000).gcount()));
    OpenOptions options{.codePage = CP_WIN};
    if (const UnicodeForm form = DetectUnicodeForm(start, start.size() < 5000); form != UnicodeForm::None)
        options.unicode = form;
    auto doc = std::make_unique<CTextDoc>(Settings(), nullptr, &fs);
    if (!doc->OnOpenDocument(file, options))
        throw std::runtime_error("cannot open " + file);
    return doc;
}

// Benchmark cases of the colouring scanner.
#include "bench_case.h"

#include "core/doc/text_doc.h"
#include "core/view/highlight_scheme.h"
#include "core/view/line_states.h"
#include "posix/posix_file_system.h"

#include <memory>
#include <stdexcept>
#include <vector>

namespace {

struct Subject {
    PosixFileSystem fs;
    std::unique_ptr<CTextDoc> doc;
    HighlightScheme scheme;
};

std::unique_ptr<Subject> Load(const std::string& file, const std::vector<std::string>& args)
{
    if (args.empty())
        throw std::runtime_error("give the highlight file after the text file");
    auto subject = std::make_unique<Subject>();
    subject->doc = OpenedDocument(file, subject->fs);
    subject->scheme.m_fileName = args[0];
    if (!subject->scheme.LoadScheme())
        throw std::runtime_error("cannot read " + args[0]);
    return subject;
}

// Every line scanned with attributes, each from the state the line before
// left.
BenchResult Highlight(const std::string& file, const std::vector<std::string>& args)
{
    auto s = Load(file, args);
    BenchResult r;
    r.bytes = FileSize(file);
    std::vector<std::uint8_t> attrs;
    std::uint8_t state = STATE_NORMAL;
    const std::uint64_t start = NowNanoseconds();
    for (int i = 0; i < s->doc->GetLineCount(); ++i) {
        const std::string_view line = s->doc->GetLine(i);
        attrs.resize(line.size());
        state = s->scheme.Scan(state, line, attrs.data());
    }
    r.seconds = SecondsSince(start);
    return r;
}

// The state before the last line, from all states unknown.
BenchResult States(const std::string& file, const std::vector<std::string>& args)
{
    auto s = Load(file, args);
    BenchResult r;
    r.bytes = FileSize(file);
    const std::uint64_t start = NowNanoseconds();
    StateBeforeLine(*s->doc, s->scheme, s->doc->GetLineCount() - 1);
    r.seconds = SecondsSince(start);
    return r;
}

} // namespace

std::vector<BenchCase> HighlightCases()
{
    return {
        {"highlight", "FILE HGH: colour every line of FILE with the scheme of HGH", Highlight},
        {"states", "FILE HGH: the state before the last line, from all states unknown", States},
    };
}

// Benchmark cases of the search engine: every line of the file searched as
// a forward search prepares it (copied, converted to WIN, folded to lower
// case), plainly or with a regular expression.
#include "bench_case.h"

#include "core/doc/text_doc.h"
#include "core/text/code_pages.h"
#include "core/tools/line_search.h"
#include "posix/posix_file_system.h"

#include <stdexcept>

namespace {

BenchResult SearchEveryLine(const std::string& file, const std::vector<std::string>& args, bool regex)
{
    if (args.empty())
        throw std::runtime_error("give the pattern (cp1251 bytes) after the file");
    PosixFileSystem fs;
    auto doc = OpenedDocument(file, fs);
    BenchResult r;
    r.bytes = FileSize(file);
    std::uint64_t matchedLines = 0;
    bool gaveUp = false;
    const std::uint64_t start = NowNanoseconds();
    LineSearch search(args[0], false, regex, CP_WIN, false);
    if (!search.Valid())
        throw std::runtime_error("the expression does not compile");
    for (int i = 0; i < doc->GetLineCount(); ++i) {
        const std::string_view line = doc->GetLine(i);
        if (line.empty())
            continue; // an empty piece is never handed to the matcher
        const LineMatch m = search.FindIn(line);
        matchedLines += m.Found();
        gaveUp = gaveUp || m.gaveUp;
    }
    r.seconds = SecondsSince(start);
    r.extra = "lines=" + std::to_string(matchedLines) + (gaveUp ? " gave_up=1" : "");
    return r;
}

BenchResult Search(const std::string& file, const std::vector<std::string>& args)
{
    return SearchEveryLine(file, args, false);
}

BenchResult Regex(const std::string& file, const std::vector<std::string>& args)
{
    return SearchEveryLine(file, args, true);
}

} // namespace

std::vector<BenchCase> SearchCases()
{
    return {
        {"search", "FILE PATTERN: plain search of every line, case folded; lines= counts the lines found", Search},
        {"regex", "FILE PATTERN: the expression on every line, case folded; lines= counts the lines found", Regex},
    };
}

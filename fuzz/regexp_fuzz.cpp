// An expression and a subject from the input, split at the first NUL byte:
// compile, find, and the line matchers, with the results' bounds checked.
#include "core/tools/line_search.h"
#include "core/tools/regexp.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string_view pattern = input.substr(0, split);
    const std::string_view subject = split == std::string_view::npos ? input : input.substr(split + 1);

    RegExp re;
    if (re.Compile(pattern)) {
        const int at = re.Find(subject);
        Check(at >= -1 && at <= static_cast<int>(subject.size()));
        if (at >= 0) {
            Check(re.GroupStart(0) == at && re.GroupEnd(0) <= static_cast<int>(subject.size()));
            for (int n = 1; n <= RegExp::kMaxGroups; ++n)
                Check(re.GroupStart(n) <= re.GroupEnd(n) || re.GroupStart(n) < 0 || re.GroupEnd(n) < 0);
        }
    }
    const bool wholeWord = size % 2 == 0;
    const LineMatch m = FindInLine(subject, pattern, wholeWord, true);
    Check(!m.Found() || m.offset + m.length <= static_cast<int>(subject.size()));
    const LineMatch plain = FindInLine(subject, pattern, wholeWord, false);
    Check(!plain.Found() || subject.substr(static_cast<std::size_t>(plain.offset), pattern.size()) == pattern);
    const int last = FindLastInLine(subject, pattern, wholeWord);
    Check(last < 0 || subject.substr(static_cast<std::size_t>(last), pattern.size()) == pattern);
    return 0;
}

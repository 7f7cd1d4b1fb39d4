// novedabench CASE FILE [ARG...]: runs one benchmark case on FILE and prints
// one closing line with its figures.
#include "bench_case.h"

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <stdexcept>

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint64_t NowNanoseconds()
{
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
            .count());
}

double SecondsSince(std::uint64_t startNanoseconds)
{
    return static_cast<double>(NowNanoseconds() - startNanoseconds) / 1e9;
}

namespace {

double PeakResidentMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

int Usage(const std::vector<BenchCase>& cases)
{
    std::fprintf(stderr, "usage: novedabench CASE FILE [ARG...]\ncases:\n");
    for (const BenchCase& c : cases)
        std::fprintf(stderr, "  %-10s %s\n", c.name, c.usage);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<BenchCase> cases = DocumentCases();
    for (auto more : {HighlightCases, SearchCases, ViewCases})
        for (const BenchCase& c : more())
            cases.push_back(c);
    if (argc < 3)
        return Usage(cases);
    const std::string name = argv[1];
    const std::string file = argv[2];
    const std::vector<std::string> args(argv + 3, argv + argc);

    for (const BenchCase& c : cases) {
        if (name != c.name)
            continue;
        BenchResult r;
        try {
            r = c.run(file, args);
        } catch (const std::exception& e) {
            r.failure = e.what();
        }
        if (!r.failure.empty()) {
            std::fprintf(stderr, "novedabench %s: %s\n", c.name, r.failure.c_str());
            return 1;
        }
        const double mbps = r.seconds > 0 ? static_cast<double>(r.bytes) / 1e6 / r.seconds : 0;
        std::printf("case=%s bytes=%llu seconds=%.6f mbps=%.2f rss_mb=%.1f", c.name,
                    static_cast<unsigned long long>(r.bytes), r.seconds, mbps, PeakResidentMegabytes());
        if (r.perOpUs >= 0)
            std::printf(" per_op_us=%.3f", r.perOpUs);
        if (!r.extra.empty())
            std::printf(" %s", r.extra.c_str());
        std::printf("\n");
        return 0;
    }
    return Usage(cases);
}

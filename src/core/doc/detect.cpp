#include "core/doc/detect.h"

#include "core/doc/line_end.h"
#include "core/text/code_pages.h"

#include <algorithm>
#include <array>
#include <cstring>

std::uint8_t DetectLineEnd(const char* bytes, std::size_t size)
{
    const void* found = size ? std::memchr(bytes, '\n', size) : nullptr;
    if (!found)
        return LINE_END_CRLF;
    const std::size_t lf = static_cast<std::size_t>(static_cast<const char*>(found) - bytes);
    if (lf > 0 && bytes[lf - 1] == '\r')
        return LINE_END_CRLF;
    if (lf + 1 == size)
        return LINE_END_LF;
    return bytes[lf + 1] == '\r' ? LINE_END_LFCR : LINE_END_LF;
}

namespace {

#include "core/doc/detect_table.inc"

constexpr std::size_t kWindow = 5000;
constexpr std::size_t kCodePages = kCodePageCount;
constexpr std::uint8_t kDos = 1;
constexpr std::uint8_t kWin = 4;
constexpr std::uint8_t kCapital = 0x80;
constexpr std::uint8_t kLastLetter = 32; // symbols 0..32 are the Russian letters
constexpr std::uint8_t kBlank = 33;

// The first rule, which only counts bytes in ranges: it reads any byte of
// 0x82..0x93 as DOS or MAC, so it mistakes most modern cp1251 text with its
// quotes, dashes and ellipses. It settles what the model cannot tell apart.
std::uint8_t ByteRangeRule(const unsigned char* bytes, std::size_t n)
{
    std::array<int, 13> c{};
    for (std::size_t i = 0; i < n; ++i)
        if (bytes[i] > 0x81)
            ++c[static_cast<std::size_t>((bytes[i] - 128) / 10)];
    if (c[0] + c[1] > 0)
        return c[4] > c[12] ? 1 : 2; // DOS : MAC
    const int koi = c[6] + c[7] + c[8];
    const int win = c[10] + c[11] + c[12];
    const int iso = c[8] + c[9] + c[10];
    if (koi > win && koi > iso)
        return 0;
    return win >= iso ? kWin : 3;
}

// Frames and tables drawn with the pseudographics of cp866, and nothing
// else above 0x7F: every high byte lies in 0xB0..0xDF and a horizontal line,
// shade or block runs over three bytes at least (no Russian word repeats a
// letter three times).
bool OnlyDosPseudographics(const unsigned char* bytes, std::size_t n)
{
    constexpr unsigned char kRunners[] = {0xB0, 0xB1, 0xB2, 0xC4, 0xCD, 0xDB, 0xDC, 0xDF};
    bool run = false;
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char b = bytes[i];
        if (b > 0x7F && (b < 0xB0 || b > 0xDF))
            return false;
        if (i >= 2 && b == bytes[i - 1] && b == bytes[i - 2] && std::count(std::begin(kRunners), std::end(kRunners), b))
            run = true;
    }
    return run;
}

// A byte's state in one reading: its symbol, and 37 more for capitals.
constexpr int kSymbols = 37;
constexpr int kStates = 2 * kSymbols;

struct Model {
    std::array<std::array<std::uint8_t, 256>, kCodePages> state{};
    // The bigram's log-likelihood, with that of the case of a letter after
    // a letter (a capital inside a lower-case word is rare).
    std::array<std::array<std::int16_t, kStates>, kStates> step{};
};

const Model& TheModel()
{
    static const Model model = [] {
        Model m;
        for (std::size_t cp = 0; cp < kCodePages; ++cp)
            for (std::size_t b = 0; b < 256; ++b) {
                const std::uint8_t symbol = kDetectSymbols[cp][b];
                m.state[cp][b] =
                    static_cast<std::uint8_t>((symbol & 0x7F) + ((symbol & kCapital) ? kSymbols : 0));
            }
        for (int from = 0; from < kStates; ++from)
            for (int to = 0; to < kStates; ++to) {
                const int a = from % kSymbols, b = to % kSymbols;
                int value = kDetectBigrams[a][b];
                if (a <= kLastLetter && b <= kLastLetter)
                    value += kDetectCase[from / kSymbols][to / kSymbols];
                m.step[static_cast<std::size_t>(from)][static_cast<std::size_t>(to)] = static_cast<std::int16_t>(
                    std::max(value, -32767));
            }
        return m;
    }();
    return model;
}

// How Russian the bytes read in each code page, all five in one pass.
std::array<std::int32_t, kCodePages> Scores(const unsigned char* bytes, std::size_t n)
{
    const Model& m = TheModel();
    std::array<std::int32_t, kCodePages> score{};
    std::array<std::uint8_t, kCodePages> previous;
    previous.fill(kBlank);
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t cp = 0; cp < kCodePages; ++cp) {
            const std::uint8_t current = m.state[cp][bytes[i]];
            score[cp] += m.step[previous[cp]][current];
            previous[cp] = current;
        }
    }
    return score;
}

} // namespace

std::uint8_t DetectCodePage(const char* data, std::size_t size)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(data);
    const std::size_t n = std::min(size, kWindow);
    if (std::none_of(bytes, bytes + n, [](unsigned char b) { return b > 0x7F; }))
        return kWin;
    if (OnlyDosPseudographics(bytes, n))
        return kDos;
    const std::array<std::int32_t, kCodePages> scores = Scores(bytes, n);
    const auto best = std::max_element(scores.begin(), scores.end());
    if (std::count(scores.begin(), scores.end(), *best) > 1)
        return ByteRangeRule(bytes, n); // the model cannot tell them apart
    return static_cast<std::uint8_t>(best - scores.begin());
}

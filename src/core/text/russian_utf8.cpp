#include "core/text/russian_utf8.h"

#include <array>

#ifdef __SSE2__
#include <emmintrin.h>
#include <tmmintrin.h>

namespace {

// Writes the bytes of `text` whose bit in `keep` is set, in order, at `to`
// (and may write junk up to sixteen bytes past it); returns their end.
// Without SSSE3: every byte written, the pointer moved by its bit, so no
// branch depends on the text.
struct CompactByteByByte {
    char* operator()(__m128i text, unsigned keep, char* to) const
    {
        alignas(16) char bytes[16];
        _mm_store_si128(reinterpret_cast<__m128i*>(bytes), text);
        for (int i = 0; i < 16; ++i) {
            *to = bytes[i];
            to += keep >> i & 1;
        }
        return to;
    }
};

// For each 8-bit mask, the places of its set bits in order (then 0x80,
// which a shuffle turns into 0), and how many there are.
struct Shuffle {
    std::array<std::array<char, 8>, 256> places{};
    std::array<unsigned char, 256> counts{};
};
constexpr Shuffle kShuffle = [] {
    Shuffle shuffle;
    for (unsigned mask = 0; mask < 256; ++mask) {
        int count = 0;
        for (int place = 0; place < 8; ++place)
            if (mask >> place & 1)
                shuffle.places[mask][count++] = static_cast<char>(place);
        shuffle.counts[mask] = static_cast<unsigned char>(count);
        for (int rest = count; rest < 8; ++rest)
            shuffle.places[mask][rest] = static_cast<char>(0x80);
    }
    return shuffle;
}();

// With SSSE3: each half of eight bytes in one shuffle.
struct CompactByShuffle {
    [[gnu::target("ssse3")]] char* operator()(__m128i text, unsigned keep, char* to) const
    {
        for (int half = 0; half < 2; ++half) {
            const unsigned mask = keep >> (8 * half) & 0xFF;
            const __m128i bytes = half ? _mm_srli_si128(text, 8) : text;
            const __m128i places = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(kShuffle.places[mask].data()));
            _mm_storel_epi64(reinterpret_cast<__m128i*>(to), _mm_shuffle_epi8(bytes, places));
            to += kShuffle.counts[mask];
        }
        return to;
    }
};

template <class Compact>
std::size_t DecodeBlocks(const unsigned char* in, std::size_t size, char*& to, Compact compact)
{
    char* out = to; // a copy: a char written could be `to` itself
    auto byteIs = [](__m128i v, int b) { return _mm_cmpeq_epi8(v, _mm_set1_epi8(static_cast<char>(b))); };
    // Signed compares: 0x80..0xBF are -128..-65.
    auto below = [](__m128i v, int b) { return _mm_cmplt_epi8(v, _mm_set1_epi8(static_cast<char>(b))); };
    std::size_t at = 0;
    while (at + 17 <= size) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + at));
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + at + 1));
        const __m128i ascii = _mm_cmpgt_epi8(bytes, _mm_set1_epi8(-1));
        const __m128i leadD0 = byteIs(bytes, 0xD0), leadD1 = byteIs(bytes, 0xD1);
        // А..п: D0 90..BF; р..я: D1 80..8F; Ё: D0 81; ё: D1 91.
        const __m128i upper = _mm_and_si128(leadD0, _mm_andnot_si128(below(next, 0x90), below(next, 0xC0)));
        const __m128i lower = _mm_and_si128(leadD1, below(next, 0x90));
        const __m128i yo =
            _mm_or_si128(_mm_and_si128(leadD0, byteIs(next, 0x81)), _mm_and_si128(leadD1, byteIs(next, 0x91)));
        const __m128i letters = _mm_or_si128(_mm_or_si128(upper, lower), yo);
        const __m128i starts = _mm_or_si128(ascii, letters);
        // Every byte starts a character or ends a letter begun before it.
        if (_mm_movemask_epi8(_mm_or_si128(starts, _mm_slli_si128(letters, 1))) != 0xFFFF)
            break;
        // A letter's cp1251 byte is its second byte plus 0x30 (А..п), 0x70
        // (р..я) or 0x27 (Ё, ё).
        const __m128i offset = _mm_or_si128(
            _mm_or_si128(_mm_and_si128(upper, _mm_set1_epi8(0x30)), _mm_and_si128(lower, _mm_set1_epi8(0x70))),
            _mm_and_si128(yo, _mm_set1_epi8(0x27)));
        const __m128i text =
            _mm_or_si128(_mm_and_si128(ascii, bytes), _mm_and_si128(letters, _mm_add_epi8(next, offset)));
        const auto keep = static_cast<unsigned>(_mm_movemask_epi8(starts));
        if (keep == 0xFFFF) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out), text);
            out += 16;
        } else {
            out = compact(text, keep, out);
        }
        // A letter in the last place ends past the sixteen bytes.
        at += 16 + (static_cast<unsigned>(_mm_movemask_epi8(letters)) >> 15);
    }
    to = out;
    return at;
}

} // namespace

// Each a loop of its own, the compaction inlined into it.
[[gnu::flatten]] std::size_t DecodeRussianUtf8Sse2(const unsigned char* in, std::size_t size, char*& to)
{
    return DecodeBlocks(in, size, to, CompactByteByByte{});
}

[[gnu::flatten, gnu::target("ssse3")]] std::size_t DecodeRussianUtf8Ssse3(const unsigned char* in, std::size_t size,
                                                                          char*& to)
{
    return DecodeBlocks(in, size, to, CompactByShuffle{});
}

bool ProcessorHasSsse3()
{
    return __builtin_cpu_supports("ssse3");
}

#else

// Elsewhere everything goes the long way.
std::size_t DecodeRussianUtf8Sse2(const unsigned char*, std::size_t, char*&)
{
    return 0;
}

std::size_t DecodeRussianUtf8Ssse3(const unsigned char*, std::size_t, char*&)
{
    return 0;
}

bool ProcessorHasSsse3()
{
    return false;
}

#endif

std::size_t DecodeRussianUtf8(const unsigned char* in, std::size_t size, char*& to)
{
    static const auto decode = ProcessorHasSsse3() ? DecodeRussianUtf8Ssse3 : DecodeRussianUtf8Sse2;
    return decode(in, size, to);
}

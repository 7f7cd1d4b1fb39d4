#pragma once

#include <cstddef>

// The fast path of UTF-8 decoding for Russian text: runs of ASCII and the
// letters of the Russian alphabet (U+0410..U+044F, Ё, ё), sixteen bytes at
// a time, written as their cp1251 bytes at `to` (which moves past them).
// Stops before the first sixteen bytes that hold anything else, or when
// fewer than seventeen bytes are left; returns how many bytes it read,
// always at a character's end. `to` needs room for `size` bytes.
std::size_t DecodeRussianUtf8(const unsigned char* in, std::size_t size, char*& to);

// Its two ways, the first for every processor, the second with SSSE3
// (which DecodeRussianUtf8 takes where the processor has it).
std::size_t DecodeRussianUtf8Sse2(const unsigned char* in, std::size_t size, char*& to);
std::size_t DecodeRussianUtf8Ssse3(const unsigned char* in, std::size_t size, char*& to);
bool ProcessorHasSsse3();

#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The key of an encrypted file: the first 16 bytes of the password, zero
// padded, and a terminating zero. Its bytes change as the cipher runs.
using CipherKey = std::array<std::uint8_t, 17>;
CipherKey KeyFromPassword(std::string_view password);
// The part of a password that counts: its first 16 characters.
std::string KeyPartOf(std::string_view password);

// Whether deciphered bytes look like what a wrong password makes: the
// format has no check, but text holds no bytes 6 and 7 (a save would turn
// them into tabs for good) and few control bytes besides tab, line ends,
// form feed and end of file.
bool LooksWronglyDeciphered(std::string_view bytes);

// The PC1 stream cipher with a 128-bit key (multipliers 20021 and 346), in
// 16-bit arithmetic. Reset before every encrypted open and save.
class Pc1Cipher {
public:
    void Reset();
    std::uint8_t Encipher(CipherKey& key, std::uint8_t plain);
    std::uint8_t Decipher(CipherKey& key, std::uint8_t cipher);
    void EncipherInPlace(CipherKey& key, char* bytes, std::size_t size);
    void DecipherInPlace(CipherKey& key, char* bytes, std::size_t size);

private:
    std::uint16_t Step();
    std::uint16_t KeystreamWord(const CipherKey& key);

    std::array<std::uint16_t, 8> m_w{};
    std::uint16_t m_x = 0;
    std::uint16_t m_i = 0;
    std::uint16_t m_s = 0;
};

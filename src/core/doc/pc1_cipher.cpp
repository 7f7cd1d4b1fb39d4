#include "core/doc/pc1_cipher.h"

#include <algorithm>

namespace {

constexpr std::size_t kKeyBytes = 16;

} // namespace

CipherKey KeyFromPassword(std::string_view password)
{
    CipherKey key{};
    const std::string part = KeyPartOf(password);
    std::copy(part.begin(), part.end(), key.begin());
    return key;
}

std::string KeyPartOf(std::string_view password)
{
    return std::string(password.substr(0, kKeyBytes));
}

void Pc1Cipher::Reset()
{
    m_x = m_i = m_s = 0;
}

std::uint16_t Pc1Cipher::Step()
{
    const std::uint16_t t = m_w[m_i % 8];
    const auto x = static_cast<std::uint16_t>(m_s + (m_x + m_i) * 20021u + t * 346u);
    m_s = static_cast<std::uint16_t>(t * 346u);
    m_w[m_i % 8] = static_cast<std::uint16_t>(t * 20021u + 1u);
    m_x = x;
    const auto result = static_cast<std::uint16_t>(m_w[m_i % 8] ^ m_x);
    ++m_i;
    return result;
}

std::uint16_t Pc1Cipher::KeystreamWord(const CipherKey& key)
{
    m_w[0] = static_cast<std::uint16_t>(key[0] * 256u + key[1]);
    std::uint16_t r = Step();
    for (std::size_t n = 1; n < 8; ++n) {
        m_w[n] = static_cast<std::uint16_t>(m_w[n - 1] ^ (key[2 * n] * 256u + key[2 * n + 1]));
        r ^= Step();
    }
    m_i = 0;
    return r;
}

std::uint8_t Pc1Cipher::Encipher(CipherKey& key, std::uint8_t plain)
{
    const std::uint16_t r = KeystreamWord(key);
    for (std::size_t k = 0; k < kKeyBytes; ++k)
        key[k] ^= plain;
    return static_cast<std::uint8_t>(plain ^ (r >> 8) ^ (r & 0xFF));
}

std::uint8_t Pc1Cipher::Decipher(CipherKey& key, std::uint8_t cipher)
{
    const std::uint16_t r = KeystreamWord(key);
    const auto plain = static_cast<std::uint8_t>(cipher ^ (r >> 8) ^ (r & 0xFF));
    for (std::size_t k = 0; k < kKeyBytes; ++k)
        key[k] ^= plain;
    return plain;
}

void Pc1Cipher::EncipherInPlace(CipherKey& key, char* bytes, std::size_t size)
{
    for (std::size_t n = 0; n < size; ++n)
        bytes[n] = static_cast<char>(Encipher(key, static_cast<std::uint8_t>(bytes[n])));
}

void Pc1Cipher::DecipherInPlace(CipherKey& key, char* bytes, std::size_t size)
{
    for (std::size_t n = 0; n < size; ++n)
        bytes[n] = static_cast<char>(Decipher(key, static_cast<std::uint8_t>(bytes[n])));
}

bool LooksWronglyDeciphered(std::string_view bytes)
{
    std::size_t control = 0;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == 6 || byte == 7)
            return true;
        if (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r' && byte != '\f' && byte != 0x1A)
            ++control;
    }
    return control * 16 > bytes.size();
}

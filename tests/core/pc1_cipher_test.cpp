#include "core/doc/pc1_cipher.h"

#include <gtest/gtest.h>

namespace {

std::string Encipher(const std::string& password, std::string text)
{
    Pc1Cipher cipher;
    CipherKey key = KeyFromPassword(password);
    cipher.Reset();
    cipher.EncipherInPlace(key, text.data(), text.size());
    return text;
}

std::string Decipher(const std::string& password, std::string text)
{
    Pc1Cipher cipher;
    CipherKey key = KeyFromPassword(password);
    cipher.Reset();
    cipher.DecipherInPlace(key, text.data(), text.size());
    return text;
}

} // namespace

// Vectors computed by a separate model of the cipher, written from its
// description (16-bit words, multipliers 20021 and 346).
TEST(Pc1Cipher, MatchesKnownVectors)
{
    EXPECT_EQ(Encipher("secret", "Hello, world\r\n"),
              "\x63\x2D\xDF\xCA\xDE\x44\xD1\xA7\x04\xB1\xB8\x50\x2B\x03");
    EXPECT_EQ(Encipher("", std::string(3, '\0')), "\x64\xC9\x20");
}

TEST(Pc1Cipher, OnlyTheFirstSixteenCharactersOfAPasswordCount)
{
    EXPECT_EQ(Encipher("0123456789abcdefIGNORED", "abc"), "\xFF\x10\x2E");
    EXPECT_EQ(Encipher("0123456789abcdefOTHER", "abc"), "\xFF\x10\x2E");
    EXPECT_EQ(KeyPartOf("0123456789abcdefIGNORED"), "0123456789abcdef");
}

TEST(Pc1Cipher, CyrillicPasswordsUseUnsignedKeyBytes)
{
    // Password "Пароль", text "Текст", both cp1251.
    EXPECT_EQ(Encipher("\xCF\xE0\xF0\xEE\xEB\xFC", "\xD2\xE5\xEA\xF1\xF2"), "\xA5\x7E\xB4\xA3\xD8");
}

TEST(Pc1Cipher, DecipheringGivesThePlainTextBack)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    all += all;
    const std::string password = "\xEF\xE0\xF0\xEE\xEB\xFC-long-password-here";
    const std::string enciphered = Encipher(password, all);
    EXPECT_NE(enciphered, all);
    EXPECT_EQ(Decipher(password, enciphered), all);
    EXPECT_NE(Decipher("wrong", enciphered), all);
}

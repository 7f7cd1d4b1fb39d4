#include "core/text/find_byte.h"

#include <gtest/gtest.h>

#include <string>

// Every place a byte can take in and around the sixteen-byte blocks, from
// every start, with look-alikes (the byte with its top bit changed) around.
TEST(FindByte, FindsTheFirstOccurrenceOrNone)
{
    for (const char wanted : {'\r', '\n', '\t', '\xE0'}) {
        const char lookAlike = static_cast<char>(wanted ^ 0x80);
        for (std::size_t size = 0; size <= 40; ++size) {
            for (std::size_t place = 0; place <= size; ++place) {
                std::string text(size, lookAlike);
                if (place < size)
                    text[place] = wanted;
                if (place + 3 < size)
                    text[place + 3] = wanted; // a later one is not the first
                for (std::size_t start = 0; start <= size; ++start) {
                    const char* from = text.data() + start;
                    const char* end = text.data() + size;
                    const char* expected = place < size && place >= start   ? text.data() + place
                                           : place + 3 < size && place + 3 >= start ? text.data() + place + 3
                                                                                   : nullptr;
                    ASSERT_EQ(FindByteSse2(from, end, wanted), expected) << size << " " << place << " " << start;
                    ASSERT_EQ(FindByte(from, end, wanted), expected) << size << " " << place << " " << start;
                }
            }
        }
    }
    EXPECT_EQ(FindByte(nullptr, nullptr, '\n'), nullptr);
    EXPECT_EQ(FindByteSse2(nullptr, nullptr, '\n'), nullptr);
}

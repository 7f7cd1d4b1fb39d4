#include "core/doc/line_store.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const LineStore& store)
{
    std::vector<std::string> lines;
    for (int i = 0; i < store.Count(); ++i)
        lines.emplace_back(store.Line(i));
    return lines;
}

std::string RandomBytes(std::mt19937& rng, std::size_t maxLength)
{
    std::string s(std::uniform_int_distribution<std::size_t>(0, maxLength)(rng), '\0');
    for (char& ch : s)
        ch = static_cast<char>(rng() & 0xFF); // NUL and every other byte value
    return s;
}

} // namespace

TEST(LineStore, KeepsEveryByteValueAndEmptyLines)
{
    LineStore store;
    const std::string withNul("a\0b\xFF", 4);
    store.Append(withNul);
    store.Append("");
    ASSERT_EQ(store.Count(), 2);
    EXPECT_EQ(store.Line(0), withNul);
    EXPECT_TRUE(store.Line(1).empty());
}

TEST(LineStore, ReplaceMayTakeItsBytesFromTheSameLine)
{
    LineStore store;
    store.Append("hello world");
    store.Replace(0, 0, 0, store.Line(0).substr(6)); // "world" in front of itself
    EXPECT_EQ(store.Line(0), "worldhello world");
    store.Assign(0, store.Line(0).substr(5, 5));
    EXPECT_EQ(store.Line(0), "hello");
}

TEST(LineStore, LinesGrowByTypingWithoutLosingBytes)
{
    LineStore store;
    store.Append("ab");
    std::string model = "ab";
    for (int i = 0; i < 5000; ++i) {
        const char ch = static_cast<char>('a' + i % 26);
        store.Replace(0, 1 + i, 0, std::string_view(&ch, 1));
        model.insert(model.begin() + 1 + i, ch);
    }
    EXPECT_EQ(store.Line(0), model);
}

// Random edits against a plain vector of strings; run under the sanitizers
// this also proves that blocks and own buffers are released exactly once.
TEST(LineStore, RandomEditsMatchAPlainModel)
{
    std::mt19937 rng(20261208);
    for (int round = 0; round < 20; ++round) {
        LineStore store;
        std::vector<std::string> model;
        for (int step = 0; step < 400; ++step) {
            const int op = static_cast<int>(rng() % 7);
            const int count = static_cast<int>(model.size());
            const int at = count ? static_cast<int>(rng() % static_cast<unsigned>(count)) : 0;
            if (op == 0 || count == 0) {
                const std::string bytes = RandomBytes(rng, rng() % 8 == 0 ? 300000 : 80);
                store.Append(bytes);
                model.push_back(bytes);
            } else if (op == 1) {
                std::vector<LineStore::Entry> entries;
                std::vector<std::string> added;
                for (unsigned k = rng() % 5; k > 0; --k) {
                    added.push_back(RandomBytes(rng, 60));
                    entries.push_back(store.MakeEntry(added.back()));
                }
                store.InsertEntries(at, entries);
                model.insert(model.begin() + at, added.begin(), added.end());
            } else if (op == 2) {
                const int n = std::min(count - at, static_cast<int>(rng() % 4));
                store.Erase(at, n);
                model.erase(model.begin() + at, model.begin() + at + n);
            } else if (op == 3) {
                const std::string bytes = RandomBytes(rng, 100);
                store.Assign(at, bytes);
                model[static_cast<std::size_t>(at)] = bytes;
            } else if (op == 4) {
                std::string& line = model[static_cast<std::size_t>(at)];
                const std::size_t from = rng() % (line.size() + 1);
                const std::size_t n = rng() % (line.size() - from + 1);
                const std::string bytes = RandomBytes(rng, 40);
                store.Replace(at, from, n, bytes);
                line.replace(from, n, bytes);
            } else if (op == 5) {
                LineStore copy(store);
                store = std::move(copy);
            } else {
                // What a file read in pieces does to its last line.
                const std::string bytes = RandomBytes(rng, rng() % 4 == 0 ? 70000 : 12);
                store.AppendToLast(bytes);
                model.back() += bytes;
            }
            ASSERT_EQ(Lines(store), model) << "round " << round << " step " << step;
        }
    }
}

TEST(LineStore, CopyLinesRebuildsFlagsAsUnknownStates)
{
    LineStore source;
    source.Append("one");
    source.Append("two");
    LineStore target;
    target.Append("old");
    std::vector<std::uint8_t> flags{0x80};
    CopyLines(source, target, &flags);
    EXPECT_EQ(Lines(target), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(flags, (std::vector<std::uint8_t>{127, 127}));
    EXPECT_EQ(Lines(source), Lines(target));
}

TEST(LineStore, ShortLinesLiveInTheirEntriesAndMoveWithThem)
{
    LineStore store;
    for (const char* line : {"a", "", "1234567", "12345678"})
        store.Append(line);
    store.InsertEntries(0, {store.MakeEntry("front"), store.MakeEntry(std::string(40, 'x'))});
    store.Erase(1, 1);
    EXPECT_EQ(Lines(store), (std::vector<std::string>{"front", "a", "", "1234567", "12345678"}));
    store.MutableLine(3)[6] = '!';
    store.Replace(1, 1, 0, "bcdefgh"); // grows out of its entry
    store.Replace(4, 0, 2, "");        // shrinks into one
    EXPECT_EQ(Lines(store), (std::vector<std::string>{"front", "abcdefgh", "", "123456!", "345678"}));
    store.Append(store.Line(3)); // a short line appended from the same store
    EXPECT_EQ(store.Line(5), "123456!");
}

TEST(LineStore, ATranslatedCopyPassesEveryKindOfLineThroughTheTable)
{
    std::array<std::uint8_t, 256> next{};
    for (int b = 0; b < 256; ++b)
        next[static_cast<std::size_t>(b)] = static_cast<std::uint8_t>(b + 1);
    const std::vector<std::string> lines{"", "short", std::string(300, 'p'), std::string(300000, 'o'), "\xFF"};
    for (const bool mostlyDead : {false, true}) {
        LineStore store;
        for (const std::string& line : lines)
            store.Append(line);
        if (mostlyDead) { // a copy then goes line by line
            for (int i = 0; i < 50; ++i)
                store.Append(std::string(1000, 'd'));
            store.Erase(static_cast<int>(lines.size()), 50);
        }
        store.Replace(1, 0, 0, "a"); // an own buffer
        const LineStore copy = store.TranslatedCopy(next);
        ASSERT_EQ(copy.Count(), static_cast<int>(lines.size()));
        for (int i = 0; i < copy.Count(); ++i) {
            std::string expected(store.Line(i));
            for (char& c : expected)
                c = static_cast<char>(next[static_cast<std::uint8_t>(c)]);
            EXPECT_EQ(copy.Line(i), expected) << "line " << i;
        }
        EXPECT_EQ(store.Line(1), "ashort");
        EXPECT_EQ(store.Line(4), "\xFF");
    }
}

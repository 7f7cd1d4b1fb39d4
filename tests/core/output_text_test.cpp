#include "core/tools/output_channel.h"
#include "core/tools/output_text.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

std::vector<std::string> CutAll(std::initializer_list<std::string_view> reads)
{
    OutputPieces pieces;
    std::vector<std::string> all;
    for (std::string_view read : reads)
        for (std::string& piece : pieces.Cut(read))
            all.push_back(piece);
    return all;
}

} // namespace

TEST(OutputPieces, ReadsAreCutAfterEveryLineFeedAndLoneLineFeedsGainACr)
{
    using Pieces = std::vector<std::string>;
    EXPECT_EQ(CutAll({"one\r\ntwo\r\nthr"}), (Pieces{"one\r\n", "two\r\n", "thr"}));
    EXPECT_EQ(CutAll({"a\nb\n"}), (Pieces{"a\r\n", "b\r\n"}));
    EXPECT_EQ(CutAll({"\n\n"}), (Pieces{"\r\n", "\r\n"}));
    // A CR LF split between two reads stays one line end.
    EXPECT_EQ(CutAll({"end\r", "\nnext"}), (Pieces{"end\r", "\n", "next"}));
    EXPECT_EQ(CutAll({"end", "\nnext"}), (Pieces{"end", "\r\n", "next"}));
    EXPECT_TRUE(CutAll({""}).empty());
    EXPECT_EQ(CutAll({"a\r", "", "\n"}), (Pieces{"a\r", "\n"}));
}

TEST(OutputWindowSize, TheOldestTenThousandGoWhenTheTextPassesSixtyThousand)
{
    EXPECT_EQ(OutputCharsToDrop(0, 1023), 0u);
    EXPECT_EQ(OutputCharsToDrop(59000, 1000), 0u);
    EXPECT_EQ(OutputCharsToDrop(59000, 1001), 10000u);
    EXPECT_EQ(OutputCharsToDrop(59999, 30000), 30000u); // repeated cuts
    // Less than one cut is held: all of it goes, the new text stays whole.
    EXPECT_EQ(OutputCharsToDrop(5000, 70000), 5000u);
    // 100 000 characters in reads of 1023: the end is kept, never more than
    // the window and the last read.
    std::size_t held = 0, appended = 0, dropped = 0;
    while (appended < 100000) {
        const std::size_t drop = OutputCharsToDrop(held, 1023);
        EXPECT_TRUE(drop == 0 || drop == kOutputCut);
        held = held - drop + 1023;
        dropped += drop;
        appended += 1023;
        EXPECT_LE(held, kOutputKeep);
    }
    EXPECT_EQ(held + dropped, appended);
    EXPECT_GT(held, kOutputKeep - kOutputCut - 1023);
}

TEST(JumpTarget, TheFinderAndCompilerLinesNameAPathAndALine)
{
    std::optional<JumpTarget> hit = JumpTargetOf("C:\\a b\\x.txt(12) : hit");
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->path, "C:\\a b\\x.txt");
    EXPECT_EQ(hit->line, 12u);
    // The text before the first ") :" is split at its last "(".
    hit = JumpTargetOf("x(3)y) :");
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->path, "x");
    EXPECT_EQ(hit->line, 3u);
    hit = JumpTargetOf("C:\\f(1)\\g.c(7) : error (in f) : more");
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->path, "C:\\f(1)\\g.c");
    EXPECT_EQ(hit->line, 7u);
    EXPECT_FALSE(JumpTargetOf("C:\\x.c(12): error"));
    EXPECT_FALSE(JumpTargetOf(""));
    // Lines that only look like targets name no line.
    EXPECT_EQ(JumpTargetOf("no paren) :")->line, 0u);
    EXPECT_EQ(JumpTargetOf("no paren) :")->path, "");
    EXPECT_EQ(JumpTargetOf("x() :")->line, 0u);
    EXPECT_EQ(JumpTargetOf("x(99999999999999999999999) :")->line, 0u);
}

TEST(OutputFile, EveryLineEndsWithCrLfEmptyLinesIncluded)
{
    EXPECT_EQ(OutputFileText("one\r\n\r\nthree"), "one\r\n\r\nthree\r\n");
    EXPECT_EQ(OutputFileText("one\r\n\r\n"), "one\r\n\r\n");
    EXPECT_EQ(OutputFileText(""), "");
}

TEST(OutputChannel, ReadersHandTheirPiecesOverInOrderAndWakeOnce)
{
    int wakes = 0;
    OutputChannel channel([&wakes] { ++wakes; });
    std::string output = "first\nsecond\r\n";
    output += std::string(3000, 'x') + "\nlast";
    std::size_t at = 0;
    ReadCapturedOutput(
        [&](char* buffer, std::size_t size) -> std::optional<std::size_t> {
            EXPECT_EQ(size, 1023u);
            const std::size_t n = std::min(size, output.size() - at);
            std::copy_n(output.data() + at, n, buffer);
            at += n;
            return n;
        },
        channel);
    EXPECT_EQ(wakes, 1);
    OutputChannel::Arrivals arrivals = channel.Take();
    EXPECT_EQ(arrivals.finishedRuns, 1);
    std::string joined;
    for (const std::string& piece : arrivals.pieces)
        joined += piece;
    EXPECT_EQ(joined, "first\r\nsecond\r\n" + std::string(3000, 'x') + "\r\nlast");
    EXPECT_EQ(arrivals.pieces.front(), "first\r\n");
    // Taken: the next arrival wakes again.
    channel.Push("more");
    EXPECT_EQ(wakes, 2);
}

TEST(OutputChannel, AFailedReadEndsTheRunAndAClosedChannelStopsTheReader)
{
    OutputChannel channel([] {});
    int reads = 0;
    ReadCapturedOutput([&](char*, std::size_t) -> std::optional<std::size_t> { ++reads; return std::nullopt; }, channel);
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(channel.Take().finishedRuns, 1);

    channel.Close();
    EXPECT_FALSE(channel.Push("late"));
    reads = 0;
    ReadCapturedOutput(
        [&](char* buffer, std::size_t) -> std::optional<std::size_t> {
            ++reads;
            buffer[0] = '\n';
            return 1;
        },
        channel);
    EXPECT_EQ(reads, 1);
    const OutputChannel::Arrivals after = channel.Take();
    EXPECT_TRUE(after.pieces.empty());
    EXPECT_EQ(after.finishedRuns, 0);
}

TEST(OutputChannel, PiecesOfConcurrentReadersEachArriveWholeAndInTheirOrder)
{
    auto channel = std::make_shared<OutputChannel>([] {});
    auto reader = [channel](char tag) {
        for (int i = 0; i < 2000; ++i)
            channel->Push(std::string(1, tag) + std::to_string(i));
        channel->Finish();
    };
    std::thread a(reader, 'a'), b(reader, 'b');
    a.join();
    b.join();
    const OutputChannel::Arrivals arrivals = channel->Take();
    EXPECT_EQ(arrivals.finishedRuns, 2);
    int next[2] = {0, 0};
    for (const std::string& piece : arrivals.pieces) {
        int& expected = next[piece[0] - 'a'];
        EXPECT_EQ(piece.substr(1), std::to_string(expected));
        ++expected;
    }
    EXPECT_EQ(next[0], 2000);
    EXPECT_EQ(next[1], 2000);
}

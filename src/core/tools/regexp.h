#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// How much backtracking one search may do. Every program step and every byte
// a repeat scans costs one step; a search that spends its budget stops and
// counts as not matched. The default budget grows with the length of the
// searched text, so that the work of a search stays linear in its size.
struct StepBudget {
    std::int64_t left;
    static StepBudget For(std::size_t textLength);
    bool Spent() const { return left < 0; }
};

// A regular expression over bytes (cp1251 text):
//   (x) group 1-9   x* x+ x? greedy   . any byte   ^ $ the ends of the string
//   [set] [^set] with a-b ranges   \c the byte c   | alternatives in order
// Matching is leftmost start, first alternative, greedy with backtracking.
// The matcher keeps its own stack, so neither the length of the text nor the
// length of a match deepens the machine's stack.
class RegExp {
public:
    // False for every malformed expression; the object then matches nothing.
    bool Compile(std::string_view expression);
    // Offset of the leftmost match in `subject`, or -1. The second form lets
    // several calls share one budget.
    int Find(std::string_view subject);
    int Find(std::string_view subject, StepBudget& budget);

    bool Compiled() const { return compiled; }
    // The last Find stopped because its budget ran out.
    bool OutOfSteps() const { return outOfSteps; }
    // Offsets in the last subject; group 0 is the whole match; -1 when unset.
    int GroupStart(int n) const { return groupStart[n]; }
    int GroupEnd(int n) const { return groupEnd[n]; }
    int MatchLength() const;

    // What narrows the start positions tried (never the result).
    char FirstChar() const { return firstChar; }
    bool Anchored() const { return anchored; }
    const std::string& MustHave() const { return mustHave; }

    static constexpr int kMaxGroups = 9;

    enum class Op : std::uint8_t {
        MatchEnd,    // success
        LineStart,   // zero width: the start of the subject
        LineEnd,     // zero width: the end of the subject
        Literal,     // the bytes literals[arg]
        OneOf,       // one byte of sets[arg] (., [set], [^set], one character)
        Repeat,      // sets[arg] taken `min` or more times, greedy
        Alternative, // try the next instruction, else the one `arg` further
        Jump,        // continue `arg` instructions further (negative: back)
        GroupOpen,   // group `arg` starts here
        GroupClose,  // group `arg` ends here
    };
    struct Instruction {
        Op op;
        int arg = 0;
        int min = 0;       // Repeat: 0 for *, 1 for +
        int nextByte = -1; // Repeat: the byte a following Literal starts with
    };
    using ByteSet = std::bitset<256>;

private:
    friend class RegExpParser;
    bool MatchAt(std::string_view subject, int start, StepBudget& budget);
    bool Backtrack(std::string_view subject, int& pc, int& pos);
    int CountRun(const ByteSet& set, std::string_view subject, int pos) const;
    int NextRepeatCount(const Instruction& repeat, std::string_view subject, int runStart, int count) const;

    bool compiled = false;
    bool outOfSteps = false;
    std::array<int, kMaxGroups + 1> groupStart{};
    std::array<int, kMaxGroups + 1> groupEnd{};
    char firstChar = 0;
    bool anchored = false;
    std::string mustHave;
    std::vector<Instruction> program;
    std::vector<std::string> literals;
    std::vector<ByteSet> sets;

    struct Frame {
        enum Kind : std::uint8_t { Resume, RetryRepeat, RestoreGroup } kind;
        int pc;    // Resume, RetryRepeat: the instruction; RestoreGroup: the slot
        int pos;   // Resume: the position; RetryRepeat: the run start; RestoreGroup: old value
        int count; // RetryRepeat: the next count to try
    };
    std::vector<Frame> m_stack;
};

// The text that replaces a match of an expression: in `replacement`, \0
// stands for the whole match and \1-\9 for its groups (`group` gives each,
// empty for one that took no part), \\ for one backslash; any other
// backslash stays as written.
std::string ExpandReplacement(std::string_view replacement, const std::function<std::string(int n)>& group);

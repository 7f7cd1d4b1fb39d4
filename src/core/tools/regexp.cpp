#include "core/tools/regexp.h"

#include <algorithm>
#include <cstring>
#include <utility>

using Op = RegExp::Op;
using Instruction = RegExp::Instruction;
using ByteSet = RegExp::ByteSet;

namespace {

constexpr std::int64_t kBaseSteps = 100000;
constexpr std::int64_t kStepsPerByte = 100;
// Backtracking points one attempt may keep (about 16 MB).
constexpr std::size_t kMaxFrames = std::size_t{1} << 20;

bool IsQuantifier(char c)
{
    return c == '*' || c == '+' || c == '?';
}

std::uint8_t Byte(char c)
{
    return static_cast<std::uint8_t>(c);
}

// A piece of program whose jumps are relative, so pieces join by appending.
struct Fragment {
    std::vector<Instruction> code;
    bool width = false; // every match of it takes at least one byte

    void Append(const Fragment& other)
    {
        code.insert(code.end(), other.code.begin(), other.code.end());
    }
};

} // namespace

StepBudget StepBudget::For(std::size_t textLength)
{
    return {kBaseSteps + kStepsPerByte * static_cast<std::int64_t>(textLength)};
}

// expression = branch { '|' branch }; branch = piece*; piece = atom [* + ?]
// Any failure leaves the parse; nothing partial is kept.
class RegExpParser {
public:
    RegExpParser(std::string_view text, RegExp& re) : m_text(text), m_re(re) {}

    bool Parse()
    {
        Fragment whole;
        BranchFacts facts;
        if (!Alternation(whole, &facts) || !AtEnd())
            return false;
        whole.code.push_back({Op::MatchEnd});
        m_re.program = std::move(whole.code);
        if (facts.single) {
            const Instruction& first = m_re.program.front();
            if (first.op == Op::Literal)
                m_re.firstChar = m_re.literals[first.arg][0];
            m_re.anchored = first.op == Op::LineStart;
            m_re.mustHave = facts.longestLiteral;
        }
        for (std::size_t i = 0; i + 1 < m_re.program.size(); ++i) {
            Instruction& in = m_re.program[i];
            if (in.op == Op::Repeat && m_re.program[i + 1].op == Op::Literal)
                in.nextByte = Byte(m_re.literals[m_re.program[i + 1].arg][0]);
        }
        return true;
    }

private:
    // What the top level learns of an expression of one branch.
    struct BranchFacts {
        bool single = false;
        std::string longestLiteral; // the later of equals
    };

    bool AtEnd() const { return m_pos >= m_text.size(); }
    char Peek() const { return m_text[m_pos]; }
    char Next() { return m_text[m_pos++]; }
    bool Accept(char c)
    {
        if (AtEnd() || Peek() != c)
            return false;
        ++m_pos;
        return true;
    }

    bool Alternation(Fragment& out, BranchFacts* facts)
    {
        std::vector<Fragment> branches;
        do {
            branches.emplace_back();
            if (!Branch(branches.back(), facts))
                return false;
        } while (Accept('|'));
        if (facts)
            facts->single = branches.size() == 1;
        out.width = std::all_of(branches.begin(), branches.end(), [](const Fragment& b) { return b.width; });
        // Alternative(to the next choice), branch, Jump(to the end) ... last branch.
        std::vector<std::size_t> jumps;
        for (std::size_t i = 0; i < branches.size(); ++i) {
            const bool last = i + 1 == branches.size();
            if (!last)
                out.code.push_back({Op::Alternative, static_cast<int>(branches[i].code.size()) + 2});
            out.Append(branches[i]);
            if (!last) {
                jumps.push_back(out.code.size());
                out.code.push_back({Op::Jump});
            }
        }
        for (std::size_t j : jumps)
            out.code[j].arg = static_cast<int>(out.code.size() - j);
        return true;
    }

    bool Branch(Fragment& out, BranchFacts* facts)
    {
        int openLiteral = -1; // the plain Literal the next plain byte joins
        std::vector<int> plainLiterals;
        while (!AtEnd() && Peek() != '|' && Peek() != ')') {
            Fragment piece;
            int plainByte = -1;
            if (!Piece(piece, plainByte))
                return false;
            out.width = out.width || piece.width;
            if (plainByte < 0) {
                openLiteral = -1;
                out.Append(piece);
            } else if (openLiteral >= 0) {
                m_re.literals[openLiteral] += static_cast<char>(plainByte);
            } else {
                openLiteral = piece.code.front().arg;
                plainLiterals.push_back(openLiteral);
                out.Append(piece);
            }
        }
        if (facts)
            for (int i : plainLiterals)
                if (m_re.literals[i].size() >= facts->longestLiteral.size())
                    facts->longestLiteral = m_re.literals[i];
        return true;
    }

    // `plainByte` is set when the piece is one byte with no quantifier, so
    // that runs of them become one Literal.
    bool Piece(Fragment& out, int& plainByte)
    {
        int setIndex = -1;
        int literalByte = -1;
        Fragment atom;
        if (!Atom(atom, setIndex, literalByte))
            return false;
        if (AtEnd() || !IsQuantifier(Peek())) {
            plainByte = literalByte;
            out = std::move(atom);
            return true;
        }
        const char quantifier = Next();
        if (!AtEnd() && IsQuantifier(Peek()))
            return false; // a** a+?
        if (quantifier != '?' && !atom.width)
            return false; // ^* (a|)* would loop without moving
        const int length = static_cast<int>(atom.code.size());
        if (quantifier == '?') {
            out.code.push_back({Op::Alternative, length + 1});
            out.Append(atom);
            return true;
        }
        const int min = quantifier == '+' ? 1 : 0;
        out.width = min == 1;
        if (literalByte >= 0)
            setIndex = AddSet(ByteSet().set(static_cast<std::size_t>(literalByte)));
        if (setIndex >= 0) {
            out.code.push_back({Op::Repeat, setIndex, min});
        } else if (min == 0) {
            out.code.push_back({Op::Alternative, length + 2});
            out.Append(atom);
            out.code.push_back({Op::Jump, -(length + 1)});
        } else {
            out.Append(atom);
            out.code.push_back({Op::Alternative, 2});
            out.code.push_back({Op::Jump, -(length + 1)});
        }
        return true;
    }

    // `setIndex` is set for one-byte atoms (., sets), `literalByte` for one
    // literal byte.
    bool Atom(Fragment& out, int& setIndex, int& literalByte)
    {
        if (AtEnd())
            return false;
        const char c = Next();
        switch (c) {
        case '*':
        case '+':
        case '?':
            return false; // a quantifier with nothing before it
        case '^':
            out.code.push_back({Op::LineStart});
            return true;
        case '$':
            out.code.push_back({Op::LineEnd});
            return true;
        case '.':
            setIndex = AddSet(ByteSet().set());
            break;
        case '[': {
            ByteSet set;
            if (!Set(set))
                return false;
            setIndex = AddSet(set);
            break;
        }
        case '(':
            return Group(out);
        case '\\':
            if (AtEnd())
                return false;
            literalByte = Byte(Next());
            break;
        default:
            literalByte = Byte(c);
            break;
        }
        out.width = true;
        if (setIndex >= 0) {
            out.code.push_back({Op::OneOf, setIndex});
        } else {
            m_re.literals.emplace_back(1, static_cast<char>(literalByte));
            out.code.push_back({Op::Literal, static_cast<int>(m_re.literals.size()) - 1});
        }
        return true;
    }

    bool Group(Fragment& out)
    {
        if (++m_groups > RegExp::kMaxGroups)
            return false;
        const int n = m_groups;
        Fragment inner;
        if (!Alternation(inner, nullptr) || !Accept(')'))
            return false;
        out.code.push_back({Op::GroupOpen, n});
        out.Append(inner);
        out.code.push_back({Op::GroupClose, n});
        out.width = inner.width;
        return true;
    }

    // After '[': an optional ^, then a first ']' or '-' as a member, members
    // and ranges up to the closing ']'. Range bounds compare as signed bytes,
    // so a range may not cross from ASCII into 0x80-0xFF.
    bool Set(ByteSet& set)
    {
        const bool negated = Accept('^');
        if (!AtEnd() && (Peek() == ']' || Peek() == '-'))
            set.set(Byte(Next()));
        while (!AtEnd() && Peek() != ']') {
            const char c = Next();
            if (c != '-' || AtEnd() || Peek() == ']') {
                set.set(Byte(c));
                continue;
            }
            const auto from = static_cast<signed char>(m_text[m_pos - 2]);
            const auto to = static_cast<signed char>(Next());
            if (from > to)
                return false;
            for (int b = from; b <= to; ++b)
                set.set(Byte(static_cast<char>(b)));
        }
        if (!Accept(']'))
            return false;
        if (negated)
            set.flip();
        return true;
    }

    int AddSet(const ByteSet& set)
    {
        m_re.sets.push_back(set);
        return static_cast<int>(m_re.sets.size()) - 1;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    int m_groups = 0;
    RegExp& m_re;
};

bool RegExp::Compile(std::string_view expression)
{
    *this = RegExp();
    compiled = RegExpParser(expression, *this).Parse();
    if (!compiled)
        *this = RegExp();
    return compiled;
}

int RegExp::MatchLength() const
{
    return groupStart[0] >= 0 && groupEnd[0] >= 0 ? groupEnd[0] - groupStart[0] : 0;
}

int RegExp::Find(std::string_view subject)
{
    StepBudget budget = StepBudget::For(subject.size());
    return Find(subject, budget);
}

int RegExp::Find(std::string_view subject, StepBudget& budget)
{
    groupStart.fill(-1);
    groupEnd.fill(-1);
    outOfSteps = false;
    if (!compiled || (!mustHave.empty() && subject.find(mustHave) == std::string_view::npos))
        return -1;
    const int length = static_cast<int>(subject.size());
    for (int start = 0; start <= length; ++start) {
        if (firstChar) {
            const void* at = std::memchr(subject.data() + start, firstChar, static_cast<std::size_t>(length - start));
            if (!at)
                break;
            start = static_cast<int>(static_cast<const char*>(at) - subject.data());
        }
        if (MatchAt(subject, start, budget))
            return start;
        if (budget.Spent() || anchored)
            break;
    }
    outOfSteps = budget.Spent();
    groupStart.fill(-1);
    groupEnd.fill(-1);
    return -1;
}

int RegExp::CountRun(const ByteSet& set, std::string_view subject, int pos) const
{
    const int length = static_cast<int>(subject.size());
    if (set.all())
        return length - pos;
    int end = pos;
    while (end < length && set[Byte(subject[end])])
        ++end;
    return end - pos;
}

// The largest count <= `count` (and >= the repeat's minimum) worth trying:
// when a Literal follows, the byte after the run must be its first byte.
int RegExp::NextRepeatCount(const Instruction& repeat, std::string_view subject, int runStart, int count) const
{
    for (; count >= repeat.min; --count) {
        const std::size_t after = static_cast<std::size_t>(runStart + count);
        if (repeat.nextByte < 0 || (after < subject.size() && Byte(subject[after]) == repeat.nextByte))
            return count;
    }
    return -1;
}

// One attempt at `start`: a depth-first walk of the program, with the
// choices still open kept on m_stack.
bool RegExp::MatchAt(std::string_view subject, int start, StepBudget& budget)
{
    const int length = static_cast<int>(subject.size());
    m_stack.clear();
    int pc = 0;
    int pos = start;
    for (;;) {
        bool ok = true;
        const Instruction& in = program[static_cast<std::size_t>(pc)];
        --budget.left;
        switch (in.op) {
        case Op::MatchEnd:
            groupStart[0] = start;
            groupEnd[0] = pos;
            return true;
        case Op::LineStart:
            ok = pos == 0;
            ++pc;
            break;
        case Op::LineEnd:
            ok = pos == length;
            ++pc;
            break;
        case Op::Literal: {
            const std::string& literal = literals[static_cast<std::size_t>(in.arg)];
            ok = subject.substr(static_cast<std::size_t>(pos), literal.size()) == literal;
            pos += static_cast<int>(literal.size());
            ++pc;
            break;
        }
        case Op::OneOf:
            ok = pos < length && sets[static_cast<std::size_t>(in.arg)][Byte(subject[pos])];
            ++pos;
            ++pc;
            break;
        case Op::Repeat: {
            const int run = CountRun(sets[static_cast<std::size_t>(in.arg)], subject, pos);
            budget.left -= run;
            const int count = NextRepeatCount(in, subject, pos, run);
            ok = count >= 0;
            if (count > in.min)
                m_stack.push_back({Frame::RetryRepeat, pc, pos, count - 1});
            pos += count;
            ++pc;
            break;
        }
        case Op::Alternative:
            m_stack.push_back({Frame::Resume, pc + in.arg, pos, 0});
            ++pc;
            break;
        case Op::Jump:
            pc += in.arg;
            break;
        case Op::GroupOpen:
            m_stack.push_back({Frame::RestoreGroup, in.arg, groupStart[in.arg], 0});
            groupStart[in.arg] = pos;
            ++pc;
            break;
        case Op::GroupClose:
            m_stack.push_back({Frame::RestoreGroup, in.arg + kMaxGroups + 1, groupEnd[in.arg], 0});
            groupEnd[in.arg] = pos;
            ++pc;
            break;
        }
        if (budget.Spent() || m_stack.size() > kMaxFrames) {
            budget.left = std::min<std::int64_t>(budget.left, -1);
            return false;
        }
        if (!ok && !Backtrack(subject, pc, pos))
            return false;
    }
}

// Takes the newest open choice: undoes the group marks made after it and
// moves to where it continues. False when no choice is left.
bool RegExp::Backtrack(std::string_view subject, int& pc, int& pos)
{
    while (!m_stack.empty()) {
        const Frame f = m_stack.back();
        m_stack.pop_back();
        switch (f.kind) {
        case Frame::RestoreGroup:
            if (f.pc <= kMaxGroups)
                groupStart[f.pc] = f.pos;
            else
                groupEnd[f.pc - kMaxGroups - 1] = f.pos;
            break;
        case Frame::Resume:
            pc = f.pc;
            pos = f.pos;
            return true;
        case Frame::RetryRepeat: {
            const Instruction& repeat = program[static_cast<std::size_t>(f.pc)];
            const int count = NextRepeatCount(repeat, subject, f.pos, f.count);
            if (count < 0)
                break;
            if (count > repeat.min)
                m_stack.push_back({Frame::RetryRepeat, f.pc, f.pos, count - 1});
            pc = f.pc + 1;
            pos = f.pos + count;
            return true;
        }
        }
    }
    return false;
}

std::string ExpandReplacement(std::string_view replacement, const std::function<std::string(int n)>& group)
{
    std::string text;
    text.reserve(replacement.size());
    for (std::size_t i = 0; i < replacement.size(); ++i) {
        const char c = replacement[i];
        const char next = i + 1 < replacement.size() ? replacement[i + 1] : '\0';
        if (c == '\\' && next >= '0' && next <= '9') {
            text += group(next - '0');
            ++i;
        } else if (c == '\\' && next == '\\') {
            text += '\\';
            ++i;
        } else {
            text += c;
        }
    }
    return text;
}

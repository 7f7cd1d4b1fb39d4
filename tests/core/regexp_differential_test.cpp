// The engine against a plain backtracking matcher written here: random
// expressions over a small alphabet, built as trees, printed as text for the
// engine and walked directly by the reference. Both must agree on the offset
// and length of the first match.
#include "core/tools/regexp.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

struct Node;
struct Piece {
    std::shared_ptr<Node> atom;
    char quantifier = 0; // 0 * + ?
};
using Branch = std::vector<Piece>;

struct Node {
    enum Kind { Char, Any, Set, Start, End, Group } kind = Char;
    char ch = 0;
    std::string members; // Set
    bool negated = false;
    std::vector<Branch> branches; // Group
};

using Next = std::function<bool(int)>;

// Continuation-passing backtracking: each step hands the rest of the match to
// `next`, which says whether the whole expression completed.
class Reference {
public:
    explicit Reference(std::string_view s) : m_s(s) {}

    bool Alternatives(const std::vector<Branch>& branches, int pos, const Next& next) const
    {
        for (const Branch& b : branches)
            if (Sequence(b, 0, pos, next))
                return true;
        return false;
    }

private:
    bool Sequence(const Branch& b, std::size_t i, int pos, const Next& next) const
    {
        if (i == b.size())
            return next(pos);
        return Repeat(b[i], pos, [&](int p) { return Sequence(b, i + 1, p, next); });
    }

    bool Repeat(const Piece& piece, int pos, const Next& next) const
    {
        const Node& atom = *piece.atom;
        switch (piece.quantifier) {
        case '?':
            return Atom(atom, pos, next) || next(pos);
        case '*':
            return Star(atom, pos, next);
        case '+':
            return Atom(atom, pos, [&](int p) { return Star(atom, p, next); });
        default:
            return Atom(atom, pos, next);
        }
    }

    bool Star(const Node& atom, int pos, const Next& next) const
    {
        return Atom(atom, pos, [&](int p) { return Star(atom, p, next); }) || next(pos);
    }

    bool Atom(const Node& atom, int pos, const Next& next) const
    {
        const int n = static_cast<int>(m_s.size());
        switch (atom.kind) {
        case Node::Char:
            return pos < n && m_s[pos] == atom.ch && next(pos + 1);
        case Node::Any:
            return pos < n && next(pos + 1);
        case Node::Set:
            return pos < n && (atom.members.find(m_s[pos]) != std::string::npos) != atom.negated && next(pos + 1);
        case Node::Start:
            return pos == 0 && next(pos);
        case Node::End:
            return pos == n && next(pos);
        case Node::Group:
            return Alternatives(atom.branches, pos, next);
        }
        return false;
    }

    std::string_view m_s;
};

class Generator {
public:
    explicit Generator(unsigned seed) : m_random(seed) {}

    std::vector<Branch> Expression()
    {
        m_groups = 0;
        return Branches(0);
    }

    std::string Subject()
    {
        static const char kBytes[] = {'a', 'b', 'c', '.', '\xE0'};
        std::string s(Pick(9), ' ');
        for (char& c : s)
            c = kBytes[Pick(4) == 0 ? Pick(5) : Pick(3)];
        return s;
    }

private:
    int Pick(int n) { return static_cast<int>(m_random() % static_cast<unsigned>(n)); }

    std::vector<Branch> Branches(int depth)
    {
        std::vector<Branch> branches(Pick(4) == 0 ? 2 + Pick(2) : 1);
        for (Branch& b : branches) {
            const int pieces = Pick(depth == 0 ? 5 : 3);
            for (int i = 0; i < pieces; ++i)
                b.push_back(MakePiece(depth));
        }
        return branches;
    }

    Piece MakePiece(int depth)
    {
        Piece piece{MakeAtom(depth)};
        static const char kQuantifiers[] = {'*', '+', '?'};
        if (Pick(3) == 0) {
            const char q = kQuantifiers[Pick(3)];
            if (q == '?' || HasWidth(*piece.atom))
                piece.quantifier = q;
        }
        return piece;
    }

    std::shared_ptr<Node> MakeAtom(int depth)
    {
        auto node = std::make_shared<Node>();
        const int roll = Pick(20);
        if (roll < 2 && depth < 3 && m_groups < RegExp::kMaxGroups) {
            ++m_groups;
            node->kind = Node::Group;
            node->branches = Branches(depth + 1);
        } else if (roll < 3) {
            node->kind = Node::Start;
        } else if (roll < 4) {
            node->kind = Node::End;
        } else if (roll < 6) {
            node->kind = Node::Any;
        } else if (roll < 8) {
            node->kind = Node::Set;
            node->negated = Pick(3) == 0;
            node->members = Pick(2) ? "ab" : "c.";
        } else {
            static const char kChars[] = {'a', 'b', 'c', '.', '*', '\xE0'};
            node->ch = kChars[Pick(9) < 7 ? Pick(3) : 3 + Pick(3)];
        }
        return node;
    }

    static bool HasWidth(const Node& n)
    {
        if (n.kind == Node::Start || n.kind == Node::End)
            return false;
        if (n.kind != Node::Group)
            return true;
        for (const Branch& b : n.branches) {
            bool wide = false;
            for (const Piece& p : b)
                wide = wide || ((p.quantifier == 0 || p.quantifier == '+') && HasWidth(*p.atom));
            if (!wide)
                return false;
        }
        return true;
    }

    std::mt19937 m_random;
    int m_groups = 0;
};

std::string Print(const std::vector<Branch>& branches);

std::string Print(const Node& n)
{
    switch (n.kind) {
    case Node::Char:
        return std::string(std::string_view("^$.[()|?+*\\").find(n.ch) != std::string_view::npos ? "\\" : "") + n.ch;
    case Node::Any:
        return ".";
    case Node::Set:
        return "[" + std::string(n.negated ? "^" : "") + n.members + "]";
    case Node::Start:
        return "^";
    case Node::End:
        return "$";
    case Node::Group:
        return "(" + Print(n.branches) + ")";
    }
    return {};
}

std::string Print(const std::vector<Branch>& branches)
{
    std::string text;
    for (std::size_t i = 0; i < branches.size(); ++i) {
        if (i)
            text += '|';
        for (const Piece& p : branches[i])
            text += Print(*p.atom) + (p.quantifier ? std::string(1, p.quantifier) : "");
    }
    return text;
}

std::string ReferenceMatch(const std::vector<Branch>& expression, std::string_view subject)
{
    const Reference reference(subject);
    for (int start = 0; start <= static_cast<int>(subject.size()); ++start) {
        int end = -1;
        if (reference.Alternatives(expression, start, [&](int p) {
                end = p;
                return true;
            }))
            return std::to_string(start) + ":" + std::to_string(end - start);
    }
    return "none";
}

TEST(RegExpDifferential, AgreesWithAPlainBacktrackingMatcher)
{
    Generator generate(20261208);
    int matches = 0;
    for (int round = 0; round < 4000; ++round) {
        const std::vector<Branch> expression = generate.Expression();
        const std::string text = Print(expression);
        RegExp re;
        ASSERT_TRUE(re.Compile(text)) << text;
        for (int i = 0; i < 8; ++i) {
            const std::string subject = generate.Subject();
            const int at = re.Find(subject);
            ASSERT_FALSE(re.OutOfSteps()) << text;
            const std::string got = at < 0 ? "none" : std::to_string(at) + ":" + std::to_string(re.MatchLength());
            ASSERT_EQ(got, ReferenceMatch(expression, subject)) << "expression " << text << " on " << subject;
            matches += at >= 0;
        }
    }
    // Both outcomes are well represented.
    EXPECT_GT(matches, 4000);
    EXPECT_LT(matches, 28000);
}

} // namespace

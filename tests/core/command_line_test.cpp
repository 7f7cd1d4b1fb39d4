#include "core/app/command_line.h"
#include "core/settings/app_settings.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Files of a pretend disk; the current directory is C:\work\.
class FakeOpener : public PathOpener {
public:
    std::optional<std::string> FullPath(const std::string& path) override
    {
        if (path.find('|') != std::string::npos)
            return std::nullopt; // cannot be made absolute
        return path.size() > 1 && path[1] == ':' ? path : "C:\\work\\" + path;
    }
    std::vector<std::string> MatchingFiles(const std::string& pattern) override
    {
        const std::size_t slash = pattern.rfind('\\');
        const std::string dir = pattern.substr(0, slash + 1);
        const std::string mask = pattern.substr(slash + 1);
        std::vector<std::string> names;
        for (const std::string& file : files)
            if (file.rfind(dir, 0) == 0 && file.find('\\', dir.size()) == std::string::npos &&
                Matches(mask, file.substr(dir.size())))
                names.push_back(file.substr(dir.size()));
        return names;
    }
    void OpenDocument(const std::string& path, const OpenOptions& options) override
    {
        opened.push_back({path, options.codePage ? int{*options.codePage} : int{kEncodingAuto}});
    }
    void NewDocument() override { ++newDocuments; }

    static bool Matches(const std::string& mask, const std::string& name)
    {
        if (mask.empty())
            return name.empty();
        if (mask[0] == '*')
            return Matches(mask.substr(1), name) || (!name.empty() && Matches(mask, name.substr(1)));
        return !name.empty() && (mask[0] == '?' || mask[0] == name[0]) && Matches(mask.substr(1), name.substr(1));
    }

    std::set<std::string> files{"C:\\work\\notes.txt", "C:\\work\\my file.txt", "C:\\work\\a.htm",
                                "C:\\work\\b.htm", "C:\\other\\x.txt"};
    std::vector<std::pair<std::string, int>> opened;
    int newDocuments = 0;
};

class CommandLine : public ::testing::Test {
protected:
    void SetUp() override
    {
        settings.Encoding = 4;
    }
    std::vector<std::string> Opened() const
    {
        std::vector<std::string> paths;
        for (const auto& [path, encoding] : opener.opened)
            paths.push_back(path);
        return paths;
    }
    AppSettings settings;
    FakeOpener opener;
};

TEST_F(CommandLine, NoArgumentsGiveOneUntitledDocument)
{
    ProcessCommandLine("", settings, opener);
    EXPECT_EQ(opener.newDocuments, 1);
    EXPECT_TRUE(opener.opened.empty());
}

TEST_F(CommandLine, AnUnquotedNameWithABlankOpensWhole)
{
    ProcessCommandLine("my file.txt", settings, opener);
    EXPECT_EQ(Opened(), std::vector<std::string>{"C:\\work\\my file.txt"});
    EXPECT_EQ(opener.newDocuments, 0);
}

TEST_F(CommandLine, TokensWithQuotesAndPatterns)
{
    ProcessCommandLine("notes.txt \"my file.txt\" *.htm", settings, opener);
    EXPECT_EQ(Opened(), (std::vector<std::string>{"C:\\work\\notes.txt", "C:\\work\\my file.txt",
                                                  "C:\\work\\a.htm", "C:\\work\\b.htm"}));
    EXPECT_EQ(opener.newDocuments, 0);
    for (const auto& [path, encoding] : opener.opened)
        EXPECT_EQ(encoding, 5) << path; // detected
}

TEST_F(CommandLine, AMissingNameIsHandedOnAndNoUntitledDocumentIsAdded)
{
    ProcessCommandLine("missing.txt", settings, opener);
    EXPECT_EQ(Opened(), std::vector<std::string>{"C:\\work\\missing.txt"});
    EXPECT_EQ(opener.opened[0].second, 4); // no file matched: the Encoding stays
    EXPECT_EQ(opener.newDocuments, 0);
}

TEST_F(CommandLine, DisableAutoKeepsTheEncoding)
{
    settings.DisableAuto = 1;
    ProcessCommandLine("C:\\other\\x.txt", settings, opener);
    ASSERT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(opener.opened[0].second, 4);
}

TEST_F(CommandLine, NamesThatCannotBeMadeAbsoluteAreSkipped)
{
    ProcessCommandLine("a|b c|d", settings, opener);
    EXPECT_TRUE(opener.opened.empty());
    EXPECT_EQ(opener.newDocuments, 1); // nothing opened
    EXPECT_FALSE(OpenPathOrPattern("", false, settings, opener));
    EXPECT_FALSE(OpenPathOrPattern("nothing.txt", true, settings, opener));
    EXPECT_TRUE(OpenPathOrPattern("\"notes.txt\"", true, settings, opener));
}

} // namespace

TEST(CommandLineArguments, FollowTheProgramName)
{
    EXPECT_EQ(ArgumentsOf("\"C:\\Program Files\\Noveda\\noveda.exe\"  a.txt \"b c.txt\""), "a.txt \"b c.txt\"");
    EXPECT_EQ(ArgumentsOf("noveda.exe *.htm"), "*.htm");
    EXPECT_EQ(ArgumentsOf("noveda.exe"), "");
    EXPECT_EQ(ArgumentsOf("\"noveda.exe\""), "");
    EXPECT_EQ(ArgumentsOf("\"unclosed"), "");
}

TEST(CommandLinePieces, HoldWholeNamesAndEverything)
{
    EXPECT_EQ(SplitCommandLine("a.txt b.txt", 20), std::vector<std::string>{"a.txt b.txt"});
    std::string line;
    std::vector<std::string> names;
    for (int i = 0; i < 300; ++i) {
        names.push_back(i % 3 ? "C:\\docs\\file" + std::to_string(i) + ".txt" : "\"C:\\my docs\\n " + std::to_string(i) + ".txt\"");
        line += (i ? " " : "") + names.back();
    }
    ASSERT_GT(line.size(), 2046u);
    const std::vector<std::string> pieces = SplitCommandLine(line, 2046);
    ASSERT_GT(pieces.size(), 1u);
    std::string joined;
    for (const std::string& piece : pieces) {
        EXPECT_LE(piece.size(), 2046u);
        joined += (joined.empty() ? "" : " ") + piece;
        // Every piece begins with a whole name.
        const std::size_t end = piece[0] == '"' ? piece.find('"', 1) + 1 : piece.find(' ');
        EXPECT_NE(std::find(names.begin(), names.end(), piece.substr(0, end)), names.end()) << piece.substr(0, 40);
    }
    EXPECT_EQ(joined, line);
}

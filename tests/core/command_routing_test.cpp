#include "core/settings/command_routing.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <vector>

namespace {

// Knows the commands in `known`; those in `disabled` are grey.
class Target : public CommandTarget {
public:
    Target(std::set<int> known, std::set<int> disabled) : m_known(std::move(known)), m_disabled(std::move(disabled)) {}
    bool OnCommand(int id) override
    {
        if (!m_known.count(id))
            return false;
        ran.push_back(id);
        return true;
    }
    std::optional<CommandUpdate> OnUpdateCommand(int id) override
    {
        if (!m_known.count(id))
            return std::nullopt;
        return CommandUpdate{!m_disabled.count(id)};
    }
    std::vector<int> ran;

private:
    std::set<int> m_known;
    std::set<int> m_disabled;
};

} // namespace

TEST(CommandRouting, TheFirstTargetThatKnowsACommandRunsItUnlessItIsGrey)
{
    Target view({1, 2}, {2});
    Target frame({1, 2, 3, 4}, {4});
    std::array<CommandTarget*, 3> chain{nullptr, &view, &frame};
    EXPECT_TRUE(RouteCommand(chain, 1));
    EXPECT_EQ(view.ran, std::vector<int>{1});
    // Grey in the view, which knows it first: the frame does not run it either.
    EXPECT_TRUE(RouteCommand(chain, 2));
    EXPECT_TRUE(view.ran.size() == 1 && frame.ran.empty());
    EXPECT_TRUE(RouteCommand(chain, 3));
    EXPECT_EQ(frame.ran, std::vector<int>{3});
    EXPECT_TRUE(RouteCommand(chain, 4)); // grey: swallowed
    EXPECT_EQ(frame.ran, std::vector<int>{3});
    EXPECT_FALSE(RouteCommand(chain, 5)); // nobody's
    EXPECT_EQ(RouteUpdate(chain, 2), CommandUpdate{false});
    EXPECT_FALSE(RouteUpdate(chain, 5));
}

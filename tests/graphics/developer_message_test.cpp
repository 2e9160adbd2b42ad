#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/app/game_base.h"
#include "engine/graphics/developer_message.h"

namespace {

class CListeningGame : public CGameBase
{
public:
    void DeveloperMessageTextC(const char* text) override { messages.push_back(text); }

    std::vector<std::string> messages;
};

} // namespace

TEST(DeveloperMessages, ReachTheGameObjectWhileItExists)
{
    SendDeveloperMessage("before any game: nowhere");
    {
        CListeningGame game;
        SendDeveloperMessage("a programming slip");
        ASSERT_EQ(game.messages.size(), 1u);
        EXPECT_EQ(game.messages[0], "a programming slip");
    }
    SendDeveloperMessage("after the game: nowhere");
}

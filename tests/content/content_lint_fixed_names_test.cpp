#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "content/lint/fixed_names.h"

namespace {

// The item table's rows, one form each, and the paths each listed name
// may take.
TEST(ContentLintFixedNames, EachFormOfARowGivesItsPaths)
{
    const struct
    {
        const char* row;
        std::vector<CFixedName> names;
    } cases[] = {
        {"| \"Sounds/Bounce.wav\" | a boing | x | y |", {{"Sounds/Bounce.wav", {"Sounds/Bounce.wav"}}}},
        {"| \"Resources/Ball Hit Wall.PGen\", \"Ball Hit Ship\" | bursts | x | y |",
         {{"Resources/Ball Hit Wall.PGen", {"Resources/Ball Hit Wall.PGen"}},
          {"Ball Hit Ship", {"Resources/Ball Hit Ship.PGen", "Ball Hit Ship.PGen"}}}},
        {"| \"Resources/-Text Cursor/...\", \"Shots/-Laser\" | frames | x | y |",
         {{"Resources/-Text Cursor/...", {"Resources/-Text Cursor/Properties.txt"}},
          {"Shots/-Laser", {"Resources/Shots/-Laser/Properties.txt", "Shots/-Laser/Properties.txt"}}}},
        {"| \"Resources/Power Ups/!None.PowerUp\" and one \".PowerUp\" per kind: \"Slow Ball\" | items | x | y |",
         {{"Resources/Power Ups/!None.PowerUp", {"Resources/Power Ups/!None.PowerUp"}},
          {"Slow Ball",
           {"Resources/Power Ups/Slow Ball.PowerUp", "Resources/Slow Ball.PowerUp", "Slow Ball.PowerUp"}}}},
        {"| \"Resources/Styles/Blue\", \"Electric/Hold.wav\" (\".Style\") | styles | x | y |",
         {{"Resources/Styles/Blue", {"Resources/Styles/Blue.Style"}},
          {"Electric/Hold.wav",
           {"Resources/Styles/Electric/Hold.wav", "Resources/Electric/Hold.wav", "Electric/Hold.wav"}}}},
        {"| \"Resources/-PowerUp Slow/Properties.txt\" and one \"-PowerUp <kind>\", \"-Brick ...\" | a | x | y |",
         {{"Resources/-PowerUp Slow/Properties.txt", {"Resources/-PowerUp Slow/Properties.txt"}}}},
        {"| \"Resources/Main Menu Options.Object.txt\" | pending: the front end | x | y |", {}},
        {"| every font at once | | start-up | fatal |", {}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.row);
        const std::vector<CFixedName> names = ReadFixedNames(std::string("intro\n") + c.row + "\n");
        ASSERT_EQ(names.size(), c.names.size());
        for (size_t i = 0; i < names.size(); i++)
        {
            EXPECT_EQ(names[i].listed, c.names[i].listed);
            EXPECT_EQ(names[i].candidates, c.names[i].candidates);
        }
    }
}

} // namespace

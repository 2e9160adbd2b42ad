#include <gtest/gtest.h>

#include <string>

#include "engine/app/sound/sound_list.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_list.h"
#include "game/playfield/particle_generator.h"
#include "tests/content/generated_content_fixture.h"

namespace {

// The looks, bursts and sounds the balls, the ship and its weapons find by
// name, in the generated content as the game's libraries list it.
using ContentShipAndBall = GeneratedContentTest;

TEST_F(ContentShipAndBall, EveryLookIsListedAndAsWideAsWhatItDraws)
{
    // Widths the game measures against: the balls' collision circles and
    // the shields' bouncing half widths; 0 leaves the width to the artist.
    const struct
    {
        const char* name;
        int32_t width;
    } cases[] = {{"Ball", 16},
                 {"Small Ball", 6},
                 {"RS Small Shield", 26},
                 {"RS Small Shield 2", 40},
                 {"RS Normal Shield", 32},
                 {"RS Long Shield", 42},
                 {"RS Biggest Shield", 66},
                 {"Player Parts/Thrust Left", 0},
                 {"Player Parts/Thrust Right", 0},
                 {"RS Small Guns Recoil Left", 0},
                 {"RS Small Guns", 0},
                 {"Player Ships/Selectable Player Ships/Manta", 0},
                 {"Shots/Laser Shot", 0},
                 {"Shots/Big Gun Missile", 0},
                 {"Shots/Splitter Shot", 0},
                 {"Shots/Stinger Missile", 0},
                 {"Shots/Ball Laser Shot", 0}};
    CSequenceList& sequences = GetSequenceList();
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        const int32_t index = sequences.Find(c.name, -1);
        ASSERT_GT(index, 0);
        CSequence* sequence = sequences.GetItemObject(static_cast<uint32_t>(index));
        ASSERT_NE(sequence, nullptr);
        ASSERT_GT(sequence->GetFrameCount(), 0u);
        if (c.width != 0)
        {
            EXPECT_EQ(sequence->GetFrame(0)->GetWidth(), c.width);
        }
    }
    // Missiles and the laser ball's shots show one picture per heading.
    for (const char* name : {"Shots/Stinger Missile", "Shots/Ball Laser Shot"})
    {
        const int32_t index = sequences.Find(name, -1);
        ASSERT_GT(index, 0) << name;
        EXPECT_EQ(sequences.GetItemObject(static_cast<uint32_t>(index))->GetFrameCount(), 16u) << name;
    }
}

TEST_F(ContentShipAndBall, EveryBurstHasSparksAndEverySoundIsListed)
{
    ParticleGeneratorList& generators = GetParticleGeneratorList();
    for (const char* name : {"Ball Hit Wall", "Ball Hit Wall Small", "Ball Hit Ship", "Ball Hit Ship Small",
                             "Ball Hit Brick", "Ball Hit Brick Small", "Ship Thruster", "Missile Exhaust"})
    {
        SCOPED_TRACE(name);
        const int32_t index = generators.FindOrFail(name, -1);
        ASSERT_GT(index, 0);
        const CParticleGeneratorInfo* generator = generators.Get(static_cast<uint32_t>(index));
        ASSERT_NE(generator, nullptr);
        EXPECT_GT(generator->m_Particles, 0u);
        ASSERT_EQ(generator->GetTypeCount(), 1u);
        EXPECT_EQ(generator->GetType(0).m_ParticleType, GetSequenceList().Find("Spark", -1));
    }
    for (const char* name :
         {"Bounce.wav", "Thrust.wav", "Electric/Can Catch.wav", "Electric/Hold.wav", "Electric/Catch.wav",
          "Weapons/Laser.wav", "Weapons/Missile.wav", "Weapons/Ball Laser.wav"})
    {
        EXPECT_GT(GetSoundList().FindSound(name, -1), 0) << name;
    }
}

} // namespace

#include <cmath>
#include <string>
#include <vector>

#include "content/audio/sound_item.h"
#include "content/audio/synth.h"
#include "content/content_items.h"
#include "content/images/picture.h"
#include "content/images/sequence_item.h"
#include "content/objects/object_item.h"

// The rings of the game: the coin's look and its pickup flash, the sounds
// of the ring game, the coin style every round's palette offers, and a
// round of five rings to collect.

namespace {

constexpr int32_t kCoinSize = 24;
constexpr int32_t kCoinFrames = 8;
constexpr double kPi = 3.14159265358979323846;

// A gold ring turning about its upright axis: over the frames it narrows to
// its edge and widens again.
void MakeCoinLook(CContentTree& tree, const char* item)
{
    std::vector<CPicture> frames;
    const double middle = kCoinSize / 2.0;
    for (int32_t frame = 0; frame < kCoinFrames; frame++)
    {
        const double width = 1.5 + 9.5 * std::fabs(std::cos(kPi * frame / kCoinFrames));
        CPicture picture(kCoinSize, kCoinSize);
        picture.FillEllipse(middle, middle, width, 10.5, {150, 100, 10});
        picture.FillEllipse(middle, middle, width * 0.8, 9.0, {255, 215, 60});
        picture.FillEllipse(middle, middle, width * 0.45, 5.0, {150, 100, 10});
        picture.FillEllipse(middle - width * 0.3, middle - 4.0, width * 0.2, 2.0, {255, 255, 220, 200});
        frames.push_back(picture);
    }
    AddSequence(tree, "Coin", frames, "CSequence\n{\n\tFrames Per Second=12\n\tCenter Hot Spot=1\n}\n", item);
}

// A golden ring that widens and fades where a coin was taken.
void MakeCoinPickup(CContentTree& tree, const char* item)
{
    constexpr int32_t kSize = 48;
    constexpr int32_t kFrames = 6;
    std::vector<CPicture> frames;
    for (int32_t frame = 0; frame < kFrames; frame++)
    {
        CPicture picture(kSize, kSize);
        const double outer = 8.0 + 15.0 * frame / (kFrames - 1);
        const uint8_t alpha = static_cast<uint8_t>(240 - 36 * frame);
        picture.FillRing(kSize / 2.0, kSize / 2.0, outer, outer - 3.0, {255, 225, 90, alpha});
        frames.push_back(picture);
    }
    AddSequence(tree, "Coin Pickup", frames, "CSequence\n{\n\tFrames Per Second=20\n\tCenter Hot Spot=1\n}\n",
                item);
}

// A bright two-note chime.
void MakePickupSound(CContentTree& tree, const char* item)
{
    CSynth synth(0.22);
    synth.AddTone(0.0, 0.08, 1319.0, 1319.0, 0.3, EWaveShape::Sine, {0.001, 2});
    synth.AddTone(0.06, 0.16, 1976.0, 1976.0, 0.3, EWaveShape::Sine, {0.001, 3});
    AddSynthesizedSound(tree, item, synth, item);
}

// One short tick a ring counted up; a lower one a ring counted down.
void MakeCountUpSound(CContentTree& tree, const char* item)
{
    CSynth synth(0.08);
    synth.AddTone(0.0, 0.08, 1760.0, 2093.0, 0.25, EWaveShape::Triangle, {0.001, 2});
    AddSynthesizedSound(tree, item, synth, item);
}

void MakeCountDownSound(CContentTree& tree, const char* item)
{
    CSynth synth(0.08);
    synth.AddTone(0.0, 0.08, 880.0, 740.0, 0.25, EWaveShape::Triangle, {0.001, 2});
    AddSynthesizedSound(tree, item, synth, item);
}

// A rising arpeggio for every ring of a round.
void MakeAllRingsSound(CContentTree& tree, const char* item)
{
    CSynth synth(0.6);
    const double notes[] = {1047.0, 1319.0, 1568.0, 2093.0};
    for (int32_t i = 0; i < 4; i++)
        synth.AddTone(0.12 * i, 0.24, notes[i], notes[i], 0.22, EWaveShape::Sine, {0.002, 2});
    AddSynthesizedSound(tree, item, synth, item);
}

// A call of two rising sweeps when rings are traded for a ball; a warm
// chord when the ball arrives.
void MakeExtraBallSound(CContentTree& tree, const char* item)
{
    CSynth synth(0.5);
    synth.AddTone(0.0, 0.2, 440.0, 880.0, 0.3, EWaveShape::Square, {0.002, 2});
    synth.AddTone(0.25, 0.25, 660.0, 1320.0, 0.3, EWaveShape::Square, {0.002, 2});
    AddSynthesizedSound(tree, item, synth, item);
}

void MakeReceivedExtraBallSound(CContentTree& tree, const char* item)
{
    CSynth synth(0.7);
    for (double hz : {523.0, 659.0, 784.0})
        synth.AddTone(0.0, 0.7, hz, hz, 0.18, EWaveShape::Sine, {0.005, 2});
    AddSynthesizedSound(tree, item, synth, item);
}

// A long fanfare: every ring of the set is found.
void MakeCompletedRingGameSound(CContentTree& tree, const char* item)
{
    CSynth synth(3.0);
    const double chords[][3] = {{523.0, 659.0, 784.0}, {587.0, 740.0, 880.0}, {659.0, 831.0, 988.0},
                                {784.0, 988.0, 1175.0}, {1047.0, 1319.0, 1568.0}};
    for (int32_t chord = 0; chord < 5; chord++)
        for (double hz : chords[chord])
            synth.AddTone(0.5 * chord, chord == 4 ? 1.0 : 0.5, hz, hz, 0.12, EWaveShape::Triangle, {0.005, 2});
    AddSynthesizedSound(tree, item, synth, item);
}

void MakeCoinStyle(CContentTree& tree, const char* item)
{
    AddObjectFile(tree, item,
                  "CBrickStyleSheetCoin\n{\n\tDescription=A ring: fly the ball through it. Five in a round pay a "
                  "bonus; 25 buy a Quellorb.\n"
                  "\tEditor Button Sequence=Coin\n\tScore=10\n\tPrimary Sequence=Coin\n"
                  "\tPickup Sound=Rings/Pickup.wav\n\tPickup Seq=Coin Pickup\n"
                  "\tBonus Count Up Sound=Rings/Count Up.wav\n\tGot All Coins On Level Sound=Rings/All Rings.wav\n"
                  "\tExtra Life Sound=Rings/Extra Ball.wav\n\tRedeem Coins Count Down Sound=Rings/Count Down.wav\n"
                  "\tReceived Extra Life Sound=Rings/Received Extra Ball.wav\n}\n",
                  item);
}

// Five rings in an arch over a row of blue bricks, the round's one wall.
void MakeFiveRingRound(CContentTree& tree, const char* item)
{
    std::string text = "CBrickLayout\n{\n\tDisplay Name=Five Rings\n\tAuthor=Vantrell Pellucine\n"
                       "\tLast Brick ID Assigned=112\n\tBricks=Array\n\t{\n";
    const int32_t ringX[] = {150, 230, 310, 390, 470};
    const int32_t ringY[] = {190, 140, 120, 140, 190};
    int32_t id = 101;
    for (int32_t ring = 0; ring < 5; ring++, id++)
        text += "\t\tBrick=CBrickCoin\n\t\t{\n\t\t\tName=Coin#" + std::to_string(id) + "\n\t\t\tBrick Position=" +
                std::to_string(ringX[ring]) + "," + std::to_string(ringY[ring]) + "\n\t\t\tStyle Sheet=Common/Coin\n\t\t}\n";
    for (int32_t column = 0; column < 7; column++, id++)
        text += "\t\tBrick=CBrickNormal\n\t\t{\n\t\t\tName=Brick#" + std::to_string(id) + "\n\t\t\tBrick Position=" +
                std::to_string(110 + 62 * column) + ",260\n\t\t\tStyle Sheet=Common/Blue\n\t\t}\n";
    // A shipped round never captures its own thumbnail, so play never
    // rewrites its file.
    text += "\t}\n\tAutomatic Thumbnail=0\n}\n";
    AddObjectFile(tree, item, text.c_str(), item);
}

CContentItemRegistration s_CoinLook("Resources/-Coin/Properties.txt", MakeCoinLook);
CContentItemRegistration s_CoinPickup("Resources/-Coin Pickup/Properties.txt", MakeCoinPickup);
CContentItemRegistration s_PickupSound("Sounds/Rings/Pickup.wav", MakePickupSound);
CContentItemRegistration s_CountUpSound("Sounds/Rings/Count Up.wav", MakeCountUpSound);
CContentItemRegistration s_CountDownSound("Sounds/Rings/Count Down.wav", MakeCountDownSound);
CContentItemRegistration s_AllRingsSound("Sounds/Rings/All Rings.wav", MakeAllRingsSound);
CContentItemRegistration s_ExtraBallSound("Sounds/Rings/Extra Ball.wav", MakeExtraBallSound);
CContentItemRegistration s_ReceivedExtraBallSound("Sounds/Rings/Received Extra Ball.wav",
                                                  MakeReceivedExtraBallSound);
CContentItemRegistration s_CompletedRingGameSound("Sounds/Completed Ring Game.wav", MakeCompletedRingGameSound);
CContentItemRegistration s_CoinStyle("Resources/Brick Style Sheets/Common/Coin.BrickStyleSheet", MakeCoinStyle,
                                     CONTENT_OBJECTS_OF_OBJECTS);
CContentItemRegistration s_FiveRingRound("Resources/Rounds/Five Rings.Vantrell", MakeFiveRingRound, CONTENT_ROUNDS);

} // namespace

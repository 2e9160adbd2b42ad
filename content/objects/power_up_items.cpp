#include <string>
#include <vector>

#include "content/audio/sound_item.h"
#include "content/audio/synth.h"
#include "content/content_items.h"
#include "content/images/picture.h"
#include "content/images/sequence_item.h"
#include "content/objects/object_item.h"

// The power-up library: "!None" and one item per kind the game drops, each
// with its own capsule, a pill in the kind's colour whose light band rolls
// round as it falls; the sounds the kinds play; and the look of the names
// that rise when a capsule is caught.

namespace {

struct PowerUpItem
{
    const char* name;
    const char* className;
    const char* karma;
    CPictureColor colour;
    // Lines of the kind's own properties, or none.
    const char* ownProperties;
};

const PowerUpItem kPowerUps[] = {
    {"Slow Ball", "CPowerUpSlow", "Good Effect", {70, 140, 255}, nullptr},
    {"Fast Ball", "CPowerUpFast", "Bad Effect", {255, 90, 60}, nullptr},
    {"Split Ball", "CPowerUpSplitBall", "Good Effect", {120, 230, 120}, nullptr},
    {"Extra Ball", "CPowerUpExtraBall", "Good Effect", {255, 220, 60}, nullptr},
    {"Shrink Paddle", "CPowerUpShrinkPaddle", "Bad Effect", {200, 60, 200}, nullptr},
    {"Expand Paddle", "CPowerUpExpandPaddle", "Good Effect", {60, 220, 220}, nullptr},
    {"Normal Ball", "CPowerUpNormalBall", "Neutral Effect", {200, 200, 200}, nullptr},
    {"Small Ball", "CPowerUpSmallBall", "Bad Effect", {150, 110, 80}, nullptr},
    {"Normal Ship", "CPowerUpNormalShip", "Neutral Effect", {160, 170, 190}, nullptr},
    {"Ball Catcher", "CPowerUpBallCatcher", "Good Effect", {140, 140, 255}, nullptr},
    {"Big Gun", "CPowerUpBigGun", "Neutral Effect", {255, 160, 60}, nullptr},
    {"Laser Gun",
     "CPowerUpAddAccessoryToShip",
     "Good Effect",
     {255, 60, 120},
     "\tShip Accessory=CAccessoryGunLaser\n\t{\n\t}\n"},
    {"Splitter Gun",
     "CPowerUpGunBallSplitter",
     "Good Effect",
     {180, 255, 60},
     "\tBall Splitter Gun=CAccessoryGunBallSplitter\n\t{\n\t}\n"},
    {"Converter Ball",
     "CPowerUpAddPlugInToBall",
     "Neutral Effect",
     {120, 80, 255},
     "\tPlug-In to add to balls=CBallConverterBall\n\t{\n\t}\n"},
    {"Laser Sight",
     "CPowerUpAddPlugInToBall",
     "Good Effect",
     {255, 100, 100},
     "\tPlug-In to add to balls=CPowerUpLaserSight\n\t{\n\t}\n"},
    {"Fire Ball",
     "CPowerUpAddPlugInToBall",
     "Good Effect",
     {255, 120, 30},
     "\tPlug-In to add to balls=CBallPlugInFireBall\n\t{\n\t\tPrimary Sequence=Fire Ball\n\t}\n"},
    {"Rail Ball",
     "CPowerUpAddPlugInToBall",
     "Good Effect",
     {190, 200, 220},
     "\tPlug-In to add to balls=CBallPlugInRailBall\n\t{\n\t\tPrimary Sequence=Rail Ball\n\t}\n"},
    {"Acid Ball",
     "CPowerUpAddPlugInToBall",
     "Good Effect",
     {120, 230, 60},
     "\tPlug-In to add to balls=CBallPlugInAcidBall\n\t{\n\t\tPrimary Sequence=Acid Ball\n"
     "\t\tDissolve Effect Mask=Acid Dissolve Mask\n\t\tDissolve Effect Overlay=Acid Dissolve Overlay\n"
     "\t\tDissolve Sound=Pop Brick.wav\n\t}\n"},
    {"Laser Ball",
     "CPowerUpAddPlugInToBall",
     "Good Effect",
     {255, 80, 160},
     "\tPlug-In to add to balls=CBallPlugInBallLaser\n\t{\n\t\tPrimary Sequence=Laser Ball\n"
     "\t\tLaser Shot Sequence=Shots/Ball Laser Shot\n\t\tShot Sound=Weapons/Ball Laser.wav\n\t}\n"},
    {"Bomb Ball",
     "CPowerUpBombBall",
     "Good Effect",
     {90, 90, 90},
     "\tIs A Level Breaker=1\n"
     "\tBall Plug-In=CBallPlugInBombBall\n\t{\n\t}\n"
     "\tCharger Overlay For Ship=PowerUp Bomb Ball\n"
     "\tShip Overlay Position=0,-14\n"
     "\tCharging Effect Color=255,230,120\n"},
    {"Safety Bumper", "CPowerUpSaftyBumper", "Good Effect", {90, 200, 160}, nullptr},
    {"Bomb",
     "CPowerUpBomb",
     "Bad Effect",
     {40, 40, 40},
     "\tDropped Sound=Bomb Falling.wav\n"
     "\tDestroyed By Ball String=Bomb Defused!\n"},
};

constexpr int kCapsuleFrames = 8;

// A 24 x 12 pill with a light band rolling across it.
std::vector<CPicture> CapsuleFrames(CPictureColor colour)
{
    std::vector<CPicture> frames;
    const CPictureColor rim{static_cast<uint8_t>(colour.red / 2), static_cast<uint8_t>(colour.green / 2),
                            static_cast<uint8_t>(colour.blue / 2)};
    for (int i = 0; i < kCapsuleFrames; i++)
    {
        CPicture frame(24, 12);
        frame.FillEllipse(6.0, 6.0, 5.5, 5.5, rim);
        frame.FillEllipse(18.0, 6.0, 5.5, 5.5, rim);
        frame.FillRect(6.0, 0.5, 18.0, 11.5, rim);
        frame.FillEllipse(6.0, 6.0, 4.5, 4.5, colour);
        frame.FillEllipse(18.0, 6.0, 4.5, 4.5, colour);
        frame.FillRect(6.0, 1.5, 18.0, 10.5, colour);
        const double band = 3.0 + 18.0 * i / kCapsuleFrames;
        frame.FillRect(band, 2.5, band + 2.0, 9.5, CPictureColor{255, 255, 255, 170});
        frames.push_back(frame);
    }
    return frames;
}

void MakeCapsules(CContentTree& tree, const char* item)
{
    for (const PowerUpItem& powerUp : kPowerUps)
        AddSequence(tree, std::string("PowerUp ") + powerUp.name, CapsuleFrames(powerUp.colour),
                    "CSequence\n{\n\tFrames Per Second=12\n\tCenter Hot Spot=1\n}\n", item);
}

void MakePowerUpSounds(CContentTree& tree, const char* item)
{
    // A bright rising chirp: a capsule caught.
    CSynth powerUp(0.3);
    powerUp.AddTone(0.0, 0.3, 660.0, 1320.0, 0.4, EWaveShape::Triangle, {0.003, 2});
    AddSynthesizedSound(tree, "Sounds/Power Up.wav", powerUp, item);
    // Eight quick rising notes: the ball splits.
    CSynth multiply(0.64);
    for (int i = 0; i < 8; i++)
        multiply.AddTone(0.08 * i, 0.08, NoteHz(2 * i), NoteHz(2 * i), 0.35, EWaveShape::Square, {0.002, 2});
    AddSynthesizedSound(tree, "Sounds/Multiply 8.wav", multiply, item);
    // A falling whistle: a bomb on its way down.
    CSynth bomb(1.5);
    bomb.AddTone(0.0, 1.5, 1800.0, 600.0, 0.25, EWaveShape::Sine, {0.01, 1});
    AddSynthesizedSound(tree, "Sounds/Bomb Falling.wav", bomb, item);
}

void MakePowerUpItems(CContentTree& tree, const char* item)
{
    AddObjectFile(tree, "Resources/Power Ups/!None.PowerUp", "CPowerUpBase\n{\n\tCollection Score=0\n}\n", item);
    for (const PowerUpItem& powerUp : kPowerUps)
    {
        std::string text = std::string(powerUp.className) + "\n{\n\tName=" + powerUp.name +
                           "\n\tPrimary Sequence=PowerUp " + powerUp.name +
                           "\n\tActivation Sound=Power Up.wav\n\tKarma Type=" + powerUp.karma + "\n";
        if (powerUp.ownProperties != nullptr)
            text += powerUp.ownProperties;
        text += "}\n";
        AddObjectFile(tree, std::string("Resources/Power Ups/") + powerUp.name + ".PowerUp", text.c_str(), item);
    }
}

void MakeTextDisplayOptions(CContentTree& tree, const char* item)
{
    AddObjectFile(tree, "Resources/Power Up Text Display Options.Object.txt",
                  "CPowerUpTextDisplayOptions\n{\n\tFont To Print With=Tessivue\n}\n", item);
}

CContentItemRegistration s_Capsules("Resources/-PowerUp Slow Ball/Properties.txt", MakeCapsules);
CContentItemRegistration s_Sounds("Sounds/Power Up.wav", MakePowerUpSounds);
CContentItemRegistration s_Items("Resources/Power Ups/!None.PowerUp", MakePowerUpItems, CONTENT_OBJECTS_OF_STYLES);
CContentItemRegistration s_TextOptions("Resources/Power Up Text Display Options.Object.txt", MakeTextDisplayOptions,
                                       CONTENT_OBJECTS_OF_OBJECTS);

} // namespace

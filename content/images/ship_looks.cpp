#include <cstdio>
#include <string>
#include <vector>

#include "content/content_items.h"
#include "content/images/picture.h"
#include "content/images/sequence_item.h"

// The player's ship and the parts it finds by name. Every picture is
// centred on the ship's position, so the parts line up with the hull
// whatever their size: the shield glows along the hull's top edge, the
// thruster flames burn at its ends and the guns stand 33 px either side.

namespace {

const char* const kPartProperties = "CSequence\n{\n\tFrames Per Second=%s\n\tCenter Hot Spot=1\n}\n";

std::string Properties(const char* framesPerSecond)
{
    char text[128];
    std::snprintf(text, sizeof text, kPartProperties, framesPerSecond);
    return text;
}

constexpr int kHullWidth = 64;
constexpr int kHullHeight = 20;

// The hull, leaning with the tilt: frame 0 banks hard left, the middle
// frame is level, the last banks hard right (the ship picks its frame by
// how it leans).
void MakeShipArt(CContentTree& tree, const char* item)
{
    std::vector<CPicture> frames;
    for (int lean = -2; lean <= 2; lean++)
    {
        CPicture frame(kHullWidth, kHullHeight);
        const double left = 6.0 + lean;
        const double right = 58.0 + lean;
        frame.FillPolygon({2.0, 14.0, left, 6.0, right, 6.0, 62.0, 14.0, 54.0, 19.0, 10.0, 19.0},
                          CPictureColor{90, 120, 150});
        frame.FillPolygon({left + 4.0, 8.0, right - 4.0, 8.0, right - 8.0, 12.0, left + 8.0, 12.0},
                          CPictureColor{150, 190, 220});
        frame.FillEllipse(32.0 + lean, 10.0, 6.0, 3.5, CPictureColor{120, 230, 255, 230});
        frame.AddNoise(0x5417u + static_cast<uint32_t>(lean + 2), 6);
        frames.push_back(frame);
    }
    AddSequence(tree, "Player Ships/Selectable Player Ships/Manta", frames, Properties("10").c_str(), item);
}

// The shield bar of each size, by the half widths the ship bounces balls
// off: small, small 2, normal, long and biggest.
void MakeShields(CContentTree& tree, const char* item)
{
    struct CShield
    {
        const char* name;
        int halfWidth;
    };
    static const CShield kShields[] = {{"RS Small Shield", 13},
                                       {"RS Small Shield 2", 20},
                                       {"RS Normal Shield", 16},
                                       {"RS Long Shield", 21},
                                       {"RS Biggest Shield", 33}};
    for (const CShield& shield : kShields)
    {
        std::vector<CPicture> frames;
        for (int glow = 0; glow < 4; glow++)
        {
            const int width = 2 * shield.halfWidth;
            CPicture frame(width, 6);
            frame.FillEllipse(shield.halfWidth, 3.0, shield.halfWidth, 3.0,
                              CPictureColor{60, 200, 255, static_cast<uint8_t>(150 + 25 * glow)});
            frame.FillRect(3.0, 2.0, width - 3.0, 4.0, CPictureColor{220, 250, 255, 230});
            frames.push_back(frame);
        }
        AddSequence(tree, shield.name, frames, Properties("8").c_str(), item);
    }
}

// A flame at one end of the hull, flaring and dying over four frames.
std::vector<CPicture> ThrusterFrames(bool leftEnd)
{
    std::vector<CPicture> frames;
    for (int i = 0; i < 4; i++)
    {
        CPicture frame(kHullWidth + 24, 10);
        const double length = 12.0 - 2.5 * i;
        const double root = leftEnd ? 12.0 : kHullWidth + 12.0;
        const double tip = leftEnd ? root - length : root + length;
        const uint8_t alpha = static_cast<uint8_t>(230 - 45 * i);
        frame.FillPolygon({root, 2.0, tip, 5.0, root, 8.0}, CPictureColor{255, 150, 40, alpha});
        frame.FillEllipse(root + (leftEnd ? -2.0 : 2.0), 5.0, 2.5, 2.0, CPictureColor{255, 240, 180, alpha});
        frames.push_back(frame);
    }
    return frames;
}

void MakeThrusters(CContentTree& tree, const char* item)
{
    AddSequence(tree, "Player Parts/Thrust Left", ThrusterFrames(true), Properties("15").c_str(), item);
    AddSequence(tree, "Player Parts/Thrust Right", ThrusterFrames(false), Properties("15").c_str(), item);
}

// One barrel: it kicks down when it fires and slides back up.
void FillBarrel(CPicture& frame, double centreX, double drop)
{
    frame.FillRect(centreX - 2.5, 1.0 + drop, centreX + 2.5, 11.0 + drop, CPictureColor{170, 170, 180});
    frame.FillRect(centreX - 1.0, 1.0 + drop, centreX + 1.0, 3.0 + drop, CPictureColor{40, 40, 50});
}

void MakeGuns(CContentTree& tree, const char* item)
{
    std::vector<CPicture> recoil;
    for (double drop : {3.0, 2.0, 1.0, 0.0})
    {
        CPicture frame(8, 16);
        FillBarrel(frame, 4.0, drop);
        recoil.push_back(frame);
    }
    AddSequence(tree, "RS Small Guns Recoil Left", recoil, Properties("20").c_str(), item);

    CPicture both(2 * 33 + 8, 16);
    FillBarrel(both, 4.0, 0.0);
    FillBarrel(both, 2 * 33 + 4.0, 0.0);
    AddSequence(tree, "RS Small Guns", {both}, Properties("10").c_str(), item);
}

CContentItemRegistration s_ShipArt("Resources/Player Ships/Selectable Player Ships/-Manta/Properties.txt", MakeShipArt);
CContentItemRegistration s_Shields("Resources/-RS Normal Shield/Properties.txt", MakeShields);
CContentItemRegistration s_Thrusters("Resources/Player Parts/-Thrust Left/Properties.txt", MakeThrusters);
CContentItemRegistration s_Guns("Resources/-RS Small Guns/Properties.txt", MakeGuns);

} // namespace

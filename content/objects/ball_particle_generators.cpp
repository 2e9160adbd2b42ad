#include <cstdio>
#include <string>

#include "content/content_items.h"
#include "content/objects/object_item.h"

// The sparks of the balls and the ship, each a burst of "Spark" particles:
// a ball off a wall, the ship or a brick (each with a smaller burst for the
// small ball), the puff of the ship's thrusters and the exhaust a stinger
// missile leaves each step.

namespace {

struct CSparkBurst
{
    const char* path;
    int particles;
    int velocity;
    // Radians, as the file keeps it.
    const char* cone;
};

const CSparkBurst kBursts[] = {
    {"Resources/Ball Hit Wall.PGen", 6, 90, "2.0944"},    {"Resources/Ball Hit Wall Small.PGen", 3, 70, "2.0944"},
    {"Resources/Ball Hit Ship.PGen", 8, 110, "1.74533"},  {"Resources/Ball Hit Ship Small.PGen", 4, 80, "1.74533"},
    {"Resources/Ball Hit Brick.PGen", 7, 100, "2.44346"}, {"Resources/Ball Hit Brick Small.PGen", 3, 75, "2.44346"},
    {"Resources/Ship Thruster.PGen", 3, 60, "0.698132"},  {"Resources/Missile Exhaust.PGen", 1, 40, "0.349066"},
};

void MakeSparkBurst(CContentTree& tree, const char* item)
{
    for (const CSparkBurst& burst : kBursts)
    {
        if (std::string(burst.path) != item)
            continue;
        char text[512];
        std::snprintf(text, sizeof text,
                      "CParticleGeneratorInfo\n{\n\tParticles=%d\n\tVelocity=%d\n\tCone Angle=%s\n"
                      "\tParticle Types=Array\n\t{\n\t\tArray Count=1\n\t\tArray Item=CParticleType\n\t\t{\n"
                      "\t\t\tParticle Type=Spark\n\t\t\tWeight=10\n\t\t}\n\t}\n}\n",
                      burst.particles, burst.velocity, burst.cone);
        AddObjectFile(tree, item, text, item);
    }
}

CContentItemRegistration s_Bursts[] = {
    {kBursts[0].path, MakeSparkBurst, CONTENT_OBJECTS}, {kBursts[1].path, MakeSparkBurst, CONTENT_OBJECTS},
    {kBursts[2].path, MakeSparkBurst, CONTENT_OBJECTS}, {kBursts[3].path, MakeSparkBurst, CONTENT_OBJECTS},
    {kBursts[4].path, MakeSparkBurst, CONTENT_OBJECTS}, {kBursts[5].path, MakeSparkBurst, CONTENT_OBJECTS},
    {kBursts[6].path, MakeSparkBurst, CONTENT_OBJECTS}, {kBursts[7].path, MakeSparkBurst, CONTENT_OBJECTS},
};

} // namespace

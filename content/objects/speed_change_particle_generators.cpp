#include "content/content_items.h"
#include "content/objects/object_item.h"

// What the speed changers give off: a thin trail of sparks behind a boosted
// ball, one a step, and a ring of sparks flying out from the brick at the
// boost; level designers pick them for trails and bursts of their own.

static void MakeSpeedTrail(CContentTree& tree, const char* item)
{
    AddObjectFile(tree, item,
                  "CParticleGeneratorInfo\n{\n\tParticles=1\n\tVelocity=15\n\tCone Angle=6.2832\n"
                  "\tParticle Types=Array\n\t{\n\t\tArray Item=CParticleType\n\t\t{\n\t\t\tParticle Type=Spark\n"
                  "\t\t}\n\t}\n}\n",
                  item);
}

static void MakeSpeedBurst(CContentTree& tree, const char* item)
{
    AddObjectFile(tree, item,
                  "CParticleGeneratorInfo\n{\n\tParticles=10\n\tVelocity=120\n\tCone Angle=6.2832\n"
                  "\tParticle Types=Array\n\t{\n\t\tArray Item=CParticleType\n\t\t{\n\t\t\tParticle Type=Spark\n"
                  "\t\t}\n\t}\n}\n",
                  item);
}

static CContentItemRegistration s_SpeedTrail("Resources/Speed Trail.PGen", MakeSpeedTrail, CONTENT_OBJECTS);
static CContentItemRegistration s_SpeedBurst("Resources/Speed Burst.PGen", MakeSpeedBurst, CONTENT_OBJECTS);

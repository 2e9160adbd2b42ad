#include "content/content_items.h"
#include "content/objects/object_item.h"

// Item 0 of "Particle Generators", where a generator index of 0 means no
// burst: no particles and no types.
static void MakeNoParticleGenerator(CContentTree& tree, const char* item)
{
    AddObjectFile(tree, item, "CParticleGeneratorInfo\n{\n\tParticles=0\n}\n", item);
}

static CContentItemRegistration s_NoParticleGenerator("Resources/!None.PGen", MakeNoParticleGenerator, CONTENT_OBJECTS);

// A trail of sparks for sliding and flying bricks, as the starter rail and
// magnet styles show it; level designers pick it for styles of their own.
static void MakeMovingSparks(CContentTree& tree, const char* item)
{
    AddObjectFile(tree, item,
                  "CParticleGeneratorInfo\n{\n\tParticles=2\n\tVelocity=40\n\tParticle Types=Array\n\t{\n"
                  "\t\tArray Item=CParticleType\n\t\t{\n\t\t\tParticle Type=Spark\n\t\t}\n\t}\n}\n",
                  item);
}

static CContentItemRegistration s_MovingSparks("Resources/Moving Sparks.PGen", MakeMovingSparks, CONTENT_OBJECTS);

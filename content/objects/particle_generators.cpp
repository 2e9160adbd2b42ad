#include "content/content_items.h"
#include "content/objects/object_item.h"

// Item 0 of "Particle Generators", where a generator index of 0 means no
// burst: no particles and no types.
static void MakeNoParticleGenerator(CContentTree& tree, const char* item)
{
    AddObjectFile(tree, item, "CParticleGeneratorInfo\n{\n\tParticles=0\n}\n", item);
}

static CContentItemRegistration s_NoParticleGenerator("Resources/!None.PGen", MakeNoParticleGenerator,
                                                      CONTENT_OBJECTS);

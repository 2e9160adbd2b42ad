#include "content/content_items.h"
#include "content/objects/object_item.h"

// The machine that lays each round before play: the plotter, whose carriage
// runs along a bar across the field and lowers every brick into place, so
// a player sees the round being built.
static void MakeBrickLayer(CContentTree& tree, const char* item)
{
    AddObjectFile(tree, item, "CBrickLayerVorpanPloter\n{\n}\n", item);
}

static CContentItemRegistration s_BrickLayer("Resources/Brick Layer.Object.txt", MakeBrickLayer, CONTENT_OBJECTS);

// The puff of dust where a brick lands; the machines with arms burst it by
// default at every brick they place.
static void MakeBrickLayerDust(CContentTree& tree, const char* item)
{
    AddObjectFile(tree, item,
                  "CParticleGeneratorInfo\n{\n\tParticles=5\n\tVelocity=50\n\tParticle Types=Array\n\t{\n"
                  "\t\tArray Item=CParticleType\n\t\t{\n\t\t\tParticle Type=Spark\n\t\t}\n\t}\n}\n",
                  item);
}

static CContentItemRegistration s_BrickLayerDust("Resources/brick layer.PGen", MakeBrickLayerDust, CONTENT_OBJECTS);

#include "content/content_items.h"
#include "content/images/picture.h"
#include "content/images/sequence_item.h"

// A padlock laid over the button of a checkpoint the player has not reached.
static void MakeLockedCheckpoint(CContentTree& tree, const char* item)
{
    CPicture lock(40, 48);
    lock.FillRing(20.0, 18.0, 12.0, 8.0, CPictureColor{170, 175, 185});
    lock.FillRect(6.0, 20.0, 34.0, 46.0, CPictureColor{150, 110, 30});
    lock.FillRect(8.0, 22.0, 32.0, 44.0, CPictureColor{220, 175, 70});
    lock.FillEllipse(20.0, 30.0, 3.5, 3.5, CPictureColor{40, 30, 10});
    lock.FillRect(18.5, 31.0, 21.5, 39.0, CPictureColor{40, 30, 10});
    AddSequence(tree, "Locked Checkpoint", {lock}, "CSequence\n{\n\tCenter Hot Spot=1\n}\n", item);
}

static CContentItemRegistration s_LockedCheckpoint("Resources/-Locked Checkpoint/Properties.txt",
                                                   MakeLockedCheckpoint);

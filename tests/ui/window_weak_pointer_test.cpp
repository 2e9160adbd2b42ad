#include <gtest/gtest.h>

#include <memory>

#include "engine/ui/deferred_destroy.h"
#include "engine/ui/window_weak_pointer.h"
#include "tests/support/window_test_tree.h"

TEST(WindowWeakPointer, EveryPointerToADeletedWindowBecomesNullOnceItIsDeleted)
{
    CWindowTestTree tree;
    CJWindow* parent = tree.AddProbe(&tree.Root(), "parent", CRect{0, 0, 100, 100});
    CJWindow* child = tree.AddProbe(parent, "child", CRect{10, 10, 20, 20});
    CWindowWeakPointer<CJWindow> toParent(parent);
    CWindowWeakPointer<CJWindow> toChild(child);
    CWindowWeakPointer<CJWindow> alsoToChild(child);
    {
        CDeferredDestroyScope scope;
        parent->Destroy();
        // Queued windows still stand until the scope ends.
        EXPECT_EQ(toParent.Get(), parent);
        EXPECT_EQ(toChild.Get(), child);
    }
    EXPECT_FALSE(toParent);
    EXPECT_FALSE(toChild);
    EXPECT_EQ(alsoToChild.Get(), nullptr);
}

TEST(WindowWeakPointer, APointerGoneOrRetargetedLeavesTheWindowNothingToWriteTo)
{
    CWindowTestTree tree;
    CJWindow* first = tree.AddProbe(&tree.Root(), "first", CRect{0, 0, 10, 10});
    CJWindow* second = tree.AddProbe(&tree.Root(), "second", CRect{20, 0, 30, 10});
    CWindowWeakPointer<CJWindow> kept(first);
    auto gone = std::make_unique<CWindowWeakPointer<CJWindow>>(first);
    CWindowWeakPointer<CJWindow> moved(first);
    moved.Set(second);
    gone.reset();
    // Under the sanitizers a registration left behind would be written to
    // here, after its pointer was freed.
    first->Destroy();
    EXPECT_FALSE(kept);
    EXPECT_EQ(moved.Get(), second);
}

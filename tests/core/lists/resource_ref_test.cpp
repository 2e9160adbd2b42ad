#include <gtest/gtest.h>

#include "engine/core/lists/named_value_list.h"
#include "engine/core/lists/resource_ref.h"

// A reference kind as a library would define one: it remembers what it was
// asked and counts its own destruction, so deleting through the base shows
// the derived destructor runs.
class CProbeRef : public CResourceRef
{
public:
    CProbeRef(VirtualArray* list, int32_t itemIndex, int& destroyed)
        : CResourceRef(list, itemIndex)
        , m_Destroyed(destroyed)
    {
    }

    ~CProbeRef() override { ++m_Destroyed; }

    void Draw(CFrame*, CPoint point) override { drawnAt = point; }
    void Update(float seconds) override { elapsed += seconds; }
    void GetBounds(CRect& bounds) override { bounds = {-2, -3, 4, 5}; }

    CPoint drawnAt = {0, 0};
    float elapsed = 0.0f;

private:
    int& m_Destroyed;
};

TEST(ResourceRef, KeepsListAndIndexAndDispatchesToItsKind)
{
    CNamedValueList list;
    int destroyed = 0;
    CResourceRef* reference = new CProbeRef(&list, 7, destroyed);

    EXPECT_EQ(reference->GetList(), &list);
    EXPECT_EQ(reference->GetItemIndex(), 7);

    reference->Draw(nullptr, {10, 20});
    reference->Update(0.25f);
    reference->Update(0.5f);
    CRect bounds = {};
    reference->GetBounds(bounds);
    const CProbeRef& probe = static_cast<const CProbeRef&>(*reference);
    EXPECT_EQ(probe.drawnAt.x, 10);
    EXPECT_EQ(probe.drawnAt.y, 20);
    EXPECT_FLOAT_EQ(probe.elapsed, 0.75f);
    EXPECT_EQ(bounds.right, 4);

    // A kind that takes no presses leaves them to whoever shows it.
    EXPECT_FALSE(reference->HandlePress(0, {1, 1}));

    delete reference;
    EXPECT_EQ(destroyed, 1);
}

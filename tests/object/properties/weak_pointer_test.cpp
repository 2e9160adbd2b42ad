#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/object/properties/pointer_to_be_nulled_array.h"
#include "tests/object/properties/composite_kinds_object.h"
#include "tests/support/object_forms.h"

namespace
{
std::unique_ptr<CTestStats> NewStats()
{
    std::unique_ptr<CTestStats> stats(new CTestStats());
    stats->SetDefaults();
    return stats;
}

uint32_t RegistrationsOf(const CObject& owner)
{
    const CObject* array = CPointerToBeNulledArray::GetOwnerProperty().GetValue(&owner);
    return array != nullptr ? static_cast<const CPointerToBeNulledArray*>(array)->GetCount() : 0;
}
}

TEST(CPointerToBeNulledArray, DestroyingTheOwnerNullsWhatIsStillRegistered)
{
    std::unique_ptr<CTestStats> owner = NewStats();
    CTestStats* twice = owner.get();
    CTestStats* unregistered = owner.get();
    CObject* other = owner.get();
    CPointerToBeNulledArray::Register(owner.get(), &twice);
    CPointerToBeNulledArray::Register(owner.get(), &twice);
    CPointerToBeNulledArray::Register(owner.get(), &unregistered);
    CPointerToBeNulledArray::Register(owner.get(), &other);
    CPointerToBeNulledArray::Unregister(owner.get(), &twice);
    CPointerToBeNulledArray::Unregister(owner.get(), &unregistered);
    EXPECT_EQ(RegistrationsOf(*owner), 2u);

    owner.reset();
    EXPECT_EQ(twice, nullptr);
    EXPECT_EQ(other, nullptr);
    EXPECT_NE(unregistered, nullptr);
}

TEST(CPointerToBeNulledArray, UnregisteringWhatWasNeverRegisteredDoesNothing)
{
    std::unique_ptr<CTestStats> owner = NewStats();
    CTestStats* pointer = owner.get();
    CPointerToBeNulledArray::Unregister(owner.get(), &pointer);
    EXPECT_EQ(owner->GetDynamicValues(), nullptr);
    CPointerToBeNulledArray::Register(owner.get(), &pointer);
    CTestStats* stranger = nullptr;
    CPointerToBeNulledArray::Unregister(owner.get(), &stranger);
    EXPECT_EQ(RegistrationsOf(*owner), 1u);
    CPointerToBeNulledArray::Unregister(owner.get(), &pointer);
}

TEST(CPointerToBeNulledArray, AWatchedObjectSavesComparesAndCopiesAsAnUnwatchedOne)
{
    std::unique_ptr<CTestStats> watched = NewStats();
    std::unique_ptr<CTestStats> plain = NewStats();
    CTestStats* watcher = watched.get();
    CPointerToBeNulledArray::Register(watched.get(), &watcher);

    EXPECT_EQ(ObjectText(watched.get()), ObjectText(plain.get()));
    EXPECT_EQ(ObjectBinary(watched.get()), ObjectBinary(plain.get()));
    EXPECT_TRUE(watched->AllPropertiesEqual(*plain));
    EXPECT_TRUE(plain->AllPropertiesEqual(*watched));

    // Copies carry no registrations, and copying onto or defaulting the
    // watched object keeps its own.
    std::unique_ptr<CObject> copy(watched->CreateSameClass());
    EXPECT_EQ(RegistrationsOf(*copy), 0u);
    watched->CopyFrom(*plain);
    watched->SetDefaults();
    ASSERT_TRUE(ReadObjectText(watched.get(), ObjectText(plain.get())));
    ASSERT_TRUE(ReadObjectBinary(watched.get(), ObjectBinary(plain.get())));
    EXPECT_EQ(RegistrationsOf(*watched), 1u);
    EXPECT_EQ(watcher, watched.get());

    watched.reset();
    EXPECT_EQ(watcher, nullptr);
}

TEST(CPointerToBeNulledArray, ACommentBesideTheRegistrationsIsWrittenAlone)
{
    std::unique_ptr<CObject> commented = ObjectFromText(
        "CTestStats\r\n{\r\n\tDynamic Properties=1\r\n\t{\r\n\t\tComment=Watched\r\n\t}\r\n}\r\n");
    ASSERT_NE(commented, nullptr);
    CTestStats* commentWatcher = static_cast<CTestStats*>(commented.get());
    CPointerToBeNulledArray::Register(commented.get(), &commentWatcher);
    EXPECT_EQ(ObjectText(commented.get()),
              "CTestStats\r\n{\r\n\tDynamic Properties=1\r\n\t{\r\n\t\tComment=Watched\r\n\t}\r\n\tBricks "
              "Destroyed=0\r\n\tRings=3\r\n}\r\n");
    commented.reset();
    EXPECT_EQ(commentWatcher, nullptr);
}

TEST(CWeakPointer, FollowsItsTargetAndUnregistersItself)
{
    std::unique_ptr<CTestStats> first = NewStats();
    std::unique_ptr<CTestStats> second = NewStats();
    {
        CWeakPointer<CTestStats> pointer(first.get());
        EXPECT_EQ(RegistrationsOf(*first), 1u);
        pointer.Set(second.get());
        EXPECT_EQ(RegistrationsOf(*first), 0u);
        EXPECT_EQ(RegistrationsOf(*second), 1u);
        second.reset();
        EXPECT_EQ(pointer.Get(), nullptr);
        EXPECT_FALSE(pointer);
    }
    {
        CWeakPointer<CTestStats> pointer(first.get());
    }
    // A pointer that went first left no address behind to write to.
    EXPECT_EQ(RegistrationsOf(*first), 0u);
}

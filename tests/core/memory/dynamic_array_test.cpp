#include "engine/core/memory/dynamic_array.h"

#include <gtest/gtest.h>

#include <vector>

// Capacities an empty array passes through when filled one element at a
// time: each step is the larger of the count needed and a fifth more.
static const std::vector<uint32_t> s_GrowthSequence = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 12,  14, 16,
                                                       19, 22, 26, 31, 37, 44, 52, 62, 74, 88, 105, 126};

// appendOne appends one element and answers the capacity afterwards.
template <typename AppendOne>
static std::vector<uint32_t> CapacitiesWhileAppending(uint32_t appends, AppendOne appendOne)
{
    std::vector<uint32_t> seen;
    for (uint32_t i = 0; i < appends; i++)
    {
        const uint32_t capacity = appendOne();
        if (seen.empty() || seen.back() != capacity)
            seen.push_back(capacity);
    }
    return seen;
}

TEST(GrowCapacityTest, GrowsByAFifthTruncatedOrToWhatIsNeeded)
{
    const struct
    {
        uint32_t capacity;
        uint32_t needed;
        uint32_t grown;
    } cases[] = {{0, 1, 1}, {1, 2, 2}, {5, 6, 6}, {10, 11, 12}, {88, 89, 105}, {105, 106, 126}, {10, 20, 20}};

    for (const auto& c : cases)
        EXPECT_EQ(GrowCapacity(c.capacity, c.needed), c.grown) << c.capacity << " " << c.needed;
}

TEST(GrowCapacityTest, EveryArrayKindFollowsTheSameSequence)
{
    CPoolArray<int32_t*> pointers;
    auto appendPointer = [&]() {
        pointers.Append(nullptr);
        return pointers.GetCapacity();
    };
    EXPECT_EQ(CapacitiesWhileAppending(106, appendPointer), s_GrowthSequence);

    CDynamicArray<int32_t> numbers;
    auto appendNumber = [&]() {
        numbers.Add(7);
        return numbers.GetCapacity();
    };
    EXPECT_EQ(CapacitiesWhileAppending(106, appendNumber), s_GrowthSequence);

    CStringArray strings;
    auto appendString = [&]() {
        strings.Add("text");
        return strings.GetCapacity();
    };
    EXPECT_EQ(CapacitiesWhileAppending(106, appendString), s_GrowthSequence);
}

TEST(PoolArrayTest, StorageComesFromThePoolsAndFreeReturnsIt)
{
    // Three pointers take 24 bytes: size class 6.
    const CBlockPool& pool = GetMemoryPools().GetPool(6);
    const uint32_t inUseBefore = pool.GetBlocksInUse();

    CPoolArray<int32_t*> array;
    EXPECT_EQ(array.GetData(), nullptr);
    for (int i = 0; i < 3; i++)
        array.Append(nullptr);
    ASSERT_EQ(array.GetCapacity(), 3u);
    EXPECT_EQ(pool.GetBlocksInUse(), inUseBefore + 1);

    array.Free();
    EXPECT_EQ(pool.GetBlocksInUse(), inUseBefore);
    EXPECT_EQ(array.GetData(), nullptr);
    EXPECT_EQ(array.GetCount(), 0u);
    EXPECT_EQ(array.GetCapacity(), 0u);
}

TEST(PoolArrayTest, ElementsSurviveGrowth)
{
    CPoolArray<int32_t> array;
    for (int32_t i = 0; i < 200; i++)
        array.Append(i * 3);
    ASSERT_EQ(array.GetCount(), 200u);
    for (int32_t i = 0; i < 200; i++)
        EXPECT_EQ(array[i], i * 3);
}

TEST(PoolArrayTest, ReserveIsExactWhileGrowAppliesTheRule)
{
    CPoolArray<int32_t> reserved;
    reserved.Reserve(10);
    reserved.Reserve(11);
    EXPECT_EQ(reserved.GetCapacity(), 11u);
    reserved.Reserve(3);
    EXPECT_EQ(reserved.GetCapacity(), 11u);

    CPoolArray<int32_t> grown;
    grown.Reserve(10);
    grown.Grow(11);
    EXPECT_EQ(grown.GetCapacity(), 12u);
}

TEST(PoolArrayTest, AssignTakesExactlyTheGivenElements)
{
    const int32_t values[] = {4, 5, 6};
    CPoolArray<int32_t> array;
    array.Append(1);
    array.Assign(values, 3);
    ASSERT_EQ(array.GetCount(), 3u);
    EXPECT_EQ(array.GetCapacity(), 3u);
    EXPECT_EQ(array[0], 4);
    EXPECT_EQ(array[2], 6);

    array.Assign(nullptr, 0);
    EXPECT_EQ(array.GetCount(), 0u);
    EXPECT_EQ(array.GetCapacity(), 0u);
    EXPECT_EQ(array.GetData(), nullptr);
}

TEST(PoolArrayTest, AssignFromItsOwnElements)
{
    CPoolArray<int32_t> array;
    for (int32_t value : {10, 20, 30})
        array.Append(value);
    array.Assign(array.GetData() + 1, 2);
    ASSERT_EQ(array.GetCount(), 2u);
    EXPECT_EQ(array[0], 20);
    EXPECT_EQ(array[1], 30);
}

TEST(PoolArrayTest, IndexOfTriesTheHintFirst)
{
    CPoolArray<int32_t> array;
    for (int32_t value : {5, 7, 5})
        array.Append(value);

    const struct
    {
        int32_t element;
        uint32_t hint;
        int32_t index;
    } cases[] = {{5, 2, 2}, {5, 0, 0}, {5, 1, 0}, {7, 9, 1}, {7, 3, 1}, {9, 0, -1}};

    for (const auto& c : cases)
        EXPECT_EQ(array.IndexOf(c.element, c.hint), c.index) << c.element << " hint " << c.hint;
}

TEST(PoolArrayTest, RemoveAtKeepsOrderAndIgnoresIndicesPastTheEnd)
{
    CPoolArray<int32_t> array;
    for (int32_t value : {10, 20, 30, 40})
        array.Append(value);

    array.RemoveAt(4);
    EXPECT_EQ(array.GetCount(), 4u);

    array.RemoveAt(1);
    ASSERT_EQ(array.GetCount(), 3u);
    EXPECT_EQ(array[0], 10);
    EXPECT_EQ(array[1], 30);
    EXPECT_EQ(array[2], 40);
}

TEST(DynamicArrayTest, AddAnswersTheIndexAndRemoveAllKeepsTheStorage)
{
    CDynamicArray<int32_t> array;
    EXPECT_EQ(array.Add(3), 0u);
    EXPECT_EQ(array.Add(4), 1u);
    EXPECT_EQ(array.Add(5), 2u);
    const uint32_t capacity = array.GetCapacity();

    array.RemoveAll();
    EXPECT_EQ(array.GetCount(), 0u);
    EXPECT_EQ(array.GetCapacity(), capacity);
    EXPECT_EQ(array.Add(6), 0u);
}

TEST(DynamicArrayTest, RemoveAtKeepsOrderAndIgnoresIndicesPastTheEnd)
{
    CStringArray array;
    for (const char* text : {"a", "b", "c"})
        array.Add(text);

    array.RemoveAt(3);
    EXPECT_EQ(array.GetCount(), 3u);

    array.RemoveAt(0);
    ASSERT_EQ(array.GetCount(), 2u);
    EXPECT_STREQ(array[0].GetText(), "b");
    EXPECT_STREQ(array[1].GetText(), "c");
}

TEST(StringArrayTest, GrowingSharesTheStringsInsteadOfCopyingThem)
{
    CString text("shared text");
    CStringArray array;
    array.Add(text);
    for (int i = 0; i < 30; i++)
        array.Add("filler");

    EXPECT_EQ(array[0].GetText(), text.GetText());
}

TEST(StringArrayTest, AddingItsOwnElementWhileFull)
{
    CStringArray array;
    array.Add("first");
    ASSERT_EQ(array.GetCount(), array.GetCapacity());

    array.Add(array[0]);
    ASSERT_EQ(array.GetCount(), 2u);
    EXPECT_STREQ(array[1].GetText(), "first");
}

TEST(StringArrayTest, ReserveAppliesTheRuleAndReserveExactDoesNot)
{
    CStringArray ruled;
    ruled.ReserveExact(10);
    ruled.Reserve(11);
    EXPECT_EQ(ruled.GetCapacity(), 12u);

    CStringArray exact;
    exact.ReserveExact(10);
    exact.ReserveExact(11);
    EXPECT_EQ(exact.GetCapacity(), 11u);
    exact.ReserveExact(5);
    EXPECT_EQ(exact.GetCapacity(), 11u);
}

TEST(StringArrayTest, ClearReleasesTheStorage)
{
    CStringArray array;
    array.Add("x");
    array.Clear();
    EXPECT_EQ(array.GetCount(), 0u);
    EXPECT_EQ(array.GetCapacity(), 0u);
    EXPECT_EQ(array.GetData(), nullptr);
}

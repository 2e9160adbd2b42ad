#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "engine/object/class_info.h"
#include "engine/object/object.h"
#include "engine/object/properties/int_property.h"

class CHintTestRecord : public CObject
{
    VP_DECLARE_CLASS(CHintTestRecord)
public:
    CHintTestRecord() { ConstructProperties(SGetClassInfo()); }
    ~CHintTestRecord() override { DestroyProperties(SGetClassInfo()); }

    int32_t m_Alpha = 0;
    int32_t m_Beta = 0;
    int32_t m_Gamma = 0;
    int32_t m_Delta = 0;
    int32_t m_Epsilon = 0;
    int32_t m_Zeta = 0;
};

VP_IMPLEMENT_CLASS(CHintTestRecord, CObject, 1.0f)

static const char* const s_Names[] = {"Alpha", "Beta", "Gamma", "Delta", "Epsilon", "Zeta"};
static const int NAME_COUNT = 6;

void CHintTestRecord::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new IntProperty(s_Names[0], VP_MEMBER(m_Alpha), EDITOR_EDITABLE, 0, nullptr, 0, 0));
    classInfo->AddProperty(new IntProperty(s_Names[1], VP_MEMBER(m_Beta), EDITOR_EDITABLE, 0, nullptr, 0, 0));
    classInfo->AddProperty(new IntProperty(s_Names[2], VP_MEMBER(m_Gamma), EDITOR_EDITABLE, 0, nullptr, 0, 0));
    classInfo->AddProperty(new IntProperty(s_Names[3], VP_MEMBER(m_Delta), EDITOR_EDITABLE, 0, nullptr, 0, 0));
    classInfo->AddProperty(new IntProperty(s_Names[4], VP_MEMBER(m_Epsilon), EDITOR_EDITABLE, 0, nullptr, 0, 0));
    classInfo->AddProperty(new IntProperty(s_Names[5], VP_MEMBER(m_Zeta), EDITOR_EDITABLE, 0, nullptr, 0, 0));
}

namespace
{
const int ROUNDS = 20000;

// Threads ask for the properties in different orders, so each overwrites the
// lookup hint the others rely on; every answer must still be right.
int FindInOrder(const CClassInfo& classInfo, int thread)
{
    const uint32_t first = classInfo.GetInheritedCount();
    int wrong = 0;
    for (int round = 0; round < ROUNDS; round++)
    {
        const int i = thread % 2 == 0 ? round % NAME_COUNT : NAME_COUNT - 1 - round % NAME_COUNT;
        int32_t index = -1;
        const Property* found = classInfo.FindProperty(s_Names[i], &index);
        if (found == nullptr || index != static_cast<int32_t>(first + i) || found != classInfo.GetProperty(first + i))
            wrong++;
    }
    return wrong;
}
}

class PropertyLookupThreads : public ::testing::TestWithParam<int>
{
};

TEST_P(PropertyLookupThreads, EveryThreadFindsEachPropertyWhateverOrderTheOthersAsk)
{
    const CClassInfo& classInfo = *CHintTestRecord::SGetClassInfo();
    const int threadCount = GetParam();
    std::vector<int> wrong(threadCount, 0);
    std::vector<std::thread> threads;
    for (int i = 0; i < threadCount; i++)
        threads.emplace_back([&wrong, &classInfo, i] { wrong[i] = FindInOrder(classInfo, i); });
    for (std::thread& thread : threads)
        thread.join();

    for (int i = 0; i < threadCount; i++)
        EXPECT_EQ(wrong[i], 0) << "thread " << i;
}

INSTANTIATE_TEST_SUITE_P(Threads, PropertyLookupThreads, ::testing::Values(2, 4, 8));

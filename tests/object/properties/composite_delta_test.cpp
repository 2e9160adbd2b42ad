#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "engine/object/class_registry.h"
#include "engine/object/recorded_calls/message_stream.h"
#include "tests/object/properties/composite_kinds_object.h"
#include "tests/support/stream_bits.h"

typedef std::vector<uint8_t> Bytes;

namespace
{
const ArrayProperty& ArrayNamed(const char* name)
{
    return *static_cast<const ArrayProperty*>(CTestComposite::SGetClassInfo()->FindProperty(name));
}

template <typename T>
T* NewShape()
{
    T* shape = new T();
    shape->SetDefaults();
    return shape;
}

void AppendShape(CTestComposite& object, CTestShape* shape)
{
    *static_cast<CObject**>(ArrayNamed("Shapes").AppendElement(&object)) = shape;
}

CTestCircle* Circle(float radius)
{
    CTestCircle* circle = NewShape<CTestCircle>();
    circle->m_Radius = radius;
    return circle;
}

void SetScores(CTestComposite& object, const std::vector<int32_t>& scores)
{
    const ArrayProperty& array = ArrayNamed("Scores");
    array.SetCount(&object, static_cast<uint32_t>(scores.size()));
    for (uint32_t i = 0; i < scores.size(); i++)
        *static_cast<int32_t*>(array.GetElement(&object, i)) = scores[i];
}

void SetNames(CTestComposite& object, const std::vector<const char*>& names)
{
    const ArrayProperty& array = ArrayNamed("Names");
    array.SetCount(&object, static_cast<uint32_t>(names.size()));
    for (uint32_t i = 0; i < names.size(); i++)
        array.GetElementProperty()->FromText(array.GetElement(&object, i), names[i], nullptr);
}

// What the reader holds before the delta, as the writer's reference.
void MakeReference(CTestComposite& object)
{
    object.SetDefaults();
    SetScores(object, { 1, 2, 3 });
    SetNames(object, { "Ada", "Brook" });
    AppendShape(object, Circle(2.0f));
    AppendShape(object, NewShape<CTestSquare>());
    AppendShape(object, nullptr);
    object.m_Sound = 0;
    object.m_pMainShape = Circle(8.0f);
}

// Changes every kind: arrays grow and shrink, pointed objects change
// values, class, or come and go.
void MakeSource(CTestComposite& object, const CTestComposite& reference)
{
    object.CopyFrom(reference);
    SetScores(object, { 1, 5, 3, 9 });
    SetNames(object, { "Ada" });
    ArrayNamed("Shapes").SetCount(&object, 0);
    AppendShape(object, Circle(3.5f));
    AppendShape(object, Circle(1.0f));
    AppendShape(object, NewShape<CTestSquare>());
    AppendShape(object, NewShape<CTestShape>());
    object.m_pShapes[2]->m_Sides = 6;
    object.m_Sound = 2;
    object.m_Notes = "Changed notes";
    delete object.m_pMainShape;
    object.m_pMainShape = NewShape<CTestSquare>();
    // Kinds that do not travel in delta form.
    object.m_Totals.m_BricksDestroyed = 1234;
    static_cast<const ObjectArrayProperty*>(object.GetClassInfo()->FindProperty("Levels"))->SetCount(&object, 2);
    object.m_Offset = { -5, 12 };
    object.m_Scale = { 0.5f, 2.25f };
    object.m_Tint.SetRGBA(10, 20, 30, 24);
    object.m_Outline.InsertPoint(10, 0, -1);
}

// Nested objects, object arrays and colours carry no delta (a colour only
// its "equal" bit); points, blobs and polygons answer "equal" always and
// carry none either.
bool TravelsInDeltas(const Property* property)
{
    for (const char* name : { "Career Totals", "Levels", "Difficulties", "Tint" })
        if (std::strcmp(property->GetName(), name) == 0)
            return false;
    return true;
}

void ExpectReadEqualsSource(const CTestComposite& read, const CTestComposite& source, const CTestComposite& start)
{
    const CClassInfo* classInfo = read.GetClassInfo();
    for (uint32_t i = 0; i < classInfo->GetPropertyCount(); i++)
    {
        const Property* property = classInfo->GetProperty(i);
        const CTestComposite& expected = TravelsInDeltas(property) ? source : start;
        EXPECT_TRUE(property->ValuesEqual(&read, &expected, property)) << property->GetName();
    }
}
}

TEST(CompositeDeltas, ReadOverItsReferenceEveryTravellingKindEqualsTheSource)
{
    CTestComposite reference;
    MakeReference(reference);
    CTestComposite source;
    MakeSource(source, reference);

    CMessageStream stream;
    source.WriteDelta(stream, &reference);
    CTestComposite read;
    read.CopyFrom(reference);
    read.ReadDelta(stream);
    EXPECT_FALSE(stream.HasBytes(1));
    ExpectReadEqualsSource(read, source, reference);
    EXPECT_EQ(read.m_Totals.m_BricksDestroyed, reference.m_Totals.m_BricksDestroyed);
}

TEST(CompositeDeltas, WithoutAReferenceEveryTravellingKindGoesWhole)
{
    CTestComposite reference;
    MakeReference(reference);
    CTestComposite source;
    MakeSource(source, reference);

    CMessageStream stream;
    source.WriteDelta(stream, nullptr);
    CTestComposite read;
    read.SetDefaults();
    CTestComposite defaults;
    defaults.SetDefaults();
    read.ReadDelta(stream);
    EXPECT_FALSE(stream.HasBytes(1));
    ExpectReadEqualsSource(read, source, defaults);
}

TEST(CompositeDeltas, AnArrayAgainstNoReferenceSendsItsCountAndElementsWithoutBits)
{
    CTestComposite object;
    object.SetDefaults();
    SetScores(object, { 4, 5 });
    CMessageStream stream;
    ArrayNamed("Scores").WriteDelta(&object, stream, nullptr);
    EXPECT_EQ(StreamBytes(stream), (Bytes{ 0x00, 2, 0, 0, 0, 4, 0, 0, 0, 5, 0, 0, 0 }));
}

TEST(CompositeDeltas, AnUnchangedArrayCostsABitAndOneBitPerElement)
{
    CTestComposite reference;
    MakeReference(reference);
    CMessageStream stream;
    ArrayNamed("Scores").WriteDelta(&reference, stream, &reference);
    stream.WriteBits(1, 1);
    EXPECT_EQ(BitsBeforeEndMark(stream), "1111");
}

TEST(CompositeDeltas, ALibraryItemTravelsAsASymbolOfItsList)
{
    CTestComposite object;
    object.SetDefaults();
    object.m_Sound = 1;
    const Property* sound = object.GetClassInfo()->FindProperty("Destroyed Sound");
    CMessageStream stream;
    sound->WriteDelta(&object, stream, nullptr);
    EXPECT_EQ(StreamBytes(stream), (Bytes{ 3, 0, 0, 0, 0x01, 'B', 'a', 'n', 'g', '.', 'w', 'a', 'v', 0 }));
    object.m_Sound = 0;
    sound->ReadDelta(&object, stream);
    EXPECT_EQ(object.m_Sound, 1);
}

TEST(CompositeDeltas, ANullPointerIsOneBitAndClearsTheReadersObject)
{
    CTestComposite object;
    object.SetDefaults();
    object.m_pMainShape = nullptr;
    const Property* mainShape = object.GetClassInfo()->FindProperty("Main Shape");
    CMessageStream stream;
    mainShape->WriteDelta(&object, stream, nullptr);
    stream.WriteBits(1, 1);
    EXPECT_EQ(BitsBeforeEndMark(stream), "0");

    object.m_pMainShape = Circle(1.0f);
    mainShape->ReadDelta(&object, stream);
    EXPECT_EQ(object.m_pMainShape, nullptr);
}

struct BadPointerCase
{
    const char* description;
    bool sameClass;
    const CClassInfo* classInfo;
};

class CompositeDeltasDeathTest : public testing::TestWithParam<BadPointerCase>
{
};

// The reader's object must stand for the writer's reference, and the class
// must be one the writer could hold: otherwise the data is not a delta of
// this object at all.
TEST_P(CompositeDeltasDeathTest, APointerTheReaderCannotBuildIsImproperlyFormatted)
{
    const BadPointerCase& c = GetParam();
    EXPECT_EXIT(
        {
            CTestComposite object;
            object.SetDefaults();
            object.m_pMainShape = nullptr;
            CMessageStream stream;
            stream.WriteBool(true);
            stream.WriteBool(c.sameClass);
            if (!c.sameClass)
            {
                stream.WriteBool(false);
                stream.WriteSymbol(GetClassRegistry().IndexOf(c.classInfo), GetClassRegistry());
            }
            object.GetClassInfo()->FindProperty("Main Shape")->ReadDelta(&object, stream);
        },
        testing::ExitedWithCode(255), "Improperly formatted network message");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CompositeDeltasDeathTest,
    testing::Values(BadPointerCase{ "SameClassButNoneHeld", true, nullptr },
                    BadPointerCase{ "UnrelatedClass", false, CTestUnrelated::SGetClassInfo() },
                    BadPointerCase{ "AbstractClass", false, CTestAbstractShape::SGetClassInfo() }),
    [](const testing::TestParamInfo<BadPointerCase>& info) { return info.param.description; });

TEST(CompositeDeltasDeathTest, AnArrayCountOutsideWhatAnyArrayHoldsIsImproperlyFormatted)
{
    for (int32_t count : { -5, MAXIMUM_STREAM_COUNT + 1 })
    {
        EXPECT_EXIT(
            {
                CTestComposite object;
                object.SetDefaults();
                CMessageStream stream;
                stream.WriteBool(false);
                stream.WriteInt(count);
                ArrayNamed("Scores").ReadDelta(&object, stream);
            },
            testing::ExitedWithCode(255), "Improperly formatted network message")
            << count;
    }
}

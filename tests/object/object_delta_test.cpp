#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "engine/object/dynamic_property_table.h"
#include "engine/object/dynamic_value_set.h"
#include "engine/object/recorded_calls/message_stream.h"
#include "tests/object/every_kind_object.h"

namespace
{
// The value's bits followed by one marker bit, so the byte shows how many
// bits the value took.
uint8_t FirstByteWithMarker(const Property& property, int32_t value)
{
    CMessageStream stream;
    property.WriteDelta(&value, stream, nullptr);
    stream.WriteBits(1, 1);
    return stream.GetBuffer()[0];
}

int32_t RoundTrip(const Property& property, int32_t value)
{
    CMessageStream stream;
    property.WriteDelta(&value, stream, nullptr);
    int32_t read = -7;
    property.ReadDelta(&read, stream);
    return read;
}

void MakeDifferent(CTestEveryKind& object)
{
    object.SetDefaults();
    object.GetClassInfo()->FindProperty("Name")->FromText(&object, "Delta Brick", nullptr);
    object.m_Score = -37;
    object.m_RepeatLimit = 500;
    object.m_Visible = false;
    object.m_Flags = 0x10;
    object.m_Stop = 2.75f;
    object.m_Angle = 0.7853982f;
    object.m_StartTime = 132223104000000123;
    object.m_Title = "Changed";
}
}

TEST(IntegerDeltas, RangeCodeUsesTheFewestBits)
{
    struct Case
    {
        int32_t minimum;
        int32_t maximum;
        int32_t value;
        uint8_t byte;
    };
    const Case cases[] = {
        // Range 0..4: 0 and 4 need a third bit, 1 to 3 do not.
        {0, 4, 0, 0x08},
        {0, 4, 1, 0x05},
        {0, 4, 2, 0x06},
        {0, 4, 3, 0x07},
        {0, 4, 4, 0x0C},
        // Range 10..17 holds 2^3 values: three bits of value - 10.
        {10, 17, 10, 0x08},
        {10, 17, 13, 0x0B},
        {10, 17, 17, 0x0F},
        // Values outside the range are sent clamped.
        {10, 17, 99, 0x0F},
    };
    for (const Case& c : cases)
    {
        IntProperty property("Ranged", CPropertyMember<int32_t>{0, 4}, EDITOR_EDITABLE, 0, nullptr, c.minimum,
                             c.maximum);
        EXPECT_EQ(c.byte, FirstByteWithMarker(property, c.value)) << c.minimum << ".." << c.maximum << ": " << c.value;
        EXPECT_EQ(c.value > c.maximum ? c.maximum : c.value, RoundTrip(property, c.value));
    }
}

TEST(IntegerDeltas, UnsignedSendsWholeWordWithoutUsableRange)
{
    UnsignedIntProperty repeatLimit("Repeat Limit", CPropertyMember<uint32_t>{0, 4}, EDITOR_EDITABLE, 1, nullptr, 1,
                                    9999999);
    repeatLimit.AddNamedValue(0, "Unlimited");
    EXPECT_EQ(1, RoundTrip(repeatLimit, 0));

    UnsignedIntProperty plain("Plain", CPropertyMember<uint32_t>{0, 4}, EDITOR_EDITABLE, 0, nullptr, 0, 0);
    CMessageStream stream;
    const uint32_t value = 0xFFFFFFFFu;
    plain.WriteDelta(&value, stream, nullptr);
    EXPECT_EQ(4u, stream.GetLength());
    uint32_t read = 0;
    plain.ReadDelta(&read, stream);
    EXPECT_EQ(value, read);
}

TEST(ObjectDeltas, ObjectReadOverItsReferenceEqualsTheSource)
{
    CTestEveryKind reference;
    reference.SetDefaults();
    CTestEveryKind source;
    MakeDifferent(source);

    for (const CObject* against : {static_cast<const CObject*>(&reference), static_cast<const CObject*>(nullptr)})
    {
        CMessageStream stream;
        source.WriteDelta(stream, against);
        std::unique_ptr<CObject> copy(reference.CreateSameClass());
        copy->ReadDelta(stream);
        EXPECT_TRUE(copy->AllPropertiesEqual(source));
    }
}

TEST(ObjectDeltas, EqualPropertiesCostOneBitEach)
{
    CTestEveryKind reference;
    MakeDifferent(reference);
    CTestEveryKind source;
    source.CopyFrom(reference);
    CMessageStream stream;
    source.WriteDelta(stream, &reference);
    const uint32_t properties = CTestEveryKind::SGetClassInfo()->GetPropertyCount();
    EXPECT_EQ((properties + 7) / 8, stream.GetLength());
}

TEST(ObjectDeltas, DynamicValuesSendOnlyWhetherTheyExist)
{
    CTestEveryKind source;
    source.SetDefaults();
    const Property* comment = source.GetClassInfo()->GetDynamicPropertyTable()->FindByName("Comment");
    comment->FromText(comment->GetValueStorage(&source), "not sent", nullptr);
    CMessageStream stream;
    source.WriteDelta(stream, nullptr);

    CTestEveryKind copy;
    copy.SetDefaults();
    copy.ReadDelta(stream);
    ASSERT_NE(nullptr, copy.GetDynamicValues());
    EXPECT_EQ(0u, copy.GetDynamicValues()->GetCount());
}

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/core/files/memory_stream.h"
#include "engine/core/files/stream.h"
#include "engine/object/properties/bool_property.h"
#include "engine/object/class_info.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/int64_property.h"
#include "engine/object/properties/int_property.h"
#include "engine/object/object.h"
#include "engine/object/object_stream.h"
#include "engine/object/properties/string_property.h"
#include "engine/object/properties/unit_converter.h"
#include "engine/object/properties/unsigned_int_property.h"

class CTestScalars : public CObject
{
    VP_DECLARE_CLASS(CTestScalars)
public:
    CTestScalars() { ConstructProperties(SGetClassInfo()); }
    ~CTestScalars() override { DestroyProperties(SGetClassInfo()); }

    void SetScore(int32_t score)
    {
        m_Score = score;
        m_SetterCalls++;
    }

    int32_t m_Score;
    int32_t m_Percent;
    int32_t m_ActionIndex;
    uint32_t m_RepeatLimit;
    uint32_t m_PlainCount;
    bool m_Visible;
    bool m_Quiet;
    uint32_t m_Flags = 0;
    char* m_pName;
    float m_Stop;
    float m_PointSize;
    float m_Unbounded;
    float m_Angle;
    int64_t m_StartTime;
    int32_t m_SetterCalls = 0;
};

VP_IMPLEMENT_CLASS(CTestScalars, CObject, 1.0f)

void CTestScalars::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(
        new IntProperty("Score Value", VP_MEMBER(m_Score), EDITOR_EDITABLE, 0, VP_SETTER(SetScore), 0, 0));
    classInfo->AddProperty(new IntProperty("Percent", VP_MEMBER(m_Percent), EDITOR_EDITABLE, 50, nullptr, 0, 100));
    IntProperty* actionIndex = new IntProperty("Debug/Next Action Index", "0 Based", VP_MEMBER(m_ActionIndex),
                                               EDITOR_EDITABLE, 0, nullptr, 0, 0);
    actionIndex->SetConverter(&g_OneBasedConverter);
    actionIndex->SetUnitText("");
    classInfo->AddProperty(actionIndex);
    UnsignedIntProperty* repeatLimit = new UnsignedIntProperty("Repeat Limit", VP_MEMBER(m_RepeatLimit),
                                                               EDITOR_EDITABLE, 1, nullptr, 1, 9999999);
    repeatLimit->AddNamedValue(0, "Unlimited");
    classInfo->AddProperty(repeatLimit);
    classInfo->AddProperty(
        new UnsignedIntProperty("Plain Count", VP_MEMBER(m_PlainCount), EDITOR_EDITABLE, 0, nullptr, 0, 0));
    classInfo->AddProperty(new BoolProperty("Visible", VP_MEMBER(m_Visible), EDITOR_EDITABLE, false, nullptr));
    classInfo->AddProperty(new BoolProperty("Quiet", VP_MEMBER(m_Quiet), EDITOR_EDITABLE, true, nullptr));
    classInfo->GetLastProperty()->SetAlwaysWrite(false);
    classInfo->AddProperty(new BitFlagProperty("Shadow", VP_MEMBER(m_Flags), 0x10, EDITOR_EDITABLE, false, nullptr));
    classInfo->AddProperty(new StringProperty("Name", VP_MEMBER(m_pName), EDITOR_EDITABLE, "game", nullptr));
    FloatProperty* stop = new FloatProperty("Stop", "After Loop", VP_MEMBER(m_Stop), EDITOR_EDITABLE, 0.0f, nullptr,
                                            0.0f, 999999.0f, 0.25f);
    stop->AddNamedValue(-1.0f, "At End");
    stop->AddNamedValue(-2.0f, "Never");
    classInfo->AddProperty(stop);
    classInfo->AddProperty(
        new FloatProperty("Point Size", VP_MEMBER(m_PointSize), EDITOR_EDITABLE, 12.0f, nullptr, 3.0f, 72.0f, 1.0f));
    FloatProperty* unbounded =
        new FloatProperty("Unbounded", VP_MEMBER(m_Unbounded), EDITOR_EDITABLE, 0.0f, nullptr, 0.0f, 0.0f, 0.0f);
    unbounded->AddNamedValue(-2.0f, "Never");
    classInfo->AddProperty(unbounded);
    FloatProperty* angle = new FloatProperty("Turning Rate", "Radians", VP_MEMBER(m_Angle), EDITOR_EDITABLE, 0.0f,
                                             nullptr, 0.0f, 0.0f, 1.0f);
    angle->SetConverter(&g_DegreesConverter);
    angle->SetUnitText("Degrees");
    classInfo->AddProperty(angle);
    classInfo->AddProperty(
        new Int64Property("Start Time", VP_MEMBER(m_StartTime), EDITOR_HIDDEN, 0, nullptr, 0, 0, 1));
}

namespace
{
class ScalarProperties : public ::testing::Test
{
protected:
    ScalarProperties() { m_Object.SetDefaults(); }

    const Property* Find(const char* name) { return CTestScalars::SGetClassInfo()->FindProperty(name); }

    std::string TextOf(const char* name)
    {
        CString text;
        Find(name)->ToText(&m_Object, text);
        return text.GetText();
    }

    void Read(const char* name, const char* text) { Find(name)->FromText(&m_Object, text, nullptr); }

    CTestScalars m_Object;
};
}

TEST_F(ScalarProperties, TextIsReadAsDecimalAndWrittenBack)
{
    struct Case
    {
        const char* property;
        const char* text;
        const char* written;
    };
    const Case cases[] = {
        {"Score Value", "-12", "-12"},
        {"Score Value", "12abc", "12"},
        {"Score Value", "abc", "0"},
        {"Score Value", "0x1F", "0"},
        {"Score Value", "99999999999", "2147483647"},
        {"Percent", "150", "100"},
        {"Percent", "-5", "0"},
        {"Repeat Limit", "Unlimited", "Unlimited"},
        {"Repeat Limit", "unlimited", "Unlimited"},
        {"Repeat Limit", "0", "Unlimited"},
        {"Repeat Limit", "20000000", "9999999"},
        {"Repeat Limit", "20", "20"},
        {"Plain Count", "-1", "4294967295"},
        {"Plain Count", "4294967295", "4294967295"},
        {"Visible", "1", "1"},
        {"Visible", "2", "1"},
        {"Visible", "-1", "1"},
        {"Visible", "TRUE", "0"},
        {"Visible", "", "0"},
        {"Name", "Red Brick", "Red Brick"},
        {"Name", "", ""},
        {"Stop", "Never", "Never"},
        {"Stop", "never", "Never"},
        {"Stop", "-2", "Never"},
        {"Stop", "-1", "At End"},
        {"Stop", "-5", "0"},
        {"Stop", "2.5", "2.5"},
        {"Point Size", "100", "72"},
        {"Point Size", "1", "3"},
        {"Point Size", "12", "12"},
        {"Unbounded", "Never", "0"},
        {"Unbounded", "-2", "Never"},
        {"Turning Rate", "inf", "0"},
        {"Turning Rate", "nan", "0"},
        {"Stop", "0x10", "0"},
        {"Plain Count", "0x10", "0"},
        {"Start Time", "0x10", "0"},
        {"Turning Rate", "0.2", "0.2"},
        {"Start Time", "132223104000000123", "132223104000000123"},
        {"Start Time", "-99999999999999999999", "-9223372036854775808"},
        {"Start Time", "99999999999999999999", "9223372036854775807"},
    };
    for (const Case& c : cases)
    {
        Read(c.property, c.text);
        EXPECT_EQ(c.written, TextOf(c.property)) << c.property << " read from \"" << c.text << "\"";
    }
}

TEST_F(ScalarProperties, BitFlagOwnsOnlyItsMaskBits)
{
    m_Object.m_Flags = 0x13;
    EXPECT_EQ("1", TextOf("Shadow"));
    Read("Shadow", "0");
    EXPECT_EQ(0x03u, m_Object.m_Flags);
    Read("Shadow", "7");
    EXPECT_EQ(0x13u, m_Object.m_Flags);
    EXPECT_FALSE(Find("Shadow")->IsDefault(&m_Object));
    EXPECT_EQ(0x10u, Find("Shadow")->GetBitMask());
}

TEST_F(ScalarProperties, EmptyStringIsReadAsEmptyTextAndDiffersFromItsDefault)
{
    Read("Name", "");
    ASSERT_NE(nullptr, m_Object.m_pName);
    EXPECT_STREQ("", m_Object.m_pName);
    EXPECT_FALSE(Find("Name")->IsDefault(&m_Object));
    Read("Name", "game");
    EXPECT_TRUE(Find("Name")->IsDefault(&m_Object));

    StringProperty noDefault("Nothing", CPropertyMember<char*>{0, sizeof(char*)}, EDITOR_EDITABLE, nullptr, nullptr);
    char* value = nullptr;
    EXPECT_TRUE(noDefault.IsDefault(&value));
    noDefault.FromText(&value, "", nullptr);
    EXPECT_TRUE(noDefault.IsDefault(&value));
    noDefault.DestroyValue(&value);
    EXPECT_EQ(nullptr, value);
}

TEST_F(ScalarProperties, BoolEqualToDefaultIsLeftOutOnlyWithoutAlwaysWrite)
{
    EXPECT_TRUE(Find("Visible")->ShouldWrite(&m_Object));
    EXPECT_FALSE(Find("Quiet")->ShouldWrite(&m_Object));
    m_Object.m_Quiet = false;
    EXPECT_TRUE(Find("Quiet")->ShouldWrite(&m_Object));
}

TEST_F(ScalarProperties, DisplayTextPassesTheConverterWithoutClamping)
{
    const IntProperty* percent = static_cast<const IntProperty*>(Find("Percent"));
    percent->SetFromDisplayText(&m_Object, "150");
    EXPECT_EQ(150, m_Object.m_Percent);

    const IntProperty* actionIndex = static_cast<const IntProperty*>(Find("Next Action Index"));
    EXPECT_EQ(1, actionIndex->GetConverter()->ToDisplay(0));
    actionIndex->SetFromDisplayText(&m_Object, "5");
    EXPECT_EQ(4, m_Object.m_ActionIndex);

    const FloatProperty* angle = static_cast<const FloatProperty*>(Find("Turning Rate"));
    angle->SetFromDisplayText(&m_Object, "180");
    EXPECT_EQ(3.14159274f, m_Object.m_Angle);
    EXPECT_EQ(89.99999756f, angle->GetConverter()->ToDisplay(1.57079637f));
    EXPECT_EQ("3.14159", TextOf("Turning Rate"));

    const Int64Property* startTime = static_cast<const Int64Property*>(Find("Start Time"));
    startTime->SetFromDisplayText(&m_Object, "132223104000000123");
    EXPECT_EQ(132223104000000123, m_Object.m_StartTime);
}

TEST(UnitConverters, SharedInstancesConvertBothWays)
{
    uint32_t degreesBits = 0;
    const float degrees = g_DegreesConverter.ToDisplay(1.0f);
    memcpy(&degreesBits, &degrees, sizeof degreesBits);
    EXPECT_EQ(0x42652EE0u, degreesBits);
    EXPECT_EQ(50.0f, g_PercentConverter.ToDisplay(0.5f));
    EXPECT_EQ(0.25f, g_PercentConverter.FromDisplay(25.0f));
    EXPECT_EQ(-1, g_OneBasedConverter.FromDisplay(0));
    EXPECT_EQ(7, g_IdentityIntConverter.ToDisplay(7));
    EXPECT_EQ(INT64_MAX, g_IdentityInt64Converter.FromDisplay(INT64_MAX));
}

TEST_F(ScalarProperties, SettersServeTextAndCopiesButNotDefaultsOrBinary)
{
    const Property* score = Find("Score Value");
    m_Object.m_SetterCalls = 0;
    Read("Score Value", "7");
    EXPECT_EQ(1, m_Object.m_SetterCalls);

    CTestScalars other;
    other.SetDefaults();
    other.m_Score = 9;
    score->CopyValue(&m_Object, &other, score);
    EXPECT_EQ(2, m_Object.m_SetterCalls);
    EXPECT_EQ(9, m_Object.m_Score);

    score->SetDefault(&m_Object);
    CObjectStream stream;
    stream.OpenOnMemory(new CMemoryStream(), OPEN_READ | OPEN_WRITE | OPEN_CREATE);
    score->WriteBinary(&other, stream);
    stream.Seek(0);
    EXPECT_TRUE(score->ReadBinary(&m_Object, stream));
    EXPECT_EQ(9, m_Object.m_Score);
    EXPECT_EQ(2, m_Object.m_SetterCalls);
}

TEST_F(ScalarProperties, FullNameSplitsAtTheFirstSlash)
{
    struct Case
    {
        const char* fullName;
        const char* group;
        const char* name;
    };
    const Case cases[] = {
        {"Layers/Background Image", "Layers", "Background Image"},
        {"Score Value", "", "Score Value"},
        {"Particles/Break/Gen", "Particles", "Break/Gen"},
    };
    for (const Case& c : cases)
    {
        IntProperty property(c.fullName, CPropertyMember<int32_t>{0, 4}, EDITOR_EDITABLE, 0, nullptr, 0, 0);
        EXPECT_STREQ(c.group, property.GetGroup().GetText()) << c.fullName;
        EXPECT_STREQ(c.name, property.GetName()) << c.fullName;
    }
}

TEST_F(ScalarProperties, CloneOfACloneKeepsEveryField)
{
    UnsignedIntProperty original("Limits/Repeat Limit", "Times", CPropertyMember<uint32_t>{4, 4}, EDITOR_READ_ONLY,
                                 3, nullptr, 1, 50);
    original.AddNamedValue(0, "Unlimited");
    original.SetHelpText("How often");
    original.SetLegacyName("Repeat");
    original.SetOmitWhenDefault(true);
    original.SetAlwaysWrite(false);
    original.SetRegistration(5, 6);

    Property* clone = original.Clone();
    Property* cloneOfClone = clone->Clone();
    delete clone;
    const UnsignedIntProperty* copy = static_cast<const UnsignedIntProperty*>(cloneOfClone);
    EXPECT_STREQ("Repeat Limit", copy->GetName());
    EXPECT_STREQ("Limits", copy->GetGroup().GetText());
    EXPECT_STREQ("Times", copy->GetUnitText().GetText());
    EXPECT_STREQ("How often", copy->GetHelpText().GetText());
    EXPECT_STREQ("Repeat", copy->GetLegacyName().GetText());
    EXPECT_TRUE(copy->GetOmitWhenDefault());
    EXPECT_FALSE(copy->GetAlwaysWrite());
    EXPECT_EQ(5, copy->GetFirstRegistrationWord());
    EXPECT_EQ(6, copy->GetSecondRegistrationWord());
    EXPECT_EQ(EDITOR_READ_ONLY, copy->GetEditorMode());
    EXPECT_EQ(4, copy->GetValueOffset());
    EXPECT_EQ(50u, copy->GetMaximum());
    ASSERT_NE(nullptr, copy->GetNamedValues());
    EXPECT_NE(original.GetNamedValues(), copy->GetNamedValues());
    EXPECT_STREQ("Unlimited", copy->GetNamedValues()->GetName(0));
    delete cloneOfClone;
}

TEST_F(ScalarProperties, UnsignedRangeDefaultsDependOnTheConstructor)
{
    UnsignedIntProperty plain("Plain", CPropertyMember<uint32_t>{0, 4}, EDITOR_EDITABLE, 0, nullptr, 0, 0);
    UnsignedIntProperty withUnit("Units", "Pixels", CPropertyMember<uint32_t>{0, 4}, EDITOR_EDITABLE, 0, nullptr, 7, 7);
    EXPECT_EQ(0u, plain.GetMinimum());
    EXPECT_EQ(0xFFFFFFFFu, plain.GetMaximum());
    EXPECT_EQ(0u, withUnit.GetMinimum());
    EXPECT_EQ(0xFFFFFFFEu, withUnit.GetMaximum());
}

TEST_F(ScalarProperties, DynamicIntegerAnswersItsDefaultUntilSet)
{
    IntProperty* lives = new IntProperty("Lives", DynamicValueMember<int32_t>(), EDITOR_EDITABLE, 3, nullptr, 0, 0);
    AttachDynamicProperty attach(lives, CTestScalars::SGetClassInfo(), 0, nullptr);
    EXPECT_EQ(3, lives->GetDynamicValue(&m_Object));
    EXPECT_FALSE(lives->HasValue(&m_Object));
    lives->SetDynamicValue(&m_Object, 8);
    EXPECT_TRUE(lives->HasValue(&m_Object));
    EXPECT_EQ(8, lives->GetDynamicValue(&m_Object));
    EXPECT_TRUE(lives->RemoveValue(&m_Object));
    EXPECT_FALSE(lives->RemoveValue(&m_Object));
    EXPECT_EQ(3, lives->GetDynamicValue(&m_Object));
}

TEST_F(ScalarProperties, XmlElementsHaveNoBlanksInTheirTags)
{
    IntProperty property("Odd? Tom & Jerry's", CPropertyMember<int32_t>{0, 4}, EDITOR_EDITABLE, 0, nullptr, 0, 0);
    int32_t value = 12;
    CObjectStream stream;
    stream.OpenOnMemory(new CMemoryStream(), OPEN_READ | OPEN_WRITE | OPEN_CREATE);
    property.WriteXmlElement(&value, stream);
    std::string xml(stream.GetSize(), '\0');
    stream.Seek(0);
    stream.Read(xml.data(), static_cast<uint32_t>(xml.size()));
    EXPECT_EQ("<Odd__Tom___Jerry_s>12</Odd__Tom___Jerry_s>\r\n", xml);
}

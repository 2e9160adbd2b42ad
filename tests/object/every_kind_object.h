#pragma once

// A reflected class with one property of every scalar and numeric kind, and
// a class derived from it. Include it in one source file per program: it
// defines the classes as well.

#include <cstdint>
#include <cstdlib>

#include "engine/core/strings/ref_string.h"
#include "engine/object/properties/bool_property.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/int64_property.h"
#include "engine/object/properties/int_property.h"
#include "engine/object/object.h"
#include "engine/object/properties/string_property.h"
#include "engine/object/properties/text_property.h"
#include "engine/object/properties/unit_converter.h"
#include "engine/object/properties/unsigned_int_property.h"

class CTestEveryKind : public CObject
{
    VP_DECLARE_CLASS(CTestEveryKind)
public:
    CTestEveryKind() { ConstructProperties(SGetClassInfo()); }
    ~CTestEveryKind() override { DestroyProperties(SGetClassInfo()); }

    // Counts its calls, so tests see which paths go through setters.
    void SetScore(int32_t score)
    {
        m_Score = score;
        m_ScoreSetterCalls++;
    }

    char* m_pName;
    int32_t m_Score;
    uint32_t m_RepeatLimit;
    bool m_Visible;
    uint32_t m_Flags = 0;  // the bits beside the mask belong to the class
    float m_Stop;
    float m_Angle;
    int64_t m_StartTime;
    CString m_Title;
    int32_t m_ScoreSetterCalls = 0;
};

class CTestEveryKindDerived : public CTestEveryKind
{
    VP_DECLARE_CLASS(CTestEveryKindDerived)
public:
    CTestEveryKindDerived() { ConstructProperties(SGetClassInfo()); }
    ~CTestEveryKindDerived() override { DestroyProperties(SGetClassInfo()); }

    int32_t m_Extra;
};

VP_IMPLEMENT_CLASS(CTestEveryKind, CObject, 1.0f)

void CTestEveryKind::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new StringProperty("Name", VP_MEMBER(m_pName), EDITOR_EDITABLE, "game", nullptr));
    classInfo->AddProperty(new IntProperty("Scoring/Score Value", VP_MEMBER(m_Score), EDITOR_EDITABLE, 10,
                                           VP_SETTER(SetScore), -100, 1000));
    classInfo->GetLastProperty()->SetLegacyName("Score");
    UnsignedIntProperty* repeatLimit = new UnsignedIntProperty("Repeat Limit", VP_MEMBER(m_RepeatLimit),
                                                               EDITOR_EDITABLE, 1, nullptr, 1, 9999999);
    repeatLimit->AddNamedValue(0, "Unlimited");
    classInfo->AddProperty(repeatLimit);
    classInfo->AddProperty(new BoolProperty("Visible", VP_MEMBER(m_Visible), EDITOR_EDITABLE, true, nullptr));
    classInfo->AddProperty(
        new BitFlagProperty("Flags/Casts Shadow", VP_MEMBER(m_Flags), 0x10, EDITOR_EDITABLE, false, nullptr));
    FloatProperty* stop = new FloatProperty("Stop", "After Loop", VP_MEMBER(m_Stop), EDITOR_EDITABLE, 0.0f, nullptr,
                                            0.0f, 999999.0f, 0.25f);
    stop->AddNamedValue(-1.0f, "At End");
    stop->AddNamedValue(-2.0f, "Never");
    classInfo->AddProperty(stop);
    FloatProperty* angle =
        new FloatProperty("Turning Rate", "Degrees", VP_MEMBER(m_Angle), EDITOR_EDITABLE, 0.0f, nullptr, 0, 0, 1.0f);
    angle->SetConverter(&g_DegreesConverter);
    classInfo->AddProperty(angle);
    classInfo->AddProperty(
        new Int64Property("Start Time", VP_MEMBER(m_StartTime), EDITOR_HIDDEN, 0, nullptr, 0, 0, 1));
    classInfo->AddProperty(new TextProperty("Title", VP_MEMBER(m_Title), EDITOR_EDITABLE, "Untitled"));
}

VP_IMPLEMENT_CLASS(CTestEveryKindDerived, CTestEveryKind, 2.0f)

void CTestEveryKindDerived::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new IntProperty("Extra", VP_MEMBER(m_Extra), EDITOR_EDITABLE, 5, nullptr, 0, 0));
}

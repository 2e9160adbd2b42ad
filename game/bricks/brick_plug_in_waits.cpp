#include "game/bricks/brick_plug_in_waits.h"

#include "engine/object/properties/float_property.h"
#include "engine/object/properties/nested_object_property.h"
#include "game/bricks/script_timing.h"
#include "game/playfield/playfield.h"

VP_IMPLEMENT_CLASS(CBrickPlugInWaitXSeconds, CBrickPlugIn, 1.0f)
VP_IMPLEMENT_CLASS(CBrickPlugInWaitForBrickToBeDestroyed, CBrickPlugIn, 1.0f)

void FormatSecondsDescription(CString& out, const char* pattern, float seconds)
{
    CString number;
    number.Format("%g", static_cast<double>(seconds));
    out = pattern;
    out.ReplaceAll(CString("X"), number);
}

void CBrickPlugInWaitXSeconds::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddOldName("CBrickPlugInWait");
    classInfo->AddProperty(new FloatProperty("Time To Wait", "Seconds", VP_MEMBER(m_TimeToWait), EDITOR_EDITABLE, 2.0f,
                                             nullptr, 0.0f, 9999999.0f, 0.1f));
}

CBrickPlugInWaitXSeconds::CBrickPlugInWaitXSeconds()
    : m_TimeToWait(2.0f)
    , m_UpdatesSinceStart(0)
{
    ConstructProperties(SGetClassInfo());
}

CBrickPlugInWaitXSeconds::~CBrickPlugInWaitXSeconds()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickPlugInWaitXSeconds::Start(CSprite*)
{
    m_UpdatesSinceStart = 0;
}

void CBrickPlugInWaitXSeconds::Update(PlugInStepRecord& record)
{
    if (!ScriptTimeIsOver(m_TimeToWait, m_UpdatesSinceStart))
        m_UpdatesSinceStart++;
    if (ScriptTimeIsOver(m_TimeToWait, m_UpdatesSinceStart))
        record.done = true;
}

void CBrickPlugInWaitXSeconds::GetDescription(CString& out, const char*) const
{
    if (m_TimeToWait == 0.0f)
        out = "Wait X Seconds";
    else
        FormatSecondsDescription(out, "Wait X Seconds", m_TimeToWait);
}

void CBrickPlugInWaitForBrickToBeDestroyed::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new NestedObjectProperty("Trigger Brick", VP_MEMBER(m_TriggerBrick), EDITOR_EDITABLE));
}

CBrickPlugInWaitForBrickToBeDestroyed::CBrickPlugInWaitForBrickToBeDestroyed()
{
    ConstructProperties(SGetClassInfo());
}

CBrickPlugInWaitForBrickToBeDestroyed::~CBrickPlugInWaitForBrickToBeDestroyed()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickPlugInWaitForBrickToBeDestroyed::Update(PlugInStepRecord& record)
{
    CPlayfield* playfield = GetPlayfield();
    if (playfield == nullptr || playfield->FindBrickByReference(m_TriggerBrick) == nullptr)
        record.done = true;
}

void CBrickPlugInWaitForBrickToBeDestroyed::ReadCustomProperties(const char* name, const char* value,
                                                                  CObjectStream& stream)
{
    if (!m_TriggerBrick.ReadLegacyName("Trigger Brick Name", name, value))
        CBrickPlugIn::ReadCustomProperties(name, value, stream);
}

#include "tests/support/brick_test_field.h"

#include "engine/core/messages/message_type.h"
#include "game/bricks/brick_messages.h"
#include "game/bricks/brick_style_sheet.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/sprite.h"

VP_IMPLEMENT_CLASS(CTestHitter, CHitterOfBricks, 0.0f)
VP_IMPLEMENT_CLASS(CRecordingPlugIn, CBrickPlugIn, 1.0f)
VP_IMPLEMENT_CLASS(CScriptedBrick, CBrickBase, 0.0f)

void CTestHitter::RegisterProperties(CClassInfo*)
{
}

CTestHitter::CTestHitter()
{
    ConstructProperties(SGetClassInfo());
}

CTestHitter::~CTestHitter()
{
    DestroyProperties(SGetClassInfo());
}

void CRecordingPlugIn::RegisterProperties(CClassInfo*)
{
}

CRecordingPlugIn::CRecordingPlugIn(std::vector<std::string>* log, const char* name)
    : m_pLog(log)
    , m_Name(name)
{
    ConstructProperties(SGetClassInfo());
}

CRecordingPlugIn::~CRecordingPlugIn()
{
    DestroyProperties(SGetClassInfo());
}

namespace {

void Write(std::vector<std::string>* log, const std::string& name, const std::string& call)
{
    if (log != nullptr)
        log->push_back(name + ":" + call);
}

} // namespace

void CRecordingPlugIn::OnMessage(CMessage& message)
{
    const int32_t id = message.GetTypeId();
    if (id == CBrickHitByBallOrShotMessage::GetClassTypeId())
        Write(m_pLog, m_Name, "hit");
    else if (id == GetBrickDestroyedMessageId())
        Write(m_pLog, m_Name, "destroyed");
    else
        Write(m_pLog, m_Name, "message " + std::to_string(id));
}

void CRecordingPlugIn::SetOwner(CBrickBase* owner)
{
    CBrickPlugIn::SetOwner(owner);
    Write(m_pLog, m_Name, "owner");
}

void CRecordingPlugIn::Update(PlugInStepRecord& record)
{
    m_SawDone = record.done;
    if (m_SetsDone)
        record.done = true;
    Write(m_pLog, m_Name, "update");
}

void CRecordingPlugIn::Start(CSprite*)
{
    Write(m_pLog, m_Name, "start");
}

void CRecordingPlugIn::AfterUpdate(bool& stop)
{
    if (m_SetsStop)
        stop = true;
    Write(m_pLog, m_Name, "after update");
}

void CRecordingPlugIn::DrawEditorOverlay(EditorDrawContext&)
{
    Write(m_pLog, m_Name, "overlay");
}

void CRecordingPlugIn::AfterDraw(CFrameInterface*)
{
    Write(m_pLog, m_Name, "after draw");
}

void CScriptedBrick::RegisterProperties(CClassInfo*)
{
}

CScriptedBrick::CScriptedBrick()
{
    ConstructProperties(SGetClassInfo());
}

CScriptedBrick::~CScriptedBrick()
{
    DestroyProperties(SGetClassInfo());
}

CClassInfo* CScriptedBrick::GetStyleSheetClass() const
{
    return CBrickStyleSheet::SGetClassInfo();
}

int32_t CScriptedBrick::OnHit(CHitterOfBricks*, const Vector2&)
{
    return m_HitAnswer;
}

void CScriptedBrick::OnPushedByBrick(CBrickBase* pusher, const Vector2& motion, bool hard)
{
    m_PushesTaken++;
    if (m_PushesBack)
        pusher->Move(Vector2Scale(motion, -1.0f), hard, true);
}

int32_t CScriptedBrick::OnDestroyed(const BrickDestroyInfo&)
{
    m_Destructions++;
    if (m_DamageRadius > 0.0f)
        DamageAreaAround(m_DamageRadius, m_DamageRadius, 0.0f);
    return m_DestroyedAnswer;
}

void BrickTestField::SetUp()
{
    PlayfieldTest::SetUp();
    m_pData = std::make_unique<ScopedBrickData>(m_Folder.Path());
    ASSERT_EQ(m_pData->GetSoundCount(), 16u);
    // The tutorial pages are only indices.
    CBrickStyleSheet* normal = GetBrickStyleSheetLibrary().GetItemObject(static_cast<uint32_t>(StyleIndex("Normal")));
    normal->m_HitTutorial = 3;
    normal->m_DestroyedTutorial = 4;

    m_pHitterSprite = std::make_unique<CGameSprite>();
    m_pHitter = new CTestHitter;
    m_pHitter->m_pSprite = m_pHitterSprite.get();
    m_pHitterSprite->AddAI(m_pHitter);
}

void BrickTestField::TearDown()
{
    m_pHitterSprite.reset();
    PlayfieldTest::TearDown();
    m_pData.reset();
}

int32_t BrickTestField::StyleIndex(const char* name)
{
    return ScopedBrickData::StyleIndex(name);
}

CBrickBase* BrickTestField::AddBrick(CBrickBase* brick, const char* style, const Vector2& at)
{
    brick->m_StyleSheet = StyleIndex(style);
    brick->m_StartPosition = {at.x - CBrickBase::kCentreOffsetX, at.y - CBrickBase::kCentreOffsetY};
    CGameSprite* sprite = new CGameSprite;
    brick->AttachToSprite(sprite);
    sprite->SetActive(true);
    m_pPlayfield->m_pBricks->Append(sprite);
    return brick;
}

CBrickBase* BrickTestField::AddBrick(const char* className, const char* style, const Vector2& at)
{
    return AddBrick(static_cast<CBrickBase*>(GetClassRegistry().CreateByName(className)), style, at);
}

std::vector<std::string> BrickTestField::Tutorials() const
{
    std::vector<std::string> tutorials;
    for (const std::string& call : ScopedPlayfieldHooks::s_Calls)
    {
        if (call.rfind("ShowTutorial ", 0) == 0)
            tutorials.push_back(call.substr(13));
    }
    return tutorials;
}

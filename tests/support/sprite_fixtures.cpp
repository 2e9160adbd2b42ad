#include "tests/support/sprite_fixtures.h"

#include "engine/graphics/frame.h"
#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_list.h"
#include "game/playfield/sprite.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/sequence_fixtures.h"

CFrame* MakeSolidFrame(int32_t width, int32_t height, uint16_t value, int32_t upperLeftX, int32_t upperLeftY)
{
    CFrame* frame = new CFrame;
    frame->Create(static_cast<uint32_t>(width), static_cast<uint32_t>(height), 16);
    for (int32_t y = 0; y < height; y++)
        for (int32_t x = 0; x < width; x++)
            WritePixel(*frame, x, y, value);
    frame->SetUpperLeftOffset(upperLeftX, upperLeftY);
    return frame;
}

CSequence* MakeSolidSequence(uint32_t frameCount, int32_t width, int32_t height, uint16_t firstValue, float fps)
{
    std::vector<std::string> lines;
    if (fps != 0.0f)
        lines.push_back("Frames Per Second=" + std::to_string(fps));
    CSequence* sequence = ReadTestSequence(lines);
    for (uint32_t i = 0; i < frameCount; i++)
        sequence->AddFrame(
            MakeSolidFrame(width, height, static_cast<uint16_t>(firstValue + i), -width / 2, -height / 2), false,
            false);
    return sequence;
}

ListedSequences::~ListedSequences()
{
    GetSequenceList().DeleteAllItems();
}

CSequence* ListedSequences::Add(const std::string& name, CSequence* sequence)
{
    // Fixtures that share a name (the empty sequence "!None") keep the
    // first: the refused one would belong to nobody.
    if (GetSequenceList().AddItemWithObject(sequence, name.c_str()) == -1)
    {
        delete sequence;
        return nullptr;
    }
    return sequence;
}

VP_IMPLEMENT_ABSTRACT_CLASS(CLoggingAI, CSpriteAI, 1.0f)

void CLoggingAI::RegisterProperties(CClassInfo*)
{
}

CLoggingAI::CLoggingAI(std::vector<std::string>* log, const char* name)
    : m_pLog(log)
    , m_Name(name)
{
    ConstructProperties(SGetClassInfo());
}

CLoggingAI::~CLoggingAI()
{
    DestroyProperties(SGetClassInfo());
}

void CLoggingAI::OnAttach(CSprite*)
{
    if (m_pLog != nullptr)
        m_pLog->push_back(m_Name + ":attach");
}

void CLoggingAI::Update(CSprite* sprite, int32_t argument)
{
    if (m_pLog != nullptr)
        m_pLog->push_back(m_Name + ":update" + std::to_string(argument));
    if (m_KillInUpdate)
        sprite->Kill();
}

void CLoggingAI::AfterDraw(CSprite*, CFrameInterface*)
{
    if (m_pLog != nullptr)
        m_pLog->push_back(m_Name + ":draw");
}

void CLoggingAI::AfterDrawShadow(CSprite*, CFrameInterface*)
{
    if (m_pLog != nullptr)
        m_pLog->push_back(m_Name + ":shadow");
}

void CLoggingAI::AfterDrawOverlay(CSprite*, CFrameInterface*)
{
    if (m_pLog != nullptr)
        m_pLog->push_back(m_Name + ":overlay");
}

VP_IMPLEMENT_ABSTRACT_CLASS(CPolygonAI, CSpriteAI, 1.0f)

void CPolygonAI::RegisterProperties(CClassInfo*)
{
}

CPolygonAI::CPolygonAI(const Polygon2D* polygon, bool passing)
    : m_pPolygon(polygon)
    , m_Passing(passing)
{
    ConstructProperties(SGetClassInfo());
}

CPolygonAI::~CPolygonAI()
{
    DestroyProperties(SGetClassInfo());
}

bool CPolygonAI::PassesThrough(CSprite* sprite, CSprite* other, const CollisionMotion& motion)
{
    return m_Passing || CSpriteAI::PassesThrough(sprite, other, motion);
}

Polygon2D* CPolygonAI::GetCollisionPolygon(CSprite* sprite)
{
    if (m_pPolygon != nullptr)
        return const_cast<Polygon2D*>(m_pPolygon);
    return CSpriteAI::GetCollisionPolygon(sprite);
}

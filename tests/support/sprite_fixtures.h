#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/core/geometry/polygon2d.h"
#include "tests/support/polygon_shapes.h"
#include "game/playfield/sprite_ai.h"

class CFrame;
class CSequence;
class CSprite;

// A plain 16-bit frame of the size whose pixels all hold the value, with
// its hot spot at (-upperLeftX, -upperLeftY) from the upper-left pixel.
CFrame* MakeSolidFrame(int32_t width, int32_t height, uint16_t value, int32_t upperLeftX = 0, int32_t upperLeftY = 0);

// A sequence of frameCount solid width x height frames centred on their hot
// spots; frame i holds the value firstValue + i. fps 0 keeps the default.
CSequence* MakeSolidSequence(uint32_t frameCount, int32_t width, int32_t height, uint16_t firstValue, float fps = 0.0f);

// Sequences added to the "Sequences" list under the names given, removed
// (and deleted) with the object. Add answers the sequence, or null when the
// list holds the name already (the sequence given is then deleted).
class ListedSequences
{
public:
    ListedSequences() = default;
    ~ListedSequences();

    CSequence* Add(const std::string& name, CSequence* sequence);

    ListedSequences(const ListedSequences&) = delete;
    ListedSequences& operator=(const ListedSequences&) = delete;
};

// A behaviour that writes "<name>:<call>" into a shared log for each call
// it gets, answers the collision queries as set, and passes nothing on.
class CLoggingAI : public CSpriteAI
{
    VP_DECLARE_CLASS(CLoggingAI)
public:
    CLoggingAI(std::vector<std::string>* log = nullptr, const char* name = "");
    ~CLoggingAI() override;

    void OnAttach(CSprite* sprite) override;
    void Update(CSprite* sprite, int32_t argument) override;
    void AfterDraw(CSprite* sprite, CFrameInterface* frame) override;
    void AfterDrawShadow(CSprite* sprite, CFrameInterface* frame) override;
    void AfterDrawOverlay(CSprite* sprite, CFrameInterface* frame) override;

    std::vector<std::string>* m_pLog;
    std::string m_Name;
    // Set, the update marks the sprite dead.
    bool m_KillInUpdate = false;
};

// A behaviour that only answers the collision queries: its polygon (none
// when empty) and, when passing is set, that the sprite passes through
// everything.
class CPolygonAI : public CSpriteAI
{
    VP_DECLARE_CLASS(CPolygonAI)
public:
    explicit CPolygonAI(const Polygon2D* polygon = nullptr, bool passing = false);
    ~CPolygonAI() override;

    void Update(CSprite*, int32_t) override {}
    bool PassesThrough(CSprite* sprite, CSprite* other, const CollisionMotion& motion) override;
    Polygon2D* GetCollisionPolygon(CSprite* sprite) override;

    const Polygon2D* m_pPolygon;
    bool m_Passing;
};

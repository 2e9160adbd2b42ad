#pragma once

#include <cstdint>

#include "engine/core/geometry/point.h"
#include "engine/object/object.h"
#include "engine/object/reflection.h"

class CConstraintSystem;
class CCurrentForce;
class CFrameInterface;

// Seaweed of an underwater background: a chain of pieces anchored at
// "Position" that floats up by its buoyancy, sways with a slow tide and
// jitters with a random current. The motion is a point-mass chain held
// together by distance constraints; the drawing shows one picture per
// piece, chosen by the piece's angle, at the piece's fixed height above the
// anchor, so only the pieces' x follows the simulation.
//
// Changing the anchor, buoyancy, piece length or count rebuilds the chain
// at rest.
class CSeaWeed : public CObject
{
    VP_DECLARE_CLASS(CSeaWeed)
public:
    // A chain longer than this already spans the screen at the least piece
    // length; more points would only cost memory and time.
    static constexpr uint32_t kMaxPieces = 600;

    CSeaWeed();
    ~CSeaWeed() override;

    CSeaWeed(const CSeaWeed&) = delete;
    CSeaWeed& operator=(const CSeaWeed&) = delete;

    // Stores the four values and builds the chain anew.
    void Build(float buoyancy, uint32_t pieceCount, const CPoint& position, float length);
    virtual void Update(float seconds);
    virtual void Draw(CFrameInterface* frame, bool showAngleGuides);

    const CConstraintSystem& GetSystem() const { return *m_pSystem; }
    const CCurrentForce& GetCurrent() const { return *m_pCurrent; }
    // The picture index of a piece at the angle (0 to 2 pi) in a sequence of
    // frameCount pictures.
    int32_t GetFrameIndexForAngle(float angle, uint32_t frameCount) const;

    int32_t m_Sequence;
    float m_SequenceStartingAngle;
    float m_SequenceEndingAngle;
    CPoint m_Position;
    float m_Buoyancy;
    float m_TideFrequency;
    float m_TideStrength;
    float m_RandomCurrentStrength;
    float m_Length;
    uint32_t m_NumPieces;

private:
    void SetPosition(const CPoint& position);
    void SetBuoyancy(float buoyancy);
    void SetLength(float length);
    void SetNumPieces(uint32_t count);
    void DrawAngleGuides(CFrameInterface* frame) const;

    CConstraintSystem* m_pSystem;
    // Inside the system, which owns it.
    CCurrentForce* m_pCurrent;
};

#pragma once

#include <cstdint>

#include "engine/core/geometry/point.h"
#include "engine/core/geometry/vector2d.h"
#include "engine/core/memory/dynamic_array.h"
#include "engine/object/object.h"
#include "engine/object/reflection.h"

class CFrameInterface;
class CSequence;

// Smoke, bubbles or steam from one point: puffs are emitted at a rate with
// some randomness, drift with a randomly wandering velocity, play their
// animation once and vanish. Puffs are not sprites; the generator draws
// them itself. A copy starts without puffs.
//
// The countdown restarts at 1 / rate after each puff instead of carrying the
// overshoot, so puffs come at whole steps. A sequence that never advances
// (no positive, finite frame rate) would keep its puffs for ever while new
// ones pile up, so such a generator emits nothing.
class CSmokeGenerator : public CObject
{
    VP_DECLARE_CLASS(CSmokeGenerator)
public:
    struct Puff
    {
        float x;
        float y;
        // Pixels per second.
        float velocityX;
        float velocityY;
        // In frames.
        float framePosition;
    };

    CSmokeGenerator();
    ~CSmokeGenerator() override;

    CSmokeGenerator(const CSmokeGenerator&) = delete;
    CSmokeGenerator& operator=(const CSmokeGenerator&) = delete;

    virtual void Update(float seconds, const CPoint& emissionPoint);
    virtual void Draw(CFrameInterface* frame);

    const CPoolArray<Puff>& GetPuffs() const { return m_Puffs; }
    float GetCountdown() const { return m_Countdown; }

    int32_t m_Sequence;
    Vector2 m_StartingVelocity;
    Vector2 m_VelocityVariance;
    float m_SpawnRate;
    float m_SpawnRateVariance;

private:
    void SetSequence(int32_t index);
    void SetSpawnRate(float rate);
    CSequence* GetSequence() const;
    void MovePuffs(float seconds, float framesPerSecond);
    // Keeps the order of the others.
    void RemoveFinishedPuffs(uint32_t frameCount);
    // The storage stays for the next puffs.
    void KeepFirstPuffs(uint32_t count);

    CPoolArray<Puff> m_Puffs;
    float m_Countdown;
};

#pragma once

#include <cstdint>

#include "engine/core/geometry/point.h"
#include "engine/core/memory/dynamic_array.h"
#include "engine/object/object.h"
#include "engine/object/reflection.h"

class CFrameInterface;

// A flock of small creatures circling a point of the background. Each boid
// steers toward its neighbours, away from one that comes too close, along
// their mean heading, back toward the centre when it strays and up when it
// nears the bottom of the screen, turning no faster than the turning rate.
// Later rules override earlier ones: the bottom wins over the centre, which
// wins over the flocking. The boids are not sprites; the simulation draws
// them itself.
//
// A step looks at every boid for every boid, so the cost grows with the
// square of the count: "Num Boids" is held to a few hundred. The neighbour
// list is scratch storage shared by every flock and kept between steps, so
// steady running allocates nothing (main thread only). Sines, cosines and
// arctangents come from the engine's tables.
class CFlockingSimulation : public CObject
{
    VP_DECLARE_CLASS(CFlockingSimulation)
public:
    struct Boid
    {
        float x;
        float y;
        // Radians, 0 to 2 pi.
        float heading;
        // Pixels per second.
        float speed;
        float desiredHeading;
    };

    static constexpr uint32_t kMaxBoids = 500;
    // Neighbours are nearer than this, whatever the perception distance.
    static constexpr float kNeighbourRadius = 50.0f;
    // Half the field of view (105 degrees).
    static constexpr float kHalfFieldOfView = 1.8326f;

    CFlockingSimulation();
    ~CFlockingSimulation() override;

    CFlockingSimulation(const CFlockingSimulation&) = delete;
    CFlockingSimulation& operator=(const CFlockingSimulation&) = delete;

    // Stores the values and makes the boids anew around the centre.
    void SpawnBoids(uint32_t count, const CPoint& centre, float maxDistance, float velocity, float perceptionDistance,
                    float tooCloseRatio, float turningRate);
    virtual void Update(float seconds);
    virtual void Draw(CFrameInterface* frame);
    void StepBoid(Boid& boid, float seconds);
    // Whether the boid sees the other: another place, nearer than the
    // neighbour radius and inside its field of view.
    static bool Sees(const Boid& boid, const Boid& other);

    CPoolArray<Boid>& GetBoids() { return m_Boids; }
    const CPoolArray<Boid>& GetBoids() const { return m_Boids; }

    int32_t m_Sequence;
    uint32_t m_NumBoids;
    CPoint m_CenterPosition;
    float m_MaxDistFromCenter;
    uint32_t m_MinDistanceFromBottom;
    float m_Velocity;
    float m_BoidPerceptionDistance;
    float m_TooCloseRatio;
    float m_TurningRate;

private:
    void SetNumBoids(uint32_t count);
    void SetVelocity(float velocity);
    // The new desired heading from the neighbours, or the old one.
    float FlockingHeading(const Boid& boid) const;
    void DrawCross(CFrameInterface* frame, const Boid& boid) const;

    CPoolArray<Boid> m_Boids;
};

// The screen height the bottom rule measures from: read from the screen
// frame on the first step ever and kept (600 before the screen has a mode).
int32_t GetFlockScreenHeight();
// Replaces the kept height; for tests.
void SetFlockScreenHeight(int32_t height);

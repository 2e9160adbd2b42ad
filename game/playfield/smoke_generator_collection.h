#pragma once

#include <cstdint>

#include "engine/core/geometry/point.h"
#include "engine/object/object.h"
#include "engine/object/reflection.h"

class CFrameInterface;
class CSmokeGenerator;

// Several smoke generators emitting at one position.
class CSmokeGeneratorCollection : public CObject
{
    VP_DECLARE_CLASS(CSmokeGeneratorCollection)
public:
    CSmokeGeneratorCollection();
    ~CSmokeGeneratorCollection() override;

    CSmokeGeneratorCollection(const CSmokeGeneratorCollection&) = delete;
    CSmokeGeneratorCollection& operator=(const CSmokeGeneratorCollection&) = delete;

    // Every generator in order, empty entries skipped.
    virtual void Update(float seconds);
    virtual void Draw(CFrameInterface* frame);

    uint32_t GetGeneratorCount() const { return m_SmokeGeneratorCount; }
    CSmokeGenerator* GetGenerator(uint32_t index) const { return m_pSmokeGenerators[index]; }

    CPoint m_Position;
    // Owned.
    CSmokeGenerator** m_pSmokeGenerators;
    uint32_t m_SmokeGeneratorCount;
    uint32_t m_SmokeGeneratorCapacity;
};

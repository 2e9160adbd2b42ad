#pragma once

#include <cstdint>

#include "engine/object/libraries/resource_library.h"
#include "engine/object/object.h"
#include "engine/object/properties/object_array_property.h"

// One weighted picture of a particle generator: the "Sequences" entry its
// particles play (0 for none) and its share of a burst.
class CParticleType : public CObject
{
    VP_DECLARE_CLASS(CParticleType)
public:
    CParticleType();
    ~CParticleType() override;

    // Object files give the unnamed value a line of its own ("=5") when it
    // is not 0; the property list writes no line without a name.
    void WriteCustomProperties(CObjectStream& stream) override;

    int32_t m_ParticleType;
    uint32_t m_Weight;
    // Stored under an empty name by the generators that exist; nothing reads
    // it, but it must survive loading, saving and copying.
    uint32_t m_Unnamed;
};

// How one burst of particles looks: how many, how fast (pixels a second),
// within what cone round the burst's direction (radians), and which
// pictures in what proportion. One "<name>.PGen" object file each.
class CParticleGeneratorInfo : public CObject
{
    VP_DECLARE_CLASS(CParticleGeneratorInfo)
public:
    CParticleGeneratorInfo();
    ~CParticleGeneratorInfo() override;

    // The sum of the weights, 0 without types. Summed in 64 bits: weights
    // are unsigned 32-bit numbers from files.
    uint64_t TotalWeight() const;
    uint32_t GetTypeCount() const { return m_ParticleTypes.m_Count; }
    const CParticleType& GetType(uint32_t index) const { return m_ParticleTypes.m_pItems[index]; }
    // Appends a defaulted type, for code that builds generators.
    CParticleType& AddType();

    uint32_t m_Particles;
    float m_Velocity;
    float m_ConeAngle;
    CObjectValueArray<CParticleType> m_ParticleTypes;
};

// "Particle Generators": every generator, found by file name. Game code
// holds generators as indices: a name is turned into one with the list's
// find-or-fail (a missing name is the fatal not-found report).
class ParticleGeneratorList : public CResourceLibrary<CParticleGeneratorInfo>
{
public:
    ParticleGeneratorList();

    // Null for an empty list; an index past the end gives entry 0.
    CParticleGeneratorInfo* Get(uint32_t index) { return GetItemObject(index); }
};

ParticleGeneratorList& GetParticleGeneratorList();

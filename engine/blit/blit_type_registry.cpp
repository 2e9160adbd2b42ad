#include "engine/blit/blit_type_registry.h"

#include "engine/blit/blit_amplify_light.h"
#include "engine/blit/blit_black_bias.h"
#include "engine/blit/blit_normal.h"
#include "engine/blit/blit_shadow.h"
#include "engine/blit/blit_transparent_mask.h"
#include "engine/blit/blit_type.h"
#include "engine/core/lists/named_value_table_members.h"

template class CNamedValueTable<CBlitType*>;

namespace {

// Stands at the index of a named blit type whose routines are not built:
// it draws nothing, and files that name it keep their index.
class CBlitTypeWithoutRoutines : public CBlitType
{
public:
    explicit CBlitTypeWithoutRoutines(Kind kind)
        : CBlitType(kind)
    {
    }
};

template <int Index, CBlitType::Kind Kind = CBlitType::ONE_TO_ONE>
CBlitType* WithoutRoutines()
{
    static CBlitTypeWithoutRoutines s_BlitType(Kind);
    return &s_BlitType;
}

} // namespace

CBlitTypeRegistry::CBlitTypeRegistry()
{
    Add("Normal", &GetBlitNormal());
    Add("Transparent Mask", &GetBlitTransparentMask());
    Add("Blend Black Bias", &GetBlitBlendBlackBias());
    Add("Blend Test Light", &GetBlitBlendTestLight());
    Add("Blit As Shadow", &GetBlitAsShadow());
    Add("Normal Scale", WithoutRoutines<5, CBlitType::SCALES>());
    Add("Blend Amplify Light", &GetBlitBlendAmplifyLight());
}

CBlitType* CBlitTypeRegistry::GetBlitType(int32_t index)
{
    if (index < 0 || static_cast<uint32_t>(index) >= GetCount())
        return &GetBlitNormal();
    return GetEntry(static_cast<uint32_t>(index)).value;
}

CBlitTypeRegistry& GetBlitTypeRegistry()
{
    static CBlitTypeRegistry s_Registry;
    return s_Registry;
}

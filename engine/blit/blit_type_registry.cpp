#include "engine/blit/blit_type_registry.h"

#include "engine/blit/blit_amplify_light.h"
#include "engine/blit/blit_black_bias.h"
#include "engine/blit/blit_normal.h"
#include "engine/blit/blit_normal_scale.h"
#include "engine/blit/blit_shadow.h"
#include "engine/blit/blit_transparent_mask.h"
#include "engine/blit/blit_type.h"
#include "engine/core/lists/named_value_table_members.h"

template class CNamedValueTable<CBlitType*>;

CBlitTypeRegistry::CBlitTypeRegistry()
{
    Add("Normal", &GetBlitNormal());
    Add("Transparent Mask", &GetBlitTransparentMask());
    Add("Blend Black Bias", &GetBlitBlendBlackBias());
    Add("Blend Test Light", &GetBlitBlendTestLight());
    Add("Blit As Shadow", &GetBlitAsShadow());
    Add("Normal Scale", &GetBlitNormalScale());
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

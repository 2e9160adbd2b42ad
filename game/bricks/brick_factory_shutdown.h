#pragma once

#include "game/bricks/brick_basic_destructible.h"

// A brick whose destruction arms the countdown of every Factory and every
// other Factory Shutdown of the round, so that they all break a moment
// later.
class CBrickFactoryShutdown : public CBrickBasicDestructible
{
    VP_DECLARE_CLASS(CBrickFactoryShutdown)
public:
    CBrickFactoryShutdown();
    ~CBrickFactoryShutdown() override;

    const CString& GetTypeDisplayName() const override;
    bool MustBeDestroyedToFinish() const override;
    CClassInfo* GetStyleSheetClass() const override;
    int32_t OnDestroyed(const BrickDestroyInfo& info) override;
};

class CBrickStyleSheetFactoryShutdown : public CBrickStyleSheetBasicDestructible
{
    VP_DECLARE_CLASS(CBrickStyleSheetFactoryShutdown)
public:
    CBrickStyleSheetFactoryShutdown();
    ~CBrickStyleSheetFactoryShutdown() override;

    CClassInfo* GetBrickClass() const override;

    float m_ShutdownDelay;
};

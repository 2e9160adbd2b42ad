#include "game/bricks/brick_layout.h"

#include <algorithm>

#include "game/bricks/brick_base.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/playfield.h"

void CBrickLayout::InstantiateForPlay(bool hidden)
{
    Instantiate(hidden, false);
}

void CBrickLayout::InstantiateForEditing(bool hidden)
{
    DetachBrickAIs();
    Instantiate(hidden, true);
}

// Only the level's own bricks are taken off: a copy made for play belongs
// to its sprite and goes with it, or it would be lost to everyone.
void CBrickLayout::DetachBrickAIs()
{
    for (CSprite* sprite = GetPlayfield()->m_pBricks->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
    {
        const CSpriteAI* brick = sprite->FindAI(CBrickBase::SGetClassInfo());
        if (std::find(m_pBricks, m_pBricks + m_BrickCount, brick) != m_pBricks + m_BrickCount)
            sprite->DetachAI(CBrickBase::SGetClassInfo());
    }
}

void CBrickLayout::Instantiate(bool hidden, bool ownBricks)
{
    ComputePowerUpWeights();
    CPlayfield* playfield = GetPlayfield();
    playfield->m_pBackgroundSprites->DeleteAll();
    playfield->m_pFrontEffects->DeleteAll();
    playfield->m_pBricks->DeleteAll();
    for (uint32_t i = 0; i < m_BrickCount; i++)
    {
        CBrickBase* brick = m_pBricks[i];
        if (!ownBricks)
        {
            brick = static_cast<CBrickBase*>(m_pBricks[i]->CreateSameClass());
            brick->CopyFrom(*m_pBricks[i]);
        }
        CGameSprite* sprite = new CGameSprite;
        brick->AttachToSprite(sprite);
        if (hidden && !brick->AppearsWithoutBrickLayer())
            sprite->SetActive(false);
        playfield->m_pBricks->Append(sprite);
    }
    ApplyBackgroundTheme(m_Background, ownBricks);
}

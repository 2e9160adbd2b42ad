#include "game/playfield/hitter_of_bricks.h"

VP_IMPLEMENT_ABSTRACT_CLASS(CHitterOfBricks, CSpriteAI, 0.0f)

void CHitterOfBricks::RegisterProperties(CClassInfo*)
{
}

CHitterOfBricks::CHitterOfBricks()
{
    ConstructProperties(SGetClassInfo());
}

CHitterOfBricks::~CHitterOfBricks()
{
    DestroyProperties(SGetClassInfo());
}

float CHitterOfBricks::GetHitStrength() const
{
    return 1.0f;
}

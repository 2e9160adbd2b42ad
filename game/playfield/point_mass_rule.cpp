#include "game/playfield/point_mass_rule.h"

void CPointMassRule::Draw(CFrameInterface*, const CPointMassArray&)
{
}

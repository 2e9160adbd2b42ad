#include "tests/support/ball_fixtures.h"

#include "game/playfield/ball_ai.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/particle_generator.h"
#include "game/playfield/player_ship_ai.h"

CBallAI* AddTestBall(CPlayfield& playfield, const Vector2& at, const Vector2& velocity, bool small)
{
    CGameSprite* sprite = new CGameSprite;
    sprite->SetPosition(at);
    sprite->StorePreviousPosition();
    sprite->m_Velocity = velocity;
    CBallAI* ball = new CBallAI;
    ball->Launch(sprite, nullptr, small);
    playfield.m_pBallsInPlay->Append(sprite);
    return ball;
}

namespace {

// "Ship" of the playfield's test pictures.
const int32_t kShipArt = 1;

} // namespace

CPlayerShipAI* AddTestShip(CPlayfield& playfield, const Vector2& at)
{
    CGameSprite* sprite = new CGameSprite;
    sprite->SetPosition(at);
    CPlayerShipAI* ship = new CPlayerShipAI(sprite, &ScopedPlayfieldHooks::s_Controls, kShipArt);
    sprite->AddAI(ship);
    playfield.m_pShip->Append(sprite);
    return ship;
}

void RunBallStep(CBallAI* ball)
{
    CGameSprite* sprite = static_cast<CGameSprite*>(ball->GetSprite());
    sprite->StorePreviousPosition();
    ball->Update(sprite, 0);
}

void AddBallParticleGenerators()
{
    for (const char* name : {"Ball Hit Wall", "Ball Hit Wall Small", "Ball Hit Ship", "Ball Hit Ship Small",
                             "Ball Hit Brick", "Ball Hit Brick Small", "Ship Thruster"})
    {
        CParticleGeneratorInfo* generator = new CParticleGeneratorInfo;
        generator->SetDefaults();
        generator->m_Particles = 1;
        GetParticleGeneratorList().AddItemWithObject(generator, name);
    }
}

#pragma once

class CFont;

// The base of the one game object, reachable through GetGameObject while it
// exists.
class CGameBase {
public:
    virtual ~CGameBase();

    // The font of the engine's own on-screen text; none until the screen is
    // set up.
    CFont* GetTextFont() const { return m_pTextFont; }

    // A programming error that is no player's concern; shows nothing unless
    // a game says otherwise.
    virtual void DeveloperMessageTextC(const char* text);

    CGameBase(const CGameBase&) = delete;
    CGameBase& operator=(const CGameBase&) = delete;

protected:
    CGameBase();

    CFont* m_pTextFont;
};

// The game object, or none before it is built and after it is gone.
CGameBase* GetGameObject();

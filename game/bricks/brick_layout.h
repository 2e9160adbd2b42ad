#pragma once

#include <cstdint>
#include <vector>

#include "engine/core/geometry/point.h"
#include "engine/core/geometry/rect.h"
#include "engine/core/strings/ref_string.h"
#include "engine/object/properties/string_pair.h"
#include "engine/object/object.h"

class CBrickBase;
class CFrame;
class CFrameInterface;
class CMessageStream;
class CPowerUpBase;
class CSprite;

// A round, and its file: the bricks with all their properties, the theme,
// the power-up rules, five free notes, the name and author, and the
// thumbnail settings. The property list below is the level file format.
//
// A level is never played itself: play binds copies of its bricks to fresh
// sprites, so nothing a round does changes the level; editing binds the
// level's own bricks, so the editor changes the level.
class CBrickLayout : public CObject
{
    VP_DECLARE_CLASS(CBrickLayout)
public:
    static constexpr uint32_t kFirstBrickId = 100;

    CBrickLayout();
    ~CBrickLayout() override;

    // Defaults every property, then works out the power-up chances.
    void SetDefaults() override;

    // Repairs what a file may hold: bricks of the wrong class for their
    // style, bricks outside the play area; the capture outline is off.
    void AfterLoad(CTypedObjectReceiver* receiver) override;

    // Hands the "Background Definition" library's item at the index to the
    // playfield. Outside the editor the theme's every-level bricks join the
    // brick list (hidden until the brick-laying machine reveals them, unless
    // their kind shows without it), and at background detail level 2 each
    // sprite generator puts its count of fresh ambient sprites, never
    // recorded, into its layer's list. Reads nothing of the level, so the
    // front end may apply any background.
    // While a demo records, the background is recorded as well.
    static void ApplyBackgroundTheme(int32_t backgroundIndex, bool editor);
    // The replay of that record: empties every list of the playfield, then
    // applies the recorded background as in play.
    static void ApplyBackgroundThemeFromStream(CMessageStream& stream);

    // Empties the background sprites, front effects and bricks, binds
    // copies of the level's bricks to new sprites (hidden ones inactive
    // unless their kind appears without the brick-laying machine), then
    // applies the theme.
    void InstantiateForPlay(bool hidden);
    // The same over the level's own bricks, the old sprites' bricks kept
    // alive, and the theme applied as in the editor.
    void InstantiateForEditing(bool hidden);
    // Takes the level's own brick behaviours off the brick list's sprites
    // without deleting them, before the editor discards those sprites;
    // copies made for play stay with their sprites.
    void DetachBrickAIs();

    // Drops empty entries and bricks without a style; a brick whose style
    // makes another kind becomes that kind, keeping what the two kinds
    // share (position, style, name, plug-ins). Order is kept.
    void ReconcileBrickClasses();
    // Moves a brick lying wholly beyond a side of the play area back until
    // its far edge lies on that side. The play area is the level's own
    // theme's: framed by the score board, or the whole screen without it.
    void ClampBricksToPlayArea();
    // base + "#" + the next free id ("Brick" for an empty base).
    CString MakeUniqueBrickName(const CString& base);

    // The screen rectangle the thumbnail is taken from: 105 : 80, inside
    // the framed play area.
    CRect GetCaptureRect() const;
    // The CRC-32 of what the thumbnail shows: the capture settings and
    // every brick's position and style.
    uint32_t ComputeChecksum() const;

    // Quietly activates the "PowerUp" items the round gives with every
    // served ball on the sprite that collects them.
    void GiveAutomaticPowerUps(CSprite* target);
    // The chance of every "PowerUp" item in this round: its weight, with
    // the weight of the kinds the round forbids shared among the allowed
    // kinds of the same karma, plus the extra-life chance for "Extra Ball".
    void ComputePowerUpWeights();

    // The chances of the "PowerUp" entries 1 .. n-1 summed (0 below two
    // entries; saturating); entry 0, no power-up, never takes part.
    uint32_t TotalPowerUpWeight() const;
    // The entry whose share of the total holds r (drawn below the total):
    // walking entries 1, 2, ..., the first whose running sum exceeds r; 0
    // for none.
    int32_t PickPowerUp(uint32_t r) const;
    // Whether the editor may save this round: it is the current set's round
    // at the playfield's round, and the file it is saved to may be written.
    bool IsCurrentRoundSavable() const;
    // Keeps a small picture of the round as it stands in the draw frame, for
    // the round choosers, and saves the round with it. Only a savable round
    // is captured; unforced, only with automatic thumbnails on and only when
    // the bricks or capture settings changed since the last capture; forced,
    // automatic captures end for this level.
    virtual void CaptureThumbnail(bool force);
    // The picture to the stored JPEG block, at the level's quality.
    void CompressThumbnail();
    // The stored block to the picture; none for a block that is not a
    // 105 x 80 JPEG image.
    void DecompressThumbnail();
    // The picture, decoded on first use; the "Large Folder" picture for a
    // level without a usable one.
    CFrame* GetThumbnail();
    // The capture outline, while "Show Capture Rect" is on.
    void DrawCaptureRect(CFrameInterface& frame) const;

    uint32_t GetBrickCount() const { return m_BrickCount; }
    CBrickBase* GetBrick(uint32_t index) const { return m_pBricks[index]; }
    // The level owns the brick from now on.
    void AppendBrick(CBrickBase* brick);

    // Stored as written; shown in the player's language.
    CStringPair m_DisplayName;
    CString m_Author;
    // Free texts; "Note 1" of a set's first round also carries the ring
    // marker.
    CString m_Note1;
    CString m_Note2;
    CString m_Note3;
    CString m_Note4;
    CString m_Note5;
    // The theme: an index into "Background Definition".
    int32_t m_Background;
    uint32_t m_LastBrickIdAssigned;
    // "PowerUp" indices.
    uint32_t m_AutomaticPowerUpCount;
    uint32_t m_AutomaticPowerUpCapacity;
    int32_t* m_pAutomaticPowerUps;
    bool m_DisallowAutomaticPowerUps;
    bool m_DisallowAllLevelBreakers;
    uint32_t m_DisallowedPowerUpCount;
    uint32_t m_DisallowedPowerUpCapacity;
    int32_t* m_pDisallowedPowerUps;
    uint32_t m_AdditionalChanceOfConditionalExtraLife;
    // The chance of each "PowerUp" entry by index; missing entries have 0.
    // Never saved.
    std::vector<uint32_t> m_PowerUpChances;
    CPoint m_CaptureCenter;
    uint32_t m_CaptureWidth;
    bool m_ShowCaptureRect;
    bool m_AutomaticThumbnail;
    uint32_t m_ThumbnailQuality;
    uint32_t m_CaptureChecksum;
    uint8_t* m_pCompressedThumbnail;
    uint32_t m_CompressedThumbnailSize;

private:
    void Instantiate(bool hidden, bool ownBricks);
    CObject* FindWritableSaveObject() const;
    bool IsPowerUpDisallowed(uint32_t index, const CPowerUpBase& kind) const;

    // Never saved.
    CFrame* m_pThumbnail;

    uint32_t m_BrickCount;
    uint32_t m_BrickCapacity;
    CBrickBase** m_pBricks;
};

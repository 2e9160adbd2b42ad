#pragma once

#include <cstdint>

// A table of colours or palette indices. Its kind says what the data is
// and how long it is:
//   0 empty; 1 a 256-entry palette of blue, green, red bytes; 2 an index
//   remap; 3 1024 bytes of no fixed meaning; 4 a 256 x 256 blend table of
//   palette indices; 5 an inverse palette indexed by a 5-5-5 word; 6 the
//   same, filled on demand from the reference table (0 = not known yet);
//   7 an inverse palette indexed by a 5-6-5 word.
class CColorTable
{
public:
    enum Kind : int32_t
    {
        EMPTY = 0,
        PALETTE = 1,
        INDEX_REMAP = 2,
        OPAQUE_1024 = 3,
        BLEND_TABLE = 4,
        INVERSE_555 = 5,
        INVERSE_555_ON_DEMAND = 6,
        INVERSE_565 = 7,
    };

    CColorTable() = default;
    ~CColorTable();
    CColorTable(const CColorTable&) = delete;
    CColorTable& operator=(const CColorTable&) = delete;

    static uint32_t GetKindSize(int32_t kind);

    // A table that gets data for the first time starts as the identity
    // (byte i = i mod 256). A kind outside 0-7 changes nothing.
    void SetKind(int32_t kind);
    void CopyFrom(const CColorTable& other);

    // Palette entries; nothing (or black) for another kind or an index
    // past 255.
    void SetEntry(uint32_t index, uint8_t red, uint8_t green, uint8_t blue);
    void GetEntry(uint32_t index, uint8_t& red, uint8_t& green, uint8_t& blue) const;

    // The palette index nearest the colour, searching entries first to
    // end - 1 of a palette; an inverse palette answers its entry. Other
    // kinds, and an on-demand table without a reference, answer 0.
    uint8_t FindNearestPaletteIndex(uint8_t red, uint8_t green, uint8_t blue, int32_t first, int32_t end);

    // Makes this table the remap of each palette index in first..end - 1
    // to the palette entry nearest that colour with its lightness scaled by
    // scale / 128; the flag has no effect.
    void BuildLightnessRemap(CColorTable& palette, int32_t scale, int32_t first, int32_t end, int32_t searchFirst,
                             int32_t searchEnd, int32_t flag);

    bool HasData() const { return m_pData != nullptr; }
    // True when the table holds data of this kind (and so its full size).
    bool Holds(int32_t kind) const { return m_pData != nullptr && m_Kind == kind; }
    int32_t GetKind() const { return m_Kind; }
    uint8_t* GetData() { return m_pData; }
    const uint8_t* GetData() const { return m_pData; }
    void SetReferenceTable(CColorTable* reference) { m_pReference = reference; }

private:
    void FreeData();

    uint8_t* m_pData = nullptr;
    int32_t m_Kind = EMPTY;
    CColorTable* m_pReference = nullptr;
};

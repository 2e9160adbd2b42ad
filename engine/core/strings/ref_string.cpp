#include "engine/core/strings/ref_string.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <limits>

#include "engine/core/memory/memory_pools.h"
#include "engine/core/strings/string_units.h"

namespace {

static_assert(sizeof(CStringRep) % alignof(char16_t) == 0, "characters follow the header aligned");

// Constant-initialised, so strings built by static initialisers of any file
// find it ready. Every thread makes empty strings, so it is immortal: never
// counted and never freed, which leaves nothing for two threads to race on.
// Its count is fixed at a value that reads as shared, so any write to an
// empty string unshares first and the representation is never written.
struct CEmptyRepStorage {
    CStringRep m_Header;
    char16_t m_Terminator;
};
static_assert(offsetof(CEmptyRepStorage, m_Terminator) == sizeof(CStringRep), "terminator right after the header");

char* RepChars(CStringRep* rep)
{
    return reinterpret_cast<char*>(rep + 1);
}

uint32_t RepCharCapacity(const CStringRep* rep)
{
    return rep->m_Wide ? rep->m_Capacity >> 1 : rep->m_Capacity;
}

size_t RepBytes(uint32_t capacity)
{
    return sizeof(CStringRep) + size_t{capacity} + 1;
}

} // namespace

CStringRep* CString::GetEmptyRep()
{
    static CEmptyRepStorage s_EmptyRep = {{std::numeric_limits<int32_t>::max(), 0, 0}, 0};
    return &s_EmptyRep.m_Header;
}

// The checked allocation stops the program when memory runs out.
CStringRep* CString::AllocateRep(uint32_t length, bool wide)
{
    uint32_t capacity = wide ? length * 2 + 1 : length;
    CStringRep* rep = static_cast<CStringRep*>(AllocateObjectMemory(RepBytes(capacity)));
    InitRep(rep, wide, capacity);
    return rep;
}

CStringRep* CString::AddReference(CStringRep* rep)
{
    if (rep != GetEmptyRep())
        ++rep->m_RefCount;
    return rep;
}

void CString::InitRep(CStringRep* rep, bool wide, uint32_t capacity)
{
    rep->m_RefCount = 1;
    rep->m_Capacity = capacity;
    rep->m_Wide = wide ? 1 : 0;
    // Terminated at both ends so that a buffer handed out for writing never
    // exposes unwritten memory to a length scan.
    if (wide) {
        char16_t* units = reinterpret_cast<char16_t*>(RepChars(rep));
        units[0] = 0;
        units[capacity >> 1] = 0;
    } else {
        RepChars(rep)[0] = 0;
        RepChars(rep)[capacity] = 0;
    }
}

void CString::InitFromBuffer(const char* bytes, uint32_t length)
{
    m_pRep = AllocateRep(length, false);
    std::memcpy(Chars(), bytes, length);
    Chars()[length] = 0;
}

void CString::Release()
{
    if (m_pRep != GetEmptyRep() && --m_pRep->m_RefCount == 0)
        FreeObjectMemory(m_pRep, RepBytes(m_pRep->m_Capacity));
}

void CString::Share(CStringRep* rep)
{
    m_pRep = AddReference(rep);
}

void CString::TakeRep(CStringRep* rep)
{
    Release();
    m_pRep = rep;
}

char* CString::Chars() const
{
    return RepChars(m_pRep);
}

char16_t* CString::Units() const
{
    return reinterpret_cast<char16_t*>(RepChars(m_pRep));
}

uint32_t CString::GetCharCapacity() const
{
    return RepCharCapacity(m_pRep);
}

void CString::StoreUnit(uint32_t position, char16_t character)
{
    if (IsWide())
        Units()[position] = character;
    else
        Chars()[position] = static_cast<char>(character);
}

void CString::SetLengthInPlace(uint32_t length)
{
    StoreUnit(length, 0);
}

// --- construction and assignment ---

CString::CString()
{
    Share(GetEmptyRep());
}

CString::CString(const CString& other)
{
    Share(other.m_pRep);
}

CString::CString(const char* text)
{
    if (text == nullptr || text[0] == 0)
        Share(GetEmptyRep());
    else
        InitFromBuffer(text, static_cast<uint32_t>(std::strlen(text)));
}

CString::CString(const char* text, const char* /*comment*/, int32_t /*value*/)
    : CString(text)
{
}

CString::CString(const char16_t* text)
{
    Share(GetEmptyRep());
    if (text != nullptr)
        Assign(text);
}

CString::CString(char16_t character, uint32_t count)
{
    if (count == 0) {
        Share(GetEmptyRep());
        return;
    }
    m_pRep = AllocateRep(count, character > 255);
    for (uint32_t i = 0; i < count; ++i)
        StoreUnit(i, character);
    SetLengthInPlace(count);
}

CString::~CString()
{
    Release();
    m_pRep = nullptr;
}

CString& CString::operator=(const CString& other)
{
    Assign(other);
    return *this;
}

CString& CString::operator=(const char* text)
{
    Assign(text);
    return *this;
}

void CString::Assign(const CString& other)
{
    if (m_pRep == other.m_pRep)
        return;
    TakeRep(AddReference(other.m_pRep));
}

void CString::Assign(const char* text)
{
    Assign(text, text != nullptr ? static_cast<uint32_t>(std::strlen(text)) : 0);
}

void CString::Assign(const char* bytes, uint32_t length)
{
    if (bytes == nullptr || length == 0) {
        Empty();
        return;
    }
    if (!IsWide() && m_pRep->m_RefCount == 1 && GetCharCapacity() >= length) {
        std::memmove(Chars(), bytes, length);
        Chars()[length] = 0;
        return;
    }
    CStringRep* rep = AllocateRep(length, false);
    std::memcpy(RepChars(rep), bytes, length);
    RepChars(rep)[length] = 0;
    TakeRep(rep);
}

void CString::Assign(const char16_t* text)
{
    if (text == nullptr)
        Empty();
    else
        Assign(text, Wcslen16(text));
}

void CString::Assign(const char16_t* units, uint32_t count)
{
    if (units == nullptr) {
        Empty();
        return;
    }
    CStringRep* rep = AllocateRep(count, true);
    char16_t* repUnits = reinterpret_cast<char16_t*>(RepChars(rep));
    Wcsncpy16(repUnits, units, count);
    repUnits[count] = 0;
    TakeRep(rep);
}

void CString::AssignLeft(const CString& other, uint32_t n)
{
    other.Left(*this, n);
}

void CString::AssignEmpty()
{
    Share(GetEmptyRep());
}

void CString::Empty()
{
    if (m_pRep == GetEmptyRep())
        return;
    Release();
    Share(GetEmptyRep());
}

void CString::Truncate()
{
    if (m_pRep->m_RefCount == 1)
        SetLengthInPlace(0);
    else
        Empty();
}

// --- appending ---

void CString::AppendUnits(const void* source, bool sourceWide, uint32_t count)
{
    bool wide = IsWide() || sourceWide;
    if (count == 0 && wide == IsWide())
        return;
    uint32_t length = GetLength();
    uint32_t total = length + count;
    CStringRep* target = m_pRep;
    if (wide != IsWide() || GetCharCapacity() < total || m_pRep->m_RefCount > 1) {
        target = AllocateRep(total, wide);
        CopyUnits(RepChars(target), wide, 0, {Chars(), IsWide()}, length);
    }
    // The source may be this string's own text: the old representation
    // stays alive until the copy is done.
    CopyUnits(RepChars(target), wide, length, {source, sourceWide}, count);
    if (wide)
        reinterpret_cast<char16_t*>(RepChars(target))[total] = 0;
    else
        RepChars(target)[total] = 0;
    if (target != m_pRep)
        TakeRep(target);
}

void CString::Append(const char* text)
{
    if (text != nullptr)
        AppendUnits(text, false, static_cast<uint32_t>(std::strlen(text)));
}

void CString::Append(const char* bytes, uint32_t length)
{
    if (length != 0)
        AppendUnits(bytes, false, length);
}

void CString::Append(const CString& other)
{
    AppendUnits(other.Chars(), other.IsWide(), other.GetLength());
}

void CString::Append(const CString& other, uint32_t n)
{
    AppendUnits(other.Chars(), other.IsWide(), std::min(n, other.GetLength()));
}

CString& CString::operator+=(const CString& other)
{
    Append(other);
    return *this;
}

CString& CString::operator+=(const char* text)
{
    Append(text);
    return *this;
}

CString& CString::operator+=(char character)
{
    AppendUnits(&character, false, 1);
    return *this;
}

void CString::AppendRepeated(char16_t character, uint32_t n)
{
    if (n == 0)
        return;
    if (character > 255)
        MakeWide();
    uint32_t length = GetLength();
    PrepareForWrite(length + n);
    for (uint32_t i = 0; i < n; ++i)
        StoreUnit(length + i, character);
    SetLengthInPlace(length + n);
}

void CString::AppendDelimited(const char* separator, const char* addition)
{
    AppendDelimited(separator, CString(addition));
}

void CString::AppendDelimited(const char* separator, const CString& addition)
{
    uint32_t additionLength = addition.GetLength();
    if (additionLength == 0)
        return;
    uint32_t length = GetLength();
    uint32_t separatorLength = length != 0 ? static_cast<uint32_t>(std::strlen(separator)) : 0;
    Reserve(length + separatorLength + additionLength);
    Append(separator, separatorLength);
    Append(addition);
}

// --- capacity and raw access ---

void CString::PrepareForWrite(uint32_t n)
{
    if (GetCharCapacity() >= n && m_pRep->m_RefCount == 1)
        return;
    bool wide = IsWide();
    CStringRep* rep = AllocateRep(n, wide);
    uint32_t keep = std::min(GetLength(), n);
    CopyUnits(RepChars(rep), wide, 0, {Chars(), wide}, keep);
    TakeRep(rep);
    SetLengthInPlace(keep);
}

void CString::Reserve(uint32_t n)
{
    if (GetCharCapacity() < n)
        PrepareForWrite(n);
}

uint32_t CString::GetSpareCapacity() const
{
    return GetCharCapacity() - GetLength();
}

char* CString::GetBuffer(uint32_t n)
{
    PrepareForWrite(std::max(n, GetCharCapacity()));
    return Chars();
}

char* CString::GetBufferForOverwrite(uint32_t n)
{
    uint32_t capacity = GetCharCapacity();
    n = std::max(n, capacity);
    if (n != 0 && (capacity < n || m_pRep->m_RefCount > 1))
        TakeRep(AllocateRep(n, IsWide()));
    return Chars();
}

void CString::ReleaseBuffer(int32_t length)
{
    PrepareForWrite(GetCharCapacity());
    SetLengthInPlace(length < 0 ? GetLength() : static_cast<uint32_t>(length));
}

const char* CString::GetText() const
{
    return Chars();
}

const char16_t* CString::GetWideText() const
{
    return Units();
}

uint32_t CString::GetLength() const
{
    if (IsWide())
        return Wcslen16(Units());
    return static_cast<uint32_t>(std::strlen(Chars()));
}

uint32_t CString::GetByteLength() const
{
    return IsWide() ? GetLength() * 2 : GetLength();
}

uint32_t CString::GetByteSize() const
{
    return IsWide() ? GetLength() * 2 + 2 : GetLength() + 1;
}

bool CString::IsEmpty() const
{
    return IsWide() ? Units()[0] == 0 : Chars()[0] == 0;
}

bool CString::HasText() const
{
    return !IsEmpty();
}

bool CString::IsWide() const
{
    return m_pRep->m_Wide != 0;
}

char16_t CString::GetAt(uint32_t position) const
{
    return position < GetLength() ? GetAtUnchecked(position) : 0;
}

char16_t CString::GetAtUnchecked(uint32_t position) const
{
    return static_cast<char16_t>(CTextView{Chars(), IsWide()}[position]);
}

char CString::operator[](uint32_t index) const
{
    return Chars()[index];
}

void CString::SetAt(uint32_t position, char16_t character)
{
    if (character > 255)
        MakeWide();
    PrepareForWrite(GetCharCapacity());
    StoreUnit(position, character);
}

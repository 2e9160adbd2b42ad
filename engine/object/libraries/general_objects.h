#pragma once

#include <cstdint>

#include "engine/object/libraries/resource_library.h"

class CClassInfo;
class CObject;

// "General Objects": settings objects of any class, each in its own file
// ("UI Layout.Object.txt"), that the game reads by item name.
CResourceLibrary<CObject>& GetGeneralObjectList();

// The object of a named general object, loaded on demand. The item is looked
// up once (a missing one is the fatal not-found report) and its index kept
// in keptIndex, -1 until then. An object that does not read, or is not of
// the expected class or one derived from it, is a fatal data error naming
// the file: its users read its fields directly.
CObject* GetCheckedGeneralObject(const char* itemName, const CClassInfo* expectedClass, int32_t& keptIndex);

// How a user holds one named general object:
//     static CNamedGeneralObject<CUILayout> s_Layout("UI Layout");
//     s_Layout.Get()->m_ScoreBoardX ...
template <typename T>
class CNamedGeneralObject
{
public:
    explicit CNamedGeneralObject(const char* itemName)
        : m_pItemName(itemName)
    {
    }

    T* Get() { return static_cast<T*>(GetCheckedGeneralObject(m_pItemName, T::SGetClassInfo(), m_Index)); }

private:
    const char* m_pItemName;
    int32_t m_Index = -1;
};

#pragma once

#include "engine/core/strings/ref_string.h"

class CClassInfo;
class CObject;

// A provider that turns an object into an object of another class (an
// action into a list of simultaneous actions, say); the object-pointer
// editor offers every provider that answers a label. Providers are static
// objects; each links itself at the head of one global list, so the list
// runs from the newest provider to the first.
class CObjectConverter
{
public:
    CObjectConverter();
    virtual ~CObjectConverter();
    CObjectConverter(const CObjectConverter&) = delete;
    CObjectConverter& operator=(const CObjectConverter&) = delete;

    // Null when this provider cannot convert the object; else the label of
    // its menu entry, and the class of the object it would make.
    virtual const char* GetLabel(CObject* object, CClassInfo*& resultClass) = 0;
    // A new object made from the given one.
    virtual CObject* Convert(CObject* object) = 0;

    CObjectConverter* GetNext() const { return m_pNext; }

private:
    CObjectConverter* m_pNext;
};

CObjectConverter* GetFirstObjectConverter();

// Room that providers may format their labels into.
CString& ConverterLabel();

#include "engine/object/object_converter.h"

namespace
{
constinit CObjectConverter* s_pFirstConverter = nullptr;
}

CObjectConverter::CObjectConverter()
    : m_pNext(s_pFirstConverter)
{
    s_pFirstConverter = this;
}

CObjectConverter::~CObjectConverter()
{
    for (CObjectConverter** link = &s_pFirstConverter; *link != nullptr; link = &(*link)->m_pNext)
    {
        if (*link == this)
        {
            *link = m_pNext;
            return;
        }
    }
}

CObjectConverter* GetFirstObjectConverter()
{
    return s_pFirstConverter;
}

CString& ConverterLabel()
{
    // Lives to the end of the process: providers are destroyed at exit in
    // any order.
    static CString* s_pLabel = new CString();
    return *s_pLabel;
}

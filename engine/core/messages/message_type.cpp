#include "engine/core/messages/message_type.h"

CNamedValueList& GetMessageTypeTable()
{
    static CNamedValueList table;
    return table;
}

int32_t GetMessageTypeId(const char* name)
{
    CNamedValueList& table = GetMessageTypeTable();
    int32_t id = table.Find(name, -1);
    if (id == -1)
        id = table.Add(name, 0);
    return id;
}

CMessage::CMessage(int32_t typeId)
    : m_TypeId(typeId)
    , m_Handled(false)
{
}

CMessage::CMessage(const char* typeName)
    : CMessage(GetMessageTypeId(typeName))
{
}

CMessage::~CMessage() = default;

#include "engine/object/properties/pointer_to_be_nulled_array.h"

#include <cstring>

#include "engine/object/properties/object_pointer_property.h"

namespace
{
ObjectPointerProperty* CreateOwnerProperty()
{
    ObjectPointerProperty* property =
        new ObjectPointerProperty("PointerToBeNulledArray", DynamicValueMember<CObject*>(),
                                  CPointerToBeNulledArray::SGetClassInfo(), EDITOR_HIDDEN, nullptr);
    // The registrations are addresses in this run's memory: they are never
    // written anywhere, and no editor shows them.
    property->SetSaveFlags(false, false, false, false);
    return property;
}

ObjectPointerProperty* s_pOwnerProperty = CreateOwnerProperty();
AttachDynamicProperty s_AttachOwnerProperty(s_pOwnerProperty, CObject::SGetClassInfo(), 1, nullptr);
}

VP_IMPLEMENT_CLASS(CPointerToBeNulledArray, CObject, 0.0f)

void CPointerToBeNulledArray::RegisterProperties(CClassInfo*)
{
}

CPointerToBeNulledArray::~CPointerToBeNulledArray()
{
    // Written byte-wise: the variables are pointers of any type.
    for (uint32_t i = m_Variables.GetCount(); i-- > 0;)
        memset(m_Variables[i], 0, sizeof(void*));
    DestroyProperties(SGetClassInfo());
}

const ObjectPointerProperty& CPointerToBeNulledArray::GetOwnerProperty()
{
    return *s_pOwnerProperty;
}

void CPointerToBeNulledArray::RegisterAddress(CObject* owner, void* variable)
{
    CObject* array = s_pOwnerProperty->GetValue(owner);
    if (array == nullptr)
    {
        array = new CPointerToBeNulledArray();
        s_pOwnerProperty->SetValue(owner, array);
    }
    static_cast<CPointerToBeNulledArray*>(array)->m_Variables.Append(variable);
}

void CPointerToBeNulledArray::UnregisterAddress(CObject* owner, void* variable)
{
    CPointerToBeNulledArray* array = static_cast<CPointerToBeNulledArray*>(s_pOwnerProperty->GetValue(owner));
    if (array == nullptr)
        return;
    CPoolArray<void*>& variables = array->m_Variables;
    for (uint32_t i = 0; i < variables.GetCount(); i++)
    {
        if (variables[i] == variable)
        {
            variables.RemoveAt(i);
            return;
        }
    }
}

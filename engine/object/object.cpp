#include "engine/object/object.h"

#include <algorithm>

#include "engine/core/memory/checked_allocation.h"
#include "engine/core/memory/memory_pools.h"
#include "engine/object/class_info.h"
#include "engine/object/properties/dynamic_properties_property.h"
#include "engine/object/dynamic_value_set.h"
#include "engine/object/properties/property.h"
#include "engine/object/reference_visitor.h"
#include "engine/object/properties/text_property.h"

namespace
{
[[maybe_unused]] const bool s_CObjectRegistered = RegisterClassInfo(&CObject::SGetClassInfo);

// Every object may carry a comment, kept among its dynamic values.
AttachDynamicProperty s_Comment(new TextProperty("Comment", DynamicValueMember<CString>(), EDITOR_EDITABLE, nullptr),
                                CObject::SGetClassInfo(), 0, nullptr);
}

CClassInfo* CObject::SGetClassInfo()
{
    if (s_pClassInfo == nullptr)
        new CClassInfo(&s_pClassInfo, "CObject", 0.0f, nullptr, sizeof(CObject), true, nullptr, nullptr, nullptr,
                       &CObject::RegisterProperties);
    return s_pClassInfo;
}

void CObject::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new DynamicPropertiesProperty(VP_MEMBER(m_pDynamicValues)));
}

CObject::CObject()
    : m_pDynamicValues(nullptr)
{
    ConstructProperties(SGetClassInfo());
}

CObject::~CObject()
{
    // Releases the dynamic values as well.
    DestroyProperties(SGetClassInfo());
}

void* CObject::operator new(size_t size)
{
    return AllocateObjectMemory(size);
}

void CObject::operator delete(void* block, size_t size)
{
    FreeObjectMemory(block, size);
}

void* CObject::operator new[](size_t size)
{
    return AllocateObjectMemory(size);
}

void CObject::operator delete[](void* block, size_t size)
{
    FreeObjectMemory(block, size);
}

void* CObject::operator new(size_t size, std::align_val_t alignment)
{
    return AllocateAlignedChecked(size, static_cast<size_t>(alignment));
}

void CObject::operator delete(void* block, size_t size, std::align_val_t)
{
    FreeObjectMemory(block, size);
}

void* CObject::operator new[](size_t size, std::align_val_t alignment)
{
    return AllocateAlignedChecked(size, static_cast<size_t>(alignment));
}

void CObject::operator delete[](void* block, size_t size, std::align_val_t)
{
    FreeObjectMemory(block, size);
}

CClassInfo* CObject::GetClassInfo() const
{
    return SGetClassInfo();
}

void CObject::ConstructProperties(const CClassInfo* classInfo)
{
    for (uint32_t i = classInfo->GetInheritedCount(); i < classInfo->GetPropertyCount(); i++)
        classInfo->GetProperty(i)->ConstructValue(this);
}

void CObject::DestroyProperties(const CClassInfo* classInfo)
{
    for (uint32_t i = classInfo->GetInheritedCount(); i < classInfo->GetPropertyCount(); i++)
        classInfo->GetProperty(i)->DestroyValue(this);
}

void CObject::AddCustomEditorControls(CPropertyWindow*)
{
}

void CObject::OnEditorOpened(CPropertyWindow*)
{
}

void CObject::PreloadReferences()
{
    const CClassInfo* classInfo = GetClassInfo();
    for (uint32_t i = 0; i < classInfo->GetPropertyCount(); i++)
        classInfo->GetProperty(i)->PreloadReferences(this);
}

void CObject::VisitReferences(CReferenceVisitor& visitor)
{
    visitor.VisitObject(this);
    const CClassInfo* classInfo = GetClassInfo();
    for (uint32_t i = 0; i < classInfo->GetPropertyCount(); i++)
        classInfo->GetProperty(i)->VisitReferences(this, visitor);
}

uint32_t CObject::GetSaveFlags() const
{
    return 0;
}

void CObject::WriteCustomProperties(CObjectStream&)
{
}

bool CObject::WantsIndentation() const
{
    return true;
}

void CObject::WriteCustomXml(CObjectStream&)
{
}

void CObject::WriteCustomPropBin(CObjectStream&)
{
}

bool CObject::ReadCustomPropBin(CObjectStream&)
{
    return true;
}

void CObject::BeforeLoad()
{
}

void CObject::AfterLoad(CTypedObjectReceiver*)
{
}

void CObject::SetDefaults()
{
    const CClassInfo* classInfo = GetClassInfo();
    for (uint32_t i = 0; i < classInfo->GetPropertyCount(); i++)
        classInfo->GetProperty(i)->SetDefault(this);
}

void CObject::CopyFrom(const CObject& other)
{
    // Copying onto itself would release the values it is about to read.
    if (&other == this)
        return;

    const CClassInfo* mine = GetClassInfo();
    const CClassInfo* theirs = other.GetClassInfo();
    const CClassInfo* common = theirs;
    while (common != nullptr && !mine->IsKindOf(common) && !common->IsKindOf(mine))
        common = common->GetParent();

    // Inherited properties come first in the same order in every class, so
    // index i names the same member on both sides up to the count of the
    // common ancestor (or of this class, when the other derives from it).
    uint32_t copied = 0;
    if (common != nullptr)
        copied = std::min(mine->GetPropertyCount(), common->GetPropertyCount());
    for (uint32_t i = 0; i < copied; i++)
        mine->GetProperty(i)->CopyValue(this, &other, theirs->GetProperty(i));
    for (uint32_t i = copied; i < mine->GetPropertyCount(); i++)
        mine->GetProperty(i)->SetDefault(this);
}

uint32_t CObject::GetInstanceSize() const
{
    return GetClassInfo()->GetInstanceSize();
}

void CObject::GetDescription(CString& out, const char* wordToRemove) const
{
    const CClassInfo* classInfo = GetClassInfo();
    classInfo->GetDisplayName(out, wordToRemove);
    out += " ";
    uint32_t described = 0;
    for (uint32_t i = 0; i < classInfo->GetPropertyCount() && described < 2; i++)
    {
        const Property* property = classInfo->GetProperty(i);
        if (property->GetEditorMode() == EDITOR_HIDDEN)
            continue;
        AppendPropertyText(property, out, true);
        out += " ";
        described++;
    }
}

bool CObject::IsKindOf(const CClassInfo* classInfo) const
{
    return GetClassInfo()->IsKindOf(classInfo);
}

CObject* CObject::CreateSameClass() const
{
    CObject* copy = CreateSameClassEmpty();
    if (copy != nullptr)
        copy->CopyFrom(*this);
    return copy;
}

CObject* CObject::CreateSameClassEmpty() const
{
    return GetClassInfo()->CreateObject();
}

bool CObject::AllPropertiesDefault() const
{
    const CClassInfo* classInfo = GetClassInfo();
    for (uint32_t i = 0; i < classInfo->GetPropertyCount(); i++)
        if (!classInfo->GetProperty(i)->IsDefault(this))
            return false;
    return true;
}

bool CObject::AllPropertiesEqual(const CObject& other) const
{
    const CClassInfo* classInfo = GetClassInfo();
    if (other.GetClassInfo() != classInfo)
        return false;
    for (uint32_t i = 0; i < classInfo->GetPropertyCount(); i++)
    {
        const Property* property = classInfo->GetProperty(i);
        if (!property->ValuesEqual(this, &other, property))
            return false;
    }
    return true;
}

void CObject::AppendPropertyText(const Property* property, CString& out, bool append) const
{
    if (!append)
    {
        property->ToText(this, out);
        return;
    }
    CString text;
    property->ToText(this, text);
    out += text;
}

void CObject::ReadPropertyText(const Property* property, const char* text, CObjectStream* stream)
{
    property->FromText(this, text, stream);
}

void* CObject::GetDynamicValue(const Property* property) const
{
    return m_pDynamicValues != nullptr ? m_pDynamicValues->Find(property) : nullptr;
}

bool CObject::HasDynamicValue(const Property* property) const
{
    return GetDynamicValue(property) != nullptr;
}

void* CObject::GetOrCreateDynamicValue(const Property* property)
{
    if (m_pDynamicValues == nullptr)
        m_pDynamicValues = new CDynamicValueSet();
    return m_pDynamicValues->GetOrCreate(property);
}

void* CObject::AddDynamicValue(const Property* property)
{
    if (m_pDynamicValues == nullptr)
        m_pDynamicValues = new CDynamicValueSet();
    return m_pDynamicValues->CreateIfAbsent(property);
}

void* CObject::AddDefaultDynamicValue(const Property* property)
{
    if (m_pDynamicValues == nullptr)
        m_pDynamicValues = new CDynamicValueSet();
    return m_pDynamicValues->CreateDefaultIfAbsent(property);
}

bool CObject::RemoveDynamicValue(const Property* property)
{
    return m_pDynamicValues != nullptr && m_pDynamicValues->Remove(property);
}

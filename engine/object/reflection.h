#pragma once

// Declaring a reflected class.
//
// Header:
//     class CBumper : public CObject        // the reflected base comes first
//     {
//         VP_DECLARE_CLASS(CBumper)
//     public:
//         CBumper() { ConstructProperties(SGetClassInfo()); }
//         ~CBumper() override { DestroyProperties(SGetClassInfo()); }
//         void SetBounce(float bounce);
//         int32_t m_Score;
//         float m_Bounce;
//     };
//
// Source:
//     VP_IMPLEMENT_CLASS(CBumper, CObject, 1.0f)
//
//     void CBumper::RegisterProperties(CClassInfo* classInfo)
//     {
//         classInfo->AddProperty(new IntProperty("Score Value", VP_MEMBER(m_Score), EDITOR_EDITABLE, 10, nullptr, 0, 0));
//         classInfo->AddProperty(new FloatProperty("Physics/Bounce", VP_MEMBER(m_Bounce), EDITOR_EDITABLE, 1.0f,
//                                                  VP_SETTER(SetBounce), 0.0f, 2.0f, 0.1f));
//         classInfo->GetLastProperty()->SetHelpText("How much speed a ball keeps");
//     }
//
// VP_MEMBER refuses at compile time a member whose type is not the kind's
// value type; VP_SETTER refuses a setter whose parameter is not. Classes that
// must never be created by name (C++-abstract or not) use
// VP_IMPLEMENT_ABSTRACT_CLASS. Reflected classes use no virtual inheritance,
// so their CObject part sits at the start of the object; creation checks it.

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "engine/object/class_info.h"
#include "engine/object/class_registry.h"

class CObject;

// A member's place in its class, typed with the member's declared type so a
// property kind accepts only members of its own value type.
template <typename T>
struct CPropertyMember
{
    int32_t offset;
    int32_t size;
};

// Dynamic values are handed to their property as storage of their own, so
// their place is the start of that storage.
template <typename T>
constexpr CPropertyMember<T> DynamicValueMember()
{
    return CPropertyMember<T>{0, static_cast<int32_t>(sizeof(T))};
}

// offsetof on classes with virtual functions is conditionally supported; the
// compilers used here support it for classes without virtual bases, which
// reflected classes never have. The warning is silenced here and nowhere
// else.
#define VP_OFFSET_OF(Class, member)                                                                                   \
    ([]() constexpr {                                                                                                 \
        _Pragma("GCC diagnostic push")                                                                                \
        _Pragma("GCC diagnostic ignored \"-Winvalid-offsetof\"")                                                      \
        constexpr int32_t offset = static_cast<int32_t>(offsetof(Class, member));                                     \
        _Pragma("GCC diagnostic pop")                                                                                 \
        return offset;                                                                                                \
    }())

// Used inside a reflected class's RegisterProperties.
#define VP_MEMBER(member)                                                                                             \
    (CPropertyMember<decltype(ThisClass::member)>{VP_OFFSET_OF(ThisClass, member),                                   \
                                                  static_cast<int32_t>(sizeof(ThisClass::member))})

// A member function used as a property's setter is called through a small
// function that takes the object's address and the new value.
template <auto Method>
struct CSetterThunk;

template <typename Class, typename Result, typename Value, Result (Class::*Method)(Value)>
struct CSetterThunk<Method>
{
    static void Call(void* object, Value value)
    {
        (static_cast<Class*>(object)->*Method)(value);
    }
};

// Used inside a reflected class's RegisterProperties.
#define VP_SETTER(method) (&CSetterThunk<&ThisClass::method>::Call)

// Stops with a report when a class's CObject part is not at the start of
// its objects (a non-reflected base named first): property offsets and
// setters address the object from there.
void VerifyReflectedLayout(const CObject* base, const void* object, const char* className);

template <typename T>
struct CObjectFactory
{
    static CObject* Create()
    {
        T* object = new T();
        VerifyReflectedLayout(object, object, T::SGetClassInfo()->GetClassName());
        return object;
    }

    static CObject* CreateArray(uint32_t count)
    {
        T* items = new T[count];
        VerifyReflectedLayout(items, items, T::SGetClassInfo()->GetClassName());
        return items;
    }

    static void DestroyArray(CObject* first)
    {
        delete[] static_cast<T*>(first);
    }
};

#define VP_DECLARE_CLASS(Class)                                                                                       \
public:                                                                                                               \
    using ThisClass = Class;                                                                                          \
    static CClassInfo* SGetClassInfo();                                                                               \
    CClassInfo* GetClassInfo() const override;                                                                        \
                                                                                                                      \
private:                                                                                                              \
    /* Constant-initialised, so a getter called from any static initialiser */                                      \
    /* finds it null or built, never half initialised. */                                                             \
    static constinit inline CClassInfo* s_pClassInfo = nullptr;                                                       \
    static void RegisterProperties(CClassInfo* classInfo);                                                            \
                                                                                                                      \
public:

#define VP_IMPLEMENT_CLASS_INFO(Class, Parent, version, isAbstract, create, createArray, destroyArray)                \
    static_assert(std::is_base_of_v<Parent, Class>, #Class " must derive from " #Parent);                             \
    CClassInfo* Class::SGetClassInfo()                                                                                \
    {                                                                                                                 \
        if (s_pClassInfo == nullptr)                                                                                  \
            new CClassInfo(&s_pClassInfo, #Class, version, Parent::SGetClassInfo(), sizeof(Class), isAbstract,       \
                           create, createArray, destroyArray, &Class::RegisterProperties);                            \
        return s_pClassInfo;                                                                                          \
    }                                                                                                                 \
    CClassInfo* Class::GetClassInfo() const                                                                           \
    {                                                                                                                 \
        return SGetClassInfo();                                                                                       \
    }                                                                                                                 \
    [[maybe_unused]] static const bool s_##Class##Registered = RegisterClassInfo(&Class::SGetClassInfo);

#define VP_IMPLEMENT_CLASS(Class, Parent, version)                                                                    \
    VP_IMPLEMENT_CLASS_INFO(Class, Parent, version, false, &CObjectFactory<Class>::Create,                           \
                            &CObjectFactory<Class>::CreateArray, &CObjectFactory<Class>::DestroyArray)

#define VP_IMPLEMENT_ABSTRACT_CLASS(Class, Parent, version)                                                           \
    VP_IMPLEMENT_CLASS_INFO(Class, Parent, version, true, nullptr, nullptr, nullptr)

#pragma once

#include <cstddef>
#include <functional>
#include <type_traits>
#include <utility>

#include "engine/ui/command_callback.h"

// A command that calls an operation of its target, optionally guarded by
// an enable test of the same target: a member function with none, one or
// two arguments fixed when the command is made, a free function, or any
// closure. Without an enable test the command is always enabled and says
// it has no query.
class CMemberCommand : public CCommandCallback
{
public:
    using Action = std::function<void()>;
    using Query = std::function<bool()>;

    explicit CMemberCommand(Action execute, Query enable = {})
        : m_Execute(std::move(execute))
        , m_Enable(std::move(enable))
    {
    }

    explicit CMemberCommand(void (*execute)(), bool (*enable)() = nullptr)
        : m_Execute(execute)
    {
        if (enable != nullptr)
            m_Enable = enable;
    }

    template <class T, class R, class E = std::nullptr_t>
    CMemberCommand(T* target, R (T::*execute)(), E enable = nullptr)
        : m_Execute([target, execute] { (target->*execute)(); })
        , m_Enable(BindQuery(target, enable))
    {
    }

    template <class T, class R, class P, class E = std::nullptr_t>
    CMemberCommand(T* target, R (T::*execute)(P), std::type_identity_t<std::decay_t<P>> argument, E enable = nullptr)
        : m_Execute([target, execute, argument] { (target->*execute)(argument); })
        , m_Enable(BindQuery(target, enable))
    {
    }

    template <class T, class R, class P1, class P2, class E = std::nullptr_t>
    CMemberCommand(T* target, R (T::*execute)(P1, P2), std::type_identity_t<std::decay_t<P1>> first,
                   std::type_identity_t<std::decay_t<P2>> second, E enable = nullptr)
        : m_Execute([target, execute, first, second] { (target->*execute)(first, second); })
        , m_Enable(BindQuery(target, enable))
    {
    }

    void Execute() override { m_Execute(); }
    bool IsEnabled() override { return !m_Enable || m_Enable(); }
    bool HasEnableQuery() override { return static_cast<bool>(m_Enable); }

private:
    // The enable test is a member function of the target (const or not), or
    // none.
    template <class T, class E>
    static Query BindQuery(T* target, E enable)
    {
        if constexpr (std::is_null_pointer_v<E>)
            return {};
        else
        {
            if (enable == nullptr)
                return {};
            return [target, enable] { return static_cast<bool>((target->*enable)()); };
        }
    }

    Action m_Execute;
    Query m_Enable;
};

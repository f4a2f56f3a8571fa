#pragma once

#include <exception>
#include <utility>

namespace corvella {

/// Runs a clean-up when the scope ends: always (`ScopeExit`), or only when an exception leaves it (`OnFailure`),
/// so a half-made change is undone without a catch-and-rethrow block at every call.
template <class Action, bool OnlyOnFailure> class ScopeGuard {
public:
    explicit ScopeGuard(Action action)
        : m_action(std::move(action))
        , m_exceptionsAtStart(std::uncaught_exceptions())
    {}
    ~ScopeGuard()
    {
        if (!m_dismissed && (!OnlyOnFailure || std::uncaught_exceptions() > m_exceptionsAtStart))
            m_action();
    }
    ScopeGuard(const ScopeGuard&) = delete;
    ScopeGuard& operator=(const ScopeGuard&) = delete;

    /// The clean-up is no longer wanted (the work it would undo was handed on).
    void dismiss() { m_dismissed = true; }

private:
    Action m_action;
    int m_exceptionsAtStart;
    bool m_dismissed = false;
};

template <class Action> struct ScopeExit : ScopeGuard<Action, false> {
    using ScopeGuard<Action, false>::ScopeGuard;
};
template <class Action> ScopeExit(Action) -> ScopeExit<Action>;

template <class Action> struct OnFailure : ScopeGuard<Action, true> {
    using ScopeGuard<Action, true>::ScopeGuard;
};
template <class Action> OnFailure(Action) -> OnFailure<Action>;

} // namespace corvella

#pragma once
// A scope guard for the BeginUpdate/EndUpdate batches of string lists, collections and items.

#include <exception>

/// Holds one BeginUpdate batch of Target open for the lifetime of the scope. EndUpdate runs on
/// return and on exception; an exception EndUpdate raises itself (a change handler's) propagates
/// unless the scope is already unwinding, where a second exception would terminate.
template <class T> class TUpdateScope {
public:
    explicit TUpdateScope(T* Target) : FTarget(Target), FUncaught(std::uncaught_exceptions()) {
        FTarget->BeginUpdate();
    }
    ~TUpdateScope() noexcept(false) {
        if (std::uncaught_exceptions() == FUncaught) {
            FTarget->EndUpdate();
            return;
        }
        try {
            FTarget->EndUpdate();
        } catch (...) {
        }
    }
    TUpdateScope(const TUpdateScope&) = delete;
    TUpdateScope& operator=(const TUpdateScope&) = delete;

private:
    T* FTarget;
    int FUncaught;
};

#pragma once
// Event properties: a callable bound to an object, plus the handler's name when it was
// bound by name (so that streams can store the name).

#include <any>
#include <functional>
#include <string>

#include "host/core/Object.h"

/// An event value as type information carries it: handler name, target object, and the
/// bound callable held as a std::function of the event's signature.
struct TMethod {
    std::string Name;
    TObject* Data = nullptr;
    std::any Code;
    bool Assigned() const { return Code.has_value(); }
};

/// An event property's storage. Calling an unassigned event does nothing.
template <class Sig> class TEvent;
template <class R, class... Args> class TEvent<R(Args...)> {
public:
    using Function = std::function<R(Args...)>;

    TEvent() = default;
    TEvent(std::nullptr_t) {}
    template <class F, class = std::enable_if_t<std::is_constructible_v<Function, F> &&
                                                !std::is_same_v<std::decay_t<F>, TEvent>>>
    TEvent(F&& f) : FFunction(std::forward<F>(f)) {}

    /// Binds a method of obj, as `OnClick = {this, &TForm1::Button1Click}` would.
    template <class C, class M> TEvent(C* obj, M method) {
        FFunction = [obj, method](Args... args) -> R { return (obj->*method)(args...); };
        FData = obj;
    }

    explicit operator bool() const { return static_cast<bool>(FFunction); }
    R operator()(Args... args) const {
        if (!FFunction) return R();
        return FFunction(args...);
    }

    const Function& Fn() const { return FFunction; }
    TObject* Data() const { return FData; }
    const std::string& MethodName() const { return FName; }

    TMethod AsMethod() const {
        TMethod m;
        m.Name = FName;
        m.Data = FData;
        if (FFunction) m.Code = FFunction;
        return m;
    }
    /// Takes a method whose Code holds a Function; false when it holds another signature.
    bool Assign(const TMethod& m) {
        if (!m.Assigned()) {
            *this = TEvent();
            return true;
        }
        const Function* f = std::any_cast<Function>(&m.Code);
        if (!f) return false;
        FFunction = *f;
        FData = m.Data;
        FName = m.Name;
        return true;
    }

private:
    Function FFunction;
    TObject* FData = nullptr;
    std::string FName;
};

using TNotifyEvent = TEvent<void(TObject* Sender)>;

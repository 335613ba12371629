#pragma once
// Event properties: a callable bound to an object, plus the handler's name when it was
// bound by name (so that streams can store the name).

#include <any>
#include <functional>
#include <memory>
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

/// An event property's storage. Calling an unassigned event does nothing. A control has
/// dozens of events and most stay unassigned, so an event holds only a pointer until it is
/// bound: the callable, its object and its handler's name live in a block made then.
template <class Sig> class TEvent;
template <class R, class... Args> class TEvent<R(Args...)> {
public:
    using Function = std::function<R(Args...)>;

    TEvent() = default;
    TEvent(std::nullptr_t) {}
    template <class F, class = std::enable_if_t<std::is_constructible_v<Function, F> &&
                                                !std::is_same_v<std::decay_t<F>, TEvent>>>
    TEvent(F&& f) {
        Function fn(std::forward<F>(f));
        if (fn) Bound().Fn = std::move(fn);
    }

    /// Binds a method of obj, as `OnClick = {this, &TForm1::Button1Click}` would.
    template <class C, class M> TEvent(C* obj, M method) {
        TBinding& b = Bound();
        b.Fn = [obj, method](Args... args) -> R { return (obj->*method)(args...); };
        b.Data = obj;
    }

    TEvent(const TEvent& other)
        : FBinding(other.FBinding ? std::make_unique<TBinding>(*other.FBinding) : nullptr) {}
    TEvent(TEvent&&) noexcept = default;
    TEvent& operator=(const TEvent& other) {
        if (this != &other)
            FBinding = other.FBinding ? std::make_unique<TBinding>(*other.FBinding) : nullptr;
        return *this;
    }
    TEvent& operator=(TEvent&&) noexcept = default;

    explicit operator bool() const { return FBinding && FBinding->Fn; }
    R operator()(Args... args) const {
        if (!*this) return R();
        return FBinding->Fn(args...);
    }

    const Function& Fn() const {
        static const Function none;
        return FBinding ? FBinding->Fn : none;
    }
    TObject* Data() const { return FBinding ? FBinding->Data : nullptr; }
    const std::string& MethodName() const {
        static const std::string none;
        return FBinding ? FBinding->Name : none;
    }

    TMethod AsMethod() const {
        TMethod m;
        if (!FBinding) return m;
        m.Name = FBinding->Name;
        m.Data = FBinding->Data;
        if (FBinding->Fn) m.Code = FBinding->Fn;
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
        auto binding = std::make_unique<TBinding>();
        binding->Fn = *f;
        binding->Data = m.Data;
        binding->Name = m.Name;
        FBinding = std::move(binding);
        return true;
    }

private:
    struct TBinding {
        Function Fn;
        TObject* Data = nullptr;
        std::string Name;
    };
    TBinding& Bound() {
        if (!FBinding) FBinding = std::make_unique<TBinding>();
        return *FBinding;
    }

    std::unique_ptr<TBinding> FBinding;
};

using TNotifyEvent = TEvent<void(TObject* Sender)>;

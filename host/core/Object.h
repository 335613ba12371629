#pragma once
// The root object, class references (metaclasses) and the class registry.

#include <functional>
#include <initializer_list>
#include <memory>
#include <mutex>
#include <string>
#include <type_traits>
#include <vector>

#include "host/core/SysUtils.h"

class TObject;
class TComponent;
class TMetaClass;
struct TTypeInfo;
struct TPropInfo;
struct TMethodInfo;
class TPublisher;

/// A class reference: the framework's "class of TObject".
using TClass = const TMetaClass*;

/// Everything the framework knows of a class at run time: name, parent, virtual
/// constructor and published properties.
class TMetaClass {
public:
    using Creator = TObject* (*)(TComponent* owner);
    using PublishFn = void (*)(TPublisher&);

    /// declaresInsertionNotice: the class itself overrides TComponent::Notification in a way
    /// that may act on insertions (see ZK_NOTIFICATION_IGNORES_INSERTIONS).
    TMetaClass(const char* name, TClass parent, Creator create, PublishFn publish,
               bool declaresInsertionNotice = false);
    ~TMetaClass();
    TMetaClass(const TMetaClass&) = delete;
    TMetaClass& operator=(const TMetaClass&) = delete;

    const std::string& ClassName() const { return FName; }
    TClass ClassParent() const { return FParent; }
    bool InheritsFrom(TClass ancestor) const;
    /// The virtual constructor; EInvalidOperation for an abstract class.
    TObject* Create(TComponent* owner = nullptr) const;
    bool IsAbstract() const { return FCreate == nullptr; }
    /// Whether instances want to hear, through Notification(opInsert), of components joining
    /// their owner: this class or an ancestor overrides Notification for insertions.
    bool HearsInsertions() const { return FHearsInsertions; }
    /// Type information of kind tkClass that names this class.
    const TTypeInfo* ClassInfo() const { return FTypeInfo.get(); }
    /// Published properties: ancestors' first, each class's in declaration order.
    const std::vector<const TPropInfo*>& PropList() const;
    /// Properties declared by this class itself.
    const std::vector<TPropInfo>& OwnProps() const;
    /// The published method of that name (any letter case) of this class or an ancestor.
    const TMethodInfo* MethodAddress(const std::string& name) const;

private:
    void EnsurePublished() const;

    std::string FName;
    TClass FParent;
    Creator FCreate;
    PublishFn FPublish;
    bool FHearsInsertions;
    std::unique_ptr<TTypeInfo> FTypeInfo;
    mutable std::once_flag FPublished;
    mutable std::vector<TPropInfo> FOwnProps;
    mutable std::vector<const TPropInfo*> FAllProps;
    mutable std::vector<TMethodInfo> FOwnMethods;
};

/// Root of the class tree: class identity, and the Free / BeforeDestruction protocol.
class TObject {
public:
    TObject() = default;
    virtual ~TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;

    static TClass StaticClass();
    virtual TClass ClassType() const { return StaticClass(); }
    const std::string& ClassName() const { return ClassType()->ClassName(); }
    bool InheritsFrom(TClass ancestor) const { return ClassType()->InheritsFrom(ancestor); }
    template <class T> bool Is() const { return InheritsFrom(T::StaticClass()); }

    /// Called once, while the whole object is still alive, right before it is deleted.
    virtual void BeforeDestruction() {}
    /// Runs BeforeDestruction, then deletes the object. The object must be on the heap.
    void Free();
};

/// Frees obj (when not null) and clears the pointer first, as FreeAndNil does.
template <class T> void FreeAndNil(T*& obj) {
    T* tmp = obj;
    obj = nullptr;
    if (tmp) tmp->Free();
}

[[noreturn]] void RaiseInvalidCast(const TObject* obj, TClass target);

/// Checked down-cast: null stays null, EInvalidCast when obj is not of class T.
template <class T> T* As(TObject* obj) {
    if (obj && !obj->Is<T>()) RaiseInvalidCast(obj, T::StaticClass());
    return static_cast<T*>(obj);
}

/// Unchecked-at-compile-time cast answering null when obj is not a T.
template <class T> T* Cast(TObject* obj) {
    return obj && obj->Is<T>() ? static_cast<T*>(obj) : nullptr;
}

void RegisterClass(TClass cls);
void RegisterClasses(std::initializer_list<TClass> classes);
void UnRegisterClass(TClass cls);
/// The registered class of that name (any letter case); EClassNotFound otherwise.
TClass FindClass(const std::string& name);
/// The registered class of that name, or null.
TClass GetClass(const std::string& name);

namespace zk::detail {
template <class T> TObject* CreateInstance(TComponent* owner) {
    if constexpr (std::is_abstract_v<T>) {
        return nullptr;
    } else if constexpr (std::is_constructible_v<T, TComponent*>) {
        return new T(owner);
    } else if constexpr (std::is_default_constructible_v<T>) {
        (void)owner;
        return new T();
    } else {
        (void)owner;
        return nullptr;
    }
}
template <class T> constexpr TMetaClass::Creator CreatorOf() {
    if constexpr (std::is_abstract_v<T> ||
                  !(std::is_constructible_v<T, TComponent*> || std::is_default_constructible_v<T>))
        return nullptr;
    else
        return &CreateInstance<T>;
}
/// The class that declares the member function a pointer to member points at.
template <class Pmf> struct DeclaringClass;
template <class C, class R, class... Args> struct DeclaringClass<R (C::*)(Args...)> {
    using type = C;
};
} // namespace zk::detail

/// Put in the body of a class whose Notification override does nothing on opInsert (it acts on
/// removals only): its owner then does not announce each insertion to it, which would make
/// filling an owner quadratic.
#define ZK_NOTIFICATION_IGNORES_INSERTIONS(Name) using InsertionsIgnoredBy = Name;

/// Declares a framework class inside its body: class identity and `inherited`.
#define ZK_CLASS(Name, Parent)                                                                     \
public:                                                                                            \
    using inherited = Parent;                                                                      \
    static TClass StaticClass();                                                                   \
    TClass ClassType() const override {                                                            \
        return StaticClass();                                                                      \
    }                                                                                              \
                                                                                                   \
public:

/// Defines the class reference of Name in one .cpp; Publish is a function
/// `void(TPublisher&)` naming its published properties, or nullptr.
#define ZK_IMPLEMENT_CLASS(Name, Parent, Publish)                                                  \
    TClass Name::StaticClass() {                                                                   \
        static const TMetaClass meta(                                                              \
            #Name, Parent::StaticClass(), zk::detail::CreatorOf<Name>(), Publish,                  \
            /* Name declares Notification and does not mark it as ignoring insertions. A lambda inside */    \
            /* Name's member function, so that a protected override counts. */                   \
            []<class T>(T*) {                                                                      \
                if constexpr (requires { &T::Notification; }) {                                    \
                    using Declarer = typename zk::detail::DeclaringClass<decltype(                 \
                        &T::Notification)>::type;                                                  \
                    if constexpr (requires { typename T::InsertionsIgnoredBy; })               \
                        return std::is_same_v<Declarer, T> &&                                      \
                               !std::is_same_v<typename T::InsertionsIgnoredBy, T>;            \
                    else                                                                           \
                        return std::is_same_v<Declarer, T>;                                        \
                } else {                                                                           \
                    return false;                                                                  \
                }                                                                                  \
            }(static_cast<Name*>(nullptr)));                                                       \
        return &meta;                                                                              \
    }

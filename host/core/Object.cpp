#include "host/core/Object.h"

#include <algorithm>
#include <map>

#include "host/core/SysUtils.h"
#include "host/core/TypInfo.h"

TMetaClass::TMetaClass(const char* name, TClass parent, Creator create, PublishFn publish,
                       bool declaresInsertionNotice)
    : FName(name), FParent(parent), FCreate(create), FPublish(publish),
      FHearsInsertions(declaresInsertionNotice || (parent && parent->HearsInsertions())),
      FTypeInfo(std::make_unique<TTypeInfo>()) {
    FTypeInfo->Kind = tkClass;
    FTypeInfo->Name = FName;
    FTypeInfo->Data.ClassType = this;
}

TMetaClass::~TMetaClass() = default;

bool TMetaClass::InheritsFrom(TClass ancestor) const {
    for (TClass c = this; c; c = c->FParent)
        if (c == ancestor) return true;
    return false;
}

TObject* TMetaClass::Create(TComponent* owner) const {
    if (!FCreate) throw EInvalidOperation("不能创建抽象类 " + FName + " 的实例");
    return FCreate(owner);
}

void TMetaClass::EnsurePublished() const {
    // Built on first use rather than in the constructor, so that classes whose properties
    // refer to each other's types never initialise one another recursively.
    std::call_once(FPublished, [this] {
        if (FPublish) {
            TPublisher publisher(this, FOwnProps, &FOwnMethods);
            FPublish(publisher);
        }
        if (FParent) FAllProps = FParent->PropList();
        for (auto& p : FOwnProps) {
            // Publishing an inherited property again (with the class's own default, say)
            // replaces the ancestor's entry in its place rather than listing it twice.
            auto same = std::find_if(FAllProps.begin(), FAllProps.end(), [&p](const TPropInfo* q) {
                return SameText(q->Name, p.Name);
            });
            if (same != FAllProps.end())
                *same = &p;
            else
                FAllProps.push_back(&p);
        }
        for (size_t i = 0; i < FAllProps.size(); ++i)
            const_cast<TPropInfo*>(FAllProps[i])->NameIndex = static_cast<int16_t>(i);
    });
}

const std::vector<const TPropInfo*>& TMetaClass::PropList() const {
    EnsurePublished();
    return FAllProps;
}

const std::vector<TPropInfo>& TMetaClass::OwnProps() const {
    EnsurePublished();
    return FOwnProps;
}

const TMethodInfo* TMetaClass::MethodAddress(const std::string& name) const {
    for (TClass c = this; c; c = c->FParent) {
        c->EnsurePublished();
        for (const TMethodInfo& m : c->FOwnMethods)
            if (SameText(m.Name, name)) return &m;
    }
    return nullptr;
}

TClass TObject::StaticClass() {
    static const TMetaClass meta("TObject", nullptr, zk::detail::CreatorOf<TObject>(), nullptr);
    return &meta;
}

void TObject::Free() {
    BeforeDestruction();
    delete this;
}

void RaiseInvalidCast(const TObject* obj, TClass target) {
    throw EInvalidCast("无效的类型转换：" + obj->ClassName() + " 不是 " + target->ClassName());
}

namespace {
/// Registered classes by lower-cased name.
std::map<std::string, TClass>& Registry() {
    static std::map<std::string, TClass> registry;
    return registry;
}
} // namespace

void RegisterClass(TClass cls) {
    Registry()[LowerCase(cls->ClassName())] = cls;
}

void RegisterClasses(std::initializer_list<TClass> classes) {
    for (TClass c : classes)
        RegisterClass(c);
}

void UnRegisterClass(TClass cls) {
    auto it = Registry().find(LowerCase(cls->ClassName()));
    if (it != Registry().end() && it->second == cls) Registry().erase(it);
}

TClass GetClass(const std::string& name) {
    auto it = Registry().find(LowerCase(name));
    return it == Registry().end() ? nullptr : it->second;
}

TClass FindClass(const std::string& name) {
    TClass c = GetClass(name);
    if (!c) throw EClassNotFound("找不到类“" + name + "”");
    return c;
}

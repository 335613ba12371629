// TReader, component level: records, property paths, references and the load protocol.

#include <algorithm>
#include <unordered_set>

#include "host/core/Collection.h"
#include "host/core/Stream.h"
#include "host/core/TextCodec.h"
#include "host/streaming/Filer.h"
#include "host/streaming/ScopedValue.h"

namespace {
/// A property error that already names the component and property; passed on unwrapped.
class EPropertyReadError : public EReadError {
public:
    using EReadError::EReadError;
};

[[noreturn]] void InvalidPath(const std::string& path) {
    throw EReadError("窗体流中的属性路径“" + path + "”无效");
}

/// Splits a dotted property path; an empty segment makes the path invalid.
std::vector<std::string> SplitPath(const std::string& path) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        size_t dot = path.find('.', start);
        std::string part =
            path.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
        if (part.empty()) InvalidPath(path);
        parts.push_back(part);
        if (dot == std::string::npos) return parts;
        start = dot + 1;
    }
}

std::string DisplayName(const TComponent* c) {
    return c->Name().empty() ? c->ClassName() : c->Name();
}
} // namespace

// ---- The load protocol --------------------------------------------------------------------

TComponent* TReader::ReadRootComponent(TComponent* Root) {
    ReadSignature();
    uint8_t flags;
    int pos;
    ReadPrefix(flags, pos);
    // Inherited, the root's record holds changes to a form that already exists.
    FInheritedRoot = (flags & ffInherited) != 0;
    FDeleted.clear();
    std::string className = ReadStr();
    std::string name = ReadStr();
    if (className.empty()) Damaged("组件的类名");
    bool created = !Root;
    if (created) {
        TClass cls = FindClass(className);
        if (!cls->InheritsFrom(TComponent::StaticClass()) || cls->IsAbstract())
            throw EClassNotFound("找不到类“" + className + "”：程序不认识窗体流里的这个类");
        Root = static_cast<TComponent*>(cls->Create(nullptr));
    }
    SetRoot(Root);
    FLookupRoot = Root;
    FOwner = Root;
    FParent = Root;
    try {
        Root->SetLoading(true);
        Root->SetReading(true);
        if (!created && !name.empty()) {
            // A given instance takes a name no other loaded root has.
            std::string unique = name;
            for (int i = 1;; ++i) {
                TComponent* other = FindGlobalComponent(unique);
                if (!other || other == Root) break;
                unique = name + "_" + IntToStr(i);
            }
            name = unique;
        }
        Root->SetName(name);
        FLoaded.push_back(Root);
        ScopedValue<TComponent*> current(FCurrent, Root);
        Root->ReadState(this);
        Root->SetReading(false);
        ResolveFixups();
        for (size_t i = 0; i < FLoaded.size(); ++i)
            FLoaded[i]->Loaded();
    } catch (...) {
        FreeLoaded(created);
        throw;
    }
    for (TComponent* c : FLoaded) {
        c->SetLoading(false);
        c->SetReading(false);
    }
    FLoaded.clear();
    FCreated.clear();
    return Root;
}

void TReader::FreeLoaded(bool freeRoot) {
    FFixups.clear();
    if (freeRoot) {
        // The root owns everything this load created.
        FRoot->Free();
    } else {
        // Newest first: a component is never freed before what was read inside it.
        for (size_t i = FCreated.size(); i-- > 0;)
            FCreated[i]->Free();
        FRoot->SetLoading(false);
        FRoot->SetReading(false);
        // A set, not a search per component: a failed load may have read very many.
        std::unordered_set<TComponent*> created(FCreated.begin(), FCreated.end());
        for (TComponent* c : FLoaded)
            if (!created.contains(c)) {
                c->SetLoading(false);
                c->SetReading(false);
            }
    }
    FCreated.clear();
    FLoaded.clear();
}

void TReader::DiscardComponent(TComponent* Component) {
    std::erase_if(FFixups, [Component](const TFixup& f) { return f.Component == Component; });
    std::erase(FCreated, Component);
    std::erase(FLoaded, Component);
    Component->Free();
}

bool TReader::HandleError(const std::string& message, const std::string& component,
                          const std::string& property) {
    if (!OnError) return false;
    ScopedValue<std::string> errorComponent(FErrorComponent, component);
    ScopedValue<std::string> errorProperty(FErrorProperty, property);
    bool handled = false;
    OnError(this, message, handled);
    return handled;
}

bool TReader::SkipInherited(const std::string& Name, const std::string& Why) {
    if (!HandleError(Why, Name)) throw EReadError(Why);
    SkipComponent(false);
    return true;
}

// ---- Component records --------------------------------------------------------------------

TComponent* TReader::CreateComponent(const std::string& ClassName, const std::string& Name,
                                     uint8_t Flags) {
    TClass cls = GetClass(ClassName);
    if (!cls || !cls->InheritsFrom(TComponent::StaticClass()) || cls->IsAbstract())
        throw EClassNotFound("找不到类“" + ClassName + "”：程序不认识窗体流里的这个类");
    auto* c = static_cast<TComponent*>(cls->Create(FOwner));
    FCreated.push_back(c);
    FLoaded.push_back(c);
    c->SetLoading(true);
    c->SetReading(true);
    if (Flags & ffInline) c->SetInline(true);
    c->SetName(Name);
    return c;
}

TComponent* TReader::ReadComponent(TComponent* Component) {
    if (FComponentDepth >= MaxComponentDepth)
        Damaged("组件的结束（组件嵌套超过 " + IntToStr(MaxComponentDepth) + " 层）");
    if (++FComponentCount > MaxComponents)
        throw EReadError("窗体流中的组件太多（超过 " + IntToStr(MaxComponents) + " 个）");
    ScopedValue<int> depth(FComponentDepth, FComponentDepth + 1);
    uint8_t flags;
    int pos;
    ReadPrefix(flags, pos);
    std::string className = ReadStr();
    std::string name = ReadStr();
    if (className.empty()) Damaged("组件的类名");
    TComponent* result = Component;
    bool created = false;
    if (!result && (flags & ffInherited)) {
        result = FOwner ? FOwner->FindComponent(name) : nullptr;
        if (!result && SkipInherited(name, "找不到继承的组件“" + name + "”")) return nullptr;
        // Changes to a control were made where it was; in another parent they no longer fit.
        // One without a parent (taken off the form) comes back where the record stands.
        if (FInheritedRoot && result->HasParent() && result->GetParentComponent() &&
            result->GetParentComponent() != FParent &&
            SkipInherited(name, "组件“" + name + "”已不在原来的父控件里"))
            return nullptr;
        // Everything in FLoaded is loading: the state tells without searching the list.
        if (!result->ComponentState().Contains(csLoading)) {
            result->SetLoading(true);
            FLoaded.push_back(result);
        }
    } else if (!result) {
        size_t before = FCreated.size();
        try {
            result = CreateComponent(className, name, flags);
            created = true;
        } catch (const EClassNotFound& e) {
            if (!HandleError(e.Message(), name)) throw;
            SkipComponent(false);
            return nullptr;
        } catch (const EComponentError& e) {
            if (!HandleError(e.Message(), name)) throw;
            if (FCreated.size() > before) DiscardComponent(FCreated.back());
            SkipComponent(false);
            return nullptr;
        }
    }
    result->SetReading(true);
    // A new component joins the record's parent; so does an inherited one that has none (a
    // control taken off the form comes back where the record stands).
    const bool orphan = result->HasParent() && !result->GetParentComponent();
    if ((created || orphan) && FParent) result->SetParentComponent(FParent);
    ScopedValue<TComponent*> current(FCurrent, result);
    // Inside an embedded sub-root, names and handlers are looked up on the sub-root.
    ScopedValue<TComponent*> lookup(FLookupRoot, (flags & ffInline) ? result : FLookupRoot);
    result->ReadState(this);
    result->SetReading(false);
    if ((flags & ffChildPos) && pos >= 0 && FParent) FParent->SetChildOrder(result, pos);
    return result;
}

void TReader::ReadData(TComponent* Instance) {
    ScopedValue<TComponent*> current(FCurrent, Instance);
    ScopedValue<std::string> errorPath(FErrorPath, std::string());
    while (!EndOfList())
        ReadProperty(Instance);
    ReadListEnd();
    TComponent* childOwner = Instance->GetChildOwner();
    ScopedValue<TComponent*> owner(FOwner, childOwner ? childOwner : FRoot);
    ScopedValue<TComponent*> parent(FParent, Instance->GetChildParent());
    while (!EndOfList()) {
        if (FIgnoreChildren)
            SkipComponent(true);
        else
            ReadComponent(nullptr);
    }
    ReadListEnd();
}

void TReader::ReadDeletedComponents() {
    ReadListBegin();
    while (!EndOfList())
        FDeleted.push_back(ReadString());
    ReadListEnd();
}

// ---- Properties ---------------------------------------------------------------------------

void TReader::ReadProperties(TPersistent* Instance) {
    while (!EndOfList())
        ReadProperty(Instance);
    ReadListEnd();
}

void TReader::ReadProperty(TPersistent* Instance) {
    std::string name = ReadStr();
    int64_t valueStart = Position();
    std::string where =
        (FCurrent ? DisplayName(FCurrent) : Instance->ClassName()) + FErrorPath + "." + name;
    try {
        ScopedValue<std::string> errorPath(FErrorPath, FErrorPath + "." + name);
        if (FInheritedRoot && Instance == FRoot && FCurrent == FRoot &&
            SameText(name, DeletedComponentsProperty)) {
            ReadDeletedComponents();
            return;
        }
        std::vector<std::string> path = SplitPath(name);
        TPersistent* obj = Instance;
        for (size_t i = 0; i + 1 < path.size(); ++i) {
            const TPropInfo* info = GetPropInfo(obj, path[i]);
            if (!info || info->PropType->Kind != tkClass) InvalidPath(name);
            auto* next = Cast<TPersistent>(GetObjectProp(obj, info));
            if (!next) InvalidPath(name);
            obj = next;
        }
        if (const TPropInfo* info = GetPropInfo(obj, path.back())) {
            ReadPropValue(obj, info);
        } else {
            ScopedValue<std::string> propName(FPropName, path.back());
            ScopedValue<bool> found(FPropFound, false);
            obj->DefineProperties(this);
            if (!FPropFound) {
                SkipValue();
                throw EReadError("未知的属性“" + path.back() + "”");
            }
        }
    } catch (const EPropertyReadError&) {
        throw;
    } catch (const Exception& e) {
        std::string message = "读取 " + where + " 出错：" + e.Message();
        const std::string component = FCurrent ? DisplayName(FCurrent) : Instance->ClassName();
        const std::string property = FErrorPath.empty() ? name : FErrorPath.substr(1) + "." + name;
        if (!HandleError(message, component, property)) throw EPropertyReadError(message);
        // The value is skipped from its start, however much of it was read.
        SetPosition(valueStart);
        SkipValue();
    }
}

void TReader::ReadPropValue(TPersistent* Instance, const TPropInfo* PropInfo) {
    TTypeKind kind = PropInfo->PropType->Kind;
    if (kind != tkClass && !PropInfo->IsWritable()) throw EReadError("属性 " + PropInfo->Name + " 是只读的");
    switch (kind) {
    case tkInteger:
    case tkChar:
    case tkWChar:
    case tkEnumeration:
    case tkSet:
    case tkInt64:
        ReadOrdinalValue(Instance, PropInfo);
        break;
    case tkFloat:
        SetFloatProp(Instance, PropInfo, ReadFloat());
        break;
    case tkString:
    case tkLString:
    case tkWString:
        SetStrProp(Instance, PropInfo, ReadString());
        break;
    case tkClass:
        ReadObjectValue(Instance, PropInfo);
        break;
    case tkMethod:
        ReadMethodValue(Instance, PropInfo);
        break;
    case tkVariant:
        PropInfo->Access.SetVar(Instance, ReadVariant());
        break;
    default:
        throw EReadError("未知的属性类型 " + IntToStr(static_cast<int>(kind)));
    }
}

void TReader::ReadOrdinalValue(TPersistent* Instance, const TPropInfo* PropInfo) {
    const TTypeInfo* type = PropInfo->PropType;
    int64_t value = 0;
    switch (type->Kind) {
    case tkInteger:
        if (NextValue() == vaIdent) {
            std::string ident = ReadIdent();
            TIdentToInt toInt = FindIdentToInt(type);
            int32_t v;
            if (!toInt || !toInt(ident, v)) InvalidValue();
            value = v;
        } else {
            value = ReadInt64();
        }
        break;
    case tkChar:
    case tkWChar: {
        std::string s = ReadString();
        // Exactly one character, whatever its encoded length (the text is valid UTF-8).
        size_t n = 0;
        uint32_t cp = 0;
        for (size_t i = 0; i < s.size(); ++n) {
            auto b = static_cast<unsigned char>(s[i]);
            size_t len = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
            cp = len == 1 ? b : b & (0x7F >> len);
            for (size_t k = 1; k < len && i + k < s.size(); ++k)
                cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
            i += len;
        }
        if (n != 1) InvalidValue();
        value = cp;
        break;
    }
    case tkEnumeration: {
        TValueType code = NextValue();
        if (code != vaIdent && code != vaFalse && code != vaTrue && code != vaNil && code != vaNull)
            InvalidValue();
        int v = GetEnumValue(type, ReadIdent());
        if (v < 0) InvalidValue();
        value = v;
        break;
    }
    case tkSet:
        value = static_cast<int64_t>(ReadSet(type));
        break;
    default:
        value = ReadInt64();
        break;
    }
    SetOrdProp(Instance, PropInfo, value);
}

void TReader::ReadObjectValue(TPersistent* Instance, const TPropInfo* PropInfo) {
    switch (NextValue()) {
    case vaNil:
        ReadValue();
        if (!PropInfo->IsWritable()) throw EReadError("属性 " + PropInfo->Name + " 是只读的");
        SetObjectProp(Instance, PropInfo, nullptr);
        break;
    case vaIdent: {
        ReadValue();
        std::string path = ReadStr();
        if (!PropInfo->IsWritable()) throw EReadError("属性 " + PropInfo->Name + " 是只读的");
        FFixups.push_back({Instance, PropInfo, path, FCurrent, FLookupRoot});
        break;
    }
    case vaCollection: {
        auto* collection = Cast<TCollection>(GetObjectProp(Instance, PropInfo));
        if (!collection) InvalidValue();
        ReadCollection(collection);
        break;
    }
    default:
        InvalidValue();
    }
}

void TReader::ReadMethodValue(TPersistent* Instance, const TPropInfo* PropInfo) {
    switch (NextValue()) {
    case vaNil:
        ReadValue();
        PropInfo->Access.SetMethod(Instance, TMethod());
        break;
    case vaIdent: {
        ReadValue();
        std::string name = ReadStr();
        TComponent* root = FLookupRoot ? FLookupRoot : FRoot;
        const TMethodInfo* method = root ? root->ClassType()->MethodAddress(name) : nullptr;
        if (!method) InvalidValue();
        if (!PropInfo->Access.SetMethod(Instance, method->Bind(root))) InvalidValue();
        break;
    }
    default:
        InvalidValue();
    }
}

// ---- Defined properties -------------------------------------------------------------------

void TReader::DefineProperty(const std::string& Name, TReaderProc ReadData, TWriterProc WriteData,
                             bool HasData) {
    (void)WriteData, (void)HasData;
    if (FPropFound || !ReadData || !SameText(Name, FPropName)) return;
    FPropFound = true;
    ReadData(this);
}

void TReader::DefineBinaryProperty(const std::string& Name, TStreamProc ReadData,
                                   TStreamProc WriteData, bool HasData) {
    (void)WriteData, (void)HasData;
    if (FPropFound || !ReadData || !SameText(Name, FPropName)) return;
    FPropFound = true;
    std::string data = ReadBinary();
    TMemoryStream stream;
    stream.WriteBuffer(data.data(), static_cast<int64_t>(data.size()));
    stream.SetPosition(0);
    ReadData(&stream);
}

// ---- References ---------------------------------------------------------------------------

void TReader::ResolveFixups() {
    std::vector<TFixup> fixups;
    fixups.swap(FFixups);
    for (const TFixup& f : fixups) {
        TComponent* target = nullptr;
        size_t start = 0;
        bool first = true;
        TComponent* current = f.LookupRoot ? f.LookupRoot : FRoot;
        while (current) {
            size_t dot = f.Path.find('.', start);
            std::string segment =
                f.Path.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
            TComponent* next = current->FindComponent(segment);
            if (!next && SameText(segment, "Owner")) next = current;
            if (!next && first) next = FindGlobalComponent(segment);
            current = next;
            first = false;
            if (dot == std::string::npos) {
                target = current;
                break;
            }
            start = dot + 1;
        }
        if (!target) continue; // unresolvable references stay unset
        try {
            SetObjectProp(f.Instance, f.PropInfo, target);
        } catch (const Exception&) {
            // A reference to a component of the wrong class is left unset as well.
        }
    }
}

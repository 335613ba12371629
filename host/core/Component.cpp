#include "host/core/Component.h"

#include <algorithm>

namespace {
void PublishComponent(TPublisher& p) {
    // The name travels in a component record's header, not as a property.
    p.Prop("Name", &TComponent::Name, &TComponent::SetName).Stored(false);
    p.Prop("Tag", &TComponent::Tag, &TComponent::SetTag).Default(0);
}
} // namespace

ZK_IMPLEMENT_CLASS(TPersistent, TObject, nullptr)
ZK_IMPLEMENT_CLASS(TComponent, TPersistent, PublishComponent)

// ---- TPersistent --------------------------------------------------------------------------

void TPersistent::Assign(TPersistent* source) {
    if (!source) throw EConvertError("不能把空值赋给 " + ClassName());
    source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* dest) {
    throw EConvertError("不能把 " + ClassName() + " 赋给 " + dest->ClassName());
}

std::string TPersistent::GetNamePath() const {
    return ClassName();
}

// ---- TComponent ---------------------------------------------------------------------------

TComponent::TComponent(TComponent* AOwner) {
    if (AOwner) AOwner->Adopt(this, true);
}

TComponent::~TComponent() {
    // Normally done by BeforeDestruction through Free; a component deleted directly (or
    // living on the stack) still releases its links and what it owns here.
    ReleaseLinks();
    if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::BeforeDestruction() {
    // Owned components and holders are dealt with while this object is still whole, so
    // that overrides of Notification in descendants still run.
    ReleaseLinks();
}

void TComponent::ReleaseLinks() {
    if (!FComponentState.Contains(csDestroying)) Destroying();
    // Tell every holder of a raw pointer that this component is going.
    while (!FFreeNotifies.empty()) {
        TComponent* other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        other->RemoveFreeNotification(this);
        other->Notification(this, opRemove);
    }
    DestroyComponents();
}

void TComponent::Destroying() {
    if (FComponentState.Contains(csDestroying)) return;
    FComponentState.Include(csDestroying);
    for (TComponent* c : FComponents)
        c->Destroying();
}

void TComponent::DestroyComponents() {
    // Last first, each taken out of the list before it is freed, so that nothing that runs
    // during its destruction sees it among this component's components.
    while (!FComponents.empty()) {
        TComponent* c = FComponents.back();
        Remove(c);
        c->Free();
    }
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount())
        throw EListError("列表索引越界（" + IntToStr(index) + "）");
    return FComponents[static_cast<size_t>(index)];
}

int TComponent::ComponentIndex() const {
    if (!FOwner) return -1;
    auto& list = FOwner->FComponents;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TComponent::SetComponentIndex(int value) {
    if (!FOwner) return;
    auto& list = FOwner->FComponents;
    int current = ComponentIndex();
    if (current < 0) return;
    value = std::clamp(value, 0, static_cast<int>(list.size()) - 1);
    if (value == current) return;
    list.erase(list.begin() + current);
    list.insert(list.begin() + value, this);
}

namespace {
/// The key of a name in the name index: its ASCII letters in lower case, as SameText compares.
std::string NameKey(const std::string& name) {
    std::string key = name;
    for (char& ch : key)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    return key;
}
} // namespace

TComponent* TComponent::FindComponent(const std::string& name) const {
    if (name.empty()) return nullptr;
    auto [first, last] = FNameIndex.equal_range(NameKey(name));
    if (first == last) return nullptr;
    if (std::next(first) == last) return first->second;
    // The same name more than once: the first in component order, as a scan finds it.
    for (TComponent* c : FComponents)
        if (SameText(c->FName, name)) return c;
    return nullptr;
}

void TComponent::IndexName(TComponent* c) {
    if (!c->FName.empty()) FNameIndex.emplace(NameKey(c->FName), c);
}

void TComponent::UnindexName(TComponent* c) {
    if (c->FName.empty()) return;
    auto [first, last] = FNameIndex.equal_range(NameKey(c->FName));
    for (auto it = first; it != last; ++it)
        if (it->second == c) {
            FNameIndex.erase(it);
            return;
        }
}

void TComponent::ChangeName(const std::string& newName) {
    if (FOwner) FOwner->UnindexName(this);
    FName = newName;
    if (FOwner) FOwner->IndexName(this);
}

void TComponent::SetName(const std::string& value) {
    if (FName == value) return;
    if (!value.empty() && !IsValidIdent(value))
        throw EComponentError("“" + value + "”不是有效的组件名");
    if (FOwner)
        FOwner->ValidateRename(this, FName, value);
    else
        ValidateRename(nullptr, FName, value);
    ChangeName(value);
}

void TComponent::ValidateRename(TComponent* AComponent, const std::string& curName,
                                const std::string& newName) {
    if (!AComponent || newName.empty() || SameText(curName, newName)) return;
    TComponent* other = FindComponent(newName);
    if (other && other != AComponent)
        throw EComponentError("名称重复：已有名为“" + newName + "”的组件");
}

void TComponent::InsertComponent(TComponent* component) {
    Adopt(component, false);
}

void TComponent::Adopt(TComponent* component, bool constructing) {
    if (component->FOwner == this) return;
    ValidateRename(component, std::string(), component->FName);
    if (component->FOwner) component->FOwner->RemoveComponent(component);
    Insert(component);
    // Under construction its class is not yet its own: it is sorted at the next insertion,
    // and it would not hear its own (a constructor's virtual calls stay in the base).
    if (constructing) {
        FUnsorted.push_back(component);
        UpdateListening();
    } else {
        component->UpdateListening();
    }
    if (FComponentState.Contains(csDesigning)) component->SetDesigning(true);
    Notification(component, opInsert);
}

bool TComponent::PassesInsertionsOn() const {
    return ClassType()->HearsInsertions() || !FInsertListeners.empty() || !FUnsorted.empty();
}

void TComponent::UpdateListening() {
    if (!FOwner || PassesInsertionsOn() == FListening) return;
    auto& listeners = FOwner->FInsertListeners;
    FListening = !FListening;
    if (FListening)
        listeners.push_back(this);
    else
        listeners.erase(std::find(listeners.rbegin(), listeners.rend(), this).base() - 1);
    FOwner->UpdateListening();
}

void TComponent::SortUnsorted(TComponent* Newest) {
    if (FUnsorted.empty() || (FUnsorted.size() == 1 && FUnsorted[0] == Newest)) return;
    std::vector<TComponent*> unsorted;
    unsorted.swap(FUnsorted);
    for (TComponent* c : unsorted)
        if (c == Newest)
            FUnsorted.push_back(c);
        else
            c->UpdateListening();
    UpdateListening();
}

void TComponent::RemoveComponent(TComponent* component) {
    if (component->FOwner != this) return;
    Notification(component, opRemove);
    Remove(component);
}

void TComponent::Insert(TComponent* c) {
    FComponents.push_back(c);
    c->FOwner = this;
    IndexName(c);
}

void TComponent::Remove(TComponent* c) {
    // Searched from the end: components usually go newest first (DestroyComponents, a
    // failed load), which makes freeing an owner linear rather than quadratic.
    auto it = std::find(FComponents.rbegin(), FComponents.rend(), c);
    if (it != FComponents.rend()) {
        FComponents.erase(std::next(it).base());
        UnindexName(c);
    }
    // A component still unsorted may already listen, for what it owns.
    for (auto* list : {&FInsertListeners, &FUnsorted}) {
        if (list == &FInsertListeners && !c->FListening) continue;
        if (auto at = std::find(list->rbegin(), list->rend(), c); at != list->rend())
            list->erase(std::next(at).base());
    }
    c->FListening = false;
    c->FOwner = nullptr;
    UpdateListening();
}

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this) return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component) == FFreeNotifies.end()) {
        FFreeNotifies.push_back(component);
        component->FreeNotification(this);
    }
    FComponentState.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    auto it = std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component);
    if (it == FFreeNotifies.end()) return;
    FFreeNotifies.erase(it);
    component->RemoveFreeNotification(this);
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
    if (Operation == opRemove && AComponent) RemoveFreeNotification(AComponent);
    // Passed down to what this component owns, as owners hear of their children's peers; an
    // insertion only to those that hear insertions or own such.
    if (Operation == opInsert) SortUnsorted(AComponent);
    const auto& to = Operation == opInsert ? FInsertListeners : FComponents;
    for (size_t i = to.size(); i-- > 0;) {
        if (i >= to.size()) continue;
        to[i]->Notification(AComponent, Operation);
    }
}

void TComponent::Loaded() {
    FComponentState.Exclude(csLoading);
}

void TComponent::SetDesigning(bool value, bool setChildren) {
    if (value)
        FComponentState.Include(csDesigning);
    else
        FComponentState.Exclude(csDesigning);
    if (setChildren)
        for (TComponent* c : FComponents)
            c->SetDesigning(value, true);
}

void TComponent::SetLoading(bool value) {
    if (value)
        FComponentState.Include(csLoading);
    else
        FComponentState.Exclude(csLoading);
}

void TComponent::SetReading(bool value) {
    if (value)
        FComponentState.Include(csReading);
    else
        FComponentState.Exclude(csReading);
}

void TComponent::SetWriting(bool value) {
    if (value)
        FComponentState.Include(csWriting);
    else
        FComponentState.Exclude(csWriting);
}

void TComponent::SetInline(bool value) {
    if (value)
        FComponentState.Include(csInline);
    else
        FComponentState.Exclude(csInline);
}

void TComponent::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
    (void)Proc, (void)Root;
}

TComponent* TComponent::GetChildOwner() {
    // An embedded sub-root owns what its record holds.
    return FComponentState.Contains(csInline) ? this : nullptr;
}

std::string TComponent::GetNamePath() const {
    return FName.empty() ? ClassName() : FName;
}

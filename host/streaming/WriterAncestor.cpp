// TWriter against an ancestor: a root written as the changes made to it since a fresh instance
// of its class, as forms that inherit from other forms are stored.

#include <algorithm>
#include <memory>
#include <set>

#include "host/core/Collection.h"
#include "host/core/Stream.h"
#include "host/streaming/Filer.h"
#include "host/streaming/ScopedValue.h"

namespace {
std::vector<TComponent*> ChildrenOf(TComponent* Instance, TComponent* Root) {
    std::vector<TComponent*> children;
    Instance->GetChildren([&children](TComponent* c) { children.push_back(c); }, Root);
    return children;
}

/// A blank component of Instance's class, made by its constructor, or null when the class
/// cannot make one on its own.
TComponent* BlankOf(TComponent* Instance) {
    try {
        return static_cast<TComponent*>(Instance->ClassType()->Create(nullptr));
    } catch (const Exception&) {
        return nullptr;
    }
}

/// The names of the components written under Instance, at any depth, in writing order.
void CollectNames(TComponent* Instance, TComponent* Root, std::vector<std::string>& Names,
                  int Depth = 0) {
    // Deeper trees cannot be written at all; the writer says so when it gets there.
    if (Depth > TReader::MaxComponentDepth) return;
    for (TComponent* c : ChildrenOf(Instance, Root)) {
        if (!c->Name().empty()) Names.push_back(c->Name());
        CollectNames(c, Root, Names, Depth + 1);
    }
}
} // namespace

void TWriter::WriteDescendent(TComponent* Root, TComponent* AncestorRoot) {
    SetRoot(Root);
    FLookupRoot = Root;
    ScopedValue<TComponent*> ancestorRoot(FRootAncestor, AncestorRoot);
    ScopedValue<bool> hold(FHoldBuffer, true);
    ScopedValue<TPersistent*> ancestor(FAncestor, nullptr);
    // All of it is still buffered: a write that fails leaves nothing of itself behind.
    const int64_t start = Position();
    try {
        WriteSignature();
        FNextAncestor = AncestorRoot;
        FNextChildPos = -1;
        WriteComponent(Root);
    } catch (...) {
        Truncate(start);
        throw;
    }
}

void TWriter::Truncate(int64_t Position) {
    if (Position < FFlushed || Position > this->Position())
        throw EWriteError("写入位置已不在缓冲区内");
    FBufPos = static_cast<size_t>(Position - FFlushed);
}

void TWriter::WriteInheritedData(TComponent* Instance) {
    TComponent* ancestor = FNextAncestor;
    const int childPos = FNextChildPos;
    FNextAncestor = nullptr;
    FNextChildPos = -1;
    if (Instance->ComponentState().Contains(csInline) && Instance != FRoot) {
        // An embedded sub-root resolves its own children: it is written whole.
        ScopedValue<TComponent*> plain(FRootAncestor, nullptr);
        WriteData(Instance);
        return;
    }
    const int64_t start = Position();
    const uint8_t flags = (ancestor ? ffInherited : 0) | (childPos >= 0 ? ffChildPos : 0);
    if (flags) {
        WriteValue(static_cast<TValueType>(0xF0 | flags));
        if (childPos >= 0) WriteInteger(childPos);
    }
    WriteStr(Instance->ClassName());
    WriteStr(Instance->Name());
    bool changed = false;
    {
        // A component the ancestor lacks is written against a blank one of its class: what
        // its constructor gives needs no value, and a value set back to nothing (an emptied
        // text where the constructor puts one) is written rather than lost.
        std::unique_ptr<TComponent, void (*)(TComponent*)> blank(
            ancestor ? nullptr : BlankOf(Instance), [](TComponent* c) { c->Free(); });
        ScopedValue<std::string> path(FPropPath, std::string());
        ScopedValue<TPersistent*> against(FAncestor, ancestor ? ancestor : blank.get());
        const int64_t properties = Position();
        WriteProperties(Instance);
        if (Instance == FRoot) WriteDeletedComponents();
        changed = Position() != properties;
    }
    WriteListEnd();
    if (!FIgnoreChildren) {
        const int64_t children = Position();
        WriteInheritedChildren(Instance, ancestor);
        changed = changed || Position() != children;
    }
    WriteListEnd();
    // An inherited component with nothing changed in or below it has no record at all.
    if (ancestor && childPos < 0 && !changed && Instance != FRoot) Truncate(start);
}

void TWriter::WriteInheritedChildren(TComponent* Instance, TComponent* Ancestor) {
    const std::vector<TComponent*> mine = ChildrenOf(Instance, FRoot);
    const std::vector<TComponent*> theirs =
        Ancestor ? ChildrenOf(Ancestor, FRootAncestor) : std::vector<TComponent*>();
    std::vector<TComponent*> counterparts(mine.size(), nullptr);
    for (size_t i = 0; i < mine.size(); ++i)
        if (!mine[i]->Name().empty())
            counterparts[i] = FRootAncestor->FindComponent(mine[i]->Name());
    // The order of the children both have: where it differs, those out of place carry their
    // position. Children the ancestor lacks here always do, so that they land where they were.
    std::vector<size_t> sharedMine;
    std::set<TComponent*> sharedTheirs;
    for (size_t i = 0; i < mine.size(); ++i)
        if (counterparts[i] && std::find(theirs.begin(), theirs.end(), counterparts[i]) != theirs.end()) {
            sharedMine.push_back(i);
            sharedTheirs.insert(counterparts[i]);
        }
    std::vector<TComponent*> theirOrder;
    for (TComponent* c : theirs)
        if (sharedTheirs.contains(c)) theirOrder.push_back(c);
    // A child whose counterpart has another parent (or none) moves too: it carries its place.
    std::vector<bool> moved(mine.size(), true);
    for (size_t k = 0; k < sharedMine.size(); ++k)
        moved[sharedMine[k]] = counterparts[sharedMine[k]] != theirOrder[k];
    for (size_t i = 0; i < mine.size(); ++i) {
        FNextAncestor = counterparts[i];
        FNextChildPos = Ancestor && moved[i] ? static_cast<int>(i) : -1;
        WriteComponent(mine[i]);
    }
}

void TWriter::WriteDeletedComponents() {
    std::vector<std::string> mine, theirs;
    CollectNames(FRoot, FRoot, mine);
    CollectNames(FRootAncestor, FRootAncestor, theirs);
    std::set<std::string> present;
    for (const std::string& name : mine)
        present.insert(LowerCase(name));
    std::vector<std::string> deleted;
    for (const std::string& name : theirs)
        if (!present.contains(LowerCase(name))) deleted.push_back(name);
    if (deleted.empty()) return;
    WritePropName(DeletedComponentsProperty);
    WriteListBegin();
    for (const std::string& name : deleted)
        WriteString(name);
    WriteListEnd();
}

void TWriter::WriteChangedProperty(TPersistent* Instance, const TPropInfo* PropInfo) {
    if (Instance == FRoot && FPropPath.empty())
        for (const std::string& name : IgnoredRootProperties)
            if (SameText(name, PropInfo->Name)) return;
    TPersistent* ancestor = FAncestor;
    const TPropInfo* theirs = GetPropInfo(ancestor, PropInfo->Name);
    if (!theirs || theirs->PropType->Kind != PropInfo->PropType->Kind) {
        // Nothing to compare with: the value is written as it would be without an ancestor.
        ScopedValue<TPersistent*> none(FAncestor, nullptr);
        WriteProperty(Instance, PropInfo);
        return;
    }
    if (PropInfo->PropType->Kind == tkClass) {
        auto* mine = Cast<TPersistent>(GetObjectProp(Instance, PropInfo));
        auto* their = Cast<TPersistent>(GetObjectProp(ancestor, theirs));
        if (mine && their && mine->ClassType() == their->ClassType() && !Cast<TComponent>(mine) &&
            !Cast<TCollection>(mine)) {
            // A nested object (a font, a string list) is compared value by value.
            ScopedValue<TPersistent*> nested(FAncestor, their);
            WriteObjectProperty(Instance, PropInfo);
            return;
        }
    }
    // References, collections and plain values are compared as written.
    const std::string mine = Rendered(FRoot, [&](TWriter& w) { w.WriteProperty(Instance, PropInfo); });
    const std::string their =
        Rendered(FRootAncestor, [&](TWriter& w) { w.WriteProperty(ancestor, theirs); });
    if (mine != their) WriteBytes(mine);
}

void TWriter::WriteChangedDefined(const std::string& Name, const TWriterProc& WriteData,
                                  bool HasData) {
    const std::string their = AncestorDefined(Name);
    if (!HasData && their.empty()) return;
    // Written even without data when the ancestor has some: an emptied list must empty it.
    const std::string mine = Rendered(FRoot, [&](TWriter& w) {
        w.WritePropName(Name);
        WriteData(&w);
    });
    if (mine != their) WriteBytes(mine);
}

std::string TWriter::AncestorDefined(const std::string& Name) const {
    return Rendered(FRootAncestor, [&](TWriter& w) {
        w.FCaptureName = Name;
        FAncestor->DefineProperties(&w);
    });
}

std::string TWriter::Rendered(TComponent* Root, const std::function<void(TWriter&)>& Write) const {
    TMemoryStream stream;
    {
        TWriter writer(&stream, 256);
        writer.FRoot = Root;
        writer.FLookupRoot = Root == FRoot ? FLookupRoot : Root;
        writer.FPropPath = FPropPath;
        writer.FNesting = FNesting;
        writer.FWriteDefaults = true;
        Write(writer);
        writer.FlushBuffer();
    }
    return std::string(static_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
}

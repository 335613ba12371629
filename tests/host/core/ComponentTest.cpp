// Component names, ownership and notifications.
#include <gtest/gtest.h>

#include "host/core/Component.h"

namespace {

/// Keeps a raw pointer to another component and forgets it when told it is going.
class THolder : public TComponent {
    ZK_CLASS(THolder, TComponent)
    using TComponent::TComponent;
    void Hold(TComponent* c) {
        Held = c;
        if (c) c->FreeNotification(this);
    }
    void Notification(TComponent* AComponent, TOperation Operation) override {
        inherited::Notification(AComponent, Operation);
        Events.push_back((Operation == opInsert ? "+" : "-") + AComponent->Name());
        if (Operation == opRemove && AComponent == Held) Held = nullptr;
    }
    TComponent* Held = nullptr;
    std::vector<std::string> Events;
};

/// An owner that lets names repeat, as a descendant's ValidateRename may.
class TLenientOwner : public TComponent {
    ZK_CLASS(TLenientOwner, TComponent)
    using TComponent::TComponent;

protected:
    void ValidateRename(TComponent*, const std::string&, const std::string&) override {}
};

} // namespace

ZK_IMPLEMENT_CLASS(THolder, TComponent, nullptr)
ZK_IMPLEMENT_CLASS(TLenientOwner, TComponent, nullptr)

TEST(Component, NameMustBeAnIdentifierOrEmpty) {
    TComponent c(nullptr);
    struct Case {
        const char* name;
        bool valid;
    } cases[] = {{"Button1", true}, {"_x", true},   {"", true},      {"1abc", false},
                 {"a b", false},    {"a-b", false}, {"标题", false}, {"a.b", false}};
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        if (k.valid) {
            c.SetName(k.name);
            EXPECT_EQ(c.Name(), k.name);
        } else {
            try {
                c.SetName(k.name);
                ADD_FAILURE() << "accepted";
            } catch (const EComponentError& e) {
                EXPECT_EQ(e.Message(),
                          "“" + std::string(k.name) + "”不是有效的组件名");
            }
        }
    }
}

TEST(Component, NameIsUniqueAmongTheOwnersComponentsRegardlessOfCase) {
    TComponent owner(nullptr);
    auto* a = new TComponent(&owner);
    auto* b = new TComponent(&owner);
    a->SetName("Edit1");
    try {
        b->SetName("EDIT1");
        FAIL();
    } catch (const EComponentError& e) {
        EXPECT_EQ(e.Message(), "名称重复：已有名为“EDIT1”的组件");
    }
    EXPECT_EQ(b->Name(), "");
    a->SetName("edit1"); // renaming to a different case of its own name is fine
    EXPECT_EQ(a->Name(), "edit1");
    b->SetName("");
    auto* c = new TComponent(&owner);
    (void)c; // two unnamed components do not clash
    EXPECT_EQ(owner.FindComponent("EDIT1"), a);
    EXPECT_EQ(owner.FindComponent(""), nullptr);

    // A named component cannot join an owner that has its name already.
    TComponent other(nullptr);
    auto* d = new TComponent(&other);
    d->SetName("Edit1");
    EXPECT_THROW(owner.InsertComponent(d), EComponentError);
    EXPECT_EQ(d->Owner(), &other);
}

TEST(Component, NamesAreFoundThroughRenamesMovesAndFrees) {
    TComponent owner(nullptr), other(nullptr);
    auto* a = new TComponent(&owner);
    a->SetName("Alpha");
    a->SetName("Beta");
    EXPECT_EQ(owner.FindComponent("alpha"), nullptr);
    EXPECT_EQ(owner.FindComponent("BETA"), a);
    // Named before it has an owner, then moved between owners.
    auto* loose = new TComponent(nullptr);
    loose->SetName("Loose");
    owner.InsertComponent(loose);
    EXPECT_EQ(owner.FindComponent("loose"), loose);
    other.InsertComponent(loose);
    EXPECT_EQ(owner.FindComponent("Loose"), nullptr);
    EXPECT_EQ(other.FindComponent("Loose"), loose);
    // Gone, its name is free again.
    a->Free();
    EXPECT_EQ(owner.FindComponent("Beta"), nullptr);
    auto* b = new TComponent(&owner);
    b->SetName("Beta");
    EXPECT_EQ(owner.FindComponent("beta"), b);
    b->SetName("");
    EXPECT_EQ(owner.FindComponent("Beta"), nullptr);
}

TEST(Component, RepeatedNamesFindTheFirstInComponentOrder) {
    TLenientOwner owner(nullptr);
    auto* a = new TComponent(&owner);
    auto* b = new TComponent(&owner);
    a->SetName("Same");
    b->SetName("SAME");
    EXPECT_EQ(owner.FindComponent("same"), a);
    b->SetComponentIndex(0);
    EXPECT_EQ(owner.FindComponent("same"), b);
    b->Free();
    EXPECT_EQ(owner.FindComponent("same"), a);
}

TEST(Component, OwnerListsComponentsAndMovesThem) {
    TComponent owner(nullptr), other(nullptr);
    auto* a = new TComponent(&owner);
    auto* b = new TComponent(&owner);
    auto* c = new TComponent(&owner);
    EXPECT_EQ(owner.ComponentCount(), 3);
    EXPECT_EQ(c->ComponentIndex(), 2);
    c->SetComponentIndex(0);
    EXPECT_EQ(owner.Components(0), c);
    EXPECT_EQ(owner.Components(1), a);
    EXPECT_THROW(owner.Components(3), EListError);
    other.InsertComponent(b);
    EXPECT_EQ(b->Owner(), &other);
    EXPECT_EQ(owner.ComponentCount(), 2);
    EXPECT_EQ(other.ComponentCount(), 1);
    TComponent loose(nullptr);
    EXPECT_EQ(loose.ComponentIndex(), -1);
}

TEST(Component, FreeNotificationReachesHoldersInBothDirections) {
    auto* holder = new THolder(nullptr);
    auto* held = new TComponent(nullptr);
    held->SetName("Held");
    holder->Hold(held);
    held->Free();
    EXPECT_EQ(holder->Held, nullptr);
    ASSERT_FALSE(holder->Events.empty());
    EXPECT_EQ(holder->Events.back(), "-Held");

    // The holder going first must not leave the held component with a dangling link.
    auto* held2 = new TComponent(nullptr);
    holder->Hold(held2);
    holder->Free();
    held2->Free();
}

TEST(Component, OwnerHearsInsertAndRemoveOfItsComponents) {
    THolder owner(nullptr);
    auto* c = new TComponent(&owner);
    c->SetName("C");
    owner.RemoveComponent(c);
    delete c;
    ASSERT_EQ(owner.Events.size(), 2u);
    EXPECT_EQ(owner.Events[0], "+"); // inserted before it was named
    EXPECT_EQ(owner.Events[1], "-C");
}

TEST(Component, StateFlagsFollowDesigningAndDestroying) {
    TComponent owner(nullptr);
    auto* child = new TComponent(&owner);
    owner.SetDesigning(true);
    EXPECT_TRUE(child->ComponentState().Contains(csDesigning));
    auto* late = new TComponent(&owner);
    EXPECT_TRUE(late->ComponentState().Contains(csDesigning));
    owner.SetDesigning(false);
    EXPECT_FALSE(child->ComponentState().Contains(csDesigning));
    owner.Destroying();
    EXPECT_TRUE(child->ComponentState().Contains(csDestroying));
}

TEST(Component, PublishesNameAndTag) {
    TComponent c(nullptr);
    const TPropList& props = GetPropList(&c);
    ASSERT_EQ(props.size(), 2u);
    EXPECT_EQ(props[0]->Name, "Name");
    EXPECT_EQ(props[1]->Name, "Tag");
    SetPropValue(&c, "Tag", Variant("-42"));
    EXPECT_EQ(c.Tag(), -42);
    SetPropValue(&c, "name", Variant("Panel1"));
    EXPECT_EQ(c.Name(), "Panel1");
    EXPECT_FALSE(IsStoredProp(&c, props[0]));
}

// Class references, the class registry and the Free protocol.
#include <gtest/gtest.h>

#include "host/core/Component.h"

namespace {

/// Records the order of destruction events into a shared log.
class TTraced : public TComponent {
    ZK_CLASS(TTraced, TComponent)
    explicit TTraced(TComponent* owner, std::vector<std::string>* log = nullptr)
        : TComponent(owner), Log(log) {}
    ~TTraced() override {
        if (Log) Log->push_back("~" + Name());
    }
    void BeforeDestruction() override {
        if (Log) Log->push_back("before " + Name() + (FirstChildAlive() ? " children alive" : ""));
        inherited::BeforeDestruction();
    }
    bool FirstChildAlive() const { return ComponentCount() > 0 && !Components(0)->Name().empty(); }
    std::vector<std::string>* Log;
};

class TTracedChild : public TTraced {
    ZK_CLASS(TTracedChild, TTraced)
    using TTraced::TTraced;
};

/// Abstract classes have a class reference but no virtual constructor.
class TAbstractThing : public TComponent {
    ZK_CLASS(TAbstractThing, TComponent)
    using TComponent::TComponent;
    virtual void Pure() = 0;
};

} // namespace

ZK_IMPLEMENT_CLASS(TTraced, TComponent, nullptr)
ZK_IMPLEMENT_CLASS(TTracedChild, TTraced, nullptr)
ZK_IMPLEMENT_CLASS(TAbstractThing, TComponent, nullptr)

TEST(Object, ClassTestsIncludeDescendants) {
    TTracedChild c(nullptr);
    EXPECT_EQ(c.ClassName(), "TTracedChild");
    EXPECT_EQ(c.ClassType(), TTracedChild::StaticClass());
    EXPECT_EQ(c.ClassType()->ClassParent(), TTraced::StaticClass());
    EXPECT_TRUE(c.InheritsFrom(TComponent::StaticClass()));
    EXPECT_TRUE(c.Is<TObject>());
    EXPECT_FALSE(TTraced(nullptr).Is<TTracedChild>());
    EXPECT_EQ(Cast<TTraced>(&c), &c);
    TComponent plain(nullptr);
    EXPECT_EQ(Cast<TTraced>(&plain), nullptr);
    try {
        As<TTraced>(&plain);
        ADD_FAILURE() << "no EInvalidCast";
    } catch (const EInvalidCast& e) {
        EXPECT_EQ(e.Message(), "无效的类型转换：TComponent 不是 TTraced");
    }
    EXPECT_EQ(As<TTraced>(nullptr), nullptr);
}

TEST(Object, VirtualConstructorMakesTheRealClassWithItsOwner) {
    TComponent owner(nullptr);
    TClass cls = TTracedChild::StaticClass();
    TObject* obj = cls->Create(&owner);
    ASSERT_TRUE(obj->Is<TTracedChild>());
    EXPECT_EQ(static_cast<TComponent*>(obj)->Owner(), &owner);
    EXPECT_EQ(owner.ComponentCount(), 1);
    EXPECT_THROW(TAbstractThing::StaticClass()->Create(&owner), EInvalidOperation);
}

TEST(Object, RegistryFindsClassesRegardlessOfCase) {
    RegisterClasses({TTraced::StaticClass(), TTracedChild::StaticClass()});
    EXPECT_EQ(FindClass("ttracedchild"), TTracedChild::StaticClass());
    EXPECT_EQ(GetClass("TTRACED"), TTraced::StaticClass());
    EXPECT_EQ(GetClass("TNoSuchClass"), nullptr);
    try {
        FindClass("TNoSuchClass");
        FAIL();
    } catch (const EClassNotFound& e) {
        EXPECT_EQ(e.Message(), "找不到类“TNoSuchClass”");
    }
    UnRegisterClass(TTraced::StaticClass());
    EXPECT_EQ(GetClass("TTraced"), nullptr);
    UnRegisterClass(TTracedChild::StaticClass());
}

TEST(Object, FreeRunsBeforeDestructionWhileOwnedComponentsAreWhole) {
    std::vector<std::string> log;
    auto* parent = new TTraced(nullptr, &log);
    parent->SetName("Parent");
    auto* a = new TTraced(parent, &log);
    a->SetName("A");
    auto* b = new TTraced(parent, &log);
    b->SetName("B");
    parent->Free();
    // The parent hears BeforeDestruction with its children alive; owned components are
    // then freed last first, each through Free, before the parent's own destructor ends.
    std::vector<std::string> expected = {
        "before Parent children alive", "before B", "~B", "before A", "~A", "~Parent"};
    EXPECT_EQ(log, expected);
}

TEST(Object, FreeAndNilClearsThePointerBeforeFreeing) {
    auto* c = new TComponent(nullptr);
    FreeAndNil(c);
    EXPECT_EQ(c, nullptr);
    FreeAndNil(c); // a null pointer is left alone
}

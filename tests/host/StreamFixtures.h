#pragma once
// Test-only classes that publish one property of every kind the component stream carries,
// nest like controls do, and record what the reader does to them.

#include <string>
#include <vector>

#include "host/core/Collection.h"
#include "host/core/Component.h"
#include "host/core/Strings.h"
#include "host/streaming/Filer.h"

enum TFixKind { fkNone, fkAlpha, fkBeta, fkGamma };
using TFixKinds = TSet<TFixKind>;
ZK_DECLARE_TYPEINFO(TFixKind)
ZK_DECLARE_TYPEINFO(TFixKinds)
/// An integer type whose well-known values have names (like colours): fxRed = 0xFF.
const TTypeInfo* FixColorType();

/// A nested persistent object, streamed as dotted names (`Font.Name`).
class TFixFont : public TPersistent {
    ZK_CLASS(TFixFont, TPersistent)
    std::string Name = "Sans";
    int32_t Size = 10;
    TFixKinds Style;
    int32_t Color = 0;
    void Assign(TPersistent* Source) override;
};

/// A collection item with a string and an integer always stored.
class TFixItem : public TCollectionItem {
    ZK_CLASS(TFixItem, TCollectionItem)
    std::string Caption;
    int32_t Width = 0;
    TFixItem() = default;
    void Assign(TPersistent* Source) override;
};

/// A collection that counts the change notifications it receives.
class TFixItems : public TCollection {
    ZK_CLASS(TFixItems, TCollection)
    TFixItems() : TCollection(TFixItem::StaticClass()) {}
    explicit TFixItems(TPersistent* Owner) : TCollection(TFixItem::StaticClass(), Owner) {}
    TFixItem* Item(int i) const { return static_cast<TFixItem*>(Items(i)); }
    int Updates = 0;

protected:
    void Update(TCollectionItem* Item) override {
        (void)Item;
        ++Updates;
    }
};

class TFixWidget;

/// Holds child widgets in z-order and streams those the root owns inside its record.
class TFixContainer : public TComponent {
    ZK_CLASS(TFixContainer, TComponent)
    explicit TFixContainer(TComponent* AOwner) : TComponent(AOwner) {}
    ~TFixContainer() override;
    std::vector<TFixWidget*> Controls;
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
    void SetChildOrder(TComponent* Child, int Order) override;
    /// Components whose Loaded ran, in order, shared by the whole tree.
    static std::vector<std::string>& LoadedLog();
    void Loaded() override;
    bool LoadingSeenBySetter = false;
};

/// A control-like component with a published property of every kind.
class TFixWidget : public TFixContainer {
    ZK_CLASS(TFixWidget, TFixContainer)
    ZK_NOTIFICATION_IGNORES_INSERTIONS(TFixWidget)
    explicit TFixWidget(TComponent* AOwner);
    ~TFixWidget() override;

    int32_t Left = 0; // always stored (no default)
    int32_t Count = 0;
    int64_t Big = 0;
    double Ratio = 0;
    float Scale = 0;
    TDateTime When = 0;
    bool Flag = false;
    bool Enabled = true;
    TFixKind Kind = fkNone;
    TFixKinds Kinds;
    std::string Caption;
    std::string Hint;
    int32_t Letter = 0;
    int32_t Color = 0;
    Variant Value;
    TFixFont* Font() const { return FFont; }
    void SetFont(TFixFont* Value) { FFont->Assign(Value); }
    TStrings* Lines() const { return FLines; }
    void SetLines(TStrings* Value) { FLines->Assign(Value); }
    TFixItems* Items() const { return FItems; }
    void SetItems(TFixItems* Value) { FItems->Assign(Value); }
    TComponent* Buddy() const { return FBuddy; }
    void SetBuddy(TComponent* Value);
    TNotifyEvent OnClick;
    /// Bytes streamed as the binary defined property "Data".
    std::string Data;

    TFixContainer* ParentContainer() const { return FParent; }
    void SetParentContainer(TFixContainer* Value);
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override { return FParent; }
    void SetParentComponent(TComponent* Value) override;
    void DefineProperties(TFiler* Filer) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    void SetCaption(const std::string& Value);

private:
    TFixFont* FFont;
    TStrings* FLines;
    TFixItems* FItems;
    TComponent* FBuddy = nullptr;
    TFixContainer* FParent = nullptr;
};

/// A non-visual component: listed by the form after its controls.
class TFixTimer : public TComponent {
    ZK_CLASS(TFixTimer, TComponent)
    explicit TFixTimer(TComponent* AOwner) : TComponent(AOwner) {}
    int32_t Interval = 1000;
    TComponent* Target = nullptr;
};

/// The root: owns everything, lists its controls then its non-visual components, and
/// publishes event handlers.
class TFixForm : public TFixContainer {
    ZK_CLASS(TFixForm, TFixContainer)
    explicit TFixForm(TComponent* AOwner = nullptr) : TFixContainer(AOwner) {}
    std::string Caption;
    TComponent* ActiveControl = nullptr;
    int Clicks = 0;
    void WidgetClick(TObject* Sender);
    void OtherClick(TObject* Sender);
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
};

/// Registers the fixture classes with the class registry (idempotent).
void RegisterStreamFixtures();

/// The sample form of the round-trip tests: every property kind with non-default values.
TFixForm* MakeSampleForm();

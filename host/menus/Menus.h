#pragma once
// Menus: trees of menu items, the main menu a form shows as its menu bar, popup menus shown by
// a replaceable runner (a real QMenu by default), and shortcut keys.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "host/controls/Controls.h"
#include "host/core/Component.h"

class EMenuError : public Exception {
public:
    using Exception::Exception;
};

// ---- Shortcut keys --------------------------------------------------------------------------

/// A key with its modifiers as a menu item shows and takes it: the virtual-key code in the low
/// byte, scShift, scCtrl and scAlt above it.
using TShortCut = uint16_t;
inline constexpr TShortCut scNone = 0;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;

TShortCut ShortCut(uint16_t Key, TShiftState Shift);
void ShortCutToKey(TShortCut ShortCut, uint16_t& Key, TShiftState& Shift);
/// "Ctrl+S", "Shift+F10", "Del"; "" for scNone.
std::string ShortCutToText(TShortCut ShortCut);
/// The shortcut ShortCutToText writes as Text (any letter case); scNone when unknown.
TShortCut TextToShortCut(const std::string& Text);

namespace TypeInfos {
const TTypeInfo* TShortCut();
} // namespace TypeInfos

enum TPopupAlignment { paLeft, paRight, paCenter };
ZK_DECLARE_TYPEINFO(TPopupAlignment)

class TMenu;
class TMenuItem;

/// Tells a menu's owner that an item (null: the whole menu) changed; Rebuild when the tree did.
using TMenuChangeEvent = TEvent<void(TObject* Sender, TMenuItem* Source, bool Rebuild)>;
ZK_DECLARE_TYPEINFO(TMenuChangeEvent)

// ---- Items ------------------------------------------------------------------------------------

/// One entry of a menu: a command, a separator (Caption "-"), or a submenu of items of its own.
class TMenuItem : public TComponent {
    ZK_CLASS(TMenuItem, TComponent)
    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;

    int Count() const { return static_cast<int>(FItems.size()); }
    /// EMenuError outside 0..Count-1.
    TMenuItem* Items(int Index) const;
    /// Appends Item, taking it from the item that held it before.
    void Add(TMenuItem* Item);
    void Insert(int Index, TMenuItem* Item);
    /// Takes the item at Index out of this one; it is not freed.
    void Delete(int Index);
    void Remove(TMenuItem* Item);
    /// Frees every child item.
    void Clear();
    int IndexOf(const TMenuItem* Item) const;
    /// The child whose caption, without its '&', is ACaption (any letter case), or null.
    TMenuItem* Find(const std::string& ACaption) const;
    TMenuItem* Parent() const { return FParent; }
    int MenuIndex() const;
    void SetMenuIndex(int Value);
    /// The menu whose tree holds this item, or null.
    TMenu* GetParentMenu() const;
    bool IsLine() const { return FCaption == "-"; }

    const TCaption& Caption() const { return FCaption; }
    void SetCaption(const TCaption& Value);
    bool Checked() const { return FChecked; }
    /// Checking a radio item unchecks the radio items of its group among its siblings.
    void SetChecked(bool Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    /// Shown in bold: the command a double click would run.
    bool Default() const { return FDefault; }
    void SetDefault(bool Value);
    bool RadioItem() const { return FRadioItem; }
    void SetRadioItem(bool Value);
    /// Clicking the item toggles Checked.
    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool Value) { FAutoCheck = Value; }
    uint8_t GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(uint8_t Value);
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut Value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }

    TNotifyEvent OnClick;
    /// What choosing the item does: AutoCheck toggles Checked, then OnClick runs.
    virtual void Click();

    // Streaming: an item's children are written inside its record.
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;
    void SetChildOrder(TComponent* Child, int Order) override;

protected:
    /// Tells the menu holding the item of a change; Rebuild when items came or went.
    void MenuChanged(bool Rebuild);

private:
    friend class TMenu;
    void TurnSiblingsOff();

    TMenuItem* FParent = nullptr;
    /// The menu whose root item this is.
    TMenu* FMenu = nullptr;
    std::vector<TMenuItem*> FItems;
    TCaption FCaption;
    bool FChecked = false;
    bool FEnabled = true;
    bool FVisible = true;
    bool FDefault = false;
    bool FRadioItem = false;
    bool FAutoCheck = false;
    uint8_t FGroupIndex = 0;
    TShortCut FShortCut = scNone;
    std::string FHint;
};

// ---- Menus ------------------------------------------------------------------------------------

/// A tree of menu items below a root item (Items) that the menu owns and frees.
class TMenu : public TComponent {
    ZK_CLASS(TMenu, TComponent)
    explicit TMenu(TComponent* AOwner);
    ~TMenu() override;
    void BeforeDestruction() override;

    TMenuItem* Items() const { return FItems; }
    /// The visible, enabled item (at any depth) with this shortcut, or null.
    TMenuItem* FindShortCut(TShortCut Value) const;
    /// Clicks the item with this shortcut; false when there is none.
    bool IsShortCut(TShortCut Value);

    TMenuChangeEvent OnChange;

    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
    void SetChildOrder(TComponent* Child, int Order) override;

protected:
    friend class TMenuItem;
    virtual void MenuChanged(TMenuItem* Source, bool Rebuild);

private:
    TMenuItem* FItems;
};

/// The menu bar of a form (TCustomForm::Menu): a real menu bar across the top of the form.
class TMainMenu : public TMenu {
    ZK_CLASS(TMainMenu, TMenu)
    explicit TMainMenu(TComponent* AOwner);
    void BeforeDestruction() override;

    /// The form window whose menu bar shows this menu, or null.
    HWND WindowHandle() const { return FWindowHandle; }
    /// Shows the menu as the bar of that window (null takes it off).
    void SetWindowHandle(HWND Value);

protected:
    void MenuChanged(TMenuItem* Source, bool Rebuild) override;

private:
    HWND FWindowHandle = nullptr;
};

/// A menu shown at a screen point: by Popup, or by a right click on a control whose PopupMenu
/// it is (AutoPopup).
class TPopupMenu : public TMenu {
    ZK_CLASS(TPopupMenu, TMenu)
    ZK_NOTIFICATION_IGNORES_INSERTIONS(TPopupMenu)
    explicit TPopupMenu(TComponent* AOwner);

    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool Value) { FAutoPopup = Value; }
    TPopupAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TPopupAlignment Value) { FAlignment = Value; }
    /// The control the menu was last shown for.
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* Value);
    /// The screen point of the last Popup.
    TPoint PopupPoint() const { return FPopupPoint; }

    /// Runs OnPopup, then shows the items as they are then at (X, Y), in screen coordinates,
    /// until the user chooses one (whose Click runs) or dismisses the menu.
    virtual void Popup(int X, int Y);

    TNotifyEvent OnPopup;
    TNotifyEvent OnClose;

protected:
    virtual void DoPopup(TObject* Sender);
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    bool FAutoPopup = true;
    TPopupAlignment FAlignment = paLeft;
    TComponent* FPopupComponent = nullptr;
    TPoint FPopupPoint;
};

/// Shows a popup menu's items at a screen point and answers the item chosen, or null when the
/// menu was dismissed. The default builds a real QMenu from the items and runs it.
using TPopupMenuRunner = std::function<TMenuItem*(TPopupMenu* Menu, TPoint Pos)>;
/// Replaces how popup menus are shown (an empty runner restores the QMenu); answers the
/// runner that was in place.
TPopupMenuRunner SetPopupMenuRunner(TPopupMenuRunner Runner);

/// The caption without the '&' that marks its access key ("&&" stays one '&').
std::string StripHotkey(const std::string& Caption);

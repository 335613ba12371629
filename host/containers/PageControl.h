#pragma once
// Page controls: a row of tabs, one per page, over the page that the selected tab shows.

#include <vector>

#include "host/controls/Controls.h"

enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
enum TTabStyle { tsTabs, tsButtons, tsFlatButtons };
using TTabChangingEvent = TEvent<void(TObject* Sender, bool& AllowChange)>;

ZK_DECLARE_TYPEINFO(TTabPosition)
ZK_DECLARE_TYPEINFO(TTabStyle)
namespace TypeInfos {
/// The event type of OnChanging (its signature is also another event's, so it is named here).
const TTypeInfo* TTabChangingEvent();
} // namespace TypeInfos

class TPageControl;

/// A tab control: the native tab row and the framed area below it, where aligned children go.
/// A click on a tab asks OnChanging, then selects the tab and reports OnChange.
class TCustomTabControl : public TWinControl {
    ZK_CLASS(TCustomTabControl, TWinControl)
    explicit TCustomTabControl(TComponent* AOwner);

    /// The selected tab, -1 for none.
    int TabIndex() const { return FTabIndex; }
    void SetTabIndex(int Value);
    /// Tabs in as many rows as they need rather than one scrolled row; the page area gives
    /// up the space the further rows take.
    bool MultiLine() const { return FMultiLine; }
    void SetMultiLine(bool Value);
    /// The number of rows of tabs (1 without a window).
    int RowCount();
    TTabPosition TabPosition() const { return FTabPosition; }
    void SetTabPosition(TTabPosition Value);
    TTabStyle Style() const { return FStyle; }
    void SetStyle(TTabStyle Value);
    /// The area inside the frame, under the tabs, in client coordinates.
    TRect DisplayRect() const;
    /// The tab at a client point, or -1.
    int IndexOfTabAt(int X, int Y);
    /// The rectangle of a tab in client coordinates.
    TRect TabRect(int Index);
    /// The number of tabs shown.
    virtual int TabCount() const = 0;

    void AdjustClientRect(TRect& Rect) const override;
    /// Handles the tab row's notifications.
    void Dispatch(TMessage& Message) override;

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    /// Asks OnChanging whether the selected tab may change.
    virtual bool CanChange();
    /// The selected tab changed by the user: reports OnChange.
    virtual void Change();
    /// The captions of the tabs, in order.
    virtual std::vector<std::string> TabCaptions() const = 0;
    /// Shows the tabs and the selection on the window again.
    void UpdateTabs();
    void WMSize(TWMSize& Message) override;
    void CMFontChanged(TMessage& Message) override;

    int FTabIndex = -1;

private:
    void CNNotify(TWMNotify& Message);

    bool FMultiLine = false;
    TTabPosition FTabPosition = tpTop;
    TTabStyle FStyle = tsTabs;
};

/// A page of a page control: a container shown while its tab is selected.
class TTabSheet : public TWinControl {
    ZK_CLASS(TTabSheet, TWinControl)
    explicit TTabSheet(TComponent* AOwner);
    void BeforeDestruction() override;

    TPageControl* PageControl() const { return FPageControl; }
    /// Moves the page into a page control (its parent becomes that control), adding its tab.
    void SetPageControl(TPageControl* APageControl);
    /// The position among the page control's pages.
    int PageIndex() const;
    void SetPageIndex(int Value);
    /// The position among the tabs shown, -1 when the tab is hidden.
    int TabIndex() const;
    bool TabVisible() const { return FTabVisible; }
    void SetTabVisible(bool Value);
    int32_t ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int32_t Value) { FImageIndex = Value; }

    /// Streams read a page inside its page control's record.
    void SetParentComponent(TComponent* Value) override;
    TComponent* GetParentComponent() const override;
    bool HasParent() const override { return true; }

protected:
    void CreateParams(TCreateParams& Params) override;
    void CMTextChanged(TMessage& Message) override;

private:
    friend class TPageControl;
    TPageControl* FPageControl = nullptr;
    bool FTabVisible = true;
    int32_t FImageIndex = 0;
};

/// A page control: pages (TTabSheet) with a tab each; selecting a tab shows its page.
class TPageControl : public TCustomTabControl {
    ZK_CLASS(TPageControl, TCustomTabControl)
    ZK_NOTIFICATION_IGNORES_INSERTIONS(TPageControl)
    explicit TPageControl(TComponent* AOwner);
    ~TPageControl() override;
    void BeforeDestruction() override;

    int PageCount() const { return static_cast<int>(FPages.size()); }
    TTabSheet* Pages(int Index) const;
    TTabSheet* ActivePage() const { return FActivePage; }
    /// Shows Page (one of this control's pages, or null for none) and selects its tab.
    void SetActivePage(TTabSheet* Page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int Value);
    /// The next (or previous) page after CurPage, wrapping; only pages with a tab when
    /// CheckTabVisible.
    TTabSheet* FindNextPage(TTabSheet* CurPage, bool GoForward, bool CheckTabVisible) const;
    void SelectNextPage(bool GoForward);
    int TabCount() const override;
    /// The page whose tab is at Index among the tabs shown.
    TTabSheet* PageForTab(int Index) const;

    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
    void SetChildOrder(TComponent* Child, int Order) override;

protected:
    /// Ctrl+Tab and Ctrl+Shift+Tab turn to the next and previous page while the focus is in
    /// the page control.
    void CMDialogKey(TWMKey& Message) override;
    /// A page's caption accelerator selects its tab, as a click on the tab does.
    void CMDialogChar(TWMKey& Message) override;
    void Change() override;
    std::vector<std::string> TabCaptions() const override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* Page);
    void RemovePage(TTabSheet* Page);
    void MovePage(TTabSheet* Page, int Index);
    void ChangeActivePage(TTabSheet* Page);
    /// A page's tab changed (caption, visibility, order).
    void PagesChanged();
    /// Page's tab, which was at OldTab, was shown or hidden.
    void TabShowingChanged(TTabSheet* Page, int OldTab);

    std::vector<TTabSheet*> FPages;
    TTabSheet* FActivePage = nullptr;
};

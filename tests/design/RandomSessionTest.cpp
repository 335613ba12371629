// Random design sessions, deterministic by seed: real clicks, drags, bands, keys, insertions,
// context-menu commands and edits in the docked inspector on a form of nested stock containers,
// with the designer's invariants checked after every event and the session's undo, end and
// save checked at the end.
//
// The short batch (20 sessions of 300 events, in two tests of ten to stay within the test
// timeout under the sanitizers) runs with the tests. A long batch:
//   ZK_SESSIONS=0:100 ZK_SESSION_EVENTS=5000 build-asan/tests/design_tests
//       --gtest_filter='RandomSession.*'   (one line)
// ZK_SESSIONS=SEED:1 repeats one session; every failure names its seed and event.
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <thread>

#include <QTimer>

#include "DesignTesting.h"
#include "PopupMenuTesting.h"
#include "StreamTestUtil.h"
#include "design/ControlSelection.h"
#include "design/DesignControl.h"
#include "design/HandleGeometry.h"
#include "design/OperateHistory.h"
#include "host/containers/GroupBox.h"
#include "host/containers/PageControl.h"
#include "host/containers/Panels.h"
#include "host/containers/ScrollBox.h"
#include "host/core/Stream.h"
#include "host/dialogs/Dialogs.h"
#include "host/stdctrls/StdCtrls.h"
#include "inspector/ObjectInspector.h"

namespace {

/// Hears of every component it watches being destroyed.
class TFreeWatch : public TComponent {
    ZK_CLASS(TFreeWatch, TComponent)
    TFreeWatch() : TComponent(nullptr) {}
    std::set<TComponent*> Gone;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override {
        if (Operation == opRemove) Gone.insert(AComponent);
        TComponent::Notification(AComponent, Operation);
    }
};
ZK_IMPLEMENT_CLASS(TFreeWatch, TComponent, nullptr)

/// What a control looks like from outside, to compare at the start and the end.
struct Start {
    TControl* Control;
    TWinControl* Parent;
    TRect Bounds;
    int TabOrder;
    TAlign Align;
};

constexpr uint32_t ProbeMessage = WM_USER + 77;
/// Room at the form's left for the inspector the session docks there.
constexpr int InspectorRoom = 200;

class RandomSession : public DesignTest {
protected:
    void SetUp() override {
        DesignTest::SetUp();
        Form->SetName("RandomForm");
        Form->SetBounds(100, 100, 640 + InspectorRoom, 460);
        Designer->SetShowInspector(true);
        // A refused inspector edit is reported, not raised: noted here instead of a box.
        Application->SetErrorReport([this](const std::string&) { ++Reports; });
        // A click on a row's dialog button opens a font or colour dialog: answered at once,
        // confirmed or cancelled, as a person would.
        FOldRunner = SetDialogRunner([this](TCommonDialog*) { return Rand(0, 1) == 0; });
        Process();
    }
    void TearDown() override {
        Application->SetErrorReport({});
        SetDialogRunner(FOldRunner);
        ClearScreenLayer();
        DesignTest::TearDown();
    }

    template <class T> T* Make(TWinControl* parent, TRect r) {
        if (parent == Form) OffsetRect(r, InspectorRoom, 0);
        T* c = Add<T>(parent, r);
        c->SetName(std::string(T::StaticClass()->ClassName()).substr(1) + IntToStr(++FNameCount));
        return c;
    }

    /// Nested containers (a panel holding a group box, a page control of two pages, a scroll
    /// box) and a mix of stock controls, each with a window procedure hook that counts a probe.
    void Build() {
        auto* panel = Make<TPanel>(Form, Rect(8, 8, 250, 200));
        auto* group = Make<TGroupBox>(panel, Rect(10, 40, 200, 170));
        Make<TButton>(panel, Rect(10, 8, 90, 33));
        Make<TEdit>(group, Rect(10, 20, 110, 41));
        Make<TCheckBox>(group, Rect(10, 60, 150, 80));
        auto* pages = Make<TPageControl>(Form, Rect(260, 8, 560, 200));
        for (int i = 0; i < 2; ++i) {
            auto* sheet = new TTabSheet(Form);
            sheet->SetName("Sheet" + IntToStr(++FNameCount));
            sheet->SetPageControl(pages);
            Make<TButton>(sheet, Rect(10, 10 + 30 * i, 90, 35 + 30 * i));
            Make<TLabel>(sheet, Rect(100, 10, 160, 25))->SetAutoSize(false);
        }
        pages->SetActivePageIndex(0);
        auto* scroll = Make<TScrollBox>(Form, Rect(8, 210, 250, 380));
        Make<TButton>(scroll, Rect(10, 10, 90, 35));
        Make<TEdit>(scroll, Rect(10, 200, 110, 221)); // beyond the visible part
        Make<TButton>(Form, Rect(300, 230, 380, 255));
        Make<TEdit>(Form, Rect(300, 270, 420, 291));
        // A label that sizes itself takes its own size again when loaded, whatever size the
        // design gave it; the save-and-load check needs sizes that stay.
        Make<TLabel>(Form, Rect(440, 230, 520, 245))->SetAutoSize(false);
        Make<TListBox>(Form, Rect(440, 260, 560, 360));
        Make<TPanel>(Form, Rect(0, 0, 10, 30))->SetAlign(alBottom);
        // Now and then a control the user cannot see or use when the session starts.
        for (int i = 0; i < Form->ComponentCount(); ++i) {
            auto* c = Cast<TControl>(Form->Components(i));
            if (!c || Cast<TTabSheet>(c)) continue;
            if (Rand(0, 11) == 0) c->SetVisible(false);
            if (Rand(0, 11) == 0) c->SetEnabled(false);
        }
        Process(); // sizes that follow the font (edits, labels) settle
        Watch();
    }

    /// Notes every control of the form as it is now, and hooks its window procedure to count
    /// a probe: what the end of the session is checked against.
    void Watch() {
        FStart.clear();
        for (int i = 0; i < Form->ComponentCount(); ++i) {
            auto* c = Cast<TControl>(Form->Components(i));
            if (!c) continue;
            auto* w = Cast<TWinControl>(c);
            FStart.push_back({c, c->Parent(), c->BoundsRect(), w ? w->TabOrder() : -1, c->Align()});
            TWndMethod old = c->WindowProc;
            c->WindowProc = [this, c, old](TMessage& m) {
                if (m.Msg == ProbeMessage) FProbed.insert(c);
                old(m);
            };
        }
    }

    /// Starts a session, now and then in insert mode (which the start must not act on), and
    /// binds the designer's events to handlers that end it when one is armed.
    void StartSession() {
        const bool inserting = Rand(0, 4) == 0;
        if (inserting) {
            Designer->SetInsertClass(TButton::StaticClass());
            Designer->SetDesignState(dsInsert);
        }
        const int components = Form->ComponentCount();
        Designer->OnSelectionChange = [this](TDesignControl*, TChangeType) { EndIfArmed(1); };
        Designer->OnObjectClicked = [this](TDesignControl*) { EndIfArmed(2); };
        Designer->OnDirty = [this](TObject*) { EndIfArmed(3); };
        Begin();
        if (inserting) {
            EXPECT_EQ(Form->ComponentCount(), components) << "the start inserted a control";
            Designer->SetDesignState(dsSelect);
            Designer->SetInsertClass(nullptr);
        }
        EXPECT_TRUE(Errors.empty()) << "the start raised: " << Errors.front();
        FSessionStart.clear();
        for (TDesignControl* o : Overlays())
            FSessionStart[o] = {o->Parent(), Unscrolled(o), o->Visible()};
    }
    void EndIfArmed(int event) {
        if (FArmed != event) return;
        FArmed = 0;
        Designer->EndDesign();
    }

    /// After a session that ended or reloaded mid-way: nothing designed is left, and what the
    /// checks hold of controls that are gone is dropped before anything new can take their
    /// addresses.
    void AfterSessionEnded() {
        Process();
        for (int i = 0; i < Form->ControlCount(); ++i)
            EXPECT_FALSE(Form->Controls(i)->Is<TDesignControl>()) << "an overlay was left";
        std::erase_if(FStart, [this](const Start& s) { return FWatch->Gone.count(s.Control) > 0; });
        for (const Start& s : FStart)
            EXPECT_EQ(s.Control->Parent(), s.Parent) << s.Control->Name();
        // What the inspector changed before stays changed in the next session.
        std::erase_if(FInspected, [this](TControl* c) { return FWatch->Gone.count(c) > 0; });
        FWatch->Gone.clear();
    }

    /// The host frees a designed control (a container with what it holds) in mid-session.
    void HostFree(std::string& what) {
        std::vector<TDesignControl*> live = LiveOverlays();
        std::erase_if(live, [](TDesignControl* o) { return Cast<TTabSheet>(o->Control()); });
        if (live.empty()) return;
        TControl* gone = Pick(live)->Control();
        what = "the host frees " + gone->Name();
        auto inside = [gone](TControl* c) {
            for (; c; c = c->Parent())
                if (c == gone) return true;
            return false;
        };
        for (auto it = FSessionStart.begin(); it != FSessionStart.end();)
            it = inside(it->first->Control()) ? FSessionStart.erase(it) : std::next(it);
        std::erase_if(FStart, [&](const Start& s) { return inside(s.Control); });
        gone->Free();
        Process();
        FWatch->Gone.clear();
    }

    /// Saves mid-session, which writes what ending the session writes, and loads the form
    /// back: every control is made anew, the designer with them.
    void SaveAndLoad() {
        TMemoryStream saved;
        Designer->SaveToStream(&saved);
        EXPECT_TRUE(Designer->IsDesigning()) << "the save ended the session";
        Designer->EndDesign();
        TMemoryStream ended;
        Designer->SaveToStream(&ended);
        // Aligned controls take their places when the form loads (ending the session aligns
        // them at once): the two saves load to the same form.
        ExpectSameBytes(Reloaded(Bytes(saved)), Reloaded(Bytes(ended)),
                        "the save in the session and the one after it load differently");
        AfterSessionEnded();
        saved.SetPosition(0);
        TZkFormDesigner::LoadFromStream(Form, &saved);
        Designer = nullptr;
        for (int i = 0; i < Form->ComponentCount() && !Designer; ++i)
            Designer = Cast<TZkFormDesigner>(Form->Components(i));
        ASSERT_NE(Designer, nullptr) << "the designer did not load back";
        Process();
        FWatch->Gone.clear();
        // Every control is new: the loaded form is the start to compare with.
        FInspected.clear();
        Watch();
        StartSession();
    }

    /// An overlay's bounds in its parent's scrolled area: scrolling (to show a focused
    /// control) moves children without being a design change.
    static TRect Unscrolled(TControl* o) {
        TRect r = o->BoundsRect();
        if (auto* s = Cast<TScrollingWinControl>(o->Parent())) {
            const int dx = s->HorzScrollBar()->Position(), dy = s->VertScrollBar()->Position();
            r = Rect(r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy);
        }
        return r;
    }

    /// Every designer of the session's tree, the root first.
    std::vector<TZkFormDesigner*> Designers() const {
        std::vector<TZkFormDesigner*> out{Designer};
        for (int i = 0; i < Designer->GetDesignerCount(); ++i)
            out.push_back(Designer->GetChildDesigner(i));
        return out;
    }
    std::vector<TDesignControl*> Overlays() const {
        std::vector<TDesignControl*> out;
        for (TZkFormDesigner* d : Designers())
            for (int i = 0; i < d->OverlayCount(); ++i)
                out.push_back(d->Overlay(i));
        return out;
    }
    /// Overlays that take input: not deleted, and shown with every parent.
    std::vector<TDesignControl*> LiveOverlays() const {
        std::vector<TDesignControl*> out;
        for (TDesignControl* o : Overlays()) {
            bool shown = !o->Deleted();
            for (TControl* c = o; shown && c && c != Form; c = c->Parent())
                shown = c->Visible();
            if (shown) out.push_back(o);
        }
        return out;
    }

    void CheckInvariants() {
        std::set<TDesignControl*> flagged;
        for (TDesignControl* o : Overlays()) {
            TControl* c = o->Control();
            ASSERT_NE(c, nullptr);
            ASSERT_EQ(FWatch->Gone.count(c), 0u) << "an overlay covers a destroyed control";
            EXPECT_EQ(c->Parent(), o) << c->Name();
            // A page is wrapped whole, by an overlay without handles that fills its control.
            if (!Cast<TTabSheet>(c)) {
                EXPECT_EQ(c->BoundsRect(), Rect(HandleSize, HandleSize, o->Width() - HandleSize,
                                                o->Height() - HandleSize))
                    << c->Name() << " does not fit its overlay";
            }
            if (o->Selected()) flagged.insert(o);
            c->FreeNotification(FWatch);
        }
        std::set<TDesignControl*> listed;
        TZkControlSelection* sel = Designer->Selection();
        for (int i = 0; i < sel->Count(); ++i)
            EXPECT_TRUE(listed.insert(sel->Get(i)).second) << "an overlay listed twice";
        EXPECT_EQ(listed, flagged) << "the selection list and the overlays' flags differ";
        for (TZkFormDesigner* d : Designers()) {
            TOperateHistory* h = d->History();
            if (!h) continue;
            EXPECT_GE(h->Position(), -1);
            EXPECT_LT(h->Position(), h->Count());
        }
        bool dragging = false;
        for (TZkFormDesigner* d : Designers())
            dragging = dragging || d->IsDragging();
        if (!dragging) {
            EXPECT_TRUE(ScreenFramesShown().empty()) << "a frame left on the screen layer";
        }
        ++Checks;
    }

    /// lo when the range is empty (an inspector dragged wider than the form, a grid of no
    /// width): the distribution's range must not be.
    int Rand(int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, std::max(lo, hi))(FRng);
    }
    template <class T> T Pick(const std::vector<T>& v) {
        return v[static_cast<size_t>(Rand(0, static_cast<int>(v.size()) - 1))];
    }
    Qt::KeyboardModifiers Mods() {
        Qt::KeyboardModifiers m;
        if (Rand(0, 3) == 0) m |= Qt::ControlModifier;
        if (Rand(0, 3) == 0) m |= Qt::ShiftModifier;
        return m;
    }
    TPoint OnControl() {
        std::vector<TDesignControl*> live = LiveOverlays();
        if (live.empty()) return Ground();
        TControl* c = Pick(live)->Control();
        return At(c, Rand(0, std::max(0, c->Width() - 1)), Rand(0, std::max(0, c->Height() - 1)));
    }
    /// Anywhere on the design form: mostly right of the inspector, now and then in its grid.
    TPoint Ground() {
        TObjectInspForm* insp = Designer->Inspector();
        if (insp && insp->Visible() && Rand(0, 4) == 0) {
            TControl* grid = insp->Box;
            return At(grid, Rand(0, grid->Width() - 1), Rand(0, grid->Height() - 1));
        }
        const int left = insp && insp->Visible() ? insp->Width() + 3 : 0;
        return {Rand(left, Form->ClientWidth() - 1), Rand(0, Form->ClientHeight() - 1)};
    }
    /// A value to type into a row: numbers near the form's sizes, the row's own names, the
    /// inspector's yes and no, and text that fits nothing.
    std::string RowText(TProp* prop) {
        switch (Rand(0, 4)) {
        case 0:
            return IntToStr(Rand(-40, 700));
        case 1:
            if (TStringList* names = prop->EnumNames(); names && names->Count() > 0)
                return names->Strings(Rand(0, names->Count() - 1));
            return IntToStr(Rand(0, 200));
        case 2:
            return Rand(0, 1) ? BoolTrueText : BoolFalseText;
        case 3:
            return "";
        default:
            return Pick(
                std::vector<std::string>{"abc", "-", "1e9", "99999999999", "clRed", "按钮"});
        }
    }
    /// A key that reached the inspector's row editor leaves a change there that the next
    /// change of the inspected object commits: that object counts as written by the inspector.
    void NotePendingEdit() {
        TObjectInspForm* insp = Designer->IsDesigning() ? Designer->Inspector() : nullptr;
        if (insp && insp->Edit1->Modified())
            for (TObject* o : insp->CurObjects())
                if (auto* c = Cast<TControl>(o)) FInspected.insert(c);
    }
    /// Writes a row of the inspected control as a commit of the row editor does.
    void InspectorEdit(std::string& what) {
        TObjectInspForm* insp = Designer->Inspector();
        if (!insp || !insp->Visible() || insp->GetCount() == 0) return;
        const int row = Rand(0, insp->GetCount() - 1);
        TProp* prop = insp->Props(row);
        // Tab order and names are what the end of the session is checked against.
        if (prop->PropName() == "TabOrder" || prop->PropName() == "Name") return;
        const std::string text = RowText(prop);
        what = "inspector " + prop->PropName() + " := '" + text + "'";
        for (TObject* o : insp->CurObjects())
            if (auto* c = Cast<TControl>(o)) FInspected.insert(c);
        try {
            // Leaving a row commits what its editor holds, which may be refused too.
            insp->SetItemIndex(row);
            insp->SetItemValue(text);
        } catch (const Exception&) {
            ++Reports;
        }
    }
    TPoint OnHandle() {
        std::vector<TDesignControl*> selected;
        for (TDesignControl* o : LiveOverlays())
            if (o->Selected()) selected.push_back(o);
        if (selected.empty()) return OnControl();
        TDesignControl* o = Pick(selected);
        const TRect r = o->GetHitTestRect(HandleOrder[static_cast<size_t>(Rand(0, 7))], false);
        return At(o, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
    /// Presses at `from` and moves in two steps: the first synchronously (a move or resize
    /// starts the window system's loop there), the rest and the release queued for that loop
    /// or for the band; now and then Esc comes before the release.
    void Drag(TPoint from, Qt::KeyboardModifiers m) {
        const TPoint to{from.X + Rand(-60, 60), from.Y + Rand(-60, 60)};
        const TPoint mid{(from.X + to.X) / 2, (from.Y + to.Y) / 2};
        const bool escape = Rand(0, 9) == 0;
        const bool remove = !escape && Rand(0, 14) == 0;
        QWindow* window = Window();
        Press(from, Qt::LeftButton, m);
        // Half of the drags let the release's timer expire before the loop starts, so that
        // the release may come before the queued move: the order a loaded machine gives, made
        // the same in every run (chosen without drawing from the session's numbers).
        if ((from.X + from.Y) % 2) std::this_thread::sleep_for(std::chrono::milliseconds(2));
        // The release is a real timer of its own (a zero timer is a posted event, which a
        // loop nested in the delivery of another never gets): a move that starts the window
        // system's loop does not return until a release comes from within that loop.
        QTimer::singleShot(0, [=] {
            QTest::mouseMove(window, QPoint(to.X, to.Y));
            if (escape) QTest::keyClick(window, Qt::Key_Escape);
            if (remove) QTest::keyClick(window, Qt::Key_Delete);
        });
        auto released = std::make_shared<bool>(false);
        QTimer::singleShot(1, [=] {
            QTest::mouseRelease(window, Qt::LeftButton, m, QPoint(to.X, to.Y));
            *released = true;
        });
        Move(mid);
        Process();
        // The release belongs to this drag: it must not reach the next event's press.
        for (int wait = 0; !*released && wait < 1000; ++wait)
            QTest::qWait(1);
    }

    void Event(std::string& what) {
        static const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right,  Qt::Key_Up,    Qt::Key_Down,
                                       Qt::Key_Tab,  Qt::Key_Escape, Qt::Key_Delete};
        const int kind = Rand(0, 16);
        if (FTrace) std::fprintf(stderr, "  kind %d\n", kind);
        switch (kind) {
        case 0:
        case 1: {
            TPoint p = OnControl();
            Qt::KeyboardModifiers m = Rand(0, 2) == 0 ? Qt::ControlModifier : Qt::NoModifier;
            what = "click on a control at " + IntToStr(p.X) + "," + IntToStr(p.Y);
            Press(p, Qt::LeftButton, m);
            Release(p, Qt::LeftButton, m);
            break;
        }
        case 2: {
            TPoint p = Ground();
            what = "click at " + IntToStr(p.X) + "," + IntToStr(p.Y);
            Click(p);
            break;
        }
        case 3:
        case 4:
            what = "drag of a control";
            Drag(OnControl(), Rand(0, 3) == 0 ? Qt::ControlModifier : Qt::NoModifier);
            break;
        case 5:
            what = "drag of a handle";
            Drag(OnHandle(), Qt::NoModifier);
            break;
        case 6:
            what = "drag from anywhere";
            Drag(Ground(), Rand(0, 1) ? Qt::ControlModifier : Qt::NoModifier);
            break;
        case 7:
        case 8: {
            Qt::Key k = keys[Rand(0, 6)];
            Qt::KeyboardModifiers m = Mods();
            what = "key " + IntToStr(k) + " modifiers " + IntToStr(int(m));
            Key(k, m);
            break;
        }
        case 9:
            what = Rand(0, 1) ? "Ctrl+Z" : "Ctrl+Shift+Z";
            Key(Qt::Key_Z,
                what == "Ctrl+Z" ? Qt::ControlModifier : (Qt::ControlModifier | Qt::ShiftModifier));
            break;
        case 10: {
            static const TClass classes[] = {TButton::StaticClass(), TEdit::StaticClass(),
                                             TCheckBox::StaticClass(), TPanel::StaticClass()};
            TClass cls = classes[Rand(0, 3)];
            what = std::string("insert-mode drag of ") + cls->ClassName();
            Designer->SetDesignState(dsInsert);
            Designer->SetInsertClass(cls);
            Drag(Rand(0, 1) ? Ground() : OnControl(), Qt::NoModifier);
            Designer->SetDesignState(dsSelect);
            Designer->SetInsertClass(nullptr);
            break;
        }
        case 11: {
            RecordingRunner runner;
            const int choice = Rand(0, 9);
            runner.Choose = [choice](TPopupMenu* menu) -> TMenuItem* {
                TMenuItem* item = menu->Items()->Items(choice % menu->Items()->Count());
                return item->Enabled() && item->Visible() ? item : nullptr;
            };
            // Opened by the designer as a right click does: a right click that lands on a
            // control's own live menu (an edit's) would wait for that menu.
            std::vector<TZkFormDesigner*> designers = Designers();
            what = "context menu item " + IntToStr(choice);
            Pick(designers)->OpenContextMenu(Form->ClientToScreen(Ground()));
            Process();
            break;
        }
        case 12:
            what = "inspector edit";
            InspectorEdit(what);
            break;
        case 13: {
            // A pick in the object box, as the user makes it: opened first now and then.
            TObjectInspForm* insp = Designer->Inspector();
            if (!insp || !insp->Visible()) break;
            if (Rand(0, 1)) insp->CB1DropDown(insp->CB1);
            const int count = insp->CB1->Items()->Count();
            if (count == 0) break;
            const int pick = Rand(0, count - 1);
            what = "object box pick of " + insp->CB1->Items()->Strings(pick);
            insp->CB1->SetItemIndex(pick);
            insp->CB1Click(insp->CB1);
            break;
        }
        case 14:
            what = "host frees nothing";
            if (Rand(0, 3) == 0) HostFree(what);
            break;
        case 15:
            FArmed = Rand(1, 3);
            what = "a handler of event " + IntToStr(FArmed) + " will end the session";
            break;
        case 16:
            what = "no save";
            if (Rand(0, 4) != 0) break;
            what = "save and load mid-session";
            SaveAndLoad();
            break;
        }
        Process();
        if (!Designer->IsDesigning()) {
            // A handler ended the session: it must have ended whole, and the user goes on
            // with a new one.
            what += ", the session ended by a handler";
            FArmed = 0;
            AfterSessionEnded();
            StartSession();
        }
    }

    /// Undoing every change gives back the start; redoing them all gives back the end.
    void CheckUndoAll() {
        std::vector<TZkFormDesigner*> designers = Designers();
        for (TZkFormDesigner* d : designers)
            while (d->History() && d->History()->CanUndo())
                d->Undo();
        for (const auto& [o, start] : FSessionStart) {
            SCOPED_TRACE(o->Control()->Name());
            EXPECT_EQ(o->Parent(), start.Parent);
            // A page fills its page control and shows when its tab is clicked, which is no
            // design change.
            // The inspector's edits are not in the history.
            if (!Cast<TTabSheet>(o->Control()) && !FInspected.count(o->Control())) {
                EXPECT_EQ(Unscrolled(o), start.Bounds);
                EXPECT_EQ(o->Visible(), start.Visible);
            }
            EXPECT_FALSE(o->Deleted());
        }
        for (TZkFormDesigner* d : designers)
            while (d->History() && d->History()->CanRedo())
                d->Redo();
    }

    /// Ending the session: every survivor back in its parent at its overlay's place, with its
    /// tab order, alignment and window procedure; exactly the deleted controls destroyed.
    void CheckEnd() {
        struct Expect {
            TControl* Control;
            TWinControl* Parent;
            TRect Bounds;
        };
        std::vector<Expect> expected;
        std::set<TComponent*> deleted;
        for (TDesignControl* o : Overlays()) {
            bool gone = false;
            for (TControl* c = o; c && c != Form; c = c->Parent())
                if (auto* up = Cast<TDesignControl>(c)) gone = gone || up->Deleted();
            TControl* c = o->Control();
            if (gone)
                deleted.insert(c);
            else
                expected.push_back({c, o->Parent(),
                                    Rect(o->Left() + HandleSize, o->Top() + HandleSize,
                                         o->Left() + o->Width() - HandleSize,
                                         o->Top() + o->Height() - HandleSize)});
        }
        for (int i = 0; i < Form->ComponentCount(); ++i)
            if (Cast<TControl>(Form->Components(i))) Form->Components(i)->FreeNotification(FWatch);
        Designer->EndDesign();
        Process();
        EXPECT_EQ(FWatch->Gone, deleted) << "the session's end destroyed other controls";
        for (const Expect& e : expected) {
            if (FWatch->Gone.count(e.Control)) continue;
            SCOPED_TRACE(e.Control->Name());
            EXPECT_EQ(e.Control->Parent(), e.Parent);
            if (e.Control->Align() == alNone && !Cast<TTabSheet>(e.Control) &&
                !Cast<TScrollingWinControl>(e.Parent)) {
                const TRect r = e.Control->BoundsRect();
                // An overlay at the farthest position holds its control beyond it.
                const auto place = [](int v) {
                    return std::clamp(v, -MaxControlPosition, MaxControlPosition);
                };
                EXPECT_EQ(TPoint(r.Left, r.Top), TPoint(place(e.Bounds.Left), place(e.Bounds.Top)));
                EXPECT_EQ(r.Right - r.Left, e.Bounds.Right - e.Bounds.Left);
                // An edit takes the height of its font again once it leaves the design.
                if (!Cast<TCustomEdit>(e.Control)) {
                    EXPECT_EQ(r.Bottom - r.Top, e.Bounds.Bottom - e.Bounds.Top);
                }
            }
        }
        std::map<TWinControl*, std::vector<std::pair<int, TWinControl*>>> byParent;
        for (const Start& s : FStart) {
            if (FWatch->Gone.count(s.Control)) continue;
            SCOPED_TRACE(s.Control->Name());
            EXPECT_EQ(s.Control->Parent(), s.Parent);
            if (!FInspected.count(s.Control)) {
                EXPECT_EQ(s.Control->Align(), s.Align);
            }
            FProbed.clear();
            s.Control->Perform(ProbeMessage, 0, 0);
            EXPECT_EQ(FProbed.count(s.Control), 1u) << "the window procedure was not given back";
            if (auto* w = Cast<TWinControl>(s.Control))
                byParent[s.Parent].push_back({s.TabOrder, w});
        }
        for (auto& [parent, kids] : byParent) {
            std::sort(kids.begin(), kids.end());
            for (size_t i = 1; i < kids.size(); ++i)
                EXPECT_LT(kids[i - 1].second->TabOrder(), kids[i].second->TabOrder())
                    << kids[i].second->Name() << " changed its place in the tab order";
        }
    }

    /// Where two streams part, in their text form, rather than two whole streams.
    static void ExpectSameBytes(const std::string& one, const std::string& two, const char* what) {
        if (one == two) return;
        const std::string x = BinaryToText(one), y = BinaryToText(two);
        const size_t at = std::mismatch(x.begin(), x.end(), y.begin(), y.end()).first - x.begin();
        const size_t from = at < 80 ? 0 : at - 80;
        ADD_FAILURE() << what << "; they part at:\n" << x.substr(from, 160) << "\n----\n"
                      << y.substr(from, 160);
    }

    /// Stream loaded into a new form and saved again.
    std::string Reloaded(const std::string& stream) {
        TMemoryStream saved;
        saved.WriteBuffer(stream.data(), static_cast<int64_t>(stream.size()));
        auto* copy = new TForm(nullptr);
        Form->SetName("RandomFormOriginal");
        saved.SetPosition(0);
        TZkFormDesigner::LoadFromStream(copy, &saved);
        TZkFormDesigner* designer = nullptr;
        for (int i = 0; i < copy->ComponentCount(); ++i)
            if (auto* d = Cast<TZkFormDesigner>(copy->Components(i))) designer = d;
        TMemoryStream again;
        if (designer)
            designer->SaveToStream(&again);
        else
            ADD_FAILURE() << "the designer did not load back";
        copy->Free();
        Form->SetName("RandomForm");
        return Bytes(again);
    }
    static std::string Bytes(TMemoryStream& s) {
        const auto* p = static_cast<const char*>(s.Memory());
        return std::string(p, p + s.Size());
    }

    void CheckSaveLoad() {
        TMemoryStream saved;
        Designer->SaveToStream(&saved);
        ExpectSameBytes(Bytes(saved), Reloaded(Bytes(saved)),
                        "the form does not load back to the same bytes");
    }

    /// Frees what the session left on the form, children before their parents (the designer
    /// stays).
    void Clear() {
        for (int i = Form->ComponentCount(); i-- > 0;)
            if (i < Form->ComponentCount() && Cast<TControl>(Form->Components(i)))
                Form->Components(i)->Free();
        FStart.clear();
        FSessionStart.clear();
        FInspected.clear();
    }

public:
    void RunSession(unsigned seed, int events) {
        SCOPED_TRACE("random session seed " + std::to_string(seed) +
                     " (repeat it with ZK_SESSIONS=" + std::to_string(seed) + ":1)");
        FRng.seed(seed);
        FWatch = new TFreeWatch;
        FArmed = 0;
        Build();
        StartSession();
        std::string what;
        FFailedBefore = FailedParts();
        for (int i = 0; i < events && !SessionFailed(); ++i) {
            if (FTrace) std::fprintf(stderr, "seed %u event %d\n", seed, i);
            Event(what);
            if (FTrace) std::fprintf(stderr, "  %s\n", what.c_str());
            SCOPED_TRACE("after event " + std::to_string(i) + ": " + what);
            NotePendingEdit();
            CheckInvariants();
            ++Events;
        }
        FArmed = 0;
        if (!SessionFailed()) CheckUndoAll();
        if (!SessionFailed()) CheckEnd();
        if (!SessionFailed()) CheckSaveLoad();
        if (SessionFailed()) FailedSeeds.push_back(seed);
        if (Designer->IsDesigning()) Designer->EndDesign();
        Clear();
        FWatch->Free();
        FWatch = nullptr;
    }

    /// Runs count sessions from seed first, printing progress for long batches.
    void RunBatch(unsigned first, int count);
    /// Whether the session running now has failed a check.
    bool SessionFailed() const { return FailedParts() > FFailedBefore; }
    static int FailedParts() {
        const testing::TestResult* result =
            testing::UnitTest::GetInstance()->current_test_info()->result();
        int failed = 0;
        for (int i = 0; i < result->total_part_count(); ++i)
            failed += result->GetTestPartResult(i).failed() ? 1 : 0;
        return failed;
    }
    std::vector<unsigned> FailedSeeds;

    long Events = 0;
    long Checks = 0;
    /// Inspector edits refused with an error.
    long Reports = 0;

private:
    const bool FTrace = std::getenv("ZK_SESSION_TRACE") != nullptr;
    std::mt19937 FRng;
    int FNameCount = 0;
    std::vector<Start> FStart;
    struct Overlaid {
        TWinControl* Parent;
        TRect Bounds;
        bool Visible;
    };
    /// Each overlay as the session began.
    std::map<TDesignControl*, Overlaid> FSessionStart;
    std::set<TControl*> FProbed;
    int FFailedBefore = 0;
    TDialogRunner FOldRunner;
    /// Controls the inspector wrote to: their bounds, visibility and alignment may differ
    /// from the start after undoing everything.
    std::set<TControl*> FInspected;
    TFreeWatch* FWatch = nullptr;
    /// Which of the designer's events (1 selection, 2 click, 3 dirty) ends the session when
    /// it is next raised; 0: none.
    int FArmed = 0;
};

/// "first:count" from the environment, or the default.
std::pair<unsigned, int> SeedRange() {
    const char* env = std::getenv("ZK_SESSIONS");
    if (!env) return {1, 10};
    std::string s(env);
    size_t colon = s.find(':');
    return {static_cast<unsigned>(std::stoul(s.substr(0, colon))),
            colon == std::string::npos ? 1 : std::stoi(s.substr(colon + 1))};
}
int EventCount() {
    const char* env = std::getenv("ZK_SESSION_EVENTS");
    return env ? std::atoi(env) : 300;
}

void RandomSession::RunBatch(unsigned first, int count) {
    const int events = EventCount();
    const auto start = std::chrono::steady_clock::now();
    int run = 0;
    // A failing session does not stop the batch: every failing seed is listed at the end.
    for (; run < count; ++run) {
        RunSession(first + static_cast<unsigned>(run), events);
        // A long batch shows how far it got.
        if (count > 5)
            std::printf(
                "session %u done: %ld events, %ld invariant checks, %.0f s\n",
                first + static_cast<unsigned>(run), Events, Checks,
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        std::fflush(stdout);
    }
    std::printf("random sessions: %d from seed %u, %ld events, %ld invariant checks, %ld refused "
                "inspector edits, %.0f s\n",
                run, first, Events, Checks, Reports,
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    std::string seeds;
    for (unsigned seed : FailedSeeds)
        seeds += " " + std::to_string(seed);
    if (!FailedSeeds.empty())
        std::printf("failing sessions (repeat one with ZK_SESSIONS=SEED:1):%s\n", seeds.c_str());
}

TEST_F(RandomSession, NoOrderOfInputBreaksTheDesign) {
    auto [first, count] = SeedRange();
    RunBatch(first, count);
}

TEST_F(RandomSession, NoOrderOfInputBreaksTheDesignFromSeed11) {
    if (std::getenv("ZK_SESSIONS")) GTEST_SKIP() << "ZK_SESSIONS names the sessions to run";
    RunBatch(11, 10);
}

} // namespace

// Sessions that once failed, kept as they ran.
TEST_F(RandomSession, Seed1AHandleDraggedPastTheOppositeEdgeKeepsTheMargin) {
    RunSession(1, 230);
}
TEST_F(RandomSession, Seed2AContextMenuCommandOnAnyDesignerOfTheTree) {
    RunSession(2, 40);
}
TEST_F(RandomSession, Seed12AMoveUndoneAfterItsScrollBoxScrolled) {
    RunSession(12, 200);
}
TEST_F(RandomSession, Seed19AWidthOfABillionTypedIntoTheInspector) {
    RunSession(19, 280);
}
TEST_F(RandomSession, Seed49AClientAlignedButtonDraggedInsideAScrollBox) {
    RunSession(49, 170);
}

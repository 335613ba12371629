#pragma once
// A shown form with a root designer on it, and helpers to build designed forms.

#include "WindowTesting.h"
#include "design/DesignCommon.h"
#include "host/graphics/GdiApi.h"

/// A form owning a root designer; the designer's inspector is never shown.
class DesignTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Designer = new TZkFormDesigner(Form);
        Designer->SetShowInspector(false);
    }

    template <class T = TTestPanel>
    T* Add(TWinControl* parent, TRect r, const char* name = nullptr) {
        auto* c = new T(Form);
        if (name) c->SetName(name);
        c->SetParent(parent);
        c->SetBoundsRect(r);
        return c;
    }
    TDesignControl* OverlayOf(TControl* c) const { return As<TDesignControl>(c->Parent()); }
    /// Starts the session and waits until the form, hidden and shown again by it, is back
    /// on the screen and takes input.
    void Begin(TWinControl* control = nullptr) {
        Designer->BeginDesign(control);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Window()));
        Process();
    }

    /// A key through the real input path to `focused`, which must have the focus.
    void KeyTo(TControl* focused, Qt::Key key, Qt::KeyboardModifiers m = {}) {
        ASSERT_TRUE(Cast<TWinControl>(focused)->Focused());
        Key(key, m);
        Process();
    }

    TZkFormDesigner* Designer = nullptr;
};

/// Three buttons A, B and C in a row on the form, their overlays at (16,16)-(84,49),
/// (116,16)-(184,49) and (216,16)-(284,49). The session ends in teardown, which checks that
/// no frame was left on the screen layer.
class DesignRowTest : public DesignTest {
protected:
    void SetUp() override {
        DesignTest::SetUp();
        A = Add<TTestButton>(Form, Bounds(20, 20, 60, 25), "A");
        B = Add<TTestButton>(Form, Bounds(120, 20, 60, 25), "B");
        C = Add<TTestButton>(Form, Bounds(220, 20, 60, 25), "C");
    }
    void TearDown() override {
        Designer->EndDesign();
        EXPECT_TRUE(ScreenFramesShown().empty()) << "a frame was left on the screen layer";
        ClearScreenLayer();
        DesignTest::TearDown();
    }
    TTestButton *A = nullptr, *B = nullptr, *C = nullptr;
};

#pragma once
// Shared set-up of the window tests: a shown, active form, real input on its Qt window, a
// recorder of the messages a WindowProc hook sees, and a button backed by a real QPushButton.

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/controls/Forms.h"
#include "host/qt/Gdi_p.h"
#include "host/qt/Window_p.h"

/// A windowed control whose window is a real push button, for tests of native behaviour.
class TTestButton : public TWinControl {
    ZK_CLASS(TTestButton, TWinControl)
    explicit TTestButton(TComponent* AOwner);
    QPushButton* Button() { return static_cast<QPushButton*>(WidgetOf(Handle())); }

protected:
    void CreateParams(TCreateParams& Params) override;
};

/// A plain windowed container.
class TTestPanel : public TCustomControl {
    ZK_CLASS(TTestPanel, TCustomControl)
    explicit TTestPanel(TComponent* AOwner) : TCustomControl(AOwner) {
        FControlStyle.Include(csAcceptsControls);
    }
};

/// A control without a window.
class TTestGraphic : public TGraphicControl {
    ZK_CLASS(TTestGraphic, TGraphicControl)
    explicit TTestGraphic(TComponent* AOwner) : TGraphicControl(AOwner) {}
};

/// Records the messages reaching a control before it handles them, with a snapshot of the
/// bounds before and after the control's own handling; restores the saved WindowProc on exit.
class MessageLog {
public:
    struct Entry {
        uint32_t Msg;
        intptr_t WParam;
        intptr_t LParam;
        TRect Before;
        TRect After;
    };
    explicit MessageLog(TControl* control);
    ~MessageLog();
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    /// The recorded message numbers, only those in filter when it is not empty.
    std::vector<uint32_t> Messages(const std::vector<uint32_t>& filter = {}) const;
    const std::vector<Entry>& Entries() const { return FEntries; }
    int Count(uint32_t msg) const;
    void Clear() { FEntries.clear(); }
    /// Messages with these numbers are recorded but not passed on.
    std::vector<uint32_t> Swallow;

private:
    TControl* FControl;
    TWndMethod FSaved;
    std::vector<Entry> FEntries;
};

/// A shown, active form at a known place; checks in teardown that no top-level window leaked
/// and captures the application's error report.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    /// Real input on the form's Qt window, in form client coordinates.
    void Press(TPoint p, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {});
    void Release(TPoint p, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {});
    void Move(TPoint p);
    void Click(TPoint p) {
        Press(p);
        Release(p);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers m = {});
    QWindow* Window() const;
    /// A point of a control in form client coordinates.
    TPoint At(TControl* c, int x, int y) const;
    void Process();

    TForm* Form = nullptr;
    std::vector<std::string> Errors;

private:
    int FTopLevels = 0;
};

#pragma once
// A shown demo form and clicks on its controls through the window system.
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include "demo/DemoForm.h"
#include "host/qt/Window_p.h"

/// Shows a fresh demo form for each test and frees it after.
class DemoTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = new TDemoForm(nullptr);
        Form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Window()));
        Application->ProcessMessages();
    }
    void TearDown() override { FreeAndNil(Form); }
    QWindow* Window() { return WidgetOf(Form->Handle())->windowHandle(); }
    void ClickOn(TControl* c, int x = 5, int y = 5) {
        const TPoint p = Form->ScreenToClient(c->ClientToScreen({x, y}));
        QTest::mouseClick(Window(), Qt::LeftButton, {}, QPoint(p.X, p.Y));
        Application->ProcessMessages();
    }
    TDemoForm* Form = nullptr;
};

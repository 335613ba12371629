// The length limit of single-line fields (edits and a combo box's field): it holds for every way
// the user brings text in, a selection being replaced makes room, and text set by code is kept
// whole.

#include <QClipboard>
#include <QInputMethodEvent>

#include <functional>

#include "StdTesting.h"

namespace {
class EditLimitTest : public StdTest {
protected:
    /// A control with a single-line field, seen through what edits and combo boxes share.
    struct Field {
        const char* Name;
        TWinControl* Control;
        std::function<void(int)> SetMaxLength;
        std::function<void(int, int)> Select;
        std::function<void(const std::string&)> SetSelText;
    };

    std::vector<Field> Fields() {
        auto* edit = Make<TEdit>(10, 10);
        auto* combo = Make<TComboBox>(10, 50);
        return {{"edit", edit, [edit](int n) { edit->SetMaxLength(n); },
                 [edit](int start, int length) {
                     edit->SetSelStart(start);
                     edit->SetSelLength(length);
                 },
                 [edit](const std::string& s) { edit->SetSelText(s); }},
                {"combo box", combo, [combo](int n) { combo->SetMaxLength(n); },
                 [combo](int start, int length) {
                     combo->SetSelStart(start);
                     combo->SetSelLength(length);
                 },
                 [combo](const std::string& s) { combo->SetSelText(s); }}};
    }

    void Type(const char* keys) const {
        for (const char* k = keys; *k; ++k)
            QTest::keyClick(Window(), *k);
    }
    /// What an input method commits, delivered to the widget that has the focus.
    static void Commit(const QString& text) {
        QInputMethodEvent e;
        e.setCommitString(text);
        QApplication::sendEvent(QApplication::focusWidget(), &e);
    }
};

TEST_F(EditLimitTest, TextSetByCodeIsKeptWholeAndWhatTheUserEntersStaysWithinTheLimit) {
    for (const Field& f : Fields()) {
        SCOPED_TRACE(f.Name);
        TWinControl* c = f.Control;
        // Beyond the largest length Qt's line edit keeps by default.
        const std::string huge(40000, 'h');
        c->SetTextProp(huge);
        EXPECT_EQ(c->Text().size(), huge.size());

        f.SetMaxLength(4);
        c->SetTextProp("超过四个字符");
        EXPECT_EQ(c->Text(), "超过四个字符") << "the limit is not on text set by code";
        c->SetFocus();
        f.Select(6, 0);
        QGuiApplication::clipboard()->setText("PQ");
        Type("a");
        Key(Qt::Key_V, Qt::ControlModifier);
        c->Perform(WM_PASTE, 0, 0);
        Commit("输入");
        f.SetSelText("x");
        EXPECT_EQ(c->Text(), "超过四个字符") << "typing and pasting into it stay blocked";

        c->SetTextProp("ab");
        f.Select(2, 0);
        Key(Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(c->Text(), "abPQ");
        c->SetTextProp("ab");
        f.Select(2, 0);
        c->Perform(WM_PASTE, 0, 0);
        Type("z");
        EXPECT_EQ(c->Text(), "abPQ") << "WM_PASTE is cut to the room left";
        c->SetTextProp("abc");
        f.Select(3, 0);
        Commit("输入");
        EXPECT_EQ(c->Text(), "abc输");
        c->SetTextProp("abc");
        f.Select(3, 0);
        f.SetSelText("xyz");
        EXPECT_EQ(c->Text(), "abcx");

        // A selection being replaced makes room for as many characters as it has.
        f.Select(1, 2);
        Type("123");
        EXPECT_EQ(c->Text(), "a12x");
        f.Select(0, 1);
        Key(Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(c->Text(), "P12x");
        f.Select(0, 2);
        f.SetSelText("甲乙丙");
        EXPECT_EQ(c->Text(), "甲乙2x");
        // A character outside the basic plane is not split in half.
        f.Select(0, 1);
        f.SetSelText("\xF0\x9F\x98\x80");
        EXPECT_EQ(c->Text(), "乙2x");
    }
}

TEST_F(EditLimitTest, PastingFromTheFieldsContextMenuHoldsToTheLimit) {
    auto* combo = Make<TComboBox>(10, 10);
    combo->SetMaxLength(3);
    combo->SetTextProp("ab");
    combo->SetFocus();
    combo->SetSelStart(2);
    ASSERT_TRUE(PasteFromContextMenu(combo, "menu"));
    EXPECT_EQ(combo->Text(), "abm");
}
} // namespace

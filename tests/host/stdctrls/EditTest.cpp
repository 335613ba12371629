// Edits and memos: typing through the real key path, undo, selection, letter case, limits, and
// a memo's Lines kept the same as its window both ways.

#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "StdTesting.h"

namespace {
class EditTest : public StdTest {
protected:
    void Type(const char* keys) {
        for (const char* k = keys; *k; ++k)
            QTest::keyClick(Window(), *k);
    }
    static QLineEdit* LineEdit(TEdit* edit) {
        return static_cast<QLineEdit*>(WidgetOf(edit->Handle()));
    }
};

TEST_F(EditTest, TypingGoesCnKeyDownKeyDownCharAndAHandlerCanChangeTheCharacter) {
    auto* edit = Make<TEdit>(10, 10);
    edit->SetFocus();
    int changes = 0;
    edit->OnChange = [&](TObject*) { ++changes; };
    MessageLog log(edit);
    Key(Qt::Key_A);
    EXPECT_EQ(log.Messages({CN_KEYDOWN, WM_KEYDOWN, WM_CHAR}),
              (std::vector<uint32_t>{CN_KEYDOWN, WM_KEYDOWN, WM_CHAR}));
    EXPECT_EQ(edit->Text(), "a");
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(edit->Modified());

    edit->OnKeyPress = [](TObject*, char& key) {
        if (key == 'b') key = 'c';
        if (key == 'x') key = 0;
    };
    Type("bx");
    EXPECT_EQ(edit->Text(), "ac");
    EXPECT_EQ(changes, 2);

    // Dropped on its way as WM_CHAR, the character never reaches the field.
    log.Swallow = {WM_CHAR};
    Type("d");
    EXPECT_EQ(edit->Text(), "ac");
}

TEST_F(EditTest, UndoMessageRevertsWhatWasTypedSinceTheTextWasSet) {
    auto* edit = Make<TEdit>(10, 10);
    edit->SetTextProp("原文");
    EXPECT_FALSE(edit->CanUndo());
    edit->SetFocus();
    SendMessage(edit->Handle(), EM_SETSEL, -1, 0);
    Key(Qt::Key_End);
    Type("xyz");
    EXPECT_EQ(edit->Text(), "原文xyz");
    EXPECT_TRUE(edit->CanUndo());
    EXPECT_EQ(edit->Perform(EM_UNDO, 0, 0), 1);
    EXPECT_EQ(edit->Text(), "原文");

    edit->SetSelStart(0);
    edit->SetSelLength(1);
    edit->SetSelText("译");
    EXPECT_EQ(edit->Text(), "译文");
    edit->Undo();
    EXPECT_EQ(edit->Text(), "原文");
}

TEST_F(EditTest, SelectionCountsCharactersOfChineseText) {
    auto* edit = Make<TEdit>(10, 10);
    edit->SetTextProp("中文abc");
    edit->SetSelStart(1);
    edit->SetSelLength(3);
    EXPECT_EQ(edit->SelStart(), 1);
    EXPECT_EQ(edit->SelLength(), 3);
    EXPECT_EQ(edit->SelText(), "文ab");
    edit->SetSelText("X");
    EXPECT_EQ(edit->Text(), "中Xc");
    edit->SelectAll();
    EXPECT_EQ(edit->SelText(), "中Xc");
    edit->ClearSelection();
    EXPECT_EQ(edit->Text(), "");
}

TEST_F(EditTest, CharCaseMaxLengthAndPasswordCharShapeWhatIsTypedAndShown) {
    auto* edit = Make<TEdit>(10, 10);
    edit->SetFocus();
    edit->SetCharCase(ecUpperCase);
    Type("ab");
    EXPECT_EQ(edit->Text(), "AB");
    edit->SetTextProp("xY");
    EXPECT_EQ(edit->Text(), "XY");
    edit->SetCharCase(ecLowerCase);
    EXPECT_EQ(edit->Text(), "xy");

    edit->SetCharCase(ecNormal);
    edit->SetMaxLength(4);
    Key(Qt::Key_End);
    Type("abcd");
    EXPECT_EQ(edit->Text(), "xyab");

    edit->SetPasswordChar('#');
    EXPECT_EQ(LineEdit(edit)->echoMode(), QLineEdit::Password);
    EXPECT_EQ(LineEdit(edit)->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter), '#');
    EXPECT_EQ(edit->Text(), "xyab");
    edit->SetPasswordChar(0);
    EXPECT_EQ(LineEdit(edit)->echoMode(), QLineEdit::Normal);

    edit->SetReadOnly(true);
    Type("q");
    EXPECT_EQ(edit->Text(), "xyab");
}

TEST_F(EditTest, LetterCaseHoldsForPastedTextAndTextSetByCode) {
    struct Case {
        TEditCharCase CharCase;
        const char* Expected;
    };
    // Converted character by character, as the platform does: "ß" keeps its length.
    const Case cases[] = {{ecUpperCase, "MIXED ß ÄÖ"}, {ecLowerCase, "mixed ß äö"}};
    auto* edit = Make<TEdit>(10, 10);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Expected);
        edit->SetCharCase(c.CharCase);
        edit->Clear();
        edit->SetFocus();
        // Only the first line goes into a single-line edit.
        QGuiApplication::clipboard()->setText(QString::fromUtf8("MiXed ß äÖ\nsecond line"));
        Key(Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(edit->Text(), c.Expected);
        EXPECT_TRUE(edit->CanUndo());
        edit->Undo();
        EXPECT_EQ(edit->Text(), "");

        edit->Perform(WM_PASTE, 0, 0);
        EXPECT_EQ(edit->Text(), c.Expected);
        edit->SetTextProp("MiXed ß äÖ");
        EXPECT_EQ(edit->Text(), c.Expected);
        edit->SelectAll();
        edit->SetSelText("MiXed ß äÖ");
        EXPECT_EQ(edit->Text(), c.Expected);
    }
}

TEST_F(EditTest, PastingFromTheContextMenuConvertsLetterCaseToo) {
    auto* edit = Make<TEdit>(10, 10);
    edit->SetCharCase(ecUpperCase);
    edit->SetFocus();
    ASSERT_TRUE(PasteFromContextMenu(edit, "menu paste"));
    EXPECT_EQ(edit->Text(), "MENU PASTE");
}

TEST_F(EditTest, AReadOnlyEditTakesNoPasteAndKeepsItsTextOnCut) {
    auto* edit = Make<TEdit>(10, 10);
    edit->SetTextProp("keep");
    edit->SetReadOnly(true);
    QGuiApplication::clipboard()->setText("pasted");
    edit->PasteFromClipboard();
    EXPECT_EQ(edit->Text(), "keep");
    edit->SelectAll();
    edit->CutToClipboard();
    EXPECT_EQ(edit->Text(), "keep");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "keep");
}

TEST_F(EditTest, HideSelectionDecidesWhetherAnUnfocusedEditDrawsItsSelection) {
    auto* other = Make<TButton>(250, 10);
    TCustomEdit* edits[] = {Make<TEdit>(10, 10), Make<TMemo>(10, 50)};
    const QPalette palette = QApplication::palette();
    // Whichever colour group the field paints with, the highlight is one of these.
    auto highlighted = [&](TCustomEdit* edit) {
        const QImage image = Grab(edit);
        return CountColor(image, image.rect(),
                          palette.color(QPalette::Active, QPalette::Highlight)) +
               CountColor(image, image.rect(),
                          palette.color(QPalette::Inactive, QPalette::Highlight));
    };
    for (TCustomEdit* edit : edits) {
        SCOPED_TRACE(edit->ClassName());
        EXPECT_TRUE(edit->HideSelection());
        edit->SetTextProp("WWWWWW");
        other->SetFocus();
        edit->SelectAll();
        EXPECT_EQ(highlighted(edit), 0) << "selected while unfocused, it does not show";
        edit->SetSelLength(0);
        edit->SetFocus();
        edit->SelectAll();
        EXPECT_GT(highlighted(edit), 50) << "focused, the selection shows";
        other->SetFocus();
        EXPECT_EQ(edit->SelLength(), 6) << "unfocused, the selection stays";
        EXPECT_EQ(highlighted(edit), 0) << "but does not show";
        edit->SetHideSelection(false);
        EXPECT_GT(highlighted(edit), 50) << "unless HideSelection is off";
        edit->SetFocus();
        EXPECT_GT(highlighted(edit), 50);
        edit->SetHideSelection(true);
        other->SetFocus();
        EXPECT_EQ(highlighted(edit), 0);
    }
}

TEST_F(EditTest, AnEditLeftWithASelectionKeepsItAndShowsNoCaret) {
    auto* other = Make<TButton>(250, 10);
    auto* edit = Make<TEdit>(10, 10);
    auto* untouched = Make<TEdit>(10, 50);
    edit->SetTextProp("WWWW");
    untouched->SetTextProp("WWWW");
    edit->SetFocus();
    // Selected from the end backwards, as Shift+Left leaves it.
    QLineEdit* line = LineEdit(edit);
    line->setSelection(3, -2);
    other->SetFocus();
    EXPECT_EQ(edit->SelStart(), 1);
    EXPECT_EQ(edit->SelLength(), 2);
    EXPECT_EQ(line->cursorPosition(), 1) << "the selection keeps its direction";
    EXPECT_EQ(Grab(edit), Grab(untouched)) << "no caret, and the selection hidden";
    // Selected while it has no focus: no caret either.
    edit->SelectAll();
    EXPECT_EQ(edit->SelLength(), 4);
    EXPECT_EQ(Grab(edit), Grab(untouched));
}

TEST_F(EditTest, EnteredByTabTheTextIsSelectedEnteredByClickItIsNot) {
    auto* first = Make<TEdit>(10, 10);
    auto* edit = Make<TEdit>(10, 40);
    edit->SetTextProp("全部选中");
    first->SetFocus();
    Key(Qt::Key_Tab);
    ASSERT_TRUE(edit->Focused());
    EXPECT_EQ(edit->SelLength(), 4);

    first->SetFocus();
    Click(At(edit, 30, 10));
    ASSERT_TRUE(edit->Focused());
    EXPECT_EQ(edit->SelLength(), 0);
}

TEST_F(EditTest, AutoSizedEditsAndClosedComboBoxesAreAsHighAsTheirFontNeeds) {
    auto* edit = Make<TEdit>(10, 10);
    auto* combo = Make<TComboBox>(10, 40);
    TCanvas canvas;
    canvas.Font()->Assign(Form->Font());
    const int line = canvas.TextHeight("Wg");
    EXPECT_EQ(edit->Height(), line + 8);
    EXPECT_EQ(combo->Height(), line + 8);
    edit->Font()->SetHeight(-24);
    combo->Font()->SetHeight(-24);
    canvas.Font()->SetHeight(-24);
    EXPECT_EQ(edit->Height(), canvas.TextHeight("Wg") + 8);
    EXPECT_EQ(combo->Height(), canvas.TextHeight("Wg") + 8);
    combo->SetHeight(80);
    EXPECT_EQ(combo->Height(), canvas.TextHeight("Wg") + 8);
    edit->SetAutoSize(false);
    edit->SetHeight(80);
    EXPECT_EQ(edit->Height(), 80);
}

TEST_F(EditTest, PropertiesSetBeforeTheWindowExistsReachIt) {
    auto* edit = new TEdit(Form);
    edit->SetTextProp("早");
    edit->SetMaxLength(3);
    edit->SetReadOnly(true);
    edit->SetModified(true);
    edit->SetParent(Form);
    QLineEdit* w = LineEdit(edit);
    EXPECT_EQ(w->text(), "早");
    EXPECT_EQ(SendMessage(edit->Handle(), EM_GETLIMITTEXT, 0, 0), 3);
    EXPECT_TRUE(w->isReadOnly());
    EXPECT_TRUE(edit->Modified());
    // A window made again (the edit left its parent and came back) keeps the state.
    edit->SetParent(nullptr);
    EXPECT_FALSE(edit->HandleAllocated());
    EXPECT_EQ(edit->Text(), "早");
    edit->SetParent(Form);
    EXPECT_EQ(LineEdit(edit)->text(), "早");
    EXPECT_TRUE(edit->Modified());
}

// ---- Memo -------------------------------------------------------------------------------------

class MemoTest : public EditTest {
protected:
    static QPlainTextEdit* Widget(TMemo* memo) {
        return static_cast<QPlainTextEdit*>(WidgetOf(memo->Handle()));
    }
};

TEST_F(MemoTest, LinesWrittenByCodeShowInTheWindowAndTypedLinesShowInLines) {
    auto* memo = Make<TMemo>(10, 10);
    TStrings* lines = memo->Lines();
    lines->Add("第一行");
    lines->Add("second");
    EXPECT_EQ(Widget(memo)->toPlainText().toStdString(), "第一行\nsecond\n");
    EXPECT_EQ(lines->Count(), 2);
    lines->Insert(1, "middle");
    lines->SetStrings(0, "一");
    lines->Delete(2);
    EXPECT_EQ(Widget(memo)->toPlainText().toStdString(), "一\nmiddle\n");
    lines->Insert(2, "end");
    EXPECT_EQ(lines->Text(), "一\nmiddle\nend\n");

    memo->SetFocus();
    SendMessage(memo->Handle(), EM_SETSEL, 0, 0);
    Type("ab");
    Key(Qt::Key_Return);
    EXPECT_EQ(lines->Count(), 4);
    EXPECT_EQ(lines->Strings(0), "ab");
    EXPECT_EQ(lines->Strings(1), "一");
    // Edits made through Lines can be undone like typing.
    lines->Delete(0);
    memo->Undo();
    EXPECT_EQ(lines->Strings(0), "ab");
}

TEST_F(MemoTest, LinesWithoutAWindowFollowThePlatformsLineRules) {
    auto* memo = new TMemo(Form);
    TStrings* lines = memo->Lines();
    struct Case {
        const char* Text;
        int Count;
    };
    const Case cases[] = {{"", 0},     {"a", 1},     {"a\n", 1},
                          {"a\nb", 2}, {"a\n\n", 2}, {"a\r\nb\r\n", 2}};
    for (const Case& c : cases) {
        memo->SetTextProp(c.Text);
        EXPECT_EQ(lines->Count(), c.Count) << c.Text;
    }
    memo->SetTextProp("a");
    lines->Add("b");
    EXPECT_EQ(memo->Text(), "a\nb");
    lines->Clear();
    lines->Add("c");
    EXPECT_EQ(memo->Text(), "c\n");
    EXPECT_THROW(lines->Strings(1), EListError);
    memo->SetParent(Form);
    EXPECT_EQ(Widget(memo)->toPlainText().toStdString(), "c\n");
}

TEST_F(MemoTest, WantTabsAndWantReturnsDecideWhoGetsTabAndEnter) {
    auto* memo = Make<TMemo>(10, 10);
    auto* next = Make<TEdit>(10, 120);
    memo->SetFocus();
    Type("a");
    Key(Qt::Key_Tab);
    EXPECT_TRUE(next->Focused());
    memo->SetWantTabs(true);
    memo->SetFocus();
    Key(Qt::Key_Tab);
    EXPECT_TRUE(memo->Focused());
    memo->SetWantReturns(false);
    Key(Qt::Key_Return);
    EXPECT_EQ(memo->Text(), "a\t");
}

TEST_F(MemoTest, MaxLengthLimitsPastedTextAndSelTextAndLetterCaseConvertsThem) {
    auto* memo = Make<TMemo>(10, 10);
    memo->SetMaxLength(6);
    memo->SetCharCase(ecLowerCase);
    memo->SetFocus();
    QGuiApplication::clipboard()->setText("ABC\nDEFGH");
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(memo->Text(), "abc\nde");
    // Full: neither a paste nor code adds to it.
    memo->Perform(WM_PASTE, 0, 0);
    memo->SetSelText("XYZ");
    EXPECT_EQ(memo->Text(), "abc\nde");
    // A selection being replaced makes room for as many characters as it had.
    memo->SetSelStart(0);
    memo->SetSelLength(2);
    memo->SetSelText("XYZ");
    EXPECT_EQ(memo->Text(), "xyc\nde");
    memo->SetSelStart(0);
    memo->SetSelLength(1);
    memo->Perform(WM_PASTE, 0, 0);
    EXPECT_EQ(memo->Text(), "ayc\nde");
    // Text set by code is converted but not limited: the limit is on what the user enters.
    memo->SetTextProp("Longer Than Six");
    EXPECT_EQ(memo->Text(), "longer than six");
    memo->SetCharCase(ecUpperCase);
    EXPECT_EQ(memo->Text(), "LONGER THAN SIX");
}

TEST_F(MemoTest, StylesReachTheWindow) {
    auto* memo = Make<TMemo>(10, 10);
    QPlainTextEdit* w = Widget(memo);
    EXPECT_EQ(w->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(w->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    memo->SetWordWrap(false);
    memo->SetScrollBars(ssVertical);
    memo->SetAlignment(taCenter);
    EXPECT_EQ(w->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(w->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(w->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(w->document()->defaultTextOption().alignment(), Qt::AlignHCenter);
}
} // namespace

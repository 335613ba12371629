// The standard controls as a family: made by class reference, parented, shown, hidden, moved,
// published with their defaults, and inert when a WindowProc hook swallows their input.

#include "StdTesting.h"

namespace {
struct TControlCase {
    const char* ClassName;
    int Width;
    int Height;
};

// The platform's sizes of a control dropped on a form.
const TControlCase Cases[] = {
    {"TButton", 75, 25}, {"TCheckBox", 97, 17}, {"TRadioButton", 113, 17}, {"TLabel", 65, 17},
    {"TEdit", 121, 21},  {"TMemo", 185, 89},    {"TListBox", 121, 97},     {"TComboBox", 145, 21},
};

class StdControlsTest : public StdTest {};

TEST_F(StdControlsTest, EachClassIsFoundByNameMadeParentedShownHiddenAndMoved) {
    for (const TControlCase& c : Cases) {
        SCOPED_TRACE(c.ClassName);
        TClass cls = FindClass(c.ClassName);
        auto* control = As<TControl>(cls->Create(Form));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->Width(), c.Width);
        EXPECT_EQ(control->Height(), c.Height);
        control->SetParent(Form);
        control->SetBounds(30, 40, control->Width(), control->Height());
        Process();
        EXPECT_TRUE(control->Showing());
        if (auto* win = Cast<TWinControl>(control)) {
            QWidget* w = WidgetOf(win->Handle());
            ASSERT_NE(w, nullptr);
            EXPECT_TRUE(w->isVisible());
            EXPECT_EQ(w->geometry(), QRect(30, 40, control->Width(), control->Height()));
            control->Hide();
            EXPECT_FALSE(w->isVisible());
            control->Show();
            control->SetLeft(60);
            EXPECT_EQ(w->x(), 60);
        } else {
            control->Hide();
            EXPECT_FALSE(control->Showing());
            control->Show();
        }
        EXPECT_TRUE(control->Showing());
        control->Free();
    }
}

TEST_F(StdControlsTest, PublishedPropertiesReadAndWriteThroughTypeInformation) {
    struct TPropCase {
        const char* ClassName;
        const char* Prop;
        Variant Value;
        const char* Expected;
    };
    const TPropCase cases[] = {
        {"TButton", "Caption", Variant("确定"), "确定"},
        {"TButton", "Default", Variant(true), "True"},
        {"TButton", "ModalResult", Variant(1), "1"},
        {"TCheckBox", "State", Variant("cbGrayed"), "cbGrayed"},
        {"TCheckBox", "Alignment", Variant("taLeftJustify"), "taLeftJustify"},
        {"TRadioButton", "Checked", Variant(true), "True"},
        {"TLabel", "Layout", Variant("tlCenter"), "tlCenter"},
        {"TLabel", "Caption", Variant("名称"), "名称"},
        {"TEdit", "Text", Variant("文本"), "文本"},
        {"TEdit", "CharCase", Variant("ecUpperCase"), "ecUpperCase"},
        {"TEdit", "PasswordChar", Variant(int('*')), "42"},
        {"TEdit", "MaxLength", Variant(5), "5"},
        {"TMemo", "ScrollBars", Variant("ssBoth"), "ssBoth"},
        {"TMemo", "WordWrap", Variant(false), "False"},
        {"TListBox", "Style", Variant("lbOwnerDrawFixed"), "lbOwnerDrawFixed"},
        {"TListBox", "IntegralHeight", Variant(true), "True"},
        {"TComboBox", "Style", Variant("csDropDownList"), "csDropDownList"},
        {"TComboBox", "DropDownCount", Variant(12), "12"},
        {"TComboBox", "Text", Variant("甲"), "甲"},
    };
    for (const TPropCase& c : cases) {
        SCOPED_TRACE(std::string(c.ClassName) + "." + c.Prop);
        auto* control = As<TControl>(FindClass(c.ClassName)->Create(Form));
        control->SetParent(Form);
        SetPropValue(control, c.Prop, c.Value);
        EXPECT_EQ(GetPropValue(control, c.Prop).AsString(), c.Expected);
        control->Free();
    }
}

TEST_F(StdControlsTest, InheritedPropertiesArePublishedWithThePlatformsNames) {
    const char* inherited[] = {"Name",     "Left",    "Top",     "Width",      "Height", "Color",
                               "Font",     "Visible", "Enabled", "Align",      "Cursor", "Hint",
                               "ShowHint", "Tag",     "OnClick", "OnMouseDown"};
    for (const TControlCase& c : Cases) {
        for (const char* name : inherited)
            EXPECT_TRUE(GetPropInfo(FindClass(c.ClassName), name)) << c.ClassName << "." << name;
        const bool windowed = FindClass(c.ClassName)->InheritsFrom(TWinControl::StaticClass());
        EXPECT_EQ(GetPropInfo(FindClass(c.ClassName), "TabOrder") != nullptr, windowed);
        const bool text = GetPropInfo(FindClass(c.ClassName), "Caption") ||
                          GetPropInfo(FindClass(c.ClassName), "Text") ||
                          GetPropInfo(FindClass(c.ClassName), "Lines") ||
                          GetPropInfo(FindClass(c.ClassName), "Items");
        EXPECT_TRUE(text) << c.ClassName;
    }
}

TEST_F(StdControlsTest, ColorAndFontColourShowInTheWidget) {
    const char* classes[] = {"TEdit",     "TMemo",     "TListBox",
                             "TComboBox", "TCheckBox", "TRadioButton"};
    for (const char* name : classes) {
        auto* control = As<TWinControl>(FindClass(name)->Create(Form));
        control->SetParent(Form);
        control->SetBounds(10, 10, 150, control->Height());
        QWidget* widget = WidgetOf(control->Handle());
        // A field in the default colours differs in nothing from Qt's palette (the others
        // follow the form's colour).
        if (!control->ParentColor()) {
            EXPECT_FALSE(widget->testAttribute(Qt::WA_SetPalette))
                << name << ": in the default colours it needs no palette of its own";
        }
        control->SetColor(clYellow);
        const QImage image = Grab(control);
        const int area = image.width() * image.height();
        EXPECT_GT(CountColor(image, image.rect(), Qt::yellow), area / 3) << name;
        control->Font()->SetColor(clRed);
        const QPalette palette = widget->palette();
        EXPECT_EQ(palette.color(QPalette::WindowText), QColor(Qt::red)) << name;
        EXPECT_EQ(palette.color(QPalette::Inactive, QPalette::WindowText), QColor(Qt::red));
        // Disabled, it is greyed as any disabled control, whatever its own colours.
        EXPECT_EQ(palette.color(QPalette::Disabled, QPalette::WindowText),
                  QApplication::palette(widget).color(QPalette::Disabled, QPalette::WindowText))
            << name;
        control->Free();
    }
}

TEST_F(StdControlsTest, AFreshControlStoresNoneOfItsDefaults) {
    // What a writer would store of a control just dropped on a form: only what is not a
    // default (a redeclared default such as an edit's TabStop included).
    for (const TControlCase& c : Cases) {
        auto* control = As<TControl>(FindClass(c.ClassName)->Create(Form));
        control->SetParent(Form);
        std::vector<std::string> stored;
        for (const TPropInfo* p : GetPropList(control)) {
            if (p->PropType->Kind == tkClass || p->PropType->Kind == tkMethod) continue;
            if (p->Name == "Left" || p->Name == "Top" || p->Name == "Width" ||
                p->Name == "Height" || p->Name == "TabOrder" || p->Name == "Name")
                continue;
            if (IsStoredProp(control, p) && !IsDefaultPropValue(control, p))
                stored.push_back(p->Name);
        }
        // Captions and texts are always written, as the platform writes them.
        std::erase_if(stored, [](const std::string& n) { return n == "Caption" || n == "Text"; });
        EXPECT_TRUE(stored.empty())
            << c.ClassName << " stores " << ::testing::PrintToString(stored);
        control->Free();
    }
}

TEST_F(StdControlsTest, EachClassIsInertWhenAHookSwallowsItsInputAndReactsWithoutIt) {
    for (const TControlCase& c : Cases) {
        SCOPED_TRACE(c.ClassName);
        auto* control = As<TControl>(FindClass(c.ClassName)->Create(Form));
        control->SetParent(Form);
        control->SetBounds(20, 20, control->Width(), control->Height());
        if (auto* list = Cast<TListBox>(control)) list->Items()->SetCommaText("a,b,c");
        if (auto* combo = Cast<TComboBox>(control)) combo->Items()->SetCommaText("a,b,c");
        if (auto* label = Cast<TLabel>(control)) label->SetCaption("标签文本");
        Process();
        int events = 0;
        control->OnClick = [&](TObject*) { ++events; };
        control->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++events; };
        bool focusedByClick = false;
        auto poke = [&] {
            const TPoint p = At(control, 8, control->Height() / 2);
            Click(p);
            QTest::mouseDClick(Window(), Qt::LeftButton, {}, QPoint(p.X, p.Y));
            if (auto* win = Cast<TWinControl>(control)) {
                focusedByClick = win->Focused();
                // The focus arrives by code; the keys after it are the user's.
                if (!win->Focused()) win->SetFocus();
                Key(Qt::Key_Space);
                Key(Qt::Key_X);
                Key(Qt::Key_Down);
            }
            Process();
        };
        const TSnapshot before = SnapshotOf(control);
        {
            SwallowInput hook(control);
            poke();
            EXPECT_GT(hook.Swallowed(), 0);
            EXPECT_FALSE(focusedByClick);
            EXPECT_EQ(events, 0);
            EXPECT_EQ(SnapshotOf(control), before);
        }
        poke();
        EXPECT_TRUE(events > 0 || SnapshotOf(control) != before);
        if (auto* combo = Cast<TComboBox>(control)) combo->SetDroppedDown(false);
        control->Free();
        Process();
    }
}

} // namespace

namespace {
TEST_F(StdControlsTest, ScreenshotOfEachStandardControlWithChineseCaptions) {
    Form->SetCaption("标准控件");
    Form->SetBounds(100, 100, 420, 330);
    auto* label = Make<TLabel>(12, 12);
    label->SetCaption("姓名(&N)：");
    auto* edit = Make<TEdit>(90, 8);
    edit->SetTextProp("张三");
    label->SetFocusControl(edit);
    auto* button = Make<TButton>(230, 8);
    button->SetCaption("确定");
    button->SetDefault(true);
    auto* cancel = Make<TButton>(315, 8);
    cancel->SetCaption("取消");
    auto* check = Make<TCheckBox>(12, 44);
    check->SetCaption("自动保存");
    check->SetChecked(true);
    auto* gray = Make<TCheckBox>(120, 44);
    gray->SetCaption("部分选中");
    gray->SetAllowGrayed(true);
    gray->SetState(cbGrayed);
    auto* radio = Make<TRadioButton>(230, 44);
    radio->SetCaption("单选按钮");
    radio->SetChecked(true);
    auto* memo = Make<TMemo>(12, 72);
    memo->Lines()->SetText("第一行文字\n第二行文字\nThird line");
    memo->SetScrollBars(ssVertical);
    auto* list = Make<TListBox>(210, 72);
    list->SetBounds(210, 72, 190, 89);
    list->Items()->SetCommaText("北京,上海,广州,深圳");
    list->SetItemIndex(1);
    auto* combo = Make<TComboBox>(12, 176);
    combo->Items()->SetCommaText("红色,绿色,蓝色");
    combo->SetItemIndex(0);
    auto* drawn = Make<TComboBox>(210, 176);
    drawn->SetBounds(210, 176, 190, 22);
    drawn->SetStyle(csOwnerDrawFixed);
    drawn->Items()->SetCommaText("clRed,clGreen,clBlue");
    drawn->SetItemIndex(2);
    drawn->OnDrawItem = [drawn](TWinControl*, int index, TRect rect, TOwnerDrawState) {
        static const TColor colors[] = {clRed, clGreen, clBlue};
        TCanvas* canvas = drawn->Canvas();
        canvas->FillRect(rect);
        canvas->Brush()->SetColor(colors[index]);
        canvas->Rectangle(rect.Left + 2, rect.Top + 2, rect.Left + 30, rect.Bottom - 2);
        canvas->Brush()->SetStyle(bsClear);
        canvas->TextOut(rect.Left + 36, rect.Top + 2, drawn->Items()->Strings(index));
    };
    auto* wrapped = Make<TLabel>(12, 210);
    wrapped->SetWordWrap(true);
    wrapped->SetWidth(380);
    wrapped->SetCaption(
        "这是一个自动换行的标签：当文字超过宽度时，标签会按行折下来，高度随之增加。");
    Process();
    const QImage image = WidgetOf(Form->Handle())->grab().toImage();
    ASSERT_TRUE(image.save("std_controls.png"));
    EXPECT_GT(wrapped->Height(), label->Height());
}
} // namespace

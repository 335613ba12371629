// The inspector window: which rows are listed under which names, and how the grid is drawn.

#include <set>

#include "InspectorTesting.h"

namespace {

class InspectorGrid : public InspectorTest {
protected:
    TColor PixelAt(int x, int y) { return Insp->Buffer()->Canvas()->Pixels(x, y); }
    /// Dark pixels (text) in the buffer's rectangle.
    int InkIn(const TRect& r) {
        int ink = 0;
        for (int x = r.Left; x < r.Right; ++x)
            for (int y = r.Top; y < r.Bottom; ++y) {
                const TColor c = PixelAt(x, y);
                if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 140) ++ink;
            }
        return ink;
    }
};

TEST_F(InspectorGrid, TheWindowIsBuiltFromItsDescription) {
    EXPECT_EQ(Insp->Caption(), "对象浏览器");
    EXPECT_EQ(Insp->BorderStyle(), bsSizeToolWin);
    EXPECT_EQ(Insp->FormStyle(), fsStayOnTop);
    EXPECT_EQ(Insp->Color(), clWhite);
    EXPECT_EQ(Insp->Font()->Name(), "MS Sans Serif");
    EXPECT_EQ(Insp->Font()->Height(), -11);
    EXPECT_EQ(Insp->CB1->Style(), csOwnerDrawFixed);
    EXPECT_TRUE(Insp->CB1->Sorted());
    EXPECT_EQ(Insp->namesE->Items()->Count(), 84);
    EXPECT_EQ(Insp->namesC->Items()->Count(), 84);
    EXPECT_EQ(Insp->namesE->Items()->Strings(22), "name");
    EXPECT_EQ(Insp->namesE->Items()->Strings(78), "name");
    EXPECT_EQ(Insp->namesC->Items()->Strings(67), "右边距 ");
    for (TControl* c : std::initializer_list<TControl*>{Insp->PaintBox1, Insp->Edit1,
                                                        Insp->EditPanel, Insp->ComboPanel})
        EXPECT_EQ(c->Parent(), Insp->Panel());
    EXPECT_EQ(Insp->Panel()->Parent(), Insp->Box);
    EXPECT_EQ(Insp->SplitPos(), 75);
    EXPECT_EQ(Insp->RowHeight(), ExpectedRowHeight());
    EXPECT_EQ(Insp->Box->VertScrollBar()->Increment(), Insp->RowHeight());
    EXPECT_FALSE(Insp->Edit1->Visible());
    EXPECT_FALSE(Insp->EditBtn->Glyph()->Empty());
    EXPECT_EQ(Insp->ComboBtn->Glyph()->Width(), 10);
}

TEST_F(InspectorGrid, WithoutAHandlerOnlyTranslatedPropertiesAreListed) {
    Insp->SetCurObject(Button1);
    std::set<std::string> names;
    for (int i = 0; i < Insp->GetCount(); ++i) {
        EXPECT_NE(Insp->Props(i)->Kind(), tkMethod);
        names.insert(Insp->ItemName(i));
        EXPECT_NE(Insp->namesC->Items()->IndexOf(Insp->ItemName(i)), -1) << Insp->ItemName(i);
    }
    EXPECT_EQ(Insp->ItemName(RowOf("Name")), "名称");
    EXPECT_EQ(Insp->ItemName(RowOf("Tag")), "标记");
    EXPECT_EQ(Insp->ItemName(RowOf("Caption")), "标题");
    EXPECT_EQ(RowOf("Align"), -1);
    EXPECT_EQ(Insp->GetClassName(), "TButton");
    // Rows keep the framework's property order.
    EXPECT_LT(RowOf("Name"), RowOf("Caption"));
}

TEST_F(InspectorGrid, AHandlerNamesTheOthersAndHidesWithAnEmptyName) {
    std::vector<std::string> asked;
    Insp->OnTransFieldName = [&](const std::string& name) -> std::string {
        asked.push_back(name);
        return name == "ParentFont" ? "" : name + "!";
    };
    Insp->SetCurObject(Target);
    EXPECT_EQ(RowOf("ParentFont"), -1);
    EXPECT_EQ(Insp->ItemName(RowOf("Shade")), "Shade!");
    EXPECT_EQ(Insp->ItemName(RowOf("RightMargin")), "右边距 ");
    for (const std::string& name : asked)
        EXPECT_NE(name, "Caption");
    int methods = 0;
    for (const TPropInfo* info : GetPropList(Target))
        if (info->PropType->Kind == tkMethod) ++methods;
    EXPECT_GT(methods, 0);
    EXPECT_EQ(Insp->GetCount(), int(GetPropList(Target).size()) - methods - 1);
}

TEST_F(InspectorGrid, AnObjectWithoutTranslatedNamesShowsAnEmptyGrid) {
    auto* strings = new TStringList;
    Insp->SetCurObject(strings);
    EXPECT_EQ(Insp->GetCount(), 0);
    EXPECT_EQ(Insp->GetClassName(), "TStringList");
    ShowInspector();
    EXPECT_FALSE(Insp->Edit1->Visible());
    Insp->SetCurObject(nullptr);
    delete strings;
}

TEST_F(InspectorGrid, RowLinesAndNameClipFollowTheColumnBoundary) {
    Insp->OnTransFieldName = [](const std::string&) -> std::string {
        return "一个很长很长很长很长很长的属性名称";
    };
    Insp->SetCurObject(Target);
    ShowInspector();
    ASSERT_GT(Insp->GetCount(), 4);
    ASSERT_EQ(Insp->ItemIndex(), -1);
    const int H = Insp->RowHeight(), S = Insp->SplitPos(), y = 3 * H;
    const int shadow = ColorToRGB(clBtnShadow), light = ColorToRGB(clBtnHighlight);
    EXPECT_EQ(PixelAt(10, y + H - 1), shadow);
    EXPECT_EQ(PixelAt(Insp->GridWidth() - 2, y + H - 1), shadow);
    EXPECT_EQ(PixelAt(S - 1, y + 5), shadow);
    EXPECT_EQ(PixelAt(S, y + 5), light);
    // The long name is cut at S - 2: ink up to there, none in the column after it.
    EXPECT_GT(InkIn(Rect(5, y + 1, S - 2, y + H - 1)), 10);
    EXPECT_EQ(InkIn(Rect(S - 2, y, S - 1, y + H - 1)), 0);
    EXPECT_EQ(InkIn(Rect(0, y + 1, 5, y + H - 1)), 0);
}

TEST_F(InspectorGrid, AColourRowShowsASwatchAndNoText) {
    Button1->SetColor(clRed);
    Insp->SetCurObject(Button1);
    ShowInspector();
    const int row = RowOf("Color");
    ASSERT_GE(row, 0);
    const int H = Insp->RowHeight(), S = Insp->SplitPos(), y = row * H;
    for (int x = S; x < Insp->GridWidth(); x += 7)
        for (int dy = 1; dy < H - 1; ++dy)
            EXPECT_EQ(PixelAt(x, y + dy), clRed) << x << "," << dy;
    // A colour value that is no number draws no swatch, and painting raises nothing.
    Insp->OnTransFieldName = [](const std::string& n) { return n; };
    Insp->SetCurObject(Target);
    EXPECT_TRUE(Errors.empty());
}

TEST_F(InspectorGrid, ValuesAreNavyAndReadLiveOnEveryRepaint) {
    Insp->SetCurObject(Button1);
    ShowInspector();
    const int row = RowOf("Caption"), H = Insp->RowHeight(), S = Insp->SplitPos();
    Button1->SetCaption("");
    Insp->PaintBox1->Repaint();
    Process();
    EXPECT_EQ(InkIn(Rect(S + 2, row * H + 1, Insp->GridWidth(), row * H + H - 1)), 0);
    Button1->SetCaption("WWWW");
    Insp->PaintBox1->Repaint();
    Process();
    bool navy = false;
    for (int x = S + 2; x < S + 40; ++x)
        for (int dy = 1; dy < H - 1; ++dy)
            if (PixelAt(x, row * H + dy) == clNavy) navy = true;
    EXPECT_TRUE(navy);
}

TEST_F(InspectorGrid, TheClosedComboShowsNameAndClassTheOpenListNames) {
    Insp->CB1->Items()->AddObject("Button1", Button1);
    Insp->SetCurObject(Button1);
    EXPECT_EQ(Insp->CB1->ItemIndex(), 0);
    EXPECT_EQ(Insp->ComboItemText(0), "Button1: TButton");
    ShowInspector();
    const QImage shot = WidgetOf(Insp->CB1->Handle())->grab().toImage();
    int ink = 0;
    for (int x = 0; x < shot.width() - 20; ++x)
        for (int y = 0; y < shot.height(); ++y)
            if (shot.pixelColor(x, y).lightness() < 90) ++ink;
    EXPECT_GT(ink, 20);
    // A non-component entry has no name: its class name alone.
    auto* font = new TFont;
    Insp->CB1->Items()->AddObject("zz", font);
    EXPECT_EQ(Insp->ComboItemText(Insp->CB1->Items()->IndexOf("zz")), "TFont");
    Insp->CB1->Items()->Clear();
    delete font;
}

TEST_F(InspectorGrid, DroppingTheComboRefillsItAndKeepsTheSelection) {
    auto* other = new TButton(Form);
    other->SetName("Alpha");
    Insp->CB1->Items()->AddObject("Button1", Button1);
    Insp->SetCurObject(Button1);
    int calls = 0;
    Insp->OnGetObjects = [&](TStrings* list) {
        ++calls;
        list->Clear();
        list->AddObject("Button1", Button1);
        list->AddObject("Alpha", other);
    };
    Insp->CB1DropDown(Insp->CB1);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(Insp->CB1->Items()->Strings(0), "Alpha");
    EXPECT_EQ(Insp->CB1->ItemIndex(), 1);
    TObject* picked = nullptr;
    Insp->OnSelectionChanged = [&](TObject* c) { picked = c; };
    MessageLog log(other);
    Insp->CB1->SetItemIndex(0);
    Insp->CB1Click(Insp->CB1);
    EXPECT_EQ(picked, other);
    EXPECT_EQ(log.Count(WM_LBUTTONDOWN), 1);
}

TEST_F(InspectorGrid, TheInspectedComponentsGoingEmptiesTheGrid) {
    auto* doomed = new TButton(Form);
    doomed->SetParent(Form);
    Insp->SetCurObject(doomed);
    ShowInspector();
    ClickRow(0);
    EXPECT_GT(Insp->GetCount(), 0);
    doomed->Free();
    Process();
    EXPECT_EQ(Insp->GetCount(), 0);
    EXPECT_EQ(Insp->CurObject(), nullptr);
    EXPECT_TRUE(Errors.empty());
}

TEST_F(InspectorGrid, CaptionDoubleClickAndGrow) {
    int caption = 0, grown = 0;
    Insp->OnCaptionDblClick = [&](TObject* s) { caption += s == Insp; };
    Insp->OnGrow = [&](TObject* s) { grown += s == Insp; };
    Insp->Perform(WM_NCLBUTTONDBLCLK, 2, 0);
    EXPECT_EQ(caption, 1);
    Insp->SetCurObject(Button1);
    ShowInspector();
    const int normal = Insp->Height();
    Insp->SetClientHeight(10);
    Insp->Grow();
    EXPECT_EQ(Insp->Height(), normal);
    EXPECT_TRUE(Insp->CB1->Visible());
    EXPECT_EQ(grown, 1);
    Insp->Grow();
    EXPECT_EQ(grown, 1);
    // Shown while collapsed to its caption, the window hides the object combo box.
    Insp->Hide();
    Insp->SetClientHeight(10);
    Insp->Show();
    Process();
    EXPECT_FALSE(Insp->CB1->Visible());
    Insp->Grow();
    EXPECT_TRUE(Insp->CB1->Visible());
    EXPECT_EQ(grown, 2);
}

TEST_F(InspectorGrid, TheContentPanelNeverErasesItsBackground) {
    EXPECT_EQ(Insp->Panel()->BevelOuter(), bvNone);
    EXPECT_EQ(Insp->Panel()->BevelInner(), bvNone);
    Insp->Panel()->Perform(WM_ERASEBKGND, 0, 0);
    EXPECT_EQ(Insp->Panel()->Cursor(), crHandPoint);
}

} // namespace

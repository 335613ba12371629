// Combo boxes: owner drawing in the open list and the closed box, style switching, the real
// drop-down list, and the events of what the user picks and types.

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>

#include <set>

#include "StdTesting.h"

namespace {
class ComboBoxTest : public StdTest {
protected:
    static QComboBox* Widget(TComboBox* combo) {
        return static_cast<QComboBox*>(WidgetOf(combo->Handle()));
    }
    static std::vector<std::string> Shown(TComboBox* combo) {
        std::vector<std::string> texts;
        for (int i = 0; i < Widget(combo)->count(); ++i)
            texts.push_back(Widget(combo)->itemText(i).toStdString());
        return texts;
    }
};

TEST_F(ComboBoxTest, OwnerDrawnItemsAreDrawnInTheOpenListAndInTheClosedBox) {
    auto* combo = Make<TComboBox>(10, 10);
    combo->SetStyle(csOwnerDrawFixed);
    combo->SetItemHeight(20);
    combo->Items()->SetCommaText("红,绿,蓝");
    combo->SetItemIndex(1);
    static const TColor colors[] = {clRed, clLime, clBlue};
    std::vector<std::pair<int, TOwnerDrawState>> drawn;
    combo->OnDrawItem = [&](TWinControl* control, int index, TRect rect, TOwnerDrawState state) {
        drawn.emplace_back(index, state);
        TCanvas* canvas = static_cast<TComboBox*>(control)->Canvas();
        canvas->Brush()->SetColor(colors[index]);
        canvas->FillRect(rect);
        canvas->Font()->SetColor(clWhite);
        canvas->TextOut(rect.Left + 2, rect.Top + 2,
                        static_cast<TComboBox*>(control)->Items()->Strings(index));
    };

    // The closed box shows the current item, drawn by the control and marked as the field.
    const QImage closed = Grab(combo);
    EXPECT_GT(CountColor(closed, closed.rect(), Qt::green), 100);
    EXPECT_EQ(CountColor(closed, closed.rect(), Qt::red), 0);
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.back().first, 1);
    EXPECT_TRUE(drawn.back().second.Contains(odComboBoxEdit));

    // The open list has every row drawn by the control, none marked as the field.
    drawn.clear();
    combo->SetDroppedDown(true);
    Process();
    ASSERT_TRUE(combo->DroppedDown());
    QWidget* viewport = Widget(combo)->view()->viewport();
    const QImage list = viewport->grab().toImage().convertToFormat(QImage::Format_RGB32);
    static const QColor shown[] = {Qt::red, Qt::green, Qt::blue};
    for (int i = 0; i < 3; ++i) {
        const QRect row = Widget(combo)->view()->visualRect(Widget(combo)->model()->index(i, 0));
        EXPECT_EQ(row.height(), 20);
        EXPECT_GT(CountColor(list, row, shown[i]), row.width() * row.height() / 2) << i;
    }
    std::set<int> rows;
    for (const auto& [index, state] : drawn)
        if (!state.Contains(odComboBoxEdit)) rows.insert(index);
    EXPECT_EQ(rows, (std::set<int>{0, 1, 2}));
    combo->SetDroppedDown(false);
    EXPECT_FALSE(combo->DroppedDown());
}

TEST_F(ComboBoxTest, SwitchingStyleKeepsTheItemsAndTheCurrentItem) {
    auto* combo = Make<TComboBox>(10, 10);
    TObject tag;
    combo->Items()->SetCommaText("一,二,三");
    combo->Items()->SetObjects(2, &tag);
    combo->SetItemIndex(2);
    const TComboBoxStyle styles[] = {csDropDownList, csDropDown,          csOwnerDrawFixed,
                                     csDropDown,     csOwnerDrawVariable, csDropDownList};
    for (TComboBoxStyle style : styles) {
        combo->SetStyle(style);
        EXPECT_EQ(Widget(combo)->isEditable(), style == csDropDown) << style;
        EXPECT_EQ(Shown(combo), (std::vector<std::string>{"一", "二", "三"})) << style;
        EXPECT_EQ(combo->ItemIndex(), 2) << style;
        EXPECT_EQ(combo->Text(), "三") << style;
        EXPECT_EQ(SendMessage(combo->Handle(), CB_GETITEMDATA, 2, 0),
                  reinterpret_cast<intptr_t>(&tag));
    }
    // In a drop-down list, text picks the item it names.
    combo->SetTextProp("二");
    EXPECT_EQ(combo->ItemIndex(), 1);
    combo->SetTextProp("四");
    EXPECT_EQ(combo->ItemIndex(), -1);
}

TEST_F(ComboBoxTest, DroppedDownOpensTheRealListAfterOnDropDownFilledIt) {
    auto* combo = Make<TComboBox>(10, 10);
    std::string events;
    combo->OnDropDown = [&](TObject*) {
        events += "drop ";
        if (combo->Items()->Count() == 0) combo->Items()->SetCommaText("晚,来");
    };
    combo->OnCloseUp = [&](TObject*) { events += "close "; };
    combo->SetDroppedDown(true);
    Process();
    QAbstractItemView* view = Widget(combo)->view();
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(view->model()->rowCount(), 2);
    combo->SetDroppedDown(false);
    Process();
    EXPECT_FALSE(view->isVisible());
    EXPECT_EQ(events, "drop close ");

    // The user opens it with a click on the closed box, and closes it with Esc.
    events.clear();
    combo->SetStyle(csDropDownList);
    Click(At(combo, 20, 10));
    Process();
    EXPECT_TRUE(combo->DroppedDown());
    QTest::keyClick(view->window()->windowHandle(), Qt::Key_Escape);
    Process();
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(events, "drop close ");
}

TEST_F(ComboBoxTest, ASimpleComboBoxShowsItsListUnderTheFieldWithinItsHeight) {
    auto* combo = Make<TComboBox>(10, 10);
    combo->Items()->SetCommaText("甲,乙,丙");
    combo->SetStyle(csSimple);
    combo->SetHeight(120);
    EXPECT_EQ(combo->Height(), 120) << "a simple combo box's height is its own";
    auto* list = Widget(combo)->findChild<QListView*>();
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->isVisible());
    QLineEdit* field = Widget(combo)->lineEdit();
    ASSERT_NE(field, nullptr);
    // The field on top, the list below it down to the bottom edge.
    EXPECT_LT(field->geometry().bottom(), list->geometry().top());
    EXPECT_EQ(list->geometry().top(), combo->Height() - list->height());
    EXPECT_EQ(list->geometry().bottom(), combo->Height() - 1);
    EXPECT_EQ(list->width(), combo->Width());
    EXPECT_EQ(list->model()->rowCount(), 3);

    // Items shown at once: the rows paint inside the control, not in a popup.
    const QImage image = Grab(combo);
    const QRect rows(1, list->y() + 2, combo->Width() - 20, list->height() - 4);
    EXPECT_GT(CountColor(image, rows, Qt::black), 10);

    // A click on an item picks it, as a pick from a dropped list does.
    std::string events;
    combo->OnClick = [&](TObject*) { events += "click "; };
    combo->OnChange = [&](TObject*) { events += "change:" + combo->Text() + " "; };
    const QRect second = list->visualRect(list->model()->index(1, 0));
    const QPoint at = list->viewport()->mapTo(Widget(combo), second.center());
    Click(At(combo, at.x(), at.y()));
    Process();
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), "乙");
    EXPECT_EQ(events, "click change:乙 ");
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_FALSE(combo->DroppedDown());
    // The keys in the field move through the list, and the list follows.
    ASSERT_TRUE(combo->Focused());
    Key(Qt::Key_Down);
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(list->currentIndex().row(), 2);
    combo->SetDroppedDown(true);
    Process();
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "there is nothing to drop down";

    // Back to a drop-down combo box: the field's height, and no list under it.
    combo->SetStyle(csDropDown);
    EXPECT_LT(combo->Height(), 40);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(combo->ItemIndex(), 2);
}

TEST_F(ComboBoxTest, TypingInASimpleComboBoxHighlightsTheFirstItemStartingWithTheText) {
    auto* combo = Make<TComboBox>(10, 10);
    combo->SetStyle(csSimple);
    combo->SetHeight(120);
    combo->Items()->SetCommaText("Apple,apricot,Banana,berry,BERRY2");
    auto* list = Widget(combo)->findChild<QListView*>();
    ASSERT_NE(list, nullptr);
    combo->SetFocus();
    struct Case {
        Qt::Key Key;
        int Row; ///< the list's highlighted row; -1 for none
    };
    // Each key after the one before; Qt's inline completion may fill the field in between.
    const Case cases[] = {
        {Qt::Key_B, 2}, {Qt::Key_E, 3}, {Qt::Key_X, -1}, {Qt::Key_Backspace, 3}, {Qt::Key_P, -1}};
    std::string typed;
    for (const Case& c : cases) {
        Key(c.Key);
        typed += QTest::keyToAscii(c.Key) ? std::string(1, QTest::keyToAscii(c.Key)) : "⌫";
        SCOPED_TRACE(typed + " -> " + combo->Text());
        EXPECT_EQ(list->currentIndex().row(), c.Row);
        EXPECT_EQ(list->selectionModel()->selectedRows().size(), c.Row < 0 ? 0 : 1);
        EXPECT_EQ(combo->ItemIndex(), -1) << "the current item stays";
    }
}

TEST_F(ComboBoxTest, PickingAnItemClicksAndChangesOrSelects) {
    auto* combo = Make<TComboBox>(10, 10);
    combo->SetStyle(csDropDownList);
    combo->Items()->SetCommaText("甲,乙,丙");
    std::string events;
    combo->OnClick = [&](TObject*) { events += "click "; };
    combo->OnChange = [&](TObject*) { events += "change:" + combo->Text() + " "; };
    combo->SetFocus();
    Key(Qt::Key_Down);
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(events, "click change:甲 ");

    // Picked with the mouse from the open list.
    events.clear();
    combo->SetDroppedDown(true);
    Process();
    QAbstractItemView* view = Widget(combo)->view();
    // The list is a window of its own, clicked as such.
    const QRect row = view->visualRect(view->model()->index(2, 0));
    const QPoint at = view->viewport()->mapTo(view->window(), row.center());
    QTest::mouseClick(view->window()->windowHandle(), Qt::LeftButton, {}, at);
    Process();
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_NE(events.find("click change:丙 "), std::string::npos) << events;

    events.clear();
    combo->OnSelect = [&](TObject*) { events += "select "; };
    Key(Qt::Key_Up);
    EXPECT_EQ(events, "click select ");
    // Code changes neither click nor change.
    events.clear();
    combo->SetItemIndex(0);
    combo->SetTextProp("丙");
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(events, "");
}

TEST_F(ComboBoxTest, TypingInTheFieldChangesTheTextSettingItDoesNot) {
    auto* combo = Make<TComboBox>(10, 10);
    combo->Items()->SetCommaText("apple,banana");
    int changes = 0;
    combo->OnChange = [&](TObject*) { ++changes; };
    combo->SetTextProp("文字");
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(combo->ItemIndex(), -1);
    combo->SetFocus();
    combo->SelectAll();
    QTest::keyClick(Window(), 'x');
    EXPECT_EQ(combo->Text(), "x");
    EXPECT_EQ(changes, 1);
    combo->SetMaxLength(2);
    QTest::keyClick(Window(), 'y');
    QTest::keyClick(Window(), 'z');
    EXPECT_EQ(combo->Text(), "xy");
    // A click in the field places the caret there, through the control's window procedure.
    MessageLog log(combo);
    Click(At(combo, 4, 10));
    EXPECT_EQ(log.Count(WM_LBUTTONDOWN), 1);
    EXPECT_EQ(combo->SelStart(), 0);
}

TEST_F(ComboBoxTest, ItemsCurrentItemAndTextOutliveTheWindow) {
    auto* combo = new TComboBox(Form);
    combo->Items()->SetCommaText("b,a");
    combo->SetItemIndex(1);
    EXPECT_EQ(combo->Text(), "a");
    combo->SetSorted(true);
    EXPECT_EQ(combo->Items()->CommaText(), "a,b");
    EXPECT_EQ(combo->ItemIndex(), 0);
    combo->SetParent(Form);
    EXPECT_EQ(Shown(combo), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(Widget(combo)->currentText(), "a");
    combo->SetTextProp("自由文字");
    combo->SetParent(nullptr);
    EXPECT_EQ(combo->Text(), "自由文字");
    combo->SetParent(Form);
    EXPECT_EQ(Widget(combo)->currentText().toStdString(), "自由文字");
    EXPECT_EQ(combo->ItemIndex(), 0);
}
} // namespace

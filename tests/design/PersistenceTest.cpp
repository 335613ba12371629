// Saving the designed form to the component stream and loading it back: what is written, where
// in the stream, and that a load or save that fails leaves the form and the file as they were.
#include <signal.h>
#include <sys/resource.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "DesignTesting.h"
#include "StreamTestUtil.h"
#include "host/containers/Panels.h"
#include "host/core/Files.h"
#include "host/core/Stream.h"
#include "host/stdctrls/StdCtrls.h"
#include "host/streaming/ObjectText.h"
#include "inspector/ObjectInspector.h"

namespace {

std::string Bytes(TMemoryStream& s, int64_t from = 0) {
    const auto* p = static_cast<const char*>(s.Memory());
    return std::string(p + from, p + s.Size());
}

TMemoryStream* StreamOf(const std::string& bytes) {
    auto* s = new TMemoryStream();
    s->WriteBuffer(bytes.data(), int64_t(bytes.size()));
    s->SetPosition(0);
    return s;
}

/// Name, class, parent and bounds of every control a form owns, sorted: a load makes them in
/// stream order, which need not be the order in which they were made.
std::string Layout(TComponent* form) {
    std::vector<std::string> lines;
    for (int i = 0; i < form->ComponentCount(); ++i) {
        auto* c = Cast<TControl>(form->Components(i));
        if (!c) continue;
        const TRect r = c->BoundsRect();
        auto* w = Cast<TWinControl>(c);
        const std::string parent = c->Parent() == form ? "the form" : c->Parent()->Name();
        lines.push_back(c->Name() + ":" + c->ClassName() + " in " + parent + " (" +
                        IntToStr(r.Left) + "," + IntToStr(r.Top) + "," + IntToStr(r.Right) + "," +
                        IntToStr(r.Bottom) + ") tab " + IntToStr(w ? w->TabOrder() : -1));
    }
    std::sort(lines.begin(), lines.end());
    std::string out;
    for (const std::string& line : lines)
        out += line + "\n";
    return out;
}

TZkFormDesigner* DesignerOf(TComponent* form) {
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (auto* d = Cast<TZkFormDesigner>(form->Components(i))) return d;
    return nullptr;
}

class PersistenceTest : public DesignTest {
protected:
    void SetUp() override {
        DesignTest::SetUp();
        Form->SetName("Form1");
        Panel = Add<TPanel>(Form, Rect(10, 10, 200, 150), "Panel1");
        Edit = Add<TEdit>(Panel, Rect(10, 10, 100, 31), "Edit1");
        Button = Add<TButton>(Form, Rect(220, 20, 300, 45), "Button1");
        Check = Add<TCheckBox>(Form, Rect(220, 60, 320, 80), "CheckBox1");
    }
    void TearDown() override {
        for (TCustomForm* f : Fresh)
            f->Free();
        DesignTest::TearDown();
    }
    TForm* FreshForm() {
        auto* f = new TForm(nullptr);
        Fresh.push_back(f);
        return f;
    }

    TPanel* Panel = nullptr;
    TEdit* Edit = nullptr;
    TButton* Button = nullptr;
    TCheckBox* Check = nullptr;
    std::vector<TCustomForm*> Fresh;
};

TEST_F(PersistenceTest, SavedFormLoadsBackWithItsControlsAndSavesToTheSameBytes) {
    Designer->CannotDesignControls()->Add("CheckBox1");
    auto* combo = Add<TComboBox>(Form, Rect(220, 100, 320, 121), "Combo1");
    auto* top = Add<TPanel>(Form, Rect(0, 0, 50, 30), "Top1");
    top->SetAlign(alTop);
    Begin();
    Designer->AddControlToDesign(TButton::StaticClass(), Rect(40, 200, 120, 230));
    OverlayOf(Panel)->InnerDesigner()->AddControlToDesign(TLabel::StaticClass(),
                                                          Rect(20, 60, 80, 80));
    // A session that moved, restacked, renumbered and deleted: a save in it writes what
    // ending it would leave, and it goes on with its selection and history.
    Designer->ClearSelection(nullptr);
    OverlayOf(Button)->SetSelected(true);
    Designer->MoveSelection(7, 3);
    Designer->KMAlignControls(daSendToBack);
    OverlayOf(combo)->SetTabOrder(0);
    OverlayOf(Edit)->Delete();
    const int position = Designer->History()->Position();
    // Saving starts at the stream's position and leaves what lies before it alone.
    TMemoryStream stream;
    stream.WriteBuffer("head", 4);
    Designer->SaveToStream(&stream);
    EXPECT_EQ(Bytes(stream).substr(0, 8), "headTPF0");
    EXPECT_TRUE(Designer->IsDesigning());
    EXPECT_TRUE(OverlayOf(Button)->Selected());
    EXPECT_EQ(Designer->History()->Position(), position);
    Designer->Undo();
    EXPECT_TRUE(OverlayOf(Edit)->Visible()) << "the deletion is undone after the save";
    Designer->Redo();
    Designer->EndDesign();
    TMemoryStream ended;
    Designer->SaveToStream(&ended);
    EXPECT_EQ(BinaryToText(Bytes(stream, 4)), BinaryToText(Bytes(ended)));
    EXPECT_EQ(Bytes(stream, 4), Bytes(ended));
    const std::string before = Layout(Form);
    EXPECT_NE(before.find("TButton in the form (40,200,120,230)"), std::string::npos) << before;
    EXPECT_NE(before.find("TLabel in Panel1 (20,60,"), std::string::npos) << before;

    // The loaded root takes the stream's name once no other form has it.
    Form->SetName("Original");
    TForm* copy = FreshForm();
    stream.SetPosition(4);
    TZkFormDesigner::LoadFromStream(copy, &stream);
    EXPECT_EQ(Layout(copy), before);
    EXPECT_EQ(copy->ComponentCount(), Form->ComponentCount()) << "the designer came back too";

    TMemoryStream again;
    TZkFormDesigner* designer = DesignerOf(copy);
    ASSERT_NE(designer, nullptr) << "the designer loads back with its published properties";
    EXPECT_FALSE(designer->ShowInspector());
    EXPECT_EQ(designer->CannotDesignControls()->Text(), "CheckBox1\n");
    designer->SaveToStream(&again);
    EXPECT_EQ(Bytes(again), Bytes(stream, 4));
}

TEST_F(PersistenceTest, SaveWritesNeitherDeletedControlsNorUndoneInsertions) {
    Begin();
    TDesignControl* inserted =
        Designer->AddControlToDesign(TEdit::StaticClass(), Rect(40, 200, 0, 0));
    const std::string insertedName = inserted->Control()->Name();
    Designer->Undo();
    OverlayOf(Check)->Delete();

    TMemoryStream stream;
    Designer->SaveToStream(&stream);
    EXPECT_TRUE(Designer->IsDesigning());

    TForm* copy = FreshForm();
    stream.SetPosition(0);
    TZkFormDesigner::LoadFromStream(copy, &stream);
    EXPECT_EQ(copy->FindComponent("CheckBox1"), nullptr);
    EXPECT_EQ(copy->FindComponent(insertedName), nullptr);
    EXPECT_NE(copy->FindComponent("Button1"), nullptr);
}

TEST_F(PersistenceTest, SavedFormDecodesAsTheIndependentReaderDecodesIt) {
    if (!OracleAvailable()) GTEST_SKIP() << "fpc was not found when the build was configured";
    TMemoryStream stream;
    Designer->SaveToStream(&stream);
    std::string text;
    ASSERT_TRUE(RunOracle("totext", Bytes(stream), text));
    EXPECT_EQ(text, BinaryToText(Bytes(stream)));
    EXPECT_NE(text.find("object Edit1: TEdit"), std::string::npos);
}

TEST_F(PersistenceTest, FailedLoadLeavesTheFormAsItWas) {
    TMemoryStream good;
    Designer->SaveToStream(&good);
    const std::string bytes = Bytes(good);
    const std::string unknown = TextToBinary("object Form1: TForm\n"
                                             "  object Thing1: TNoSuchControl\n"
                                             "  end\n"
                                             "end\n");
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"truncated", bytes.substr(0, bytes.size() / 2)},
        {"another format", "PK\x03\x04 not a form at all"},
        {"empty", ""},
        {"unknown class", unknown},
    };
    const std::string layout = Layout(Form);
    const int count = Form->ComponentCount();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<TMemoryStream> s(StreamOf(c.bytes));
        EXPECT_THROW(TZkFormDesigner::LoadFromStream(Form, s.get()), Exception);
        EXPECT_EQ(Layout(Form), layout);
        EXPECT_EQ(Form->ComponentCount(), count);
        EXPECT_EQ(Form->FindComponent("Button1"), Button) << "the very same controls stay";
    }
}

TEST_F(PersistenceTest, LoadEndsSessionsOfDesignersTheFormDoesNotOwn) {
    TMemoryStream stream;
    Designer->SaveToStream(&stream);
    // A root designer owned by nothing, designing the panel of this form.
    auto* outsider = new TZkFormDesigner(Panel, nullptr, false);
    outsider->SetShowInspector(false);
    outsider->BeginDesign();
    ASSERT_TRUE(OverlayOf(Edit));

    stream.SetPosition(0);
    TZkFormDesigner::LoadFromStream(Form, &stream);
    EXPECT_FALSE(outsider->IsDesigning());
    auto* edit = Cast<TEdit>(Form->FindComponent("Edit1"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->Parent()->Name(), "Panel1");
    delete outsider;
}

TEST_F(PersistenceTest, SavingADesignFormOnNoFormRaisesAndWritesNothing) {
    auto* loose = new TTestPanel(nullptr);
    auto* designer = new TZkFormDesigner(loose, nullptr, false);
    TMemoryStream stream;
    EXPECT_THROW(designer->SaveToStream(&stream), EComponentError);
    EXPECT_EQ(stream.Size(), 0);
    delete designer;
    loose->Free();
}

TEST_F(PersistenceTest, FileSaveReplacesTheFileWholeOrNotAtAll) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("zk-persistence-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string file = (dir / "form.zkf").string();
    Designer->SaveToBinaryFile(file);
    std::ifstream in(file, std::ios::binary);
    const std::string first((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(first.substr(0, 4), "TPF0");

    TForm* copy = FreshForm();
    TZkFormDesigner::LoadFromBinaryFile(copy, file);
    EXPECT_NE(copy->FindComponent("Edit1"), nullptr);

    // A save that runs out of room halfway: the file size limit makes the write fail.
    for (int i = 0; i < 40; ++i)
        Add<TButton>(Form, Rect(5, 5 + i, 50, 30 + i), ("Extra" + std::to_string(i)).c_str());
    struct rlimit old;
    getrlimit(RLIMIT_FSIZE, &old);
    auto* oldHandler = signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = first.size() + 16;
    setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_THROW(Designer->SaveToBinaryFile(file), Exception);
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);

    std::ifstream after(file, std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(after)), {}), first);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1)
        << "no temporary file is left beside it";

    // A folder that does not exist: the error names the file the user chose, not the one the
    // designer writes beside it first.
    const std::string lost = (dir / "nofolder" / "form.zkf").string();
    try {
        Designer->SaveToBinaryFile(lost);
        ADD_FAILURE() << "no EFCreateError";
    } catch (const EFCreateError& e) {
        EXPECT_EQ(e.Message(), "无法创建文件“" + lost + "”：文件或文件夹不存在");
    }
    std::filesystem::remove_all(dir);
}

} // namespace

namespace {

TEST_F(PersistenceTest, AFormSavedAfterUsingTheInspectorLoadsBackSafely) {
    // The inspector's value box held the focus when the save ended the session and undocked
    // it: the form must not keep that box as its focused control.
    Form->SetBounds(100, 100, 700, 400);
    Designer->SetShowInspector(true);
    Begin();
    TObjectInspForm* insp = Designer->Inspector();
    ASSERT_TRUE(insp->Visible());
    const TPoint row = insp->PaintBox1->ClientToScreen(Point(insp->SplitPos() + 20, 3 * insp->RowHeight() + 3));
    Click(Form->ScreenToClient(row));
    Process();
    const std::string path = testing::TempDir() + "inspector_then_load.zkf";
    Designer->SaveToBinaryFile(path);
    TZkFormDesigner::LoadFromBinaryFile(Form, path);
    Process();
    EXPECT_NE(Form->FindComponent("Edit1"), nullptr);
    EXPECT_TRUE(Errors.empty()) << Errors.front();
    std::remove(path.c_str());
}

TEST_F(PersistenceTest, WhetherTheDesignChangedIsNotStored) {
    Begin();
    Designer->SetIsDirty(true);
    TMemoryStream saved;
    Designer->SaveToStream(&saved);
    EXPECT_EQ(BinaryToText(Bytes(saved)).find("IsDirty"), std::string::npos);
    // A file that carries the flag (as earlier versions wrote it) loads unchanged.
    std::string text = BinaryToText(Bytes(saved));
    const size_t at = text.find("ShowInspector");
    ASSERT_NE(at, std::string::npos);
    text.insert(text.rfind('\n', at) + 1, "    IsDirty = True\n");
    std::unique_ptr<TMemoryStream> carrying(StreamOf(TextToBinary(text)));
    TZkFormDesigner::LoadFromStream(Form, carrying.get());
    TZkFormDesigner* loaded = DesignerOf(Form);
    ASSERT_NE(loaded, nullptr);
    EXPECT_FALSE(loaded->IsDirty());
}

} // namespace

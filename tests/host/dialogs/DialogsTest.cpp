// Dialogs: each Execute shows the real Qt dialog (answered here by real input on it) or goes
// through the runner; confirming takes the values, cancelling keeps the old ones.

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

#include "WindowTesting.h"
#include "host/dialogs/Dialogs.h"

namespace {
class DialogTest : public WindowTest {
protected:
    /// Runs `answer` on the modal dialog once it shows.
    void WhenShown(std::function<void(QWidget*)> answer) {
        QTimer::singleShot(0, [answer] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            answer(dialog);
        });
    }
    /// Clicks (with the real mouse) the button of the dialog's button box with that role.
    static void ClickButton(QWidget* dialog, QDialogButtonBox::StandardButton which) {
        auto* box = dialog->findChild<QDialogButtonBox*>();
        ASSERT_NE(box, nullptr);
        QPushButton* button = box->button(which);
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    }
};

// ---- Through the runner ---------------------------------------------------------------------

TEST_F(DialogTest, ARunnerAnswersEveryDialogInsteadOfAPerson) {
    TFontDialog font(nullptr);
    TColorDialog color(nullptr);
    TOpenDialog open(nullptr);
    TSaveDialog save(nullptr);
    TOpenPictureDialog picture(nullptr);
    std::vector<std::string> seen;
    bool confirm = true;
    TDialogRunner saved = SetDialogRunner([&](TCommonDialog* d) {
        seen.push_back(d->ClassName());
        if (!confirm) return false;
        if (auto* f = Cast<TFontDialog>(d)) f->Font()->SetSize(20);
        if (auto* c = Cast<TColorDialog>(d)) c->SetColor(clRed);
        if (auto* o = Cast<TOpenDialog>(d)) o->SetFileName("/tmp/文件.txt");
        return true;
    });
    std::vector<std::string> events;
    open.OnShow = [&](TObject*) { events.push_back("show"); };
    open.OnClose = [&](TObject*) { events.push_back("close"); };
    EXPECT_TRUE(font.Execute());
    EXPECT_TRUE(color.Execute());
    EXPECT_TRUE(open.Execute());
    EXPECT_TRUE(save.Execute());
    EXPECT_TRUE(picture.Execute());
    EXPECT_EQ(font.Font()->Size(), 20);
    EXPECT_EQ(color.Color(), clRed);
    EXPECT_EQ(open.FileName(), "/tmp/文件.txt");
    EXPECT_EQ(seen, (std::vector<std::string>{"TFontDialog", "TColorDialog", "TOpenDialog",
                                              "TSaveDialog", "TOpenPictureDialog"}));
    EXPECT_EQ(events, (std::vector<std::string>{"show", "close"}));
    confirm = false;
    EXPECT_FALSE(open.Execute());
    EXPECT_FALSE(font.Execute());
    SetDialogRunner(saved);
}

TEST_F(DialogTest, MessageDlgAsksTheRunnerWithItsTypeButtonsAndChineseCaption) {
    std::vector<TMessageBoxRequest> asked;
    TMessageBoxRunner saved = SetMessageBoxRunner([&](const TMessageBoxRequest& r) {
        asked.push_back(r);
        return mrNo;
    });
    EXPECT_EQ(MessageDlg("保存更改吗？", mtConfirmation, mbYesNoCancel), mrNo);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].Caption, "确认");
    EXPECT_EQ(asked[0].Text, "保存更改吗？");
    EXPECT_EQ(asked[0].Buttons, mbYesNoCancel);
    EXPECT_EQ(asked[0].DefaultButton, mbYes);
    EXPECT_EQ(
        Application->MessageBox("继续？", "标题", MB_OKCANCEL | MB_DEFBUTTON2 | MB_ICONQUESTION),
        IDNO);
    EXPECT_EQ(asked[1].Buttons, mbOKCancel);
    EXPECT_EQ(asked[1].DefaultButton, mbCancel);
    EXPECT_EQ(asked[1].Type, mtConfirmation);
    EXPECT_EQ(asked[1].Caption, "标题");
    SetMessageBoxRunner(saved);
}

TEST_F(DialogTest, FilterStringsSplitIntoDescriptionsAndPatterns) {
    EXPECT_EQ(
        ParseFileFilter("Text files (*.txt)|*.txt|All (*.*)|*.*"),
        (std::vector<TFileFilter>{{"Text files (*.txt)", {"*.txt"}}, {"All (*.*)", {"*.*"}}}));
    EXPECT_EQ(ParseFileFilter("图片|*.bmp; *.png|未完"),
              (std::vector<TFileFilter>{{"图片", {"*.bmp", "*.png"}}}));
    EXPECT_TRUE(ParseFileFilter("").empty());
}

// ---- The real dialogs ---------------------------------------------------------------------------

TEST_F(DialogTest, FontDialogStartsOnTheFontAndTakesTheOneConfirmed) {
    TFontDialog dialog(nullptr);
    dialog.Font()->SetName("Noto Sans CJK SC");
    dialog.Font()->SetSize(12);
    QFont shown;
    QFont accepted;
    WhenShown([&](QWidget* w) {
        auto* d = qobject_cast<QFontDialog*>(w);
        ASSERT_NE(d, nullptr);
        shown = d->currentFont();
        QFont chosen = shown;
        chosen.setPointSize(18);
        chosen.setItalic(true);
        d->setCurrentFont(chosen);
        accepted = d->currentFont();
        ClickButton(d, QDialogButtonBox::Ok);
    });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(shown.pointSize(), 12);
    EXPECT_EQ(dialog.Font()->Size(), 18);
    EXPECT_EQ(dialog.Font()->Name(), accepted.family().toStdString());
    EXPECT_EQ(dialog.Font()->Style().Contains(fsItalic), accepted.italic());

    WhenShown([&](QWidget* w) {
        auto* d = qobject_cast<QFontDialog*>(w);
        QFont other = d->currentFont();
        other.setPointSize(30);
        d->setCurrentFont(other);
        ClickButton(d, QDialogButtonBox::Cancel);
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.Font()->Size(), 18) << "a cancelled dialog keeps the font";
}

TEST_F(DialogTest, ColorDialogStartsOnTheColourAndWritesTheCustomColours) {
    TColorDialog dialog(nullptr);
    dialog.SetColor(clNavy);
    dialog.CustomColors()->Add("ColorA=0000FF");
    QColor shown;
    QColor customA;
    WhenShown([&](QWidget* w) {
        auto* d = qobject_cast<QColorDialog*>(w);
        ASSERT_NE(d, nullptr);
        shown = d->currentColor();
        customA = QColorDialog::customColor(0);
        d->setCurrentColor(QColor(0, 128, 0));
        ClickButton(d, QDialogButtonBox::Ok);
    });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(shown, QColor(0, 0, 128));
    EXPECT_EQ(customA, QColor(255, 0, 0)) << "custom colours are $BBGGRR hex";
    EXPECT_EQ(dialog.Color(), clGreen);
    EXPECT_EQ(dialog.CustomColors()->Values("ColorA"), "0000FF");
    EXPECT_EQ(dialog.CustomColors()->IndexOfName("ColorP") >= 0, true);

    WhenShown([](QWidget* w) {
        qobject_cast<QColorDialog*>(w)->setCurrentColor(Qt::yellow);
        ClickButton(w, QDialogButtonBox::Cancel);
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.Color(), clGreen);
}

class FileDialogTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        ASSERT_TRUE(Dir.isValid());
        for (const char* name : {"说明.txt", "data.bin"}) {
            QFile f(Dir.filePath(QString::fromUtf8(name)));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("x");
        }
        QImage image(20, 10, QImage::Format_RGB32);
        image.fill(Qt::red);
        ASSERT_TRUE(image.save(Dir.filePath("red.png")));
    }
    std::string Path(const char* name) const {
        return Dir.filePath(QString::fromUtf8(name)).toStdString();
    }
    /// Puts a name into the dialog's file name box and presses Enter (QTest types only
    /// ASCII, so the name is pasted in).
    static void EnterName(QWidget* dialog, const QString& name) {
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(edit, nullptr);
        edit->setText(name);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    QTemporaryDir Dir;
};

TEST_F(FileDialogTest, OpenDialogShowsTheFilterAndFolderAndTakesTheFileTyped) {
    TOpenDialog dialog(nullptr);
    dialog.SetFilter("文本文件 (*.txt)|*.txt|图片|*.png;*.bmp|全部 (*.*)|*.*");
    dialog.SetFilterIndex(1);
    dialog.SetInitialDir(Dir.path().toStdString());
    dialog.SetTitle("打开表单");
    QStringList filters;
    QString selectedFilter;
    QString directory;
    QString title;
    WhenShown([&](QWidget* w) {
        auto* d = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(d, nullptr);
        filters = d->nameFilters();
        selectedFilter = d->selectedNameFilter();
        directory = d->directory().absolutePath();
        title = d->windowTitle();
        EnterName(d, QStringLiteral("说明.txt"));
    });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(filters, (QStringList{"文本文件 (*.txt)", "图片 (*.png *.bmp)", "全部 (*.*)"}));
    EXPECT_EQ(selectedFilter, "文本文件 (*.txt)");
    EXPECT_EQ(directory, QDir(Dir.path()).absolutePath());
    EXPECT_EQ(title, "打开表单");
    EXPECT_EQ(dialog.FileName(), Path("说明.txt"));
    ASSERT_EQ(dialog.Files()->Count(), 1);
    EXPECT_EQ(dialog.FilterIndex(), 1);

    WhenShown([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), Path("说明.txt")) << "a cancelled dialog keeps the name";
}

TEST_F(FileDialogTest, SaveDialogAddsTheDefaultExtension) {
    TSaveDialog dialog(nullptr);
    dialog.SetInitialDir(Dir.path().toStdString());
    dialog.SetDefaultExt("dfm");
    QString title;
    WhenShown([&](QWidget* w) {
        title = w->windowTitle();
        EnterName(w, QStringLiteral("新表单"));
    });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(title, "另存为");
    EXPECT_EQ(dialog.FileName(), Path("新表单.dfm"));
}

TEST_F(FileDialogTest, CancelledSaveKeepsTheNameAndConfirmedPictureDialogTakesThePicture) {
    TSaveDialog save(nullptr);
    save.SetFileName(Path("data.bin"));
    WhenShown([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    EXPECT_FALSE(save.Execute());
    EXPECT_EQ(save.FileName(), Path("data.bin"));

    TOpenPictureDialog picture(nullptr);
    picture.SetInitialDir(Dir.path().toStdString());
    WhenShown([](QWidget* w) { EnterName(w, QStringLiteral("red.png")); });
    EXPECT_TRUE(picture.Execute());
    EXPECT_EQ(picture.FileName(), Path("red.png"));
    EXPECT_EQ(picture.FilterIndex(), 1) << "the first filter lists every picture format";
}

TEST_F(FileDialogTest, PictureDialogPreviewsTheSelectedPicture) {
    TOpenPictureDialog dialog(nullptr);
    EXPECT_NE(dialog.Filter().find("*.png"), std::string::npos) << "the picture formats";
    dialog.SetInitialDir(Dir.path().toStdString());
    bool previewShown = false;
    bool previewedPicture = false;
    WhenShown([&](QWidget* w) {
        auto* d = qobject_cast<QFileDialog*>(w);
        auto* preview = d->findChild<QLabel*>(QStringLiteral("ZkPicturePreview"));
        ASSERT_NE(preview, nullptr);
        previewShown = preview->isVisible();
        // The file list fills in the background; then the picture is clicked in it.
        auto* view = d->findChild<QListView*>(QStringLiteral("listView"));
        ASSERT_NE(view, nullptr);
        auto* model = qobject_cast<QFileSystemModel*>(view->model());
        ASSERT_NE(model, nullptr);
        const QString path = QString::fromStdString(Path("red.png"));
        QRect cell;
        for (int i = 0; i < 300 && !cell.isValid(); ++i) {
            QTest::qWait(10);
            cell = view->visualRect(model->index(path));
        }
        ASSERT_TRUE(cell.isValid());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        previewedPicture = !preview->pixmap().isNull() &&
                           preview->pixmap().toImage().pixelColor(5, 5) == QColor(Qt::red);
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_TRUE(previewShown);
    EXPECT_TRUE(previewedPicture);
}

TEST_F(DialogTest, MessageBoxShowsChineseButtonsAndAnswersTheOneClicked) {
    QStringList buttons;
    QString defaultButton;
    QString caption;
    WhenShown([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* b : box->buttons())
            buttons << b->text();
        caption = box->windowTitle();
        defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
        QTest::mouseClick(box->findChild<QPushButton*>(QStringLiteral("mbNo")), Qt::LeftButton);
    });
    EXPECT_EQ(MessageDlg("保存更改吗？", mtConfirmation, mbYesNoCancel), mrNo);
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{"取消", "否(&N)", "是(&Y)"}));
    EXPECT_EQ(defaultButton, "是(&Y)");
    EXPECT_EQ(caption, "确认");

    WhenShown([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    EXPECT_EQ(Application->MessageBox("继续？", "提示", MB_OKCANCEL), IDCANCEL);
    WhenShown([](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
    EXPECT_EQ(Application->MessageBox("继续？", "提示", MB_OKCANCEL), IDOK);
}
} // namespace

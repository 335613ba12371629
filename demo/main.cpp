// The demo application: a form the user can rearrange while it runs.
//
//   zkdemo                      runs the demo
//   zkdemo --design             starts with a design session
//   zkdemo --screenshot FILE    designs, selects one control, writes a picture and exits
//   zkdemo --new-version        runs the program's next version of its form
//   zkdemo --layout FILE        loads a saved layout over the form at the start
//   zkdemo --help               lists these options

#include <cstdio>
#include <cstring>
#include <string>

#include "demo/DemoForm.h"
#include "host/controls/Screenshot.h"

namespace {
const char Usage[] =
    "用法：zkdemo [选项]\n"
    "运行时表单设计器示例。\n"
    "\n"
    "  --design             启动后立即开始设计\n"
    "  --screenshot 文件    开始设计、选中一个控件，把窗口保存为 PNG 图片后退出\n"
    "  --new-version        以窗体的新版本启动（多一个“电话”字段，复选框的标题改了），\n"
    "                       用来演示旧版本保存的布局载入到新版本上\n"
    "  --layout 文件        启动后把保存的布局载入到窗体上\n"
    "  --help               显示本帮助并退出\n"
    "\n"
    "设计时：单击选中控件（Ctrl 加选或取消），在空白处拖出选框选中多个控件，\n"
    "拖动选中的控件一起移动，拖动控制点改变大小；方向键移动、Shift+方向键改变大小，\n"
    "Esc 取消选择，Delete 删除，Ctrl+Z 撤销，Ctrl+Shift+Z 重做。\n"
    "右侧的控件面板选择要插入的控件类，在表单或容器上单击或拖出矩形即可插入；\n"
    "箭头回到选择模式。\n";

/// The file name that follows the option at argv[i] into FileName, stepping over it; false,
/// with the usage told, when there is none.
bool TakeFileName(int argc, char** argv, int& i, std::string& FileName) {
    if (i + 1 >= argc || argv[i + 1][0] == '\0' || argv[i + 1][0] == '-') {
        std::fprintf(stderr, "zkdemo：%s 需要一个文件名\n\n", argv[i]);
        std::fputs(Usage, stderr);
        return false;
    }
    FileName = argv[++i];
    return true;
}
} // namespace

int main(int argc, char** argv) {
    // The options are read before the application starts, so that help and usage errors need
    // no display.
    std::string screenshot;
    std::string layout;
    bool design = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(Usage, stdout);
            return 0;
        } else if (std::strcmp(argv[i], "--screenshot") == 0) {
            if (!TakeFileName(argc, argv, i, screenshot)) return 2;
        } else if (std::strcmp(argv[i], "--layout") == 0) {
            if (!TakeFileName(argc, argv, i, layout)) return 2;
        } else if (std::strcmp(argv[i], "--new-version") == 0) {
            TDemoForm::NewVersion = true;
        } else if (std::strcmp(argv[i], "--design") == 0) {
            design = true;
        } else {
            std::fprintf(stderr, "zkdemo：未知选项 %s\n\n", argv[i]);
            std::fputs(Usage, stderr);
            return 2;
        }
    }
    Application->Initialize(argc, argv);
    TDemoForm* form = nullptr;
    Application->CreateForm(TDemoForm::StaticClass(), &form);
    if (!layout.empty()) {
        try {
            // Told on the terminal: a box would hold up a run that takes a picture.
            const TLayoutSkips skips = form->OpenLayoutFile(layout);
            if (!skips.empty())
                std::fprintf(stderr, "zkdemo：%s\n", TDemoForm::SkipReport(skips).c_str());
        } catch (const Exception& e) {
            std::fprintf(stderr, "zkdemo：无法载入布局“%s”：%s\n", layout.c_str(), e.Message().c_str());
            TApplication::Finalize();
            return 1;
        }
    }
    int result = 0;
    if (screenshot.empty()) {
        if (design) form->StartDesign();
        Application->Run();
    } else {
        form->Show();
        form->StartDesign("EditName");
        Application->ProcessMessages();
        if (SaveWindowImage(form, screenshot)) {
            result = 0;
        } else {
            std::fprintf(stderr, "zkdemo：无法把图片写入“%s”\n", screenshot.c_str());
            result = 1;
        }
    }
    TApplication::Finalize();
    return result;
}

// Saving and loading a designed form of 1,000 stock controls against making the same controls
// by code, in one run. Prints ratios of medians: save (which ends the session) over creation,
// load (which must leave the form as it was when it fails) over creation, and that load over
// one plain read of the same stream into a fresh form.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "design/DesignCommon.h"
#include "host/containers/Panels.h"
#include "host/controls/Forms.h"
#include "host/core/Stream.h"
#include "host/streaming/Filer.h"
#include "host/stdctrls/StdCtrls.h"

namespace {
using Clock = std::chrono::steady_clock;

/// Ten panels of 99 controls (edits, labels, buttons, check boxes by turns) on a form.
void MakeControls(TForm* form, int n) {
    TPanel* panel = nullptr;
    for (int i = 0; i < n; ++i) {
        if (i % 100 == 0) {
            panel = new TPanel(form);
            panel->SetName("Panel" + IntToStr(i / 100 + 1));
            panel->SetParent(form);
            panel->SetBounds((i / 100 % 5) * 160, (i / 500) * 300, 150, 290);
            continue;
        }
        TControl* c = nullptr;
        switch (i % 4) {
        case 0:
            c = new TEdit(form);
            break;
        case 1:
            c = new TLabel(form);
            break;
        case 2:
            c = new TButton(form);
            break;
        default:
            c = new TCheckBox(form);
            break;
        }
        c->SetName(c->ClassName().substr(1) + IntToStr(i));
        c->SetParent(panel);
        c->SetBounds(4 + (i % 3) * 48, 4 + (i % 100 / 3) * 8, 44, 8);
    }
}

double Seconds(const std::function<void()>& f) {
    const auto t0 = Clock::now();
    f();
    return std::chrono::duration<double>(Clock::now() - t0).count();
}

/// The stream read once into Form by the framework's reader, with nothing proven or kept.
void PlainRead(TForm* Form, TMemoryStream* Stream) {
    TReader reader(Stream, static_cast<int>(Stream->Size()));
    reader.SetIgnoreChildren(false);
    reader.ReadRootComponent(Form);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    Application->Initialize(argc, argv);
    constexpr int N = 1000;
    constexpr int Runs = 7;
    std::vector<double> create, save, load, read;
    for (int run = 0; run < Runs; ++run) {
        auto* form = new TForm(nullptr);
        form->SetBounds(0, 0, 820, 620);
        form->Show();
        create.push_back(Seconds([&] { MakeControls(form, N); }));
        auto* designer = new TZkFormDesigner(form);
        designer->SetShowInspector(false);
        designer->BeginDesign();
        TMemoryStream stream;
        save.push_back(Seconds([&] { designer->SaveToStream(&stream); }));
        auto* copy = new TForm(nullptr);
        stream.SetPosition(0);
        load.push_back(Seconds([&] { TZkFormDesigner::LoadFromStream(copy, &stream); }));
        copy->Free();
        auto* plain = new TForm(nullptr);
        stream.SetPosition(0);
        read.push_back(Seconds([&] { PlainRead(plain, &stream); }));
        plain->Free();
        form->Free();
    }
    const double c = Median(create);
    std::printf("%d controls, median of %d runs\n", N, Runs);
    std::printf("save (ends the session) / create by code: %6.2f\n", Median(save) / c);
    std::printf("load / create by code:                    %6.2f\n", Median(load) / c);
    std::printf("load / one plain read of the stream:      %6.2f\n", Median(load) / Median(read));
    Application->Finalize();
    return 0;
}

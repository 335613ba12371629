// The designer against the raw-Qt floor, on one form of panels and group boxes three levels
// deep holding labels, edits, check boxes and buttons:
//   session  BeginDesign + EndDesign of the whole form, against wrapping each widget in a
//            masked overlay four pixels larger and taking it out again (100, 1,000, 5,000),
//            the events in between handled untimed;
//   drag     one step of a live drag of a selected control (the overlay moved a pixel, the
//            form repainted), against moving a masked overlay holding a widget and repainting;
//   load     reading the form from our stream and making its windows, against QUiLoader
//            loading the same form from its .ui document; beside it, reading alone and Qt
//            making the same widgets by code, each against the same load;
//   memory   heap bytes per designed control at 5,000 controls, against one masked overlay.
// Times are this thread's processor time; each figure is the median over its iterations.

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "bench/FormPlan.h"
#include "bench/GuiBench.h"
#include "bench/StreamBytes.h"
#include "bench/ThreadClock.h"
#include "bench/baseline/QtBaseline.h"
#include "design/DesignCommon.h"
#include "design/DesignControl.h"
#include "host/containers/GroupBox.h"
#include "host/containers/Panels.h"
#include "host/stdctrls/StdCtrls.h"

namespace {
using FormPlan::Kind;

TControl* MakeControl(Kind kind, TComponent* owner) {
    switch (kind) {
    case Kind::Panel:
        return new TPanel(owner);
    case Kind::GroupBox:
        return new TGroupBox(owner);
    case Kind::Label:
        return new TLabel(owner);
    case Kind::Edit:
        return new TEdit(owner);
    case Kind::CheckBox:
        return new TCheckBox(owner);
    case Kind::Button:
        return new TButton(owner);
    }
    return nullptr;
}

/// The plan as a framework form, not yet shown; the controls in plan order.
TForm* BuildForm(const std::vector<FormPlan::Node>& plan, std::vector<TControl*>* controls) {
    auto* form = new TForm(nullptr);
    form->SetName("BenchForm");
    form->SetBounds(0, 0, FormPlan::FormWidth, FormPlan::FormHeight);
    std::vector<TControl*> made;
    for (const FormPlan::Node& n : plan) {
        TControl* c = MakeControl(n.kind, form);
        c->SetName(n.name);
        if (n.kind == Kind::Edit)
            c->SetTextProp(n.text);
        else if (n.kind != Kind::Panel)
            c->SetCaption(n.text);
        c->SetParent(n.parent < 0 ? form
                                  : static_cast<TWinControl*>(made[static_cast<size_t>(n.parent)]));
        c->SetBounds(n.left, n.top, n.width, n.height);
        made.push_back(c);
    }
    if (controls) *controls = std::move(made);
    return form;
}

/// A shown framework form and its raw-Qt twin, with a designer on the framework's one.
struct Twins {
    explicit Twins(int n) : Plan(FormPlan::Make(n)) {
        Form = BuildForm(Plan, &Controls);
        Form->Show();
        Designer = new TZkFormDesigner(Form);
        Designer->SetShowInspector(false);
        Application->ProcessMessages();
        Raw = QtBaseline::Build(Plan);
    }
    ~Twins() {
        Designer->EndDesign();
        Form->Free();
        QtBaseline::Free(Raw);
        Application->ProcessMessages();
    }
    std::vector<FormPlan::Node> Plan;
    std::vector<TControl*> Controls;
    TForm* Form;
    TZkFormDesigner* Designer;
    QtBaseline::Form* Raw;
};

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

/// One figure: the designer's median against the floor's.
struct Figure {
    double Ours = 0;
    double Floor = 0;
};
std::map<std::pair<std::string, int>, Figure>& Figures() {
    static std::map<std::pair<std::string, int>, Figure> figures;
    return figures;
}

void Note(benchmark::State& state, const char* what, int n, const std::vector<double>& ours,
          const std::vector<double>& floor) {
    const Figure f{Median(ours), Median(floor)};
    Figures()[{what, n}] = f;
    state.counters["ratio"] = f.Ours / f.Floor;
}

void Session(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    Twins t(n);
    std::vector<double> ours, floor;
    for (auto _ : state) {
        // The events between the two are handled outside the time, as a session would
        // between its start and its end; on both sides.
        double t0 = ThreadSeconds();
        t.Designer->BeginDesign();
        double spent = ThreadSeconds() - t0;
        Application->ProcessMessages();
        t0 = ThreadSeconds();
        t.Designer->EndDesign();
        ours.push_back(spent + ThreadSeconds() - t0);
        Application->ProcessMessages();
        floor.push_back(QtBaseline::WrapAndUnwrap(t.Raw));
        state.SetIterationTime(ours.back());
    }
    Note(state, "session", n, ours, floor);
}

void DragStep(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    // ZK_DRAG_STEPS=3000 makes the steps outweigh the setup, for a profiler.
    const char* stepsEnv = std::getenv("ZK_DRAG_STEPS");
    const int steps = stepsEnv ? std::max(1, std::atoi(stepsEnv)) : 60;
    Twins t(n);
    TControl* edit = nullptr;
    for (size_t i = 0; i < t.Plan.size() && !edit; ++i)
        if (t.Plan[i].kind == Kind::Edit) edit = t.Controls[i];
    t.Designer->BeginDesign();
    auto* overlay = static_cast<TDesignControl*>(edit->Parent());
    overlay->SetSelected(true);
    Application->ProcessMessages();
    std::vector<double> ours, floor;
    for (auto _ : state) {
        for (int i = 0; i < steps; ++i) {
            const double t0 = ThreadSeconds();
            overlay->SetBounds(overlay->Left() + (i % 2 == 0 ? 1 : -1), overlay->Top(),
                               overlay->Width(), overlay->Height());
            Application->ProcessMessages();
            ours.push_back(ThreadSeconds() - t0);
        }
        const std::vector<double> raw = QtBaseline::DragSteps(t.Raw, steps);
        floor.insert(floor.end(), raw.begin(), raw.end());
        state.SetIterationTime(Median(ours));
    }
    Note(state, "drag step", n, ours, floor);
}

void LoadForm(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    if (!QtBaseline::HasUiLoader()) {
        state.SkipWithError("Qt6UiTools was not found at configuration: no .ui loader to "
                            "compare with (scripts/setup.sh installs qt6-tools-dev)");
        return;
    }
    const std::vector<FormPlan::Node> plan = FormPlan::Make(n);
    TForm* sample = BuildForm(plan, nullptr);
    const std::string bytes = SaveToBytes(sample);
    sample->Free();
    const std::string ui = QtBaseline::UiDocument(plan);
    std::vector<double> ours, read, floor, widgets;
    for (auto _ : state) {
        double t0 = ThreadSeconds();
        auto* form = static_cast<TWinControl*>(LoadFromBytes(bytes));
        read.push_back(ThreadSeconds() - t0);
        form->Free();
        t0 = ThreadSeconds();
        form = static_cast<TWinControl*>(LoadFromBytes(bytes));
        form->HandleNeeded();
        ours.push_back(ThreadSeconds() - t0);
        form->Free();
        floor.push_back(QtBaseline::LoadUi(ui));
        widgets.push_back(QtBaseline::MakeWidgets(plan));
        Application->ProcessMessages();
        state.SetIterationTime(ours.back());
    }
    Note(state, "load", n, ours, floor);
    Figures()[{"load: stream read alone", n}] = {Median(read), Median(floor)};
    // What the .ui loader spends making the widgets themselves, which any load that makes
    // them pays: a floor under the load figure.
    Figures()[{"load: Qt widgets alone", n}] = {Median(widgets), Median(floor)};
}

/// Heap in use, with the events that follow a change handled first.
double HeapBytes() {
    Application->ProcessMessages();
    return static_cast<double>(mallinfo2().uordblks);
}

void Memory(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    Twins t(n);
    std::vector<double> ours, floor;
    for (auto _ : state) {
        const double before = HeapBytes();
        t.Designer->BeginDesign();
        ours.push_back((HeapBytes() - before) / n);
        t.Designer->EndDesign();
        Application->ProcessMessages();
        floor.push_back(QtBaseline::WrapBytesPerWidget(t.Raw));
        state.SetIterationTime(1);
    }
    Note(state, "memory (bytes)", n, ours, floor);
}

BENCHMARK(Session)->Arg(100)->Arg(1000)->Arg(5000)->Iterations(7)->UseManualTime();
BENCHMARK(DragStep)->Arg(1000)->Iterations(3)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(LoadForm)->Arg(1000)->Iterations(7)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Memory)->Arg(5000)->Iterations(3)->UseManualTime();

void PrintFigures() {
    const std::map<std::string, double> targets = {
        {"session", 1.5}, {"drag step", 2.0}, {"load", 0.5}, {"memory (bytes)", 3072}};
    std::printf("\n%-24s %6s %14s %14s %8s %8s\n", "figure", "N", "designer", "raw Qt", "ratio",
                "target");
    for (const auto& [key, f] : Figures()) {
        const auto target = targets.find(key.first);
        const bool bytes = key.first.rfind("memory", 0) == 0;
        char limit[32] = "";
        if (target != targets.end())
            std::snprintf(limit, sizeof limit, bytes ? "%.0f B" : "%.2f", target->second);
        const double scale = bytes ? 1 : 1e6;
        std::printf("%-24s %6d %12.1f%s %12.1f%s %8.2f %8s\n", key.first.c_str(), key.second,
                    f.Ours * scale, bytes ? " B" : "us", f.Floor * scale, bytes ? " B" : "us",
                    f.Ours / f.Floor, limit);
    }
    // The cost of a session per control against its cost at the smallest form.
    std::printf("\n%-8s %18s %14s %18s\n", "N", "session/control", "vs smallest",
                "raw Qt vs smallest");
    const Figure* smallest = nullptr;
    int smallestN = 0;
    for (const auto& [key, f] : Figures()) {
        if (key.first != "session") continue;
        if (!smallest) {
            smallest = &f;
            smallestN = key.second;
        }
        const double per = f.Ours / key.second, first = smallest->Ours / smallestN;
        const double rawPer = f.Floor / key.second, rawFirst = smallest->Floor / smallestN;
        std::printf("%-8d %16.2fus %14.2f %18.2f\n", key.second, per * 1e6, per / first,
                    rawPer / rawFirst);
    }
}
} // namespace

int main(int argc, char** argv) {
    RegisterClasses({TForm::StaticClass(), TPanel::StaticClass(), TGroupBox::StaticClass(),
                     TLabel::StaticClass(), TEdit::StaticClass(), TCheckBox::StaticClass(),
                     TButton::StaticClass()});
    RunGuiBenchmarks(argc, argv);
    PrintFigures();
    TApplication::Finalize();
    return 0;
}

// The designer's group moves against plain bounds changes of as many controls, in the same
// run: one mouse step of a drag-move of N selected controls (the outline moves, the controls
// do not), and MoveSelection of N selected controls. Prints ratios to N SetBounds calls, in
// processor time of the one user-interface thread.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "bench/GuiBench.h"
#include "bench/ThreadClock.h"
#include "design/DesignCommon.h"
#include "host/controls/Forms.h"

namespace {
/// A windowed control, as an edit is.
class TBenchEdit : public TWinControl {
    ZK_CLASS(TBenchEdit, TWinControl)
    explicit TBenchEdit(TComponent* AOwner) : TWinControl(AOwner) { SetTabStop(true); }
};
} // namespace

ZK_IMPLEMENT_CLASS(TBenchEdit, TWinControl, nullptr)

namespace {
double Seconds(double from) {
    return ThreadSeconds() - from;
}

/// A shown form with n controls in a session, every one of them selected.
struct Session {
    explicit Session(int n) {
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 1000, 800);
        for (int i = 0; i < n; ++i) {
            auto* c = new TBenchEdit(Form);
            c->SetParent(Form);
            c->SetBounds(8 + (i % 40) * 24, 8 + (i / 40) * 24, 20, 20);
        }
        Form->Show();
        Designer = new TZkFormDesigner(Form);
        Designer->SetShowInspector(false);
        Designer->BeginDesign();
        for (int i = 0; i < Designer->OverlayCount(); ++i)
            Designer->Overlay(i)->SetSelected(true);
        Application->ProcessMessages();
    }
    ~Session() { Form->Free(); }
    /// n plain bounds changes: each overlay one pixel along, as a group move would do.
    double PlainSetBounds(int dx) {
        const auto t0 = ThreadSeconds();
        for (int i = 0; i < Designer->OverlayCount(); ++i) {
            TControl* o = Designer->Overlay(i);
            o->SetBounds(o->Left() + dx, o->Top(), o->Width(), o->Height());
        }
        return Seconds(t0);
    }
    TForm* Form;
    TZkFormDesigner* Designer;
};

std::map<std::pair<std::string, int>, double>& Ratios() {
    static std::map<std::pair<std::string, int>, double> ratios;
    return ratios;
}
std::map<int, double>& StepMs() {
    static std::map<int, double> steps;
    return steps;
}

void DragStep(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    Session s(n);
    s.Designer->PerFormMove();
    double steps = 0, plain = 0;
    int x = 500;
    for (auto _ : state) {
        x = x == 500 ? 501 : 500;
        const auto t0 = ThreadSeconds();
        s.Form->Perform(WM_MOUSEMOVE, MK_LBUTTON, MakeLong(x, 400));
        const double step = Seconds(t0);
        steps += step;
        plain += s.PlainSetBounds(x == 501 ? 1 : -1);
        state.SetIterationTime(step);
    }
    s.Designer->CancelDrag();
    const double iterations = static_cast<double>(state.iterations());
    state.counters["step/setbounds"] = steps / plain;
    Ratios()[{"drag step", n}] = steps / plain;
    StepMs()[n] = steps * 1e3 / iterations;
}

void MoveSelection(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    Session s(n);
    double moves = 0, plain = 0;
    int dx = 1;
    for (auto _ : state) {
        const auto t0 = ThreadSeconds();
        s.Designer->MoveSelection(dx, 0);
        const double move = Seconds(t0);
        moves += move;
        plain += s.PlainSetBounds(-dx);
        dx = -dx;
        state.SetIterationTime(move);
    }
    state.counters["move/setbounds"] = moves / plain;
    Ratios()[{"MoveSelection", n}] = moves / plain;
}

/// One control dragged by the window system's loop among n siblings, guides on or off.
struct LoopDrag {
    LoopDrag(int n, bool guides) : S(n) {
        S.Designer->SetSnapToGuides(guides);
        S.Designer->ClearSelection(nullptr);
        Dragged = S.Designer->Overlay(n / 2);
        Dragged->SetSelected(true);
        Dragged->Perform(WM_ENTERSIZEMOVE, 0, 0);
    }
    ~LoopDrag() { Dragged->Perform(WM_EXITSIZEMOVE, 0, 0); }
    /// One step: the loop's WM_MOVING, which the designer snaps, then the bounds change.
    double Step(int x, int y) {
        TRect r = Bounds(x, y, Dragged->Width(), Dragged->Height());
        const auto t0 = ThreadSeconds();
        Dragged->Perform(WM_MOVING, 0, reinterpret_cast<intptr_t>(&r));
        Dragged->SetBounds(r.Left, r.Top, r.Width(), r.Height());
        return Seconds(t0);
    }
    Session S;
    TDesignControl* Dragged;
};

/// The same path across the same siblings on two forms, one with guides and one without,
/// step by step in turn.
void GuideStep(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    LoopDrag guided(n, true), plain(n, false);
    double on = 0, off = 0;
    int x = 300, dx = 3;
    for (auto _ : state) {
        x += dx;
        if (x > 700 || x < 300) dx = -dx;
        const int y = 300 + (x % 40);
        const double t = guided.Step(x, y);
        on += t;
        off += plain.Step(x, y);
        state.SetIterationTime(t);
    }
    state.counters["guides on/off"] = on / off;
    Ratios()[{"guide step", n}] = on / off;
}

BENCHMARK(GuideStep)->Arg(1000)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(DragStep)->Arg(200)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(MoveSelection)->Arg(1000)->UseManualTime()->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv) {
    RunGuiBenchmarks(argc, argv);

    std::printf("\n%-14s %6s %22s\n", "operation", "N", "time / N SetBounds");
    for (const auto& [key, ratio] : Ratios())
        if (key.first != "guide step")
            std::printf("%-14s %6d %22.2f\n", key.first.c_str(), key.second, ratio);
    for (const auto& [key, ratio] : Ratios())
        if (key.first == "guide step")
            std::printf("drag step among %d siblings, guides on / off: %.2f (target 1.5 at most)\n",
                        key.second, ratio);
    for (const auto& [n, ms] : StepMs())
        std::printf("drag step of %d selected controls: %.3f ms (target under 1 ms)\n", n, ms);
    TApplication::Finalize();
    return 0;
}

// Aligning the selected controls of a design session and undoing it, against moving the same
// overlays by plain SetBounds calls, for 100, 1,000 and 5,000 selected controls. Prints
// ratios: align over SetBounds, undo over SetBounds, and how the time per control grows.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

#include "design/DesignCommon.h"
#include "host/controls/Forms.h"

namespace {
using Clock = std::chrono::steady_clock;

/// A windowed control, as an edit is.
class TBenchEdit : public TWinControl {
    ZK_CLASS(TBenchEdit, TWinControl)
    explicit TBenchEdit(TComponent* AOwner) : TWinControl(AOwner) { SetTabStop(true); }
};
} // namespace

ZK_IMPLEMENT_CLASS(TBenchEdit, TWinControl, nullptr)

namespace {
double Seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

struct Result {
    double SetBounds = 0;
    double Align = 0;
    double Undo = 0;
};
std::map<int, Result>& Results() {
    static std::map<int, Result> results;
    return results;
}

/// Each iteration moves every overlay to the union's left edge by SetBounds and back
/// (untimed), then aligns them left with KMAlignControls and undoes that.
void AlignAgainstSetBounds(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    auto* form = new TForm(nullptr);
    form->SetBounds(0, 0, 1200, 900);
    for (int i = 0; i < n; ++i) {
        auto* c = new TBenchEdit(form);
        c->SetParent(form);
        c->SetBounds(8 + (i % 40) * 28, 8 + (i / 40) * 24, 24, 20);
    }
    form->Show();
    auto* designer = new TZkFormDesigner(form);
    designer->SetShowInspector(false);
    designer->BeginDesign();
    std::vector<TDesignControl*> overlays;
    std::vector<TRect> start;
    for (int i = 0; i < designer->OverlayCount(); ++i) {
        overlays.push_back(designer->Overlay(i));
        overlays.back()->SetSelected(true);
        start.push_back(overlays.back()->BoundsRect());
    }
    const int left = designer->GetSelectionRect().Left;
    Result r;
    for (auto _ : state) {
        auto t0 = Clock::now();
        for (TDesignControl* o : overlays)
            o->SetBounds(left, o->Top(), o->Width(), o->Height());
        auto t1 = Clock::now();
        for (size_t i = 0; i < overlays.size(); ++i)
            overlays[i]->SetBoundsRect(start[i]);
        auto t2 = Clock::now();
        designer->KMAlignControls(daLeft);
        auto t3 = Clock::now();
        designer->KMAlignControls(daUndo);
        auto t4 = Clock::now();
        r.SetBounds += Seconds(t0, t1);
        r.Align += Seconds(t2, t3);
        r.Undo += Seconds(t3, t4);
        state.SetIterationTime(Seconds(t0, t1) + Seconds(t2, t4));
    }
    if (overlays.front()->BoundsRect() != start.front()) state.SkipWithError("undo missed");
    designer->EndDesign();
    designer->Free();
    form->Free();
    state.counters["align/setbounds"] = r.Align / r.SetBounds;
    state.counters["undo/setbounds"] = r.Undo / r.SetBounds;
    const double per = static_cast<double>(state.iterations()) * n;
    Results()[n] = {r.SetBounds / per, r.Align / per, r.Undo / per};
}
BENCHMARK(AlignAgainstSetBounds)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(5000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv) {
    // Without a display the overlays live on Qt's offscreen platform.
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    Application->Initialize(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    std::printf("\n%6s %16s %15s %22s %26s\n", "N", "align/setbounds", "undo/setbounds",
                "align per item vs min", "setbounds per item vs min");
    const Result* smallest = nullptr;
    for (const auto& [n, r] : Results()) {
        if (!smallest) smallest = &r;
        std::printf("%6d %16.2f %15.2f %22.2f %26.2f\n", n, r.Align / r.SetBounds,
                    r.Undo / r.SetBounds, r.Align / smallest->Align,
                    r.SetBounds / smallest->SetBounds);
    }
    TApplication::Finalize();
    return 0;
}

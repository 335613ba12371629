// The object inspector on a control with more than 40 published properties: setting it as the
// inspected object, and one full repaint of the grid, each against a baseline in the same run
// (reading every property's value once through the type information). Prints the ratios.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "bench/GuiBench.h"
#include "host/stdctrls/StdCtrls.h"
#include "inspector/ObjectInspector.h"

namespace {
using Clock = std::chrono::steady_clock;

/// An edit with a dozen more integer properties: 40 and more published properties in all.
class TBenchWideEdit : public TEdit {
    ZK_CLASS(TBenchWideEdit, TEdit)
    explicit TBenchWideEdit(TComponent* AOwner) : TEdit(AOwner) {}
    int32_t Extra0 = 0, Extra1 = 0, Extra2 = 0, Extra3 = 0, Extra4 = 0, Extra5 = 0, Extra6 = 0,
            Extra7 = 0, Extra8 = 0, Extra9 = 0, Extra10 = 0, Extra11 = 0;
};

void PublishWideEdit(TPublisher& p) {
    using E = TBenchWideEdit;
    p.Prop("Extra0", &E::Extra0, &E::Extra0);
    p.Prop("Extra1", &E::Extra1, &E::Extra1);
    p.Prop("Extra2", &E::Extra2, &E::Extra2);
    p.Prop("Extra3", &E::Extra3, &E::Extra3);
    p.Prop("Extra4", &E::Extra4, &E::Extra4);
    p.Prop("Extra5", &E::Extra5, &E::Extra5);
    p.Prop("Extra6", &E::Extra6, &E::Extra6);
    p.Prop("Extra7", &E::Extra7, &E::Extra7);
    p.Prop("Extra8", &E::Extra8, &E::Extra8);
    p.Prop("Extra9", &E::Extra9, &E::Extra9);
    p.Prop("Extra10", &E::Extra10, &E::Extra10);
    p.Prop("Extra11", &E::Extra11, &E::Extra11);
}
} // namespace

ZK_IMPLEMENT_CLASS(TBenchWideEdit, TEdit, PublishWideEdit)

namespace {
struct Fixture {
    TForm* Form = nullptr;
    TBenchWideEdit* Edits[2] = {};
    TObjectInspForm* Insp = nullptr;
    int Properties = 0;

    Fixture() {
        Form = new TForm(nullptr);
        Form->SetBounds(10, 10, 300, 200);
        for (int i = 0; i < 2; ++i) {
            Edits[i] = new TBenchWideEdit(Form);
            Edits[i]->SetName(i ? "Edit2" : "Edit1");
            Edits[i]->SetParent(Form);
        }
        Insp = new TObjectInspForm(nullptr);
        // Every property is listed, under its own name where the table has none.
        Insp->OnTransFieldName = [](const std::string& name) { return name; };
        Insp->SetBounds(320, 10, 184, 1200);
        Insp->Show();
        Application->ProcessMessages();
        for (const TPropInfo* info : GetPropList(Edits[0]))
            if (info->PropType->Kind != tkMethod) ++Properties;
    }
    ~Fixture() {
        Insp->Free();
        Form->Free();
    }
};

Fixture* gFixture = nullptr;
Fixture& Bench() {
    if (!gFixture) gFixture = new Fixture;
    return *gFixture;
}

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

/// Processor time of this thread: other processes on a busy machine do not count.
double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

/// The baseline: every published value of the control read once, strings preferred.
double ReadAllValues(TBenchWideEdit* edit) {
    const double t0 = CpuSeconds();
    for (const TPropInfo* info : GetPropList(edit))
        if (info->PropType->Kind != tkMethod) benchmark::DoNotOptimize(GetPropValue(edit, info));
    return CpuSeconds() - t0;
}

/// Mean processor seconds per call of the measured operation and of the baseline.
struct Ratio {
    double Measured = 0;
    double Baseline = 0;
};
Ratio gSetCurObject, gRepaint;

void SetCurObjectAgainstReading(benchmark::State& state) {
    Fixture& f = Bench();
    double set = 0, base = 0;
    int i = 0;
    for (auto _ : state) {
        // Alternating objects, so that every call builds the rows anew.
        const auto t0 = Clock::now();
        const double c0 = CpuSeconds();
        f.Insp->SetCurObject(f.Edits[++i % 2]);
        set += CpuSeconds() - c0;
        base += ReadAllValues(f.Edits[i % 2]);
        state.SetIterationTime(Seconds(Clock::now() - t0));
    }
    const double n = double(state.iterations());
    gSetCurObject = {set / n, base / n};
    state.counters["rows"] = f.Insp->GetCount();
    state.counters["properties"] = f.Properties;
    state.counters["set/read"] = set / base;
}

void RepaintAgainstReading(benchmark::State& state) {
    Fixture& f = Bench();
    f.Insp->SetCurObject(f.Edits[0]);
    double paint = 0, base = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        const double c0 = CpuSeconds();
        f.Insp->PaintBox1->Repaint();
        paint += CpuSeconds() - c0;
        base += ReadAllValues(f.Edits[0]);
        state.SetIterationTime(Seconds(Clock::now() - t0));
    }
    const double n = double(state.iterations());
    gRepaint = {paint / n, base / n};
    state.counters["repaint/read"] = paint / base;
}

BENCHMARK(SetCurObjectAgainstReading)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(RepaintAgainstReading)->UseManualTime()->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char** argv) {
    RunGuiBenchmarks(argc, argv);
    std::printf("\n%d published properties, %d rows; ratios of processor time\n",
                Bench().Properties, Bench().Insp->GetCount());
    std::printf("SetCurObject / reading every value once: %8.2f   SetCurObject / 2 ms: %.2f\n",
                gSetCurObject.Measured / gSetCurObject.Baseline, gSetCurObject.Measured / 2e-3);
    std::printf("full repaint / reading every value once: %8.2f   repaint / 3 ms:      %.2f\n",
                gRepaint.Measured / gRepaint.Baseline, gRepaint.Measured / 3e-3);
    delete gFixture;
    TApplication::Finalize();
    return 0;
}

// Loading a form from our component stream against making the same components by code, for
// 100, 1,000 and 5,000 components. Prints ratios: load time over creation time, and how the
// time per component grows with their number (1.00 = linear).

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <utility>

#include "bench/StreamBytes.h"
#include "host/controls/Forms.h"

namespace {
/// A windowed control with text, as an edit is.
class TBenchEdit : public TWinControl {
    ZK_CLASS(TBenchEdit, TWinControl)
    explicit TBenchEdit(TComponent* AOwner) : TWinControl(AOwner) { SetTabStop(true); }
};

/// A control without a window, as a label is.
class TBenchLabel : public TGraphicControl {
    ZK_CLASS(TBenchLabel, TGraphicControl)
    explicit TBenchLabel(TComponent* AOwner) : TGraphicControl(AOwner) {}
};

/// A non-visual component: the shape of a stream that is nothing but distinct names.
class TBenchTimer : public TComponent {
    ZK_CLASS(TBenchTimer, TComponent)
    explicit TBenchTimer(TComponent* AOwner) : TComponent(AOwner) {}
    int32_t Interval = 1000;
};

class TBenchForm : public TForm {
    ZK_CLASS(TBenchForm, TForm)
    explicit TBenchForm(TComponent* AOwner) : TForm(AOwner) {}
};

void PublishEdit(TPublisher& p) {
    p.Prop("Text", TypeInfos::TCaption(), &TControl::Text, &TControl::SetTextProp);
    p.Prop("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(1);
}
void PublishLabel(TPublisher& p) {
    p.Prop("Caption", TypeInfos::TCaption(), &TControl::Caption, &TControl::SetCaption);
}
void PublishTimer(TPublisher& p) {
    p.Prop("Interval", &TBenchTimer::Interval, &TBenchTimer::Interval).Default(1000);
}
} // namespace

ZK_IMPLEMENT_CLASS(TBenchEdit, TWinControl, PublishEdit)
ZK_IMPLEMENT_CLASS(TBenchLabel, TGraphicControl, PublishLabel)
ZK_IMPLEMENT_CLASS(TBenchTimer, TComponent, PublishTimer)
ZK_IMPLEMENT_CLASS(TBenchForm, TForm, nullptr)

namespace {
using Clock = std::chrono::steady_clock;

/// A form with n controls, edits and labels by turns, each named, placed and captioned.
TBenchForm* MakeControls(int n) {
    auto* form = new TBenchForm(nullptr);
    form->SetName("BenchForm");
    for (int i = 0; i < n; ++i) {
        const std::string number = IntToStr(i + 1);
        TControl* c;
        if (i % 2 == 0) {
            c = new TBenchEdit(form);
            c->SetName("Edit" + number);
            c->SetTextProp("文本 " + number);
        } else {
            c = new TBenchLabel(form);
            c->SetName("Label" + number);
            c->SetCaption("标签 " + number);
        }
        c->SetParent(form);
        c->SetBounds(8 + (i % 40) * 20, 8 + (i / 40) * 24, 120, 21);
    }
    return form;
}

/// A form with n non-visual components, each with its own name.
TBenchForm* MakeComponents(int n) {
    auto* form = new TBenchForm(nullptr);
    form->SetName("BenchForm");
    for (int i = 0; i < n; ++i) {
        auto* t = new TBenchTimer(form);
        t->SetName("Timer" + IntToStr(i + 1));
        t->Interval = 100 + i;
    }
    return form;
}

struct Result {
    double CreateNsPerItem = 0;
    double LoadNsPerItem = 0;
};
std::map<std::pair<std::string, int>, Result>& Results() {
    static std::map<std::pair<std::string, int>, Result> results;
    return results;
}

/// Each iteration makes the form by code and loads it from its stream, timing both; freeing
/// the forms is left out of both.
void LoadAgainstCreate(benchmark::State& state, const char* scenario, TBenchForm* (*make)(int)) {
    const int n = static_cast<int>(state.range(0));
    TBenchForm* sample = make(n);
    const std::string bytes = SaveToBytes(sample);
    sample->Free();
    double create = 0, load = 0;
    for (auto _ : state) {
        auto t0 = Clock::now();
        TBenchForm* made = make(n);
        auto t1 = Clock::now();
        TComponent* loaded = LoadFromBytes(bytes);
        auto t2 = Clock::now();
        made->Free();
        loaded->Free();
        const double c = std::chrono::duration<double>(t1 - t0).count();
        const double l = std::chrono::duration<double>(t2 - t1).count();
        create += c;
        load += l;
        state.SetIterationTime(c + l);
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["load/create"] = load / create;
    Results()[{scenario, n}] = {create * 1e9 / iterations / n, load * 1e9 / iterations / n};
}

void Controls(benchmark::State& state) {
    LoadAgainstCreate(state, "controls", MakeControls);
}
void Components(benchmark::State& state) {
    LoadAgainstCreate(state, "non-visual", MakeComponents);
}
BENCHMARK(Controls)->Arg(100)->Arg(1000)->Arg(5000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Components)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(5000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv) {
    RegisterClasses({TBenchEdit::StaticClass(), TBenchLabel::StaticClass(),
                     TBenchTimer::StaticClass(), TBenchForm::StaticClass()});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    // Ratios only: load over creation, and the cost per component against the smallest N.
    std::printf("\n%-11s %6s %12s %20s %22s\n", "scenario", "N", "load/create",
                "load per item vs min", "create per item vs min");
    std::map<std::string, Result> smallest;
    for (const auto& [key, r] : Results()) {
        auto [it, first] = smallest.emplace(key.first, r);
        (void)first;
        std::printf("%-11s %6d %12.2f %20.2f %22.2f\n", key.first.c_str(), key.second,
                    r.LoadNsPerItem / r.CreateNsPerItem, r.LoadNsPerItem / it->second.LoadNsPerItem,
                    r.CreateNsPerItem / it->second.CreateNsPerItem);
    }
    return 0;
}

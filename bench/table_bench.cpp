// The main window's drawing: a full redraw of the table, one step of a flying card, and the
// start-up to the first painted opening screen.
#include "settings/settings.h"
#include "table/form1.h"
#include "table/form_password.h"

#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {
using namespace vantor;

QApplication& app() {
    static int argc = 1;
    static char name[] = "vantor-bench";
    static char* argv[] = {name, nullptr};
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QApplication* a = new QApplication(argc, argv);
    return *a;
}

std::unique_ptr<TForm1> tableAt(int windowSize) {
    app();
    const std::string home = "/tmp/vantor-bench-home-" + std::to_string(::getpid());
    std::filesystem::remove_all(home);
    ::setenv("VANTOR_HOME", home.c_str(), 1);
    ::setenv("VANTOR_INSTANT", "1", 1);
    auto form = std::make_unique<TForm1>();
    form->CuePlayer = [](std::string_view, bool) {};
    form->RunPasswordDialog = [](TFormPassword& f) {
        f.Edit1->setText("Bench");
        f.Button1Click();
        return true;
    };
    form->FirstPaint();
    Settings.WindowSize = windowSize;
    form->LeaveOpeningScreen();
    form->SetShuffleSeed(3);
    form->Button6Click();
    form->Button7Click(); // "To Begin"
    form->Timer1Timer();  // a few moves, so the table holds cards
    return form;
}

void BM_TableRedraw(benchmark::State& state) {
    auto form = tableAt(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        for (int s = 1; s <= 4; ++s) form->DrawHand(s, s == 4);
        form->DrawTable();
        for (int s = 1; s <= 4; ++s) form->Say(s, "Vice-Vantor", 'b');
        form->DrawRoundPanel();
    }
}
BENCHMARK(BM_TableRedraw)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond);

void BM_FlightStep(benchmark::State& state) {
    auto form = tableAt(static_cast<int>(state.range(0)));
    ::setenv("VANTOR_INSTANT", "0", 1);
    Settings.Speed = 5; // no waits: only the drawing is measured
    form->show();
    const int steps = 300;
    for (auto _ : state) form->FlyCard(0, 0, steps, 40, cardOfNumber(12), true, true);
    state.SetItemsProcessed(state.iterations() * steps);
    state.counters["per step"] = benchmark::Counter(static_cast<double>(steps),
                                                    benchmark::Counter::kIsIterationInvariantRate |
                                                        benchmark::Counter::kInvert);
    ::setenv("VANTOR_INSTANT", "1", 1);
}
BENCHMARK(BM_FlightStep)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond);

void BM_StartUpToOpeningScreen(benchmark::State& state) {
    app();
    const std::string home = "/tmp/vantor-bench-start-" + std::to_string(::getpid());
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove_all(home);
        ::setenv("VANTOR_HOME", home.c_str(), 1);
        state.ResumeTiming();
        TForm1 form;
        form.FirstPaint();
        benchmark::DoNotOptimize(form.grab());
    }
}
BENCHMARK(BM_StartUpToOpeningScreen)->Unit(benchmark::kMillisecond);

} // namespace

// A position change of the rotary dial (knob dot and value text, delivered to
// the window) against a full repaint of the same dial, for the default dial,
// the diagnostics window's progress dial and the default dial at two larger
// sizes. After the runs a summary gives the full/position ratio per dial and
// how the full repaint grows from width 200 to 400.
#include "zktools/gauges/qx_dial.h"
#include "zktools/guided/progress_dial.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using zk::gauges::TQxDial;

struct DialCase {
    const char* name;
    int width;
    int height;
    bool progress;
};

// The default dial's height follows its width in the 161/113 proportion.
constexpr DialCase kCases[] = {
    {"default_113x161", 113, 161, false},
    {"progress_145x177", 145, 177, true},
    {"default_200x285", 200, 285, false},
    {"default_400x570", 400, 570, false},
};

// Shown in an active window and painted, so that updates reach a backing store.
std::unique_ptr<TQxDial> MakeDial(const DialCase& c) {
    auto dial = std::make_unique<TQxDial>();
    if (c.progress)
        diagnostics::SetUpProgressDial(*dial, 13);
    dial->resize(c.width, c.height);
    dial->show();
    dial->activateWindow();
    if (!QTest::qWaitForWindowActive(dial.get()))
        return nullptr;
    QCoreApplication::processEvents();
    return dial;
}

// Delivers everything posted, the update requests with their paint events
// among it, as the event loop would. (Delivering the update requests alone
// leaves the rest to pile up, and each later call walks the pile.)
void Deliver() {
    QCoreApplication::sendPostedEvents();
}

void BM_PositionChange(benchmark::State& state, const DialCase& c) {
    const auto dial = MakeDial(c);
    if (!dial) {
        state.SkipWithError("window not shown");
        return;
    }
    const int from = dial->SignalSettings().DigitalFrom();
    const int span = dial->SignalSettings().DigitalTo() - from;
    int step = 0;
    for (auto _ : state) {
        // A new digit every time, over the whole range, so the dot really moves.
        step = (step + 7) % (span + 1);
        dial->SetDigit(from + step);
        Deliver();
    }
}

void BM_FullRepaint(benchmark::State& state, const DialCase& c) {
    const auto dial = MakeDial(c);
    if (!dial) {
        state.SkipWithError("window not shown");
        return;
    }
    for (auto _ : state) {
        dial->Invalidate();
        Deliver();
    }
}

// Keeps each run's time per iteration, for the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (!run.error_occurred && run.iterations > 0)
                best_[run.benchmark_name()] = run.GetAdjustedRealTime();
    }

    double Time(const std::string& name) const {
        const auto it = best_.find(name);
        return it == best_.end() ? 0.0 : it->second;
    }

private:
    std::map<std::string, double> best_;
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    for (const DialCase& c : kCases) {
        benchmark::RegisterBenchmark((std::string("BM_PositionChange/") + c.name).c_str(),
                                     BM_PositionChange, c)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string("BM_FullRepaint/") + c.name).c_str(),
                                     BM_FullRepaint, c)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\nsummary (times in us):\n");
    for (const DialCase& c : kCases) {
        const double position = reporter.Time(std::string("BM_PositionChange/") + c.name);
        const double full = reporter.Time(std::string("BM_FullRepaint/") + c.name);
        if (position > 0 && full > 0)
            std::printf("  %-18s position %8.2f  full %9.2f  full/position %6.1f\n", c.name,
                        position, full, full / position);
    }
    const double full200 = reporter.Time("BM_FullRepaint/default_200x285");
    const double full400 = reporter.Time("BM_FullRepaint/default_400x570");
    if (full200 > 0 && full400 > 0)
        std::printf("  full repaint width 400 / width 200: %.2f (area 4.0)\n", full400 / full200);
    benchmark::Shutdown();
    return 0;
}

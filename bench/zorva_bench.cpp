#include <QApplication>
#include <QCollator>
#include <QProcess>
#include <QRandomGenerator>
#include <algorithm>

#include "ratio_reporter.h"
#include "settings/cwiat.h"
#include "test_window/zorva.h"
#include "whole_test.h"

// Each figure of the program is measured beside a floor that Qt itself sets
// for the same work, and printed as a ratio to it.
namespace {

constexpr int kActionsOfAWholeTest = 131;

QStringList syntheticFonts(int count) {
  static const char16_t *const parts[] = {u"Serif", u"Sans", u"Mono", u"Гротеск", u"Антиква",
                                          u"Condensed", u"Book", u"Display", u"Ариал", u"Text"};
  QRandomGenerator random(2000);
  QStringList names;
  for (int i = 0; i < count; ++i)
    names << QString::fromUtf16(parts[random.bounded(10)]) + u' ' +
                 QString::fromUtf16(parts[random.bounded(10)]) + u' ' + QString::number(i);
  return names;
}

// A whole process, from nothing to its window shown and painted once.
void runProcess(benchmark::State &state, const char *mode) {
  for (auto _ : state) {
    if (QProcess::execute(QStringLiteral(ZORVA_PROCESS_RUN), {QString::fromLatin1(mode)}) != 0)
      state.SkipWithError("the process failed");
  }
}

void StartUp(benchmark::State &state) { runProcess(state, "start"); }
void EmptyWindow(benchmark::State &state) { runProcess(state, "empty"); }

void WholeTest(benchmark::State &state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto window = std::make_unique<Zorva>();
    window->show();
    state.ResumeTiming();
    takeWholeTest(*window);
    state.PauseTiming();
    window.reset();
    state.ResumeTiming();
  }
}

// One repaint of the whole test window, every control drawn.
void Repaint(benchmark::State &state) {
  Zorva window;
  window.show();
  for (auto _ : state) benchmark::DoNotOptimize(window.grab());
}

void openSettings(benchmark::State &state, const FontSource &fonts) {
  Zorva window;
  CwiatState dialogState;
  for (auto _ : state) {
    Cwiat dialog(window, dialogState, fonts);
  }
}

void OpenSettingsMachineFonts(benchmark::State &state) { openSettings(state, installedFonts); }

void OpenSettings2000Fonts(benchmark::State &state) {
  const QStringList names = syntheticFonts(2000);
  openSettings(state, [&names] { return names; });
}

void sortWithCollator(benchmark::State &state, const QStringList &names) {
  QCollator collator(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  for (auto _ : state) {
    QStringList sorted = names;
    std::sort(sorted.begin(), sorted.end(), collator);
    benchmark::DoNotOptimize(sorted.data());
  }
}

void SortMachineFonts(benchmark::State &state) { sortWithCollator(state, installedFonts()); }
void Sort2000Fonts(benchmark::State &state) { sortWithCollator(state, syntheticFonts(2000)); }

}  // namespace

BENCHMARK(StartUp)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(EmptyWindow)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(WholeTest)->Unit(benchmark::kMicrosecond);
BENCHMARK(Repaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(OpenSettingsMachineFonts)->Unit(benchmark::kMicrosecond);
BENCHMARK(SortMachineFonts)->Unit(benchmark::kMicrosecond);
BENCHMARK(OpenSettings2000Fonts)->Unit(benchmark::kMicrosecond);
BENCHMARK(Sort2000Fonts)->Unit(benchmark::kMicrosecond);

int main(int argc, char *argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  std::vector<char *> arguments(argv, argv + argc);
  std::string repetitions = "--benchmark_repetitions=9";
  std::string aggregates = "--benchmark_report_aggregates_only=true";
  arguments.push_back(repetitions.data());
  arguments.push_back(aggregates.data());
  int count = int(arguments.size());
  benchmark::Initialize(&count, arguments.data());
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);

  std::printf("\nFigures against their floors (median of 9 runs, +- standard deviation):\n");
  reporter.printRatio("StartUp", "EmptyWindow", 1.3);
  reporter.printRatio("WholeTest", "Repaint", 0, kActionsOfAWholeTest);
  reporter.printRatio("OpenSettingsMachineFonts", "SortMachineFonts");
  reporter.printRatio("OpenSettings2000Fonts", "Sort2000Fonts", 3.0);
  benchmark::Shutdown();
  return 0;
}

#include "ratio_reporter.h"

#include <cstdio>

void RatioReporter::ReportRuns(const std::vector<Run> &runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run &run : runs) {
    if (run.run_type != Run::RT_Aggregate) continue;
    Figure &figure = m_figures[run.run_name.function_name];
    const double nanoseconds = run.GetAdjustedRealTime() *
                               (run.time_unit == benchmark::kMillisecond   ? 1e6
                                : run.time_unit == benchmark::kMicrosecond ? 1e3
                                                                           : 1.0);
    if (run.aggregate_name == "median") figure.median = nanoseconds;
    if (run.aggregate_name == "stddev") figure.spread = nanoseconds;
  }
}

// `per` divides the figure first, e.g. into a cost per learner action.
void RatioReporter::printRatio(const std::string &name, const std::string &floor, double goal,
                               double per) const {
  const auto figure = m_figures.find(name);
  const auto base = m_figures.find(floor);
  if (figure == m_figures.end() || base == m_figures.end()) return;
  const double median = figure->second.median / per;
  const double spread = figure->second.spread / per;
  std::printf("%-34s %12.1f us (+- %.1f)   floor %-22s %10.1f us (+- %.1f)   ratio %6.2f",
              name.c_str(), median / 1e3, spread / 1e3, floor.c_str(), base->second.median / 1e3,
              base->second.spread / 1e3, median / base->second.median);
  if (goal > 0) std::printf("   goal <= %.1f", goal);
  std::printf("\n");
}

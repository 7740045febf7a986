#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

// Shows Google Benchmark's aggregates as usual and keeps each benchmark's
// median and spread, so that figures can be set against their floors.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  struct Figure {
    double median = 0;  // nanoseconds per iteration
    double spread = 0;  // standard deviation, nanoseconds
  };

  void ReportRuns(const std::vector<Run> &runs) override;

  // The median of `name` over the median of `floor`, printed with both.
  void printRatio(const std::string &name, const std::string &floor, double goal = 0,
                  double per = 1) const;

 private:
  std::map<std::string, Figure> m_figures;
};

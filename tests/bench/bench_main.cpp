// Runs the benchmarks with Google Benchmark's console output, then prints how
// each compares with its baseline measured in the same run. A baseline is
// named "<group>/baseline"; every other benchmark "<group>/<name>" is
// compared with it, by CPU time per iteration (the median when repeated).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            if (run.run_type == Run::RT_Iteration) {
                cpuTimes_[run.run_name.str()].push_back(run.GetAdjustedCPUTime());
            } else if (run.aggregate_name == "median") {
                // Only the aggregates come when the repetitions are not shown.
                cpuTimes_[run.run_name.str()] = {run.GetAdjustedCPUTime()};
            }
        }
    }

    void PrintRatios() {
        bool any = false;
        for (const auto& [name, times] : cpuTimes_) {
            const size_t slash = name.rfind('/');
            if (slash == std::string::npos || name.compare(slash, std::string::npos, "/baseline") == 0) continue;
            const auto baseline = cpuTimes_.find(name.substr(0, slash) + "/baseline");
            if (baseline == cpuTimes_.end()) continue;
            if (!any) std::printf("\nAgainst the baseline of the same run (CPU time per iteration):\n");
            any = true;
            std::printf("  %-36s %7.1f x as fast\n", name.c_str(), Median(baseline->second) / Median(times));
        }
    }

private:
    static double Median(std::vector<double> values) {
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    }

    std::map<std::string, std::vector<double>> cpuTimes_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}

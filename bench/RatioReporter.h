#pragma once
// Console output as usual, then each figure set against its peer from the
// same run: "name / peer = ratio (target)".

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace sorn::bench {

struct Comparison {
    std::string name;
    std::string peer; // empty: compared with an absolute limit in milliseconds
    double target;    // ratio limit, or milliseconds when there is no peer
};

class RatioReporter : public benchmark::ConsoleReporter {
public:
    explicit RatioReporter(std::vector<Comparison> comparisons)
        : comparisons_(std::move(comparisons)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        // With repetitions the median stands for the figure.
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Iteration || median)
                millis_[Name(run)] = run.GetAdjustedRealTime() * Scale(run.time_unit);
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        // bench/run.sh gathers the rows of every program into one table.
        std::FILE* table = nullptr;
        if (const char* path = std::getenv("SORN_BENCH_TABLE")) table = std::fopen(path, "a");
        std::printf("\n%s", Header().c_str());
        for (const auto& c : comparisons_) {
            const std::string row = Row(c);
            std::printf("%s", row.c_str());
            if (table) std::fputs(row.c_str(), table);
        }
        if (table) std::fclose(table);
    }

    static std::string Header() {
        return Format("%-34s %12s %12s %9s %10s %s\n", "figure", "ms", "peer ms", "ratio", "target",
                      "");
    }

private:
    std::string Row(const Comparison& c) {
        const double ms = millis_.count(c.name) ? millis_[c.name] : -1;
        if (c.peer.empty())
            return Format("%-34s %12.3f %12s %9s %8gms %s\n", c.name.c_str(), ms, "-", "-",
                          c.target, ms >= 0 && ms < c.target ? "ok" : "MISSED");
        const double peer = millis_.count(c.peer) ? millis_[c.peer] : -1;
        const double ratio = peer > 0 ? ms / peer : -1;
        return Format("%-34s %12.3f %12.3f %9.2f %9.2fx %s (vs %s)\n", c.name.c_str(), ms, peer,
                      ratio, c.target, ratio >= 0 && ratio <= c.target ? "ok" : "MISSED",
                      c.peer.c_str());
    }

    template <typename... Args> static std::string Format(const char* format, Args... args) {
        char buffer[256];
        std::snprintf(buffer, sizeof buffer, format, args...);
        return buffer;
    }

    // "BM_RedrawScore/1920" without the run's settings.
    static std::string Name(const Run& run) {
        std::string name = run.run_name.function_name;
        if (!run.run_name.args.empty()) name += "/" + run.run_name.args;
        return name;
    }
    static double Scale(benchmark::TimeUnit unit) {
        switch (unit) {
        case benchmark::kNanosecond:
            return 1e-6;
        case benchmark::kMicrosecond:
            return 1e-3;
        case benchmark::kMillisecond:
            return 1.0;
        default:
            return 1e3;
        }
    }
    std::vector<Comparison> comparisons_;
    std::map<std::string, double> millis_;
};

} // namespace sorn::bench

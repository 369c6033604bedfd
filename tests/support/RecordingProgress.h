#pragma once
// A progress sink that keeps the maximum and every value it was given.

#include "model/ProgressSink.h"

#include <vector>

namespace sorn::test {

struct RecordingProgress : ProgressSink {
    int maximum = -1;
    std::vector<int> values;
    void SetMaximum(int m) override { maximum = m; }
    void SetValue(int v) override { values.push_back(v); }
};

} // namespace sorn::test

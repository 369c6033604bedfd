#pragma once
// What a long export drives while it runs: a progress bar in the editor,
// nothing in batch mode. The sink is handed to the export beside the
// document; the export may run on a thread of its own, so a sink that
// shows anything must pass the numbers on to its window's thread.

#include <algorithm>
#include <cstdint>

namespace sorn {

class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void SetMaximum(int maximum) = 0;
    virtual void SetValue(int value) = 0;
    // Asked between steps; true stops the export, which then leaves any
    // older file as it was.
    virtual bool Cancelled() const { return false; }
};

// The count an export keeps of its steps, shown through an optional sink.
class ProgressCounter {
public:
    explicit ProgressCounter(ProgressSink* sink) : sink_(sink) {}

    void StartProgressBar(std::int16_t Max) {
        max_ = std::max<std::int32_t>(Max, 0);
        count_ = 0;
        if (sink_) {
            sink_->SetMaximum(max_);
            sink_->SetValue(0);
        }
    }
    void AddProgressBar() {
        ++count_;
        // A bar never shows more than its maximum.
        if (sink_) sink_->SetValue(std::min(count_, max_));
    }
    void SubtractProgressBar() {
        --count_;
        if (sink_ && count_ >= 0) sink_->SetValue(std::min(count_, max_));
    }
    bool Cancelled() const { return sink_ && sink_->Cancelled(); }

private:
    ProgressSink* sink_;
    std::int32_t max_ = 0;
    std::int32_t count_ = 0;
};

} // namespace sorn

#pragma once
// What the audition tests share: a silent FluidSynth device, scores of a
// known length, waiting on the real-time clock, and a device that records.

#include "model/SymbolCodes.h"
#include "platform/FluidSequencer.h"
#include "platform/Sequencer.h"
#include "sound/ScoreBuilder.h"

#include <QTest>
#include <chrono>
#include <functional>
#include <future>
#include <string>
#include <vector>

namespace sorn::test {

// Never touches a sound card, so the tests behave alike everywhere.
inline FluidOptions SilentOptions() {
    FluidOptions options;
    options.output = AudioOutput::Silent;
    return options;
}

// Quarter notes on the middle line: 480 ticks each.
inline ScoreBuilder Quarters(int notes, std::int16_t speed = 120, int parts = 1) {
    ScoreBuilder s(parts, std::max<std::int32_t>(MinLength, notes), speed);
    for (int p = 0; p < parts; ++p)
        for (int i = 0; i < notes; ++i)
            s.Note(i, Kind::QuarterNote, 128, p);
    return s;
}

// Spins the event loop until done() holds or the time is up.
inline bool WaitFor(const std::function<bool()>& done, int milliseconds = 3000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        QTest::qWait(5);
    }
    return true;
}

// A real device whose opening waits until the test lets it go on, as on a
// sound server slow to answer.
class HeldSequencer : public FluidSequencer {
public:
    HeldSequencer() : FluidSequencer(SilentOptions()) {}
    void Open() override {
        gate_.wait_for(std::chrono::seconds(10));
        FluidSequencer::Open();
    }
    void Release() { release_.set_value(); }

private:
    std::promise<void> release_;
    std::shared_future<void> gate_ = release_.get_future().share();
};

class RecordingSequencer : public Sequencer {
public:
    std::vector<std::string> calls;
    std::int32_t length = 1000;
    std::int32_t position = 0;
    int positionQueries = 0;
    bool silent = false;

    void SetFileName(const std::string& name) override { calls.push_back("file " + name); }
    void Open() override { calls.push_back("Open"); }
    bool CanPlay() const override { return true; }
    std::int32_t Length() const override { return length; }
    void Play() override { calls.push_back("Play"); }
    void Stop() override { calls.push_back("Stop"); }
    void Prev() override { calls.push_back("Prev"); }
    void Close() override { calls.push_back("Close"); }
    std::int32_t Position() override {
        ++positionQueries;
        return position;
    }
    std::string ErrorMessage() const override { return {}; }
    bool Silent() const override { return silent; }
};

} // namespace sorn::test

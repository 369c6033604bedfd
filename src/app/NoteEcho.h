#pragma once
// Entered notes made audible: each sounds for a moment on the part's
// instrument through one synthesizer, opened with the first note and kept
// until the window closes. It opens off the window's thread, so typing goes
// on meanwhile; notes entered before it is ready are not heard. Where it
// cannot sound it stays silent and says so once.

#include "platform/NoteSynth.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

namespace sorn {

class SornData;

class NoteEcho : public QObject {
public:
    using SynthFactory = std::function<std::unique_ptr<NoteSynth>()>;
    // How long an entered note sounds, in milliseconds.
    static constexpr int NoteMilliseconds = 300;

    explicit NoteEcho(SynthFactory factory, QObject* parent = nullptr);
    ~NoteEcho() override;

    // The menu item's tick, remembered across runs.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // For tests: another synthesizer, opened afresh with the next note.
    void UseSynth(SynthFactory factory);
    // True once the synthesizer has opened and entered notes sound.
    bool Ready() const { return state_ == State::Open; }

    // Told, the one time, why entered notes stay silent.
    std::function<void(const QString& message)> ProblemShown;

    // Sounds what the staff position makes at a note position of a part.
    void Sound(const SornData& doc, std::uint8_t Part, std::int32_t position,
               std::uint8_t staffPosition);

private:
    enum class State { Closed, Opening, Open, Failed };
    void Open();

    SynthFactory factory_;
    // Shared with the thread that opens it, which may outlive this.
    std::shared_ptr<NoteSynth> synth_;
    State state_ = State::Closed;
    bool enabled_;
    int generation_ = 0; // which synthesizer an opening or a note-off belongs to
    // Which program each channel was last given, -1 for none.
    int programs_[16];
};

} // namespace sorn

#pragma once
// Entered notes made audible: each sounds for a moment on the part's
// instrument through one synthesizer, opened with the first note and kept
// until the window closes. Where it cannot sound it stays silent and says
// so once.

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

    // Sounds what the staff position makes at a note position of a part.
    // Returns the message to show when the synthesizer cannot sound, the
    // first time only; empty otherwise.
    QString Sound(const SornData& doc, std::uint8_t Part, std::int32_t position,
                  std::uint8_t staffPosition);

private:
    NoteSynth* Synth(QString& message);

    SynthFactory factory_;
    std::unique_ptr<NoteSynth> synth_;
    bool enabled_;
    bool failed_ = false;
    int generation_ = 0; // which synthesizer a pending note-off belongs to
    // Which program each channel was last given, -1 for none.
    int programs_[16];
};

} // namespace sorn

#pragma once
// Entered notes through FluidSynth: one synthesizer on a General MIDI
// SoundFont, driven directly (no player), sounding through the first audio
// output that opens. Without an output there is nothing to hear, so Start
// fails rather than render into the void.

#include "platform/FluidSequencer.h"
#include "platform/NoteSynth.h"

namespace sorn {

class FluidNoteSynth : public NoteSynth {
public:
    explicit FluidNoteSynth(FluidOptions options = {});
    ~FluidNoteSynth() override;
    FluidNoteSynth(const FluidNoteSynth&) = delete;
    FluidNoteSynth& operator=(const FluidNoteSynth&) = delete;

    bool Start() override;
    void ProgramChange(std::uint8_t channel, std::uint8_t program) override;
    void NoteOn(std::uint8_t channel, std::uint8_t note, std::uint8_t velocity) override;
    void NoteOff(std::uint8_t channel, std::uint8_t note) override;
    std::string ErrorMessage() const override { return error_; }

private:
    void Close();

    FluidOptions options_;
    std::string error_;
    const FluidLibrary* fluid_ = nullptr;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_audio_driver_t* driver_ = nullptr;
};

} // namespace sorn

#include "platform/FluidNoteSynth.h"

#include "model/Message.h"
#include "platform/FluidLibrary.h"

namespace sorn {

namespace {
// In the language of the window, or of the batch command.
std::string Said(const char* source) {
    return Text(CoreMessage(source), DrawnLanguage());
}
} // namespace

FluidNoteSynth::FluidNoteSynth(FluidOptions options) : options_(std::move(options)) {}

FluidNoteSynth::~FluidNoteSynth() {
    Close();
}

bool FluidNoteSynth::Start() {
    if (driver_) return true;
    Close();
    const std::string soundFont = FindSoundFont(options_.soundFonts);
    if (soundFont.empty()) {
        error_ = Said(
            SORN_TRANSLATE_NOOP("Core", "SoundFont が見つからないため、入力した音は鳴りません。"));
        return false;
    }
    fluid_ = OpenFluidLibrary();
    if (!fluid_) {
        error_ = Said(
            SORN_TRANSLATE_NOOP("Core", "FluidSynth を読み込めないため、入力した音は鳴りません。"));
        return false;
    }
    settings_ = fluid_->new_fluid_settings();
    if (settings_) {
        // Short blocks: a note is heard a few milliseconds after its key.
        fluid_->fluid_settings_setint(settings_, "audio.period-size", 256);
        fluid_->fluid_settings_setint(settings_, "audio.periods", 2);
        synth_ = fluid_->new_fluid_synth(settings_);
    }
    if (!synth_) {
        error_ = Said(
            SORN_TRANSLATE_NOOP("Core", "FluidSynth を始められないため、入力した音は鳴りません。"));
        Close();
        return false;
    }
    // The output is found before the SoundFont is loaded: without one, the
    // load is time spent for nothing.
    std::string name;
    if (options_.output == AudioOutput::Device)
        driver_ = OpenAudioOutput(*fluid_, settings_, name, [this] {
            return fluid_->new_fluid_audio_driver(settings_, synth_);
        });
    if (!driver_) {
        error_ =
            Said(SORN_TRANSLATE_NOOP("Core", "音を出す装置がないため、入力した音は鳴りません。"));
        Close();
        return false;
    }
    if (fluid_->fluid_synth_sfload(synth_, soundFont.c_str(), 1) == FLUID_FAILED) {
        error_ = Said(
            SORN_TRANSLATE_NOOP("Core", "SoundFont を読み込めないため、入力した音は鳴りません。"));
        Close();
        return false;
    }
    error_.clear();
    return true;
}

void FluidNoteSynth::ProgramChange(std::uint8_t channel, std::uint8_t program) {
    if (synth_) fluid_->fluid_synth_program_change(synth_, channel, program);
}

void FluidNoteSynth::NoteOn(std::uint8_t channel, std::uint8_t note, std::uint8_t velocity) {
    if (synth_) fluid_->fluid_synth_noteon(synth_, channel, note, velocity);
}

void FluidNoteSynth::NoteOff(std::uint8_t channel, std::uint8_t note) {
    if (synth_) fluid_->fluid_synth_noteoff(synth_, channel, note);
}

void FluidNoteSynth::Close() {
    // The output goes first: it renders from the synthesizer.
    if (driver_) fluid_->delete_fluid_audio_driver(driver_);
    if (synth_) fluid_->delete_fluid_synth(synth_);
    if (settings_) fluid_->delete_fluid_settings(settings_);
    driver_ = nullptr;
    synth_ = nullptr;
    settings_ = nullptr;
}

} // namespace sorn

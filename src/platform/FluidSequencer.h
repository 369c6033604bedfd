#pragma once
// The sequencer device as FluidSynth's file player on a General MIDI
// SoundFont. Sound goes to the first audio output that opens (sound servers
// first, then ALSA); with none the player is clocked by a thread of our own
// that pulls the audio in real time and drops it, so the window and the
// tests behave the same on a machine without a sound card.

#include "platform/Sequencer.h"

#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

// FluidSynth's handles, as its header declares them.
typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_player_t fluid_player_t;
typedef struct _fluid_audio_driver_t fluid_audio_driver_t;

namespace sorn {

enum class AudioOutput {
    Device, // the first audio output that opens, else silent
    Silent, // never touch an audio device
};

struct FluidOptions {
    // Tried in order; the first file that exists is loaded.
    std::vector<std::string> soundFonts = DefaultSoundFonts();
    AudioOutput output = AudioOutput::Device;

    // $SORN_SOUNDFONT when set, then the General MIDI sets Debian installs.
    static std::vector<std::string> DefaultSoundFonts();
};

struct FluidLibrary;

// The audio outputs worth trying on this machine, in the order to try them.
std::vector<std::string> AudioOutputCandidates(const FluidLibrary& fluid,
                                               fluid_settings_t* settings);
// Opens the first candidate output that works; FluidSynth's complaints about
// the ones that do not are expected and kept quiet. Null when none opens.
fluid_audio_driver_t* OpenAudioOutput(const FluidLibrary& fluid, fluid_settings_t* settings,
                                      std::string& name,
                                      const std::function<fluid_audio_driver_t*()>& open);
// The first of the files that exists; empty when none does.
std::string FindSoundFont(const std::vector<std::string>& candidates);

class FluidSequencer : public Sequencer {
public:
    explicit FluidSequencer(FluidOptions options = {});
    ~FluidSequencer() override;
    FluidSequencer(const FluidSequencer&) = delete;
    FluidSequencer& operator=(const FluidSequencer&) = delete;

    void SetFileName(const std::string& FileName) override { fileName_ = FileName; }
    void Open() override;
    bool CanPlay() const override { return player_ != nullptr; }
    std::int32_t Length() const override { return player_ ? length_ : 0; }
    void Play() override;
    void Stop() override;
    void Prev() override;
    void Close() override;
    std::int32_t Position() override;
    std::string ErrorMessage() const override { return error_; }
    bool Silent() const override;

    // Which output the open song sounds through: "pulseaudio", "alsa"… or
    // "silent". Empty when nothing is open.
    std::string OutputName() const;

    // The length in ticks FluidSynth's player will find in a MIDI file: the
    // longest track, counted up to its end-of-track event. nullopt when the
    // file is not one the player can load.
    static std::optional<std::int32_t> SongTicks(const std::string& path);

private:
    bool NewPlayer();
    void StartOutput();
    void StopOutput();
    // Called by the audio output for every block it needs.
    static int Render(void* self, int len, int nfx, float* fx[], int nout, float* out[]);
    void SilentClock(std::stop_token stop);
    // Notices that the song played to its end; the lock is held.
    void CheckEnded();

    FluidOptions options_;
    std::string fileName_;
    std::string error_;
    std::int32_t length_ = 0;

    const FluidLibrary* fluid_ = nullptr;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_player_t* player_ = nullptr;
    fluid_audio_driver_t* driver_ = nullptr;
    std::string driverName_;
    std::jthread silentClock_;

    // Serialises the rendering with every request, so the player is never
    // seen in the middle of a block.
    std::mutex lock_;
    bool playing_ = false;
    bool ended_ = false;
    // A seek the player applies only when it next renders while playing;
    // until then it is the position. -1: none.
    std::int32_t pendingSeek_ = -1;
};

} // namespace sorn

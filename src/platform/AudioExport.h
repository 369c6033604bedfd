#pragma once
// Audio of the whole score: every part with its instrument and dynamics,
// repeats and D.C. as played, rendered offline (faster than real time, no
// sound card) through FluidSynth with the General MIDI SoundFont the
// audition uses, from the events of the program's MIDI export. Written as
// WAV (16- or 24-bit PCM), FLAC or Ogg Vorbis through the one writer.
//
// A rehearsal track is the same mix with one part brought forward and
// panned to the centre, the others quieter and spread left and right,
// optionally with a click on every beat.

#include "model/Language.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace sorn {

class ProgressSink;
class SornData;

enum class AudioFormat { Wav, Flac, Ogg };

// The format a file name's extension asks for (.wav .flac .ogg, any case).
// Inline, because the command line checks names without the encoders.
inline std::optional<AudioFormat> AudioFormatOf(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == ".wav") return AudioFormat::Wav;
    if (ext == ".flac") return AudioFormat::Flac;
    if (ext == ".ogg") return AudioFormat::Ogg;
    return std::nullopt;
}

inline const char* ExtensionOf(AudioFormat format) { // ".wav", ".flac", ".ogg"
    switch (format) {
    case AudioFormat::Flac:
        return ".flac";
    case AudioFormat::Ogg:
        return ".ogg";
    default:
        return ".wav";
    }
}

struct AudioSettings {
    std::string soundFont;               // empty: the audition's, found as it finds it
    int sampleRate = 44100;              // 44100 or 48000
    int bits = 16;                       // 16 or 24, for WAV and FLAC
    Language language = DrawnLanguage(); // of the messages: the window's or the batch's
};

// How the parts are balanced; the default is the score as written.
struct AudioMix {
    int emphasised = -1;  // the part brought forward, or -1 for none
    double balanceDb = 6; // it is this much louder, the others this much quieter
    bool click = false;   // a click on every beat of the first part's time signature
};

// Interleaved stereo samples in -1..1.
struct RenderedAudio {
    int sampleRate = 44100;
    std::vector<float> samples;
};

// Renders the score; nullopt with `error` set when FluidSynth, the
// SoundFont or the MIDI events could not be had, or when progress
// cancelled it (error empty then). The same score renders to the same
// samples every time.
std::optional<RenderedAudio> RenderScoreAudio(const SornData& doc, const AudioSettings& settings,
                                              const AudioMix& mix, ProgressSink* progress,
                                              std::string& error);

// The encoded file's bytes; empty with `error` set when the encoder failed.
std::string EncodeAudio(const RenderedAudio& audio, AudioFormat format, int bits,
                        std::string& error, Language language = Language::Japanese);

// Renders and writes one file. Returns the message to show, or an empty
// string (also when progress cancelled it: then nothing is written).
std::string ExportAudio(const SornData& doc, const std::string& path, const AudioSettings& settings,
                        const AudioMix& mix = {}, ProgressSink* progress = nullptr);

// A rehearsal track per part into a folder (made when missing), named
// after the part. Progress runs over the whole set; a cancel or a failure
// stops it, and the file being made is not written. `written` gets the
// paths of the files made. Returns the message to show, or empty.
std::string ExportRehearsalTracks(const SornData& doc, const std::string& folder,
                                  AudioFormat format, const AudioSettings& settings,
                                  double balanceDb, bool click, ProgressSink* progress = nullptr,
                                  std::vector<std::string>* written = nullptr);

} // namespace sorn

#include "platform/AudioExport.h"

#include "model/AtomicFile.h"
#include "model/ErrorReason.h"
#include "model/ProgressSink.h"
#include "model/SharedLibrary.h"
#include "model/SornData.h"
#include "platform/FluidLibrary.h"
#include "platform/FluidSequencer.h"
#include "platform/PrintJob.h"
#include "sound/SornMidi.h"

#include <sndfile.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace sorn {

namespace {

constexpr int kBlock = 4096;           // frames rendered at a time
constexpr double kMostTailSeconds = 6; // the release after the last event, at most
constexpr double kReverbSeconds = 0.3; // after the last voice has ended
constexpr double kDefaultGain = 0.2;   // the synthesizer's own default
constexpr int kDefaultVolume = 100;    // what a channel's volume starts at

// libsndfile, opened only for the compressed formats.
#define SORN_SNDFILE_FUNCTIONS(X)                                                                  \
    X(sf_open_virtual)                                                                             \
    X(sf_writef_float)                                                                             \
    X(sf_close)                                                                                    \
    X(sf_strerror)                                                                                 \
    X(sf_command)

struct SndfileLibrary {
    SORN_SNDFILE_FUNCTIONS(SORN_FUNCTION_POINTER)
};

const SndfileLibrary* OpenSndfile() {
    static const SndfileLibrary* const table = [] {
        static SharedLibrary library(SORN_SNDFILE_SONAME);
        static SndfileLibrary table;
        SORN_SNDFILE_FUNCTIONS(SORN_RESOLVE_FUNCTION)
        return library.Complete() ? &table : nullptr;
    }();
    return table;
}

// A private folder for the MIDI events the player reads, gone with it.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "sorn-audio-XXXXXX").string();
        if (mkdtemp(pattern.data())) path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ec;
        if (!path_.empty()) std::filesystem::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// FluidSynth's objects, released in order.
struct Synth {
    const FluidLibrary& fluid;
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_player_t* player = nullptr;
    ~Synth() {
        if (player) fluid.delete_fluid_player(player);
        if (synth) fluid.delete_fluid_synth(synth);
        if (settings) fluid.delete_fluid_settings(settings);
    }
};

// The mix of a rehearsal track: the part forward and in the middle, the
// others back and spread from left to right. MIDI volume is heard as its
// square, 40 dB a decade; the synthesizer's gain lifts the whole so that
// the part forward is balanceDb louder than in the plain mix.
std::vector<SornMidi::PartMix> RehearsalMix(int parts, const AudioMix& mix, double& gain) {
    gain = kDefaultGain;
    if (mix.emphasised < 0 || mix.emphasised >= parts) return {};
    const double balance = std::clamp(mix.balanceDb, 0.0, 24.0);
    const int quiet =
        std::clamp(static_cast<int>(std::lround(127 * std::pow(10.0, -2 * balance / 40))), 1, 127);
    const double lift = balance - 40 * std::log10(127.0 / kDefaultVolume);
    gain = kDefaultGain * std::pow(10.0, lift / 20);
    std::vector<SornMidi::PartMix> out(static_cast<std::size_t>(parts));
    const int others = parts - 1;
    int k = 0;
    for (int p = 0; p < parts; ++p) {
        auto& part = out[static_cast<std::size_t>(p)];
        if (p == mix.emphasised) {
            part = {127, 64};
            continue;
        }
        part.volume = static_cast<std::uint8_t>(quiet);
        // Evenly from 16 to 112, or to one side when there is only one.
        part.pan =
            static_cast<std::uint8_t>(others == 1 ? 32 : 16 + (96 * k) / std::max(others - 1, 1));
        ++k;
    }
    return out;
}

template <typename... Args>
std::string Said(Language language, const char* source, Args&&... args) {
    return Text(CoreMessage(source, std::forward<Args>(args)...), language);
}

std::string NoSoundFont(const std::string& chosen, Language language) {
    if (!chosen.empty())
        return Said(language, SORN_TRANSLATE_NOOP("Core", "SoundFont が見つかりません: %1"),
                    chosen);
    return Said(language,
                SORN_TRANSLATE_NOOP("Core",
                                    "音声を作る音源 (General MIDI の SoundFont) が見つかりません。"
                                    "Debian のパッケージ fluid-soundfont-gm か "
                                    "timgm6mb-soundfont を入れるか、SoundFont (.sf2) を"
                                    "指定してください。"));
}

void PutLittle(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::string EncodeWav(const RenderedAudio& audio, int bits) {
    const int bytes = bits == 24 ? 3 : 2;
    const auto frames = static_cast<std::uint32_t>(audio.samples.size() / 2);
    const std::uint32_t data = frames * 2u * static_cast<std::uint32_t>(bytes);
    std::string out;
    out.reserve(44 + data);
    out += "RIFF";
    PutLittle(out, 36 + data, 4);
    out += "WAVEfmt ";
    PutLittle(out, 16, 4);
    PutLittle(out, 1, 2); // PCM
    PutLittle(out, 2, 2); // stereo
    PutLittle(out, static_cast<std::uint32_t>(audio.sampleRate), 4);
    PutLittle(out, static_cast<std::uint32_t>(audio.sampleRate) * 2u * bytes, 4);
    PutLittle(out, static_cast<std::uint32_t>(2 * bytes), 2);
    PutLittle(out, static_cast<std::uint32_t>(bits == 24 ? 24 : 16), 2);
    out += "data";
    PutLittle(out, data, 4);
    const double full = bits == 24 ? 8388607.0 : 32767.0;
    for (const float s : audio.samples) {
        const auto v = static_cast<std::int32_t>(
            std::lround(std::clamp(static_cast<double>(s), -1.0, 1.0) * full));
        PutLittle(out, static_cast<std::uint32_t>(v), bytes);
    }
    return out;
}

// libsndfile writing into memory.
struct Memory {
    std::string bytes;
    sf_count_t at = 0;
};

std::string EncodeCompressed(const RenderedAudio& audio, AudioFormat format, int bits,
                             std::string& error, Language language) {
    const SndfileLibrary* sf = OpenSndfile();
    if (!sf) {
        error = Said(language,
                     SORN_TRANSLATE_NOOP("Core", "FLAC と Ogg Vorbis を書くライブラリ libsndfile を"
                                                 "読み込めませんでした (Debian のパッケージ "
                                                 "libsndfile1)。"));
        return {};
    }
    SF_VIRTUAL_IO io{};
    io.get_filelen = [](void* user) -> sf_count_t {
        return static_cast<sf_count_t>(static_cast<Memory*>(user)->bytes.size());
    };
    io.seek = [](sf_count_t offset, int whence, void* user) -> sf_count_t {
        auto* m = static_cast<Memory*>(user);
        const sf_count_t base = whence == SEEK_SET   ? 0
                                : whence == SEEK_CUR ? m->at
                                                     : static_cast<sf_count_t>(m->bytes.size());
        m->at = std::max<sf_count_t>(0, base + offset);
        return m->at;
    };
    io.read = [](void* to, sf_count_t count, void* user) -> sf_count_t {
        auto* m = static_cast<Memory*>(user);
        const auto size = static_cast<sf_count_t>(m->bytes.size());
        const sf_count_t n = std::clamp<sf_count_t>(size - m->at, 0, count);
        if (n > 0) std::memcpy(to, m->bytes.data() + m->at, static_cast<std::size_t>(n));
        m->at += n;
        return n;
    };
    io.write = [](const void* from, sf_count_t count, void* user) -> sf_count_t {
        auto* m = static_cast<Memory*>(user);
        const auto end = static_cast<std::size_t>(m->at + count);
        if (m->bytes.size() < end) m->bytes.resize(end);
        std::memcpy(m->bytes.data() + m->at, from, static_cast<std::size_t>(count));
        m->at += count;
        return count;
    };
    io.tell = [](void* user) -> sf_count_t { return static_cast<Memory*>(user)->at; };
    SF_INFO info{};
    info.samplerate = audio.sampleRate;
    info.channels = 2;
    info.format = format == AudioFormat::Flac
                      ? SF_FORMAT_FLAC | (bits == 24 ? SF_FORMAT_PCM_24 : SF_FORMAT_PCM_16)
                      : SF_FORMAT_OGG | SF_FORMAT_VORBIS;
    Memory memory;
    SNDFILE* file = sf->sf_open_virtual(&io, SFM_WRITE, &info, &memory);
    if (!file) {
        error = Said(language, SORN_TRANSLATE_NOOP("Core", "音声ファイルを作れませんでした。%1"),
                     sf->sf_strerror(nullptr));
        return {};
    }
    if (format == AudioFormat::Ogg) {
        double quality = 0.6; // about 190 kbit/s for music
        sf->sf_command(file, SFC_SET_VBR_ENCODING_QUALITY, &quality, sizeof quality);
    }
    // In blocks: the Vorbis encoder takes working room on the stack in
    // proportion to what one call hands it, and a whole piece overruns it.
    const auto frames = static_cast<sf_count_t>(audio.samples.size() / 2);
    constexpr sf_count_t kWriteBlock = 16384;
    bool written = true;
    for (sf_count_t at = 0; written && at < frames; at += kWriteBlock) {
        const sf_count_t n = std::min(kWriteBlock, frames - at);
        written = sf->sf_writef_float(file, audio.samples.data() + 2 * at, n) == n;
    }
    if (!written)
        error = Said(language, SORN_TRANSLATE_NOOP("Core", "音声を書き込めませんでした。%1"),
                     sf->sf_strerror(file));
    sf->sf_close(file);
    return written ? std::move(memory.bytes) : std::string();
}

} // namespace

std::optional<RenderedAudio> RenderScoreAudio(const SornData& doc, const AudioSettings& settings,
                                              const AudioMix& mix, ProgressSink* progress,
                                              std::string& error) {
    error.clear();
    const std::string soundFont =
        settings.soundFont.empty() ? FindSoundFont(FluidOptions::DefaultSoundFonts())
        : std::filesystem::is_regular_file(settings.soundFont) ? settings.soundFont
                                                               : std::string();
    if (soundFont.empty()) {
        error = NoSoundFont(settings.soundFont, settings.language);
        return std::nullopt;
    }
    const FluidLibrary* fluid = OpenFluidLibrary();
    if (!fluid) {
        error = Said(settings.language,
                     SORN_TRANSLATE_NOOP("Core",
                                         "音声を作る FluidSynth を読み込めませんでした (Debian の"
                                         "パッケージ libfluidsynth3)。\n%1"),
                     FluidLibraryError());
        return std::nullopt;
    }

    // The events are the MIDI export's own, so the audio plays what it plays.
    ScratchFolder scratch;
    if (scratch.Path().empty()) {
        error = Said(settings.language,
                     SORN_TRANSLATE_NOOP("Core", "作業用のフォルダを作れませんでした。"));
        return std::nullopt;
    }
    const std::string midiPath = scratch.Path() + "/score.mid";
    double gain = kDefaultGain;
    SornMidi midi;
    midi.SetMix(RehearsalMix(doc.PartCount(), mix, gain), mix.click);
    if (!midi.SaveToMIDI(doc, midiPath)) {
        error = Text(midi.Error().Description, settings.language);
        return std::nullopt;
    }
    const auto ticks = FluidSequencer::SongTicks(midiPath);

    Synth s{*fluid};
    s.settings = fluid->new_fluid_settings();
    if (!s.settings) {
        error = Said(settings.language,
                     SORN_TRANSLATE_NOOP("Core", "FluidSynth を始められませんでした。"));
        return std::nullopt;
    }
    const int rate = settings.sampleRate == 48000 ? 48000 : 44100;
    fluid->fluid_settings_setnum(s.settings, "synth.sample-rate", rate);
    fluid->fluid_settings_setnum(s.settings, "synth.gain", gain);
    // The player keeps time by the samples rendered, as fast as they come.
    fluid->fluid_settings_setstr(s.settings, "player.timing-source", "sample");
    fluid->fluid_settings_setint(s.settings, "synth.cpu-cores", 1);
    s.synth = fluid->new_fluid_synth(s.settings);
    if (!s.synth || fluid->fluid_synth_sfload(s.synth, soundFont.c_str(), 1) == FLUID_FAILED) {
        error =
            Said(settings.language,
                 SORN_TRANSLATE_NOOP("Core", "SoundFont を読み込めませんでした。\n%1"), soundFont);
        return std::nullopt;
    }
    s.player = fluid->new_fluid_player(s.synth);
    if (!s.player || fluid->fluid_player_add(s.player, midiPath.c_str()) != FLUID_OK ||
        fluid->fluid_player_play(s.player) != FLUID_OK) {
        error = Said(settings.language,
                     SORN_TRANSLATE_NOOP("Core", "MIDI の演奏を始められませんでした。"));
        return std::nullopt;
    }

    RenderedAudio audio;
    audio.sampleRate = rate;
    ProgressCounter bar(progress);
    constexpr int kSteps = 100;
    bar.StartProgressBar(kSteps);
    int shown = 0;
    std::vector<float> block(2 * kBlock);
    auto render = [&] {
        fluid->fluid_synth_write_float(s.synth, kBlock, block.data(), 0, 2, block.data(), 1, 2);
        audio.samples.insert(audio.samples.end(), block.begin(), block.end());
    };
    while (fluid->fluid_player_get_status(s.player) == FLUID_PLAYER_PLAYING) {
        if (bar.Cancelled()) return std::nullopt;
        render();
        if (ticks && *ticks > 0) {
            const int step = static_cast<int>(std::min<std::int64_t>(
                kSteps,
                std::int64_t{kSteps} * fluid->fluid_player_get_current_tick(s.player) / *ticks));
            for (; shown < step; ++shown)
                bar.AddProgressBar();
        }
    }
    // The release of the last notes, then a breath of reverb.
    const auto most = static_cast<std::size_t>(kMostTailSeconds * rate / kBlock);
    for (std::size_t k = 0; k < most && fluid->fluid_synth_get_active_voice_count(s.synth) > 0; ++k)
        render();
    for (int k = 0; k < static_cast<int>(kReverbSeconds * rate / kBlock) + 1; ++k)
        render();
    for (; shown < kSteps; ++shown)
        bar.AddProgressBar();
    return audio;
}

std::string EncodeAudio(const RenderedAudio& audio, AudioFormat format, int bits,
                        std::string& error, Language language) {
    error.clear();
    if (format == AudioFormat::Wav) return EncodeWav(audio, bits);
    return EncodeCompressed(audio, format, bits, error, language);
}

std::string ExportAudio(const SornData& doc, const std::string& path, const AudioSettings& settings,
                        const AudioMix& mix, ProgressSink* progress) {
    const auto format = AudioFormatOf(path);
    if (!format)
        return Said(
            settings.language,
            SORN_TRANSLATE_NOOP("Core", "音声は .wav, .flac, .ogg のどれかで保存してください: %1"),
            path);
    std::string error;
    const auto audio = RenderScoreAudio(doc, settings, mix, progress, error);
    if (!audio) return error; // empty when cancelled
    const std::string bytes = EncodeAudio(*audio, *format, settings.bits, error, settings.language);
    if (!error.empty()) return error;
    if (const std::error_code ec = AtomicFile::WriteAll(path, bytes.data(), bytes.size()))
        return Said(settings.language,
                    SORN_TRANSLATE_NOOP("Core", "音声ファイルを書き出せませんでした。\n%1\n%2"),
                    path, ErrorReason(ec, FileAction::Write));
    return {};
}

namespace {
// Progress over the whole set: each file's own steps scaled into its share.
class SetProgress : public ProgressSink {
public:
    SetProgress(ProgressSink* outer, int files) : outer_(outer) {
        if (outer_) outer_->SetMaximum(files * kScale);
    }
    void Start(int file) { file_ = file; }
    void SetMaximum(int maximum) override { maximum_ = std::max(maximum, 1); }
    void SetValue(int value) override {
        if (outer_) outer_->SetValue(file_ * kScale + value * kScale / maximum_);
    }
    bool Cancelled() const override { return outer_ && outer_->Cancelled(); }

private:
    static constexpr int kScale = 1000;
    ProgressSink* outer_;
    int file_ = 0;
    int maximum_ = 1;
};
} // namespace

std::string ExportRehearsalTracks(const SornData& doc, const std::string& folder,
                                  AudioFormat format, const AudioSettings& settings,
                                  double balanceDb, bool click, ProgressSink* progress,
                                  std::vector<std::string>* written) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec)
        return Said(settings.language,
                    SORN_TRANSLATE_NOOP("Core", "フォルダを作れませんでした: %1\n%2"), folder,
                    ErrorReason(ec, FileAction::Write));
    std::vector<std::uint8_t> parts;
    for (int p = 0; p < doc.PartCount(); ++p)
        parts.push_back(static_cast<std::uint8_t>(p));
    const std::vector<std::string> names = PartFileNames(doc, parts, ExtensionOf(format));
    SetProgress set(progress, static_cast<int>(parts.size()));
    for (std::size_t k = 0; k < parts.size(); ++k) {
        set.Start(static_cast<int>(k));
        const std::string path = (std::filesystem::path(folder) / names[k]).string();
        AudioMix mix;
        mix.emphasised = parts[k];
        mix.balanceDb = balanceDb;
        mix.click = click;
        if (std::string problem = ExportAudio(doc, path, settings, mix, &set); !problem.empty())
            return problem;
        if (set.Cancelled()) return {};
        if (written) written->push_back(path);
    }
    return {};
}

} // namespace sorn

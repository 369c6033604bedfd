#include "platform/FluidSequencer.h"

#include "model/Message.h"
#include "platform/FluidLibrary.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>

namespace sorn {

namespace {

// Sound servers first: they share the card with everything else. JACK is
// left out because asking for it can start a server of its own.
constexpr std::array kOutputs = {"pipewire", "pulseaudio", "alsa"};

constexpr int kSilentBlock = 1024;
constexpr auto kSilentPeriod = std::chrono::milliseconds(10);

// ALSA without a sound card only fills stderr with complaints.
bool AlsaHasCard() {
    std::ifstream cards("/proc/asound/cards");
    std::string line;
    while (std::getline(cards, line)) {
        const auto first = line.find_first_not_of(' ');
        if (first != std::string::npos && std::isdigit(static_cast<unsigned char>(line[first])))
            return true;
    }
    return false;
}

bool IsFile(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

// Reads what a MIDI file's tracks add up to, the way the player loads them.
class MidiReader {
public:
    explicit MidiReader(std::vector<unsigned char> bytes) : bytes_(std::move(bytes)) {}

    std::optional<std::int32_t> Ticks() {
        if (!Has(4) || !std::equal(kHeader, kHeader + 4, bytes_.begin())) return std::nullopt;
        at_ = 4;
        const auto headerSize = Big(4);
        if (!headerSize || *headerSize < 6) return std::nullopt;
        const std::size_t headerEnd = at_ + *headerSize;
        Big(2); // format
        const auto tracks = Big(2);
        const auto division = Big(2);
        if (!tracks || !division || *division == 0 || headerEnd > bytes_.size())
            return std::nullopt;
        at_ = headerEnd;
        std::int64_t longest = 0;
        for (std::uint32_t t = 0; t < *tracks; ++t) {
            // Chunks of other kinds are passed over, as the player does.
            std::optional<std::int64_t> ticks;
            while (!ticks) {
                if (!Has(8)) return std::nullopt;
                const bool track = std::equal(kTrack, kTrack + 4, bytes_.begin() + Offset());
                at_ += 4;
                const auto size = Big(4);
                if (!size || !Has(*size)) return std::nullopt;
                const std::size_t end = at_ + *size;
                if (track && !(ticks = Track(end))) return std::nullopt;
                at_ = end;
            }
            longest = std::max(longest, *ticks);
        }
        if (longest > INT32_MAX) return std::nullopt;
        return static_cast<std::int32_t>(longest);
    }

private:
    // Sum of the delta times up to and including end of track.
    std::optional<std::int64_t> Track(std::size_t end) {
        std::int64_t ticks = 0;
        unsigned char status = 0;
        while (at_ < end) {
            const auto delta = Variable(end);
            if (!delta || at_ >= end) return std::nullopt;
            ticks += *delta;
            unsigned char byte = bytes_[at_];
            if (byte & 0x80) {
                ++at_;
                if (byte < 0xF0) status = byte;
            } else if (status == 0) {
                return std::nullopt; // running status with nothing to run on
            } else {
                byte = status;
            }
            if (byte == 0xFF) {
                if (at_ >= end) return std::nullopt;
                const unsigned char type = bytes_[at_++];
                const auto size = Variable(end);
                if (!size || *size > end - at_) return std::nullopt;
                at_ += *size;
                if (type == 0x2F) return ticks;
            } else if (byte == 0xF0 || byte == 0xF7) {
                const auto size = Variable(end);
                if (!size || *size > end - at_) return std::nullopt;
                at_ += *size;
            } else if (byte >= 0xF0) {
                return std::nullopt;
            } else {
                const std::size_t data = (byte & 0xE0) == 0xC0 ? 1 : 2;
                if (data > end - at_) return std::nullopt;
                at_ += data;
            }
        }
        return std::nullopt; // no end of track: the player refuses the file
    }

    static constexpr char kHeader[] = "MThd";
    static constexpr char kTrack[] = "MTrk";

    bool Has(std::size_t n) const { return bytes_.size() - at_ >= n; }
    long Offset() const { return static_cast<long>(at_); }
    std::optional<std::uint32_t> Big(int n) {
        if (!Has(static_cast<std::size_t>(n))) return std::nullopt;
        std::uint32_t value = 0;
        for (int i = 0; i < n; ++i)
            value = value << 8 | bytes_[at_++];
        return value;
    }
    std::optional<std::uint32_t> Variable(std::size_t end) {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            if (at_ >= end) return std::nullopt;
            const unsigned char byte = bytes_[at_++];
            value = value << 7 | (byte & 0x7F);
            if (!(byte & 0x80)) return value;
        }
        return std::nullopt;
    }

    std::vector<unsigned char> bytes_;
    std::size_t at_ = 0;
};

std::string NoSoundFontMessage(const std::vector<std::string>& searched) {
    std::string text =
        Text(CoreMessage(SORN_TRANSLATE_NOOP(
                 "Core", "試聴に使う音源（General MIDI の SoundFont）が見つかりません。\n"
                         "次のどれかに .sf2 ファイルを置くか、環境変数 SORN_SOUNDFONT に"
                         " .sf2 ファイルを指定してください。")),
             DrawnLanguage());
    for (const std::string& path : searched)
        text += "\n" + path;
    return text;
}

} // namespace

std::vector<std::string> FluidOptions::DefaultSoundFonts() {
    std::vector<std::string> list;
    if (const char* chosen = std::getenv("SORN_SOUNDFONT"); chosen && *chosen)
        list.emplace_back(chosen);
    list.emplace_back("/usr/share/sounds/sf2/FluidR3_GM.sf2");
    list.emplace_back("/usr/share/sounds/sf2/TimGM6mb.sf2");
    return list;
}

std::vector<std::string> AudioOutputCandidates(const FluidLibrary& fluid,
                                               fluid_settings_t* settings) {
    std::vector<std::string> available;
    fluid.fluid_settings_foreach_option(
        settings, "audio.driver", &available, [](void* list, const char*, const char* name) {
            static_cast<std::vector<std::string>*>(list)->emplace_back(name);
        });
    std::vector<std::string> candidates;
    for (const char* name : kOutputs) {
        if (std::find(available.begin(), available.end(), name) == available.end()) continue;
        if (std::string_view(name) == "alsa" && !AlsaHasCard()) continue;
        candidates.emplace_back(name);
    }
    return candidates;
}

fluid_audio_driver_t* OpenAudioOutput(const FluidLibrary& fluid, fluid_settings_t* settings,
                                      std::string& name,
                                      const std::function<fluid_audio_driver_t*()>& open) {
    fluid_audio_driver_t* driver = nullptr;
    SetFluidErrorsQuiet(true);
    for (const std::string& candidate : AudioOutputCandidates(fluid, settings)) {
        fluid.fluid_settings_setstr(settings, "audio.driver", candidate.c_str());
        if ((driver = open())) {
            name = candidate;
            break;
        }
    }
    SetFluidErrorsQuiet(false);
    return driver;
}

std::string FindSoundFont(const std::vector<std::string>& candidates) {
    const auto found = std::find_if(candidates.begin(), candidates.end(), IsFile);
    return found == candidates.end() ? std::string() : *found;
}

std::optional<std::int32_t> FluidSequencer::SongTicks(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in),
                                     std::istreambuf_iterator<char>()};
    return MidiReader(std::move(bytes)).Ticks();
}

FluidSequencer::FluidSequencer(FluidOptions options) : options_(std::move(options)) {}

FluidSequencer::~FluidSequencer() {
    Close();
}

void FluidSequencer::Open() {
    Close();
    error_.clear();
    // Read before playing: the player itself knows the length only once
    // playback has begun, and the window needs it before it is shown.
    const auto ticks = SongTicks(fileName_);
    if (!ticks || *ticks == 0) return;
    length_ = *ticks;

    const std::string soundFont = FindSoundFont(options_.soundFonts);
    if (soundFont.empty()) {
        error_ = NoSoundFontMessage(options_.soundFonts);
        return;
    }
    fluid_ = OpenFluidLibrary();
    if (!fluid_) {
        error_ = Text(CoreMessage(SORN_TRANSLATE_NOOP(
                                      "Core", "試聴に使う FluidSynth を読み込めませんでした。\n%1"),
                                  FluidLibraryError()),
                      DrawnLanguage());
        return;
    }
    // The output is found before the SoundFont is loaded, as for entered
    // notes; until the player is there, it renders silence.
    settings_ = fluid_->new_fluid_settings();
    if (settings_) {
        // The player counts time in rendered samples, so it keeps pace with
        // whichever clock pulls the audio: the sound card's or our own.
        fluid_->fluid_settings_setstr(settings_, "player.timing-source", "sample");
        synth_ = fluid_->new_fluid_synth(settings_);
    }
    if (!synth_) {
        Close();
        return;
    }
    StartOutput();
    if (fluid_->fluid_synth_sfload(synth_, soundFont.c_str(), 1) == FLUID_FAILED) {
        error_ =
            Text(CoreMessage(SORN_TRANSLATE_NOOP("Core", "SoundFont を読み込めませんでした。\n%1"),
                             soundFont),
                 DrawnLanguage());
        Close();
        return;
    }
    bool made;
    {
        // The output may already be rendering.
        std::lock_guard hold(lock_);
        made = NewPlayer();
    }
    if (!made) Close();
}

bool FluidSequencer::NewPlayer() {
    player_ = fluid_->new_fluid_player(synth_);
    if (player_ && fluid_->fluid_player_add(player_, fileName_.c_str()) == FLUID_OK) return true;
    if (player_) fluid_->delete_fluid_player(player_);
    player_ = nullptr;
    return false;
}

void FluidSequencer::StartOutput() {
    if (options_.output == AudioOutput::Device)
        driver_ = OpenAudioOutput(*fluid_, settings_, driverName_, [this] {
            return fluid_->new_fluid_audio_driver2(settings_, &FluidSequencer::Render, this);
        });
    if (!driver_) {
        driverName_ = "silent";
        silentClock_ = std::jthread([this](std::stop_token stop) { SilentClock(stop); });
    }
}

void FluidSequencer::StopOutput() {
    // The output's thread is joined here, outside the lock it takes.
    if (driver_) fluid_->delete_fluid_audio_driver(driver_);
    driver_ = nullptr;
    if (silentClock_.joinable()) {
        silentClock_.request_stop();
        silentClock_.join();
    }
    driverName_.clear();
}

int FluidSequencer::Render(void* data, int len, int nfx, float* fx[], int nout, float* out[]) {
    auto* self = static_cast<FluidSequencer*>(data);
    std::lock_guard hold(self->lock_);
    if (!self->player_)
        return self->fluid_->fluid_synth_process(self->synth_, len, 0, nullptr, nout, out);
    const bool playing =
        self->fluid_->fluid_player_get_status(self->player_) == FLUID_PLAYER_PLAYING;
    // Outputs without effect buffers get the reverb and chorus mixed in.
    const int result =
        fx && nfx > 0 ? self->fluid_->fluid_synth_process(self->synth_, len, nfx, fx, nout, out)
                      : self->fluid_->fluid_synth_process(self->synth_, len, nout, out, nout, out);
    // A block rendered while playing has applied any seek.
    if (playing) self->pendingSeek_ = -1;
    self->CheckEnded();
    return result;
}

void FluidSequencer::SilentClock(std::stop_token stop) {
    double rate = 44100;
    fluid_->fluid_settings_getnum(settings_, "synth.sample-rate", &rate);
    std::vector<float> left(kSilentBlock), right(kSilentBlock);
    float* out[] = {left.data(), right.data()};
    const auto start = std::chrono::steady_clock::now();
    std::int64_t rendered = 0;
    std::mutex sleep;
    std::condition_variable_any wake;
    while (!stop.stop_requested()) {
        {
            std::unique_lock hold(sleep);
            wake.wait_for(hold, stop, kSilentPeriod, [] { return false; });
        }
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        const auto due = static_cast<std::int64_t>(elapsed.count() * rate);
        bool idle;
        {
            std::lock_guard hold(lock_);
            idle =
                !player_ || (!playing_ && fluid_->fluid_synth_get_active_voice_count(synth_) == 0);
        }
        // Nothing to hear and nothing to time: let the clock run on.
        if (idle) {
            rendered = due;
            continue;
        }
        // A stall (a suspended machine) is not made up for beyond a second.
        rendered = std::max(rendered, due - static_cast<std::int64_t>(rate));
        while (rendered < due && !stop.stop_requested()) {
            const int n = static_cast<int>(std::min<std::int64_t>(due - rendered, kSilentBlock));
            std::fill(left.begin(), left.end(), 0.0f);
            std::fill(right.begin(), right.end(), 0.0f);
            Render(this, n, 0, nullptr, 2, out);
            rendered += n;
        }
    }
}

void FluidSequencer::CheckEnded() {
    if (playing_ && fluid_->fluid_player_get_status(player_) == FLUID_PLAYER_DONE) {
        playing_ = false;
        ended_ = true;
    }
}

void FluidSequencer::Play() {
    if (!player_) return;
    std::lock_guard hold(lock_);
    CheckEnded();
    // At the end of the song only Prev makes it playable again.
    if (playing_ || ended_) return;
    fluid_->fluid_player_play(player_);
    playing_ = true;
}

void FluidSequencer::Stop() {
    if (!player_) return;
    std::lock_guard hold(lock_);
    CheckEnded();
    if (!playing_) return;
    fluid_->fluid_player_stop(player_);
    playing_ = false;
    // Stopping seeks to where the player last was; a start asked for since
    // then must survive it.
    if (pendingSeek_ >= 0) fluid_->fluid_player_seek(player_, pendingSeek_);
}

void FluidSequencer::Prev() {
    if (!player_) return;
    std::lock_guard hold(lock_);
    CheckEnded();
    if (ended_) {
        // A player that finished its playlist does not start again; a fresh
        // one stands at the start, stopped.
        fluid_->delete_fluid_player(player_);
        player_ = nullptr;
        if (!NewPlayer()) return;
        ended_ = false;
        pendingSeek_ = -1;
        return;
    }
    if (playing_) fluid_->fluid_player_stop(player_);
    playing_ = false;
    fluid_->fluid_player_seek(player_, 0);
    pendingSeek_ = 0;
}

std::int32_t FluidSequencer::Position() {
    if (!player_) return 0;
    std::lock_guard hold(lock_);
    CheckEnded();
    if (ended_) return length_;
    if (pendingSeek_ >= 0) return pendingSeek_;
    return std::clamp<std::int32_t>(fluid_->fluid_player_get_current_tick(player_), 0, length_);
}

std::string FluidSequencer::OutputName() const {
    return driverName_;
}

bool FluidSequencer::Silent() const {
    return player_ && options_.output == AudioOutput::Device && driverName_ == "silent";
}

void FluidSequencer::Close() {
    // Silence first: once the output has stopped nothing renders any more.
    StopOutput();
    if (player_) fluid_->delete_fluid_player(player_);
    if (synth_) fluid_->delete_fluid_synth(synth_);
    if (settings_) fluid_->delete_fluid_settings(settings_);
    player_ = nullptr;
    synth_ = nullptr;
    settings_ = nullptr;
    length_ = 0;
    playing_ = false;
    ended_ = false;
    pendingSeek_ = -1;
}

} // namespace sorn

#include "sound/SornWav.h"

#include "model/AtomicFile.h"
#include "sound/PartWalk.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace sorn {

namespace {

constexpr std::int32_t kHeaderBytes = 44;
// Both length fields are 32 bits; the RIFF one counts 36 bytes of header too.
constexpr std::int64_t kMaxSamples = (std::int64_t{0xFFFFFFFF} - 36) / 2;
constexpr std::int32_t kTicksPerStep = 16;
// Once the amplitude is this small every sample rounds to 0 even at the
// table's peak (|-32768| / 128 × a ≤ 0.5), and it only ever gets smaller.
constexpr float kSilentAmplitude = 1.0f / 512;
constexpr double kConcertA = 442;

void PutLittle(std::uint8_t* at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// What the walk decided, kept so that the file's length is known before its
// header is written and the progress bar moves while the samples are made.
struct Event {
    enum Type : std::uint8_t { Silence, Tone, Step, StepBack };
    Type type;
    std::uint8_t note = 0;
    std::uint8_t velocity = 0;
    std::int64_t samples = 0;
};

// Samples go through one buffer into the file.
class SampleWriter {
public:
    explicit SampleWriter(AtomicFile& file) : file_(file) {}

    std::uint8_t* Raw(std::size_t bytes) {
        std::uint8_t* at = buffer_.data() + fill_;
        fill_ += bytes;
        return at;
    }

    bool Zeros(std::int64_t count) {
        while (count > 0) {
            const std::int64_t n = std::min<std::int64_t>(count, Room());
            std::fill_n(buffer_.data() + fill_, 2 * n, std::uint8_t{0});
            fill_ += static_cast<std::size_t>(2 * n);
            count -= n;
            if (!FlushIfFull()) return false;
        }
        return true;
    }

    // K samples of the table stepped at period P without interpolation, from
    // index 0 and velocity v, halving every second.
    bool Tone(std::span<const std::int16_t> table, double P, std::uint8_t v, std::int64_t K) {
        const std::vector<float>& amplitude = Amplitudes(v, K);
        const std::int64_t audible = std::min<std::int64_t>(K, std::ssize(amplitude));
        std::int64_t n = 0;
        while (n < audible) {
            const std::int64_t end = std::min<std::int64_t>(audible, n + Room());
            std::uint8_t* out = buffer_.data() + fill_;
            for (; n < end; ++n) {
                const auto X = static_cast<std::int64_t>(static_cast<double>(n) / P *
                                                         static_cast<double>(TimbreTableSize));
                const std::int16_t entry = table[static_cast<std::size_t>(X % TimbreTableSize)];
                const double value = static_cast<double>(amplitude[static_cast<std::size_t>(n)]) /
                                     128 * static_cast<double>(entry);
                const auto sample = static_cast<std::uint16_t>(Nearest(value));
                *out++ = static_cast<std::uint8_t>(sample);
                *out++ = static_cast<std::uint8_t>(sample >> 8);
            }
            fill_ = static_cast<std::size_t>(out - buffer_.data());
            if (!FlushIfFull()) return false;
        }
        return Zeros(K - audible);
    }

    bool Flush() {
        if (fill_ == 0) return true;
        error_ = file_.Write(buffer_.data(), fill_);
        fill_ = 0;
        return !error_;
    }
    std::error_code Error() const { return error_; }

private:
    // To the nearest integer, halves to the even one, for |value| < 2^51:
    // adding 1.5 × 2^52 leaves no fraction bits, so the default rounding
    // mode does the work. Inline, unlike lrint.
    static std::int32_t Nearest(double value) {
        constexpr double kShift = 6755399441055744.0; // 1.5 × 2^52
        return static_cast<std::int32_t>((value + kShift) - kShift);
    }

    // The amplitude of every sample of a note of velocity v until it is
    // silent, as a 32-bit float multiplied by 0.5^(1/44100) once a sample.
    // The same for every note of that velocity, so it is worked out once and
    // the per-sample loop carries no dependency from one sample to the next.
    // Holds at least K entries unless the note falls silent before.
    const std::vector<float>& Amplitudes(std::uint8_t v, std::int64_t K) {
        static const double kDecay = std::pow(0.5, 1.0 / WavSampleRate);
        std::vector<float>& amplitude = amplitudes_[v];
        if (amplitude.empty()) amplitude.push_back(v);
        while (std::ssize(amplitude) < K) {
            const float a = static_cast<float>(static_cast<double>(amplitude.back()) * kDecay);
            if (a <= kSilentAmplitude) break;
            amplitude.push_back(a);
        }
        return amplitude;
    }

    std::int64_t Room() const { return static_cast<std::int64_t>(buffer_.size() - fill_) / 2; }
    bool FlushIfFull() { return fill_ + 2 > buffer_.size() ? Flush() : true; }

    AtomicFile& file_;
    std::vector<std::uint8_t> buffer_ = std::vector<std::uint8_t>(1 << 16);
    std::size_t fill_ = 0;
    std::error_code error_;
    std::array<std::vector<float>, 256> amplitudes_;
};

} // namespace

// Listens to the walk and notes down every stretch of sound and every step
// of the progress bar.
class SornWav::Plan : public PartListener {
public:
    Plan(std::uint8_t Part, std::int32_t t) : part_(Part), t_(t) {}

    bool Rest(std::int32_t Iti, std::int32_t length) override {
        return Add({Event::Silence, 0, 0, Samples(length)}, Iti);
    }

    bool Note(std::int32_t Iti, std::int16_t note, std::uint8_t velocity, std::int32_t length,
              std::int32_t tied) override {
        if (note < 0 || note > 127) {
            error_ = {
                ExportErrorNumber::NoteOutOfRange,
                CoreMessage(SORN_TRANSLATE_NOOP("Core", "%1 の位置 %2 の音符の高さ(%3)が音にできる"
                                                        "範囲(0～127)を外れています。"),
                            PartLabel(part_), Iti, note)};
            return false;
        }
        // Both lengths are cut to whole steps before they are added.
        const std::int64_t steps = tied / kTicksPerStep + length / kTicksPerStep;
        return Add({Event::Tone, static_cast<std::uint8_t>(note), velocity, steps * t_}, Iti);
    }

    void SearchedBack() override { events_.push_back({Event::StepBack}); }
    void PositionDone() override { events_.push_back({Event::Step}); }

    const std::vector<Event>& Events() const { return events_; }
    std::int64_t Samples() const { return total_; }
    const ExportError& Error() const { return error_; }

private:
    std::int64_t Samples(std::int32_t length) const {
        return static_cast<std::int64_t>(length / kTicksPerStep) * t_;
    }

    bool Add(const Event& event, std::int32_t Iti) {
        total_ += event.samples;
        if (total_ > kMaxSamples) {
            error_ = {
                ExportErrorNumber::LengthTooLong,
                CoreMessage(SORN_TRANSLATE_NOOP(
                                "Core", "%1 の位置 %2 までの音が長すぎてWAVファイルに書けません"
                                        "(WAVファイルは4GBまでです)。"),
                            PartLabel(part_), Iti)};
            return false;
        }
        if (event.samples > 0) events_.push_back(event);
        return true;
    }

    std::uint8_t part_;
    std::int64_t t_;
    std::vector<Event> events_;
    std::int64_t total_ = 0;
    ExportError error_;
};

std::int32_t SornWav::SamplesPer16Ticks(std::int16_t Speed) {
    if (Speed <= 0) return 0;
    // 2646000 samples a minute; a quarter note (256 ticks) is 16 steps.
    return WavSampleRate * 60 / Speed / kTicksPerStep;
}

double SornWav::Period(std::uint8_t note) {
    return WavSampleRate / (std::pow(2.0, (note - 9) / 12.0) * kConcertA / 32);
}

std::int16_t SornWav::SaveToWav(const SornData& document, const std::string& SaveFileName,
                                std::uint8_t Part, const std::string& OnsyokuFileName,
                                ProgressSink* progress) {
    error_ = LoadTimbre(appPath_, OnsyokuFileName, timbre_);
    if (error_) return 0;
    return SaveToWav(document, SaveFileName, Part, timbre_, progress);
}

std::int16_t SornWav::SaveToWav(const SornData& document, const std::string& SaveFileName,
                                std::uint8_t Part, const Timbre& timbre, ProgressSink* progress) {
    error_ = {};
    return Save(document, SaveFileName, Part, timbre, progress) ? 1 : 0;
}

bool SornWav::Save(const SornData& document, const std::string& SaveFileName, std::uint8_t Part,
                   const Timbre& timbre, ProgressSink* progress) {
    if (Part >= document.PartCount()) {
        error_ = {ExportErrorNumber::NoSuchPart,
                  CoreMessage(SORN_TRANSLATE_NOOP("Core", "%1 はありません。"), PartLabel(Part))};
        return false;
    }
    const std::int32_t t = SamplesPer16Ticks(document.Speed());
    if (t == 0) {
        error_ = {
            ExportErrorNumber::TempoNotPositive,
            CoreMessage(SORN_TRANSLATE_NOOP("Core", "テンポが0以下のためWAVファイルを作れません。"
                                                    "曲の情報でテンポを1以上にしてください。"))};
        return false;
    }
    Plan plan(Part, t);
    if (!WalkPart(document, Part, plan)) {
        error_ = plan.Error();
        return false;
    }

    AtomicFile file;
    auto fileError = [&](std::error_code ec) {
        error_ = ExportError::FromFile(ec);
        return false;
    };
    if (std::error_code ec = file.Open(SaveFileName)) return fileError(ec);
    SampleWriter out(file);
    const auto dataBytes = static_cast<std::uint32_t>(2 * plan.Samples());
    std::uint8_t* h = out.Raw(kHeaderBytes);
    std::copy_n("RIFF\0\0\0\0WAVEfmt ", 16, h);
    PutLittle(h + 4, 36 + dataBytes, 4);
    PutLittle(h + 16, 16, 4);
    PutLittle(h + 20, 1, 2); // PCM
    PutLittle(h + 22, 1, 2); // mono
    PutLittle(h + 24, WavSampleRate, 4);
    PutLittle(h + 28, 2 * WavSampleRate, 4);
    PutLittle(h + 32, 2, 2);
    PutLittle(h + 34, 16, 2);
    std::copy_n("data", 4, h + 36);
    PutLittle(h + 40, dataBytes, 4);

    // Never beyond what the bar's 16-bit maximum can say.
    ProgressCounter bar(progress);
    bar.StartProgressBar(static_cast<std::int16_t>(
        std::min<std::int32_t>(document.Length() + 1, std::numeric_limits<std::int16_t>::max())));
    const auto table = timbre.Table();
    for (const Event& e : plan.Events()) {
        bool ok = true;
        switch (e.type) {
        case Event::Silence:
            ok = out.Zeros(e.samples);
            break;
        case Event::Tone:
            ok = out.Tone(table, Period(e.note), e.velocity, e.samples);
            break;
        case Event::Step:
            bar.AddProgressBar();
            if (bar.Cancelled()) {
                error_ = ExportError::Cancel();
                return false;
            }
            break;
        case Event::StepBack:
            bar.SubtractProgressBar();
            break;
        }
        if (!ok) return fileError(out.Error());
    }
    if (!out.Flush()) return fileError(out.Error());
    if (std::error_code ec = file.Commit()) return fileError(ec);
    return true;
}

std::string ExportWav(const SornData& doc, std::uint8_t Part, const std::string& AppPath,
                      const std::string& OnsyokuFileName, const std::string& path,
                      ProgressSink* progress, Language language) {
    SornWav wav(AppPath);
    if (wav.SaveToWav(doc, path, Part, OnsyokuFileName, progress) == 1 || wav.Error().Cancelled())
        return {};
    return Text(wav.Error().What(), language);
}

std::string ExportWav(const SornData& doc, std::uint8_t Part, const Timbre& timbre,
                      const std::string& path, ProgressSink* progress) {
    SornWav wav;
    if (wav.SaveToWav(doc, path, Part, timbre, progress) == 1 || wav.Error().Cancelled()) return {};
    return wav.Error().Message();
}

} // namespace sorn

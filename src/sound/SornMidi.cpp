#include "sound/SornMidi.h"

#include "model/AtomicFile.h"
#include "model/SymbolCodes.h"
#include "sound/PartWalk.h"
#include "sound/SornCalculater.h"

#include <algorithm>

namespace sorn {

namespace {

constexpr std::uint16_t kTicksPerQuarter = 480;
// The longest time a four-byte variable-length quantity can carry.
constexpr std::int64_t kMaxDeltaTime = (std::int64_t{1} << 28) - 1;
// The tempo event has three bytes for microseconds per quarter note.
constexpr std::int64_t kMaxTempoMicroseconds = 0xFFFFFF;
constexpr int kPercussionChannel = 9;
constexpr int kMelodicChannels = 15;

constexpr std::uint8_t kNoteOff = 0x80;
constexpr std::uint8_t kNoteOn = 0x90;
constexpr std::uint8_t kProgramChange = 0xC0;
constexpr std::uint8_t kControlChange = 0xB0;
constexpr std::uint8_t kVolume = 7;
constexpr std::uint8_t kPan = 10;
// General MIDI percussion: the high and the low wood block.
constexpr std::uint8_t kClickAccent = 76;
constexpr std::uint8_t kClick = 77;
constexpr std::uint8_t kMeta = 0xFF;
constexpr std::uint8_t kMetaTempo = 0x51;
constexpr std::uint8_t kMetaTrackName = 0x03;
constexpr std::uint8_t kMetaLyric = 0x05;
constexpr std::uint8_t kMetaEndOfTrack = 0x2F;

void PutBig16(std::uint8_t* at, unsigned value) {
    at[0] = static_cast<std::uint8_t>(value >> 8);
    at[1] = static_cast<std::uint8_t>(value);
}

// Seven bits a byte, most significant first; all but the last byte carry
// 0x80. Returns the number of bytes, 1 to 4.
int EncodeDelta(std::int32_t value, std::uint8_t* out) {
    const auto v = static_cast<std::uint32_t>(value);
    int n = 0;
    if (v >= 1u << 21) out[n++] = static_cast<std::uint8_t>(0x80 | ((v >> 21) & 0x7F));
    if (v >= 1u << 14) out[n++] = static_cast<std::uint8_t>(0x80 | ((v >> 14) & 0x7F));
    if (v >= 1u << 7) out[n++] = static_cast<std::uint8_t>(0x80 | ((v >> 7) & 0x7F));
    out[n++] = static_cast<std::uint8_t>(v & 0x7F);
    return n;
}

} // namespace

std::int64_t SornMidi::FileTicks(std::int64_t calcTicks) {
    return calcTicks * kTicksPerQuarter / (CalcTicksPerWhole / 4);
}

std::uint8_t SornMidi::Channel(int Part) {
    const int melodic = Part % kMelodicChannels;
    return static_cast<std::uint8_t>(melodic < kPercussionChannel ? melodic : melodic + 1);
}

bool SornMidi::Fail(int number, Message description) {
    error_ = {number, std::move(description)};
    return false;
}

std::int16_t SornMidi::SaveToMIDI(const SornData& document, const std::string& SaveFileName,
                                  ProgressSink* progress, WalkRange range) {
    document_ = &document;
    range_ = range;
    error_ = {};
    return Save(document, SaveFileName, progress) ? 1 : 0;
}

bool SornMidi::Save(const SornData& document, const std::string& SaveFileName,
                    ProgressSink* progress) {
    const std::int16_t speed = document.Speed();
    if (speed <= 0)
        return Fail(
            ExportErrorNumber::TempoNotPositive,
            CoreMessage(SORN_TRANSLATE_NOOP("Core", "テンポが0以下のためMIDIファイルを作れません。"
                                                    "曲の情報でテンポを1以上にしてください。")));
    const std::int64_t tempo = 60000000 / speed;
    if (tempo > kMaxTempoMicroseconds)
        return Fail(ExportErrorNumber::TempoTooSlow,
                    CoreMessage(SORN_TRANSLATE_NOOP(
                                    "Core", "テンポ %1 はMIDIファイルで表せるより遅いため"
                                            "書き出せません。テンポを4以上にしてください。"),
                                speed));
    for (int p = 0; p <= document.PartSuu(); ++p) {
        const std::uint8_t instrument = document.GetInstrumentNumber(static_cast<std::uint8_t>(p));
        if (instrument > 127)
            return Fail(
                ExportErrorNumber::InstrumentOutOfRange,
                CoreMessage(SORN_TRANSLATE_NOOP("Core", "%1 の楽器番号 %2 はMIDIの音色番号(0～127)"
                                                        "ではありません。"),
                            PartLabel(p), instrument));
    }

    AtomicFile file;
    if (std::error_code ec = file.Open(SaveFileName)) return Fail(ExportError::FromFile(ec));
    if (!WriteHeader(file)) return false;
    ProgressCounter bar(progress);
    bar.StartProgressBar(static_cast<std::int16_t>(document.PartSuu() + 1));
    end_ = 0;
    for (int p = 0; p <= document.PartSuu(); ++p) {
        if (bar.Cancelled()) return Fail(ExportError::Cancel());
        if (!WriteTrack(file, static_cast<std::uint8_t>(p), static_cast<std::uint32_t>(tempo)))
            return false;
        bar.AddProgressBar();
    }
    if (click_ && !WriteClickTrack(file)) return false;
    if (std::error_code ec = file.Commit()) return Fail(ExportError::FromFile(ec));
    return true;
}

bool SornMidi::Fail(ExportError error) {
    error_ = std::move(error);
    return false;
}

bool SornMidi::WriteHeader(AtomicFile& file) {
    // The track count is the whole 16-bit field, so 256 parts fit as well.
    const unsigned tracks = document_->PartSuu() + 1u + (click_ ? 1u : 0u);
    std::uint8_t header[14] = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1}; // format 1
    PutBig16(header + 10, tracks);
    PutBig16(header + 12, kTicksPerQuarter);
    if (std::error_code ec = file.Write(header, sizeof header))
        return Fail(ExportError::FromFile(ec));
    return true;
}

bool SornMidi::WriteTrack(AtomicFile& file, std::uint8_t Part, std::uint32_t tempo) {
    const std::uint8_t channel = Channel(Part);
    const auto program = static_cast<std::uint8_t>(kProgramChange | channel);
    const std::uint8_t instrument = document_->GetInstrumentNumber(Part);
    const auto t2 = static_cast<std::uint8_t>(tempo >> 16);
    const auto t1 = static_cast<std::uint8_t>(tempo >> 8);
    const auto t0 = static_cast<std::uint8_t>(tempo);
    track_.assign({'M', 'T', 'r', 'k', 0, 0, 0, 0}); // the length is filled in at the end
    // The part's name leads the track; without one the track keeps the
    // bytes of a score without words.
    if (const std::string& name = document_->GetPartText(Part, PartText::Name); !name.empty())
        WriteMeta(0, kMetaTrackName, name);
    track_.insert(track_.end(), {
                                    0, program, instrument,              // program change
                                    0, kMeta, kMetaTempo, 3, t2, t1, t0, // tempo
                                });
    if (Part < mix_.size()) {
        const auto control = static_cast<std::uint8_t>(kControlChange | channel);
        track_.insert(track_.end(), {0, control, kVolume, mix_[Part].volume, //
                                     0, control, kPan, mix_[Part].pan});
    }
    if (!WalkPart(Part, channel)) return false;
    return CloseTrack(file);
}

bool SornMidi::CloseTrack(AtomicFile& file) {
    const std::uint32_t count = static_cast<std::uint32_t>(track_.size() - 8);
    for (int i = 0; i < 4; ++i)
        track_[4 + i] = static_cast<std::uint8_t>(count >> (24 - 8 * i));
    if (std::error_code ec = file.Write(track_.data(), track_.size()))
        return Fail(ExportError::FromFile(ec));
    return true;
}

bool SornMidi::WriteClickTrack(AtomicFile& file) {
    // The beat and the bar of the first time signature of the first part.
    std::uint8_t time = 2 * 8 + 2; // 4/4
    for (std::int32_t i = 0; i <= document_->Length(); ++i)
        if (document_->GetGSyurui(0, i, 0) == Kind::TimeSignature) {
            time = document_->GetGAtai(0, i, 0);
            break;
        }
    const int beats = time / 8 + 1;
    const std::int64_t beat = FileTicks(CalcTicksPerWhole >> (time % 8));
    track_.assign({'M', 'T', 'r', 'k', 0, 0, 0, 0});
    const auto on = static_cast<std::uint8_t>(kNoteOn | kPercussionChannel);
    const auto off = static_cast<std::uint8_t>(kNoteOff | kPercussionChannel);
    const std::int32_t sounding = static_cast<std::int32_t>(std::min<std::int64_t>(beat, 60));
    for (std::int64_t t = 0, k = 0; beat > 0 && t < end_; t += beat, ++k) {
        const bool accent = k % beats == 0;
        const std::uint8_t key = accent ? kClickAccent : kClick;
        WriteDeltaTime(k == 0 ? 0 : static_cast<std::int32_t>(beat - sounding));
        track_.insert(track_.end(), {on, key, static_cast<std::uint8_t>(accent ? 110 : 80)});
        WriteDeltaTime(sounding);
        track_.insert(track_.end(), {off, key, 0});
    }
    WriteDeltaTime(0);
    track_.insert(track_.end(), {kMeta, kMetaEndOfTrack, 0});
    return CloseTrack(file);
}

// Turns the walk into note events in track_; rests and the end of the track
// wait, and the wait carries across jumps.
class SornMidi::TrackWriter : public PartListener {
public:
    TrackWriter(SornMidi& midi, std::uint8_t Part, std::uint8_t channel)
        : midi_(midi), part_(Part), channel_(channel) {
        if (midi.document_->VerseCount(Part) > 0)
            passes_.resize(static_cast<std::size_t>(midi.document_->Length()) + 1);
    }

    bool Rest(std::int32_t Iti, std::int32_t length) override {
        waiting_ += FileTicks(length);
        return waiting_ <= kMaxDeltaTime || TooLong(Iti);
    }

    bool Note(std::int32_t Iti, std::int16_t note, std::uint8_t velocity, std::int32_t length,
              std::int32_t tied) override {
        if (note < 0 || note > 127)
            return midi_.Fail(
                ExportErrorNumber::NoteOutOfRange,
                CoreMessage(SORN_TRANSLATE_NOOP("Core", "%1 の位置 %2 の音符の高さ(%3)がMIDIで"
                                                        "表せる範囲(0～127)を外れています。"),
                            PartLabel(part_), Iti, note));
        const std::int64_t d = FileTicks(length) + FileTicks(tied);
        if (d > kMaxDeltaTime) return TooLong(Iti);
        if (const Syllable s = Lyric(Iti); !s.Empty()) {
            // A syllable that goes on in the next one ends in a hyphen, as
            // karaoke players join them.
            midi_.WriteMeta(static_cast<std::int32_t>(waiting_), kMetaLyric,
                            s.HyphenAfter() ? s.text + "-" : s.text);
            waiting_ = 0;
        }
        midi_.WriteNote(static_cast<std::int32_t>(waiting_), channel_,
                        static_cast<std::uint8_t>(note), velocity, static_cast<std::int32_t>(d));
        time_ += waiting_ + d;
        waiting_ = 0;
        return true;
    }

    std::int64_t Waiting() const { return waiting_; }
    // Where the track ends: its notes, rests and the last wait.
    std::int64_t End() const { return time_ + waiting_; }

private:
    // The n-th time a note is played it sings verse n, or verse 1 where
    // verse n has no syllable there (a refrain written once).
    Syllable Lyric(std::int32_t Iti) {
        if (passes_.empty() || Iti < 0 || static_cast<std::size_t>(Iti) >= passes_.size())
            return {};
        const int pass = passes_[static_cast<std::size_t>(Iti)]++;
        const SornData& doc = *midi_.document_;
        Syllable s = pass < MaxVerses ? doc.GetSyllable(part_, Iti, pass) : Syllable{};
        return s.Empty() ? doc.GetSyllable(part_, Iti, 0) : s;
    }

    bool TooLong(std::int32_t Iti) {
        return midi_.Fail(
            ExportErrorNumber::LengthTooLong,
            CoreMessage(SORN_TRANSLATE_NOOP("Core", "%1 の位置 %2 までの音または休みが長すぎて"
                                                    "MIDIファイルに書けません。"),
                        PartLabel(part_), Iti));
    }

    SornMidi& midi_;
    std::uint8_t part_;
    std::uint8_t channel_;
    std::int64_t waiting_ = 0;
    std::int64_t time_ = 0;
    std::vector<int> passes_; // times each position was played, when the part has lyrics
};

bool SornMidi::WalkPart(std::uint8_t Part, std::uint8_t channel) {
    TrackWriter writer(*this, Part, channel);
    const WalkRange range = Part < partRanges_.size() ? partRanges_[Part] : range_;
    if (range.lead > 0) writer.Rest(range.from, range.lead);
    if (!sorn::WalkPart(*document_, Part, writer, range)) return false;
    WriteDeltaTime(static_cast<std::int32_t>(writer.Waiting()));
    track_.insert(track_.end(), {kMeta, kMetaEndOfTrack, 0});
    end_ = std::max(end_, writer.End());
    return true;
}

void SornMidi::WriteMeta(std::int32_t waiting, std::uint8_t type, std::string_view text) {
    WriteDeltaTime(waiting);
    track_.insert(track_.end(), {kMeta, type});
    // Words are far below the longest length a delta-time's form can carry.
    WriteDeltaTime(static_cast<std::int32_t>(text.size()));
    track_.insert(track_.end(), text.begin(), text.end());
}

void SornMidi::WriteDeltaTime(std::int32_t value) {
    std::uint8_t bytes[4];
    track_.insert(track_.end(), bytes, bytes + EncodeDelta(value, bytes));
}

void SornMidi::WriteNote(std::int32_t waiting, std::uint8_t channel, std::uint8_t note,
                         std::uint8_t velocity, std::int32_t length) {
    // One append per note: this is the loop every exported note goes through.
    std::uint8_t bytes[14];
    std::uint8_t* p = bytes;
    p += EncodeDelta(waiting, p);
    *p++ = static_cast<std::uint8_t>(kNoteOn | channel);
    *p++ = note;
    *p++ = velocity;
    p += EncodeDelta(length, p);
    *p++ = static_cast<std::uint8_t>(kNoteOff | channel);
    *p++ = note;
    *p++ = 0;
    track_.insert(track_.end(), bytes, p);
}

} // namespace sorn

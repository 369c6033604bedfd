#pragma once
// Writes the whole score as a Standard MIDI File of format 1, one track per
// part: every note of slot 0 becomes a note-on and a note-off, rests become
// waiting time, and repeats, D.C. and Fine are played out by walking the
// positions again.

#include "model/ProgressSink.h"
#include "model/SornData.h"
#include "sound/ExportError.h"
#include "sound/PartWalk.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sorn {

class AtomicFile;

class SornMidi {
public:
    // 1 when the file was written, 0 when an error stopped the export; then
    // Error() tells why and whatever was at SaveFileName before is untouched.
    // Moves progress one step per part and stops when it is cancelled.
    // A range plays every part from its position `from` on (the state in
    // force there) and stops after `to`.
    std::int16_t SaveToMIDI(const SornData& document, const std::string& SaveFileName,
                            ProgressSink* progress = nullptr, WalkRange range = {});
    const ExportError& Error() const { return error_; }
    // Each part its own range (parts past the list take the one SaveToMIDI
    // is given), for playing every part from one time.
    void PlayPartsFrom(std::vector<WalkRange> ranges) { partRanges_ = std::move(ranges); }

    // How loud and where each part sounds (MIDI volume and pan, 0..127), set
    // at the start of its track; parts past the list, and every part when
    // none is given, keep the synthesizer's defaults. With `click`, a last
    // track sounds every beat of the first part's first time signature
    // (4/4 without one) on the percussion channel, the bar's first louder.
    struct PartMix {
        std::uint8_t volume = 100;
        std::uint8_t pan = 64;
    };
    void SetMix(std::vector<PartMix> parts, bool click) {
        mix_ = std::move(parts);
        click_ = click;
    }

    // The MIDI channel of a part: never the percussion channel, wrapping
    // round the fifteen melodic ones.
    static std::uint8_t Channel(int Part);
    // Calculator ticks as the file counts them (480 to a quarter note).
    static std::int64_t FileTicks(std::int64_t calcTicks);

private:
    class TrackWriter;

    bool Save(const SornData& document, const std::string& SaveFileName, ProgressSink* progress);
    bool WriteHeader(AtomicFile& file);
    bool WriteTrack(AtomicFile& file, std::uint8_t Part, std::uint32_t tempo);
    bool WriteClickTrack(AtomicFile& file);
    bool CloseTrack(AtomicFile& file);
    bool WalkPart(std::uint8_t Part, std::uint8_t channel);
    void WriteDeltaTime(std::int32_t value);
    // A meta event of text: a track name, a lyric.
    void WriteMeta(std::int32_t waiting, std::uint8_t type, std::string_view text);
    // Note on after the waiting time, note off after the length.
    void WriteNote(std::int32_t waiting, std::uint8_t channel, std::uint8_t note,
                   std::uint8_t velocity, std::int32_t length);
    bool Fail(int number, Message description);
    bool Fail(ExportError error);

    const SornData* document_ = nullptr;
    WalkRange range_;
    std::vector<WalkRange> partRanges_;
    std::vector<PartMix> mix_;
    bool click_ = false;
    std::int64_t end_ = 0; // the latest end of a track so far, in file ticks
    // One track chunk at a time, so its length is known before it is written.
    std::vector<std::uint8_t> track_;
    ExportError error_;
};

} // namespace sorn

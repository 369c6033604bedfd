#pragma once
// Renders one part as a mono 16-bit 44100 Hz WAV file: every note is one
// period of the timbre repeated at the note's pitch, starting at its velocity
// and halving every second; rests are silence. Repeats, D.C. and Fine are
// played out as in the MIDI export.

#include "model/ProgressSink.h"
#include "model/SornData.h"
#include "sound/ExportError.h"
#include "sound/Timbre.h"

#include <cstdint>
#include <string>

namespace sorn {

inline constexpr std::int32_t WavSampleRate = 44100;

class SornWav {
public:
    // AppPath is the folder timbre names are relative to.
    explicit SornWav(std::string AppPath = {}) : appPath_(std::move(AppPath)) {}

    // 1 when the file was written, 0 when an error stopped the export; then
    // Error() tells why and whatever was at SaveFileName before is untouched.
    // Moves progress one step per position walked and stops when it is
    // cancelled.
    std::int16_t SaveToWav(const SornData& document, const std::string& SaveFileName,
                           std::uint8_t Part, const std::string& OnsyokuFileName,
                           ProgressSink* progress = nullptr);
    // The same with a timbre already loaded.
    std::int16_t SaveToWav(const SornData& document, const std::string& SaveFileName,
                           std::uint8_t Part, const Timbre& timbre,
                           ProgressSink* progress = nullptr);
    const ExportError& Error() const { return error_; }

    // Samples for every 16 calculator ticks; 0 when the tempo is not positive.
    static std::int32_t SamplesPer16Ticks(std::int16_t Speed);
    // Samples in one period of a MIDI note, A4 (69) at 442 Hz.
    static double Period(std::uint8_t note);

private:
    class Plan;
    bool Save(const SornData& document, const std::string& SaveFileName, std::uint8_t Part,
              const Timbre& timbre, ProgressSink* progress);

    std::string appPath_;
    Timbre timbre_;
    ExportError error_;
};

// What the menu command and the batch call: renders Part of doc with the
// timbre named as the timbre dialog names it (relative to AppPath, or an
// absolute path) into path. Returns the message to show when the export
// stopped in language, or an empty string (also when progress cancelled it).
std::string ExportWav(const SornData& doc, std::uint8_t Part, const std::string& AppPath,
                      const std::string& OnsyokuFileName, const std::string& path,
                      ProgressSink* progress = nullptr, Language language = Language::Japanese);
std::string ExportWav(const SornData& doc, std::uint8_t Part, const Timbre& timbre,
                      const std::string& path, ProgressSink* progress = nullptr);

} // namespace sorn

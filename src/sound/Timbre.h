#pragma once
// A timbre: one period of a waveform as 100000 signed 16-bit entries, read
// from a ".hki" file (the entries themselves) or built from the sine
// partials of a ".hki2" text file. Timbre names are paths relative to the
// program folder, written the way the timbre dialog lists them.

#include "sound/ExportError.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace sorn {

inline constexpr std::int32_t TimbreTableSize = 100000;
// Always first in the dialog's list; generated beside the program at build time.
inline constexpr char DefaultTimbreName[] = "デフォルト\\Violin.hki";
// The timbre name after the dialog was cancelled.
inline constexpr char TimbreCancel[] = "*:Cancel";

class Timbre {
public:
    // Silent: every entry 0.
    Timbre() : table_(TimbreTableSize, 0) {}

    std::span<const std::int16_t> Table() const { return table_; }
    std::span<std::int16_t> Table() { return table_; }

private:
    std::vector<std::int16_t> table_;
};

// Fills timbre from OnsyokuFileName, a name relative to AppPath ("\" is a
// folder separator) or an absolute path. Case does not matter in the
// extension. The empty name gives silence; a name that is neither ".hki" nor
// ".hki2", a file that cannot be read and a malformed ".hki2" are errors, and
// then timbre is left silent.
ExportError LoadTimbre(const std::string& AppPath, const std::string& OnsyokuFileName,
                       Timbre& timbre);

// The names the timbre dialog offers: the default first, then the ".hki2"
// files in AppPath, then the ".hki" files, each group sorted by name.
std::vector<std::string> TimbreNames(const std::string& AppPath);

} // namespace sorn

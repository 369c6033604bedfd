#pragma once
// The bodies of the fuzz targets. Each libFuzzer program calls one of them;
// the replay test runs every corpus file through the same functions.

#include "FuzzSupport.h"

namespace sorn::fuzz {

// Bytes as a score file: whatever opens must be well formed and save and
// read back unchanged; whatever does not open must leave the document alone.
int ScoreReader(Bytes data);
// Bytes as a score file, then everything that reads a whole score: the MIDI
// export, the WAV export of the last part, the print pages of the first and
// the last part with and without closing up, and the screen redraw. None may
// change the score.
int Exports(Bytes data);
// Bytes as a ".hki2" timbre: a file that does not load leaves silence.
int Hki2(Bytes data);
// Bytes as a MusicXML file (plain or .mxl): a refused one leaves the score
// alone with a reason; an imported one is well formed, and what we write of
// it reads back.
int MusicXml(Bytes data);

struct Target {
    const char* name; // the libFuzzer program and its corpus folder
    int (*run)(Bytes data);
};
inline constexpr Target kTargets[] = {
    {"fuzz_score_reader", ScoreReader},
    {"fuzz_exports", Exports},
    {"fuzz_hki2", Hki2},
    {"fuzz_musicxml", MusicXml},
};

} // namespace sorn::fuzz

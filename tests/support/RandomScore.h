#pragma once
// Random scores for the export tests, for tests whose target links the core.

#include "model/SornData.h"
#include "model/SymbolCodes.h"

#include <array>
#include <random>

namespace sorn::test {

// Scores the editor can write: every symbol of the vocabulary, attached
// symbols on any position (the keyboard puts them anywhere), notes within
// MusicXML's octaves under every clef.
inline SornData RandomScore(unsigned seed) {
    std::mt19937 rng(seed);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    SornData doc;
    doc.FileNew();
    const int parts = 1 + pick(4);
    for (int p = 1; p < parts; ++p)
        doc.AddPart();
    doc.SetLength(20 + pick(150));
    doc.SetSpeed(static_cast<std::int16_t>(1 + pick(400)));
    static constexpr std::array<std::uint8_t, 4> clefs = {1, 2, 10, 11};
    static constexpr std::array<std::uint8_t, 6> bars = {0, 1, 2, 16, 17, 18};
    static constexpr std::array<std::uint8_t, 10> dynamics = {1, 2, 3, 4, 5, 9, 10, 11, 12, 13};
    static constexpr std::array<std::uint8_t, 3> words = {1, 2, 8};
    static constexpr std::array<int, 19> numerators = {1,  2,  3,  4,  5,  6,  7,  8,  9, 10,
                                                       11, 12, 13, 14, 15, 16, 20, 24, 32};
    for (int p = 0; p < parts; ++p) {
        const auto part = static_cast<std::uint8_t>(p);
        doc.SetInstrumentNumber(part, std::to_string(pick(128)));
        for (std::int32_t i = 0; i <= doc.Length(); ++i) {
            const int what = pick(20);
            if (what < 9)
                doc.SetGData1(part, i, 0, static_cast<std::uint8_t>(1 + pick(7)),
                              static_cast<std::uint8_t>(106 + pick(58)));
            else if (what < 12)
                doc.SetGData1(part, i, 0, Kind::Rest, static_cast<std::uint8_t>(1 + pick(7)));
            else if (what == 12)
                doc.SetGData1(part, i, 0, Kind::Clef, clefs[pick(4)]);
            else if (what == 13)
                doc.SetGData1(part, i, 0, Kind::KeySignature, static_cast<std::uint8_t>(pick(15)));
            else if (what == 14)
                doc.SetGData1(part, i, 0, Kind::TimeSignature,
                              EncodeTimeSignature(numerators[pick(19)], pick(6)));
            auto maybe = [&](int chance, std::uint8_t kind, std::uint8_t value) {
                if (pick(100) < chance) doc.CheckGData1(part, i, kind, value);
            };
            maybe(15, Kind::BarLine, bars[pick(6)]);
            maybe(15, Kind::Accidental, static_cast<std::uint8_t>(1 + pick(5)));
            maybe(15, Kind::Dot, MarkPresent);
            maybe(8, Kind::Dynamics, dynamics[pick(10)]);
            maybe(20, Kind::Tie, MarkPresent);
            maybe(4, Kind::RepeatWord, words[pick(3)]);
            maybe(40, Kind::Beam, MarkPresent);
        }
    }
    return doc;
}

} // namespace sorn::test

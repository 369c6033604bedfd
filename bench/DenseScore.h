#pragma once
// A score as busy as a page of real music gets: beamed sixteenths with
// accidentals, ties, dynamics, bar lines and a key signature.

#include "model/SornData.h"
#include "model/SymbolCodes.h"

namespace sorn::bench {

inline void FillDense(SornData& doc, int parts, std::int32_t length) {
    doc.FileNew();
    for (int p = 1; p < parts; ++p)
        doc.AddPart();
    doc.SetLength(length);
    for (int pi = 0; pi < parts; ++pi) {
        const auto part = static_cast<std::uint8_t>(pi);
        doc.SetGData1(part, 0, 0, Kind::Clef, ClefCode::G);
        doc.SetGData1(part, 1, 0, Kind::KeySignature, 3);
        for (std::int32_t i = 2; i <= length; ++i) {
            const auto pitch = static_cast<std::uint8_t>(122 + (i * 5) % 13);
            doc.SetGData1(part, i, 0, Kind::SixteenthNote, pitch);
            if (i % 4 != 1) doc.CheckGData1(part, i, Kind::Beam, MarkPresent);
            if (i % 3 == 0) doc.CheckGData1(part, i, Kind::Accidental, AccidentalCode::Sharp);
            if (i % 8 == 1) doc.CheckGData1(part, i, Kind::BarLine, BarLineCode::Single);
            if (i % 16 == 5) doc.CheckGData1(part, i, Kind::Dynamics, DynamicsCode::mf);
            if (i % 7 == 0) doc.CheckGData1(part, i, Kind::Tie, MarkPresent);
        }
    }
}

// Sixteen dense parts of the longest length, made once for a whole bench.
inline const SornData& SixteenDenseParts() {
    static const SornData doc = [] {
        SornData d;
        FillDense(d, 16, MaxLength);
        return d;
    }();
    return doc;
}

} // namespace sorn::bench

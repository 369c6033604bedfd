#pragma once
// Short scores for the sound tests, written the way the editor writes them.

#include "model/SornData.h"
#include "model/SymbolCodes.h"

#include <cstdint>
#include <initializer_list>
#include <utility>

namespace sorn::test {

class ScoreBuilder {
public:
    explicit ScoreBuilder(int parts = 1, std::int32_t length = MinLength,
                          std::int16_t speed = 120) {
        doc.FileNew();
        for (int p = 1; p < parts; ++p)
            doc.AddPart();
        doc.SetLength(length);
        doc.SetSpeed(speed);
    }

    ScoreBuilder& Main(std::int32_t iti, std::uint8_t kind, std::uint8_t value, int part = 0) {
        doc.SetGData1(static_cast<std::uint8_t>(part), iti, 0, kind, value);
        return *this;
    }
    ScoreBuilder& Note(std::int32_t iti, std::uint8_t lengthCode, std::uint8_t staffPosition,
                       int part = 0) {
        return Main(iti, lengthCode, staffPosition, part);
    }
    ScoreBuilder& Rest(std::int32_t iti, std::uint8_t lengthCode, int part = 0) {
        return Main(iti, Kind::Rest, lengthCode, part);
    }
    ScoreBuilder& Attach(std::int32_t iti, std::uint8_t kind, std::uint8_t value, int part = 0) {
        doc.CheckGData1(static_cast<std::uint8_t>(part), iti, kind, value);
        return *this;
    }
    ScoreBuilder& Bar(std::int32_t iti, std::uint8_t code = BarLineCode::Single, int part = 0) {
        return Attach(iti, Kind::BarLine, code, part);
    }

    SornData doc;
};

} // namespace sorn::test

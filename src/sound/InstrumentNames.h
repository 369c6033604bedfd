#pragma once

#include <cstdint>
#include <string_view>

namespace sorn {

// Name of General MIDI program `number`, counted from 1 (1..128); the empty
// string for any other number. Parts store programs from 0, so add 1.
std::string_view InstrumentName(std::int16_t number);

// The translation context of the names.
inline constexpr char kInstrumentsContext[] = "Instruments";

} // namespace sorn

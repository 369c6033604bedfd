#pragma once

#include "model/Language.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace sorn {

// Name of General MIDI program `number`, counted from 1 (1..128); the empty
// string for any other number. Parts store programs from 0, so add 1.
std::string_view InstrumentName(std::int16_t number);

// The name as the program draws it for a part without a name of its own, in
// DrawnLanguage(). Files keep the Japanese InstrumentName.
std::string DrawnInstrumentName(std::int16_t number);

// The translation context of the names.
inline constexpr char kInstrumentsContext[] = "Instruments";

} // namespace sorn

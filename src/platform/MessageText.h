#pragma once
// The core's messages as the window shows them, in the language of the
// installed translators.

#include "model/Message.h"

#include <QString>

namespace sorn {

QString Text(const Message& message);

// The General MIDI program `program` (counted from 0, as parts store it)
// by its translated name; empty outside 0..127.
QString InstrumentText(int program);

} // namespace sorn

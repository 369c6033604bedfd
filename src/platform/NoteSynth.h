#pragma once
// A synthesizer that sounds single notes as they are entered: one request
// per MIDI message, sounding at once.

#include <cstdint>
#include <string>

namespace sorn {

class NoteSynth {
public:
    virtual ~NoteSynth() = default;

    // Opens the synthesizer and its audio output. False when it cannot
    // sound; ErrorMessage() then tells why. It may take long (a sound server
    // that does not answer), so it is called off the window's thread, and
    // nothing else is called until it has returned.
    virtual bool Start() = 0;
    virtual void ProgramChange(std::uint8_t channel, std::uint8_t program) = 0;
    virtual void NoteOn(std::uint8_t channel, std::uint8_t note, std::uint8_t velocity) = 0;
    virtual void NoteOff(std::uint8_t channel, std::uint8_t note) = 0;
    virtual std::string ErrorMessage() const = 0;
};

} // namespace sorn

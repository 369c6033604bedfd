#pragma once
// The MIDI sequencer device the audition window drives: one request per
// operation, times in the device's own unit (ticks of the opened file).

#include <cstdint>
#include <string>

namespace sorn {

class Sequencer {
public:
    virtual ~Sequencer() = default;

    // Names the MIDI file the next "Open" opens.
    virtual void SetFileName(const std::string& FileName) = 0;
    // Opens the named file stopped at its start. Failure shows in CanPlay().
    // It may take long (a sound server that does not answer), so it is
    // called off the window's thread, and nothing else is called until it
    // has returned.
    virtual void Open() = 0;
    // True when the opened file can be played.
    virtual bool CanPlay() const = 0;
    // The song's length; 0 when nothing usable is open.
    virtual std::int32_t Length() const = 0;
    // Plays from the current position.
    virtual void Play() = 0;
    // Stops and keeps the position, so that Play continues from there.
    virtual void Stop() = 0;
    // Moves the position to the start of the song.
    virtual void Prev() = 0;
    // Silences the device and lets go of everything it holds.
    virtual void Close() = 0;
    // The playing position, 0..Length().
    virtual std::int32_t Position() = 0;

    // Why the last Open could not play, when the user can mend it (no
    // SoundFont installed, say). Empty when there is nothing to tell.
    virtual std::string ErrorMessage() const = 0;
    // True when the open song plays but cannot be heard: no audio output.
    virtual bool Silent() const = 0;
};

} // namespace sorn

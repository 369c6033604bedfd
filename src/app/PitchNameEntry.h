#pragma once
// Entry by pitch names: a letter C D E F G A B writes a note of that name
// at the step nearest the part's previous note, in the value the digits
// 1..7 chose (the order of A S D F G H J), and moves on; "." dots the value,
// 0 writes a rest, R T W Q and "=" put accidentals on the note just
// written (or the cursor's). The one-key value entry stays as it is when
// the mode is off.

#include <QString>
#include <Qt>
#include <cstdint>
#include <optional>

namespace sorn {

class Form1;

// What a key does in the mode.
struct PitchNameAction {
    enum Kind {
        Usual,      // as without the mode
        Letter,     // value: 0 C .. 6 B
        Value,      // value: the length code
        Dot,        // the dot of the value, on or off
        Rest,       // a rest of the value
        Accidental, // value: the accidental code
        Move,       // value: staff steps up (or down, below 0)
        Refused,    // no meaning in the mode; `why` says so
    };
    Kind kind = Usual;
    int value = 0;
    const char* why = nullptr;
};

// The mode's key map. Up and Down move the note just written; the window
// decides at the key whether there is one.
PitchNameAction PitchNameActionOf(int key, Qt::KeyboardModifiers mods);

// "4分音符", "付点8分音符"
QString ValueName(std::uint8_t length, bool dotted);

class PitchNameEntry {
public:
    explicit PitchNameEntry(Form1& form) : form_(form) {}

    // A key while the mode is on; false leaves it to the usual keys.
    bool Key(int key, Qt::KeyboardModifiers mods);
    // What the status line shows while the mode is on.
    QString StatusText() const;

private:
    void WriteAtNext(bool rest, int letter);
    void PutAccidental(std::uint8_t code);
    bool MoveWritten(int steps);
    // The note written last when the cursor still stands on it or right after it.
    std::optional<std::int32_t> JustWritten() const;

    Form1& form_;
    std::uint8_t length_ = 3; // a quarter
    bool dotted_ = false;
    std::uint8_t writtenPart_ = 0;
    std::int32_t written_ = -1;
};

} // namespace sorn

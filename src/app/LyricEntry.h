#pragma once
// Lyric entry: a text box under the cursor's note takes the syllables of one
// verse, note after note. Space ends a word, "-" a syllable with a hyphen
// after it, "_" a syllable held over the notes that follow; each goes on to
// the next note. Every syllable written is one step of the history.

#include "app/EditHistory.h"
#include "model/ScoreWords.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <string>
#include <utility>

class QLineEdit;
class QWidget;

namespace sorn {

class Form1;
class SornData;

// How the typing of a syllable was ended.
enum class SyllableEnd {
    Word,    // Space: a word's only or last syllable
    Hyphen,  // "-": a hyphen follows it
    Extend,  // "_": as Word, held by an extender line
    AsItWas, // Enter, another verse, a click elsewhere: new text, the old ending kept
};

// The syllable typed text becomes at a position of a verse: a word's end
// after a syllable with a hyphen, its middle when a hyphen follows too.
Syllable EndedSyllable(const SornData& doc, std::uint8_t part, std::int32_t position, int verse,
                       std::string text, SyllableEnd end);
// The first position after `from` that holds a note, or -1.
std::int32_t NextNote(const SornData& doc, std::uint8_t part, std::int32_t from);

class LyricEntry : public QObject {
    Q_OBJECT
public:
    explicit LyricEntry(Form1& form);

    // The menu item: the box opens at the cursor's position when it holds a
    // note or a syllable, or else at the next note.
    void Begin();
    // commit: the text in the box is written first.
    void Leave(bool commit);
    bool Active() const { return active_; }
    int Verse() const { return verse_; } // counted from 0
    QLineEdit* Box() const;
    bool Takes(const QObject* watched) const;

    // The keys of the box; false leaves a key to the box as text.
    bool Key(int key, Qt::KeyboardModifiers mods, const QString& text);
    // The box refused text beyond the size of a syllable.
    void Refused();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Commit(SyllableEnd end);
    void CommitEdited();
    // The score as the box last saw it: what a click or a scroll bar writes
    // the box's text into only when nothing else has changed it since.
    std::pair<std::int64_t, int> ScoreState() const;
    void MoveTo(std::int32_t position);
    // The box follows the cursor after the window moved it or the score
    // changed under it.
    void Follow(bool commitFirst);
    void Load();
    void Place();
    void ShowStatus();

    Form1& form_;
    QLineEdit* box_;
    bool active_ = false;
    std::uint8_t part_ = 0;
    std::int32_t position_ = 0;
    int verse_ = 0;
    // Where the cursor stood for the box, the place of the step its syllable makes.
    EditPlace place_;
    QString problem_; // shown beside the verse until the next key
    std::pair<std::int64_t, int> seen_{-1, -1};
    QPointer<QWidget> focusBefore_;
};

} // namespace sorn

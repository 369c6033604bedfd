#pragma once
// The command "試聴(&L)": the score is written as "Listen.mid", opened on
// the sequencer and played in the modal window "試聴".

#include "sound/PartWalk.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace sorn {

class MessageBoxes;
class Sequencer;
class SornData;

enum class AuditionResult {
    ExportFailed, // the export's message was shown
    NotPlayable,  // the song is empty or the device cannot play it
    Shown,        // the window was shown and has been closed again
};

struct AuditionOptions {
    // What is played: the whole score, from a position on, or a stretch.
    WalkRange range;
    // When given, each part's own: every part from one time in the full score.
    std::vector<WalkRange> partRanges;
    // Every status notification's playing position, in the file's ticks.
    std::function<void(std::int32_t tick)> positionShown;
    // A remark for the status line: the song plays but cannot be heard.
    std::function<void(const std::string& text)> statusShown;
};

// The menu command: the editor's own "Listen" scratch file, played through
// FluidSynth.
AuditionResult RunAudition(QWidget* parent, const SornData& doc, MessageBoxes& boxes,
                           const AuditionOptions& options = {});

// The same on a given file and device, which is opened off the window's
// thread. Returns once the window is closed; the device is closed by then,
// or, when the window was closed before it had opened, once it has.
AuditionResult Audition(QWidget* parent, const SornData& doc, const std::string& listenFile,
                        std::shared_ptr<Sequencer> device, MessageBoxes& boxes,
                        const AuditionOptions& options = {});
// The same on a device the caller keeps until its opening has ended.
AuditionResult Audition(QWidget* parent, const SornData& doc, const std::string& listenFile,
                        Sequencer& device, MessageBoxes& boxes,
                        const AuditionOptions& options = {});

// Closes the audition window if one is open, silencing it: for quitting the
// program while it is open. Audition() then returns as usual.
void CloseAudition();

} // namespace sorn

#include "app/NoteEcho.h"

#include "platform/EditorSettings.h"
#include "platform/SoundThreads.h"
#include "sound/EnteredNote.h"
#include "sound/SornMidi.h"

#include <QTimer>
#include <algorithm>

namespace sorn {

namespace {

const QString kEnabledKey = QStringLiteral("listen/soundEnteredNotes");

EditorSettings Settings() {
    return {};
}

} // namespace

NoteEcho::NoteEcho(SynthFactory factory, QObject* parent)
    : QObject(parent), factory_(std::move(factory)),
      enabled_(Settings().value(kEnabledKey, true).toBool()) {
    std::fill(std::begin(programs_), std::end(programs_), -1);
}

NoteEcho::~NoteEcho() = default;

void NoteEcho::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Settings().setValue(kEnabledKey, enabled);
}

void NoteEcho::UseSynth(SynthFactory factory) {
    factory_ = std::move(factory);
    synth_.reset();
    state_ = State::Closed;
    ++generation_;
    std::fill(std::begin(programs_), std::end(programs_), -1);
}

void NoteEcho::Open() {
    // Opened only now, so that starting the editor stays quick.
    std::shared_ptr<NoteSynth> synth = factory_ ? factory_() : nullptr;
    if (!synth) {
        state_ = State::Failed;
        return;
    }
    state_ = State::Opening;
    auto started = std::make_shared<bool>(false);
    StartOffThread(
        this, [synth, started] { *started = synth->Start(); },
        [this, synth, started, generation = generation_] {
            if (generation != generation_) return;
            if (*started) {
                synth_ = synth;
                state_ = State::Open;
                return;
            }
            state_ = State::Failed;
            const QString message = QString::fromStdString(synth->ErrorMessage());
            if (ProblemShown && !message.isEmpty()) ProblemShown(message);
        });
}

void NoteEcho::Sound(const SornData& doc, std::uint8_t Part, std::int32_t position,
                     std::uint8_t staffPosition) {
    if (!enabled_) return;
    const auto heard = NoteAsHeard(doc, Part, position, staffPosition);
    if (!heard) return;
    if (state_ == State::Closed) Open();
    if (state_ != State::Open) return;
    const std::uint8_t channel = SornMidi::Channel(Part);
    const std::uint8_t program = doc.GetInstrumentNumber(Part);
    if (program <= 127 && programs_[channel] != program) {
        synth_->ProgramChange(channel, program);
        programs_[channel] = program;
    }
    synth_->NoteOn(channel, heard->note, heard->velocity);
    // A synthesizer let go of takes its notes with it; no late note-off
    // reaches the next one.
    QTimer::singleShot(NoteMilliseconds, this,
                       [this, generation = generation_, channel, note = heard->note] {
                           if (generation == generation_ && synth_) synth_->NoteOff(channel, note);
                       });
}

} // namespace sorn

#include "app/NoteEcho.h"

#include "platform/EditorSettings.h"
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
    ++generation_;
    failed_ = false;
    std::fill(std::begin(programs_), std::end(programs_), -1);
}

NoteSynth* NoteEcho::Synth(QString& message) {
    if (synth_ || failed_) return synth_.get();
    // Opened only now, so that starting the editor stays quick.
    auto synth = factory_ ? factory_() : nullptr;
    if (synth && synth->Start()) {
        synth_ = std::move(synth);
    } else {
        failed_ = true;
        message = synth ? QString::fromStdString(synth->ErrorMessage()) : QString();
    }
    return synth_.get();
}

QString NoteEcho::Sound(const SornData& doc, std::uint8_t Part, std::int32_t position,
                        std::uint8_t staffPosition) {
    if (!enabled_) return {};
    const auto heard = NoteAsHeard(doc, Part, position, staffPosition);
    if (!heard) return {};
    QString message;
    NoteSynth* synth = Synth(message);
    if (!synth) return message;
    const std::uint8_t channel = SornMidi::Channel(Part);
    const std::uint8_t program = doc.GetInstrumentNumber(Part);
    if (program <= 127 && programs_[channel] != program) {
        synth->ProgramChange(channel, program);
        programs_[channel] = program;
    }
    synth->NoteOn(channel, heard->note, heard->velocity);
    // A synthesizer let go of takes its notes with it; no late note-off
    // reaches the next one.
    QTimer::singleShot(NoteMilliseconds, this,
                       [this, generation = generation_, channel, note = heard->note] {
                           if (generation == generation_ && synth_) synth_->NoteOff(channel, note);
                       });
    return {};
}

} // namespace sorn

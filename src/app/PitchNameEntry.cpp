#include "app/PitchNameEntry.h"

#include "app/Editing.h"
#include "app/Form1.h"
#include "model/SymbolCodes.h"
#include "sound/EnteredNote.h"
#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace sorn {

namespace {

constexpr std::array<int, 7> kLetterKeys = {Qt::Key_C, Qt::Key_D, Qt::Key_E, Qt::Key_F,
                                            Qt::Key_G, Qt::Key_A, Qt::Key_B};

struct AccidentalKey {
    int key;
    std::uint8_t code;
};
// The one-key entry's accidental keys, and "=" for the natural whose key
// (E) names a pitch here.
constexpr AccidentalKey kAccidentalKeys[] = {
    {Qt::Key_R, AccidentalCode::Sharp},       {Qt::Key_T, AccidentalCode::DoubleSharp},
    {Qt::Key_W, AccidentalCode::Flat},        {Qt::Key_Q, AccidentalCode::DoubleFlat},
    {Qt::Key_Equal, AccidentalCode::Natural},
};

constexpr const char* kNotHere = QT_TRANSLATE_NOOP(
    "sorn::PitchNameEntry", "音名入力モードでは使わないキーです (N でモードを終えます)");

bool HoldsSign(const PositionRecord* r) {
    if (!r) return false;
    const std::uint8_t k = r->Syurui[0];
    return k == Kind::Clef || k == Kind::KeySignature || k == Kind::TimeSignature;
}

} // namespace

PitchNameAction PitchNameActionOf(int key, Qt::KeyboardModifiers mods) {
    using A = PitchNameAction;
    mods &= ~Qt::KeypadModifier;
    const bool shift = (mods & Qt::ShiftModifier) != 0;
    if (mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        if (mods == Qt::ControlModifier && (key == Qt::Key_Up || key == Qt::Key_Down))
            return {A::Move, key == Qt::Key_Up ? 7 : -7};
        return {}; // the menu shortcuts
    }
    if ((key == Qt::Key_Up || key == Qt::Key_Down) && !shift)
        return {A::Move, key == Qt::Key_Up ? 1 : -1};
    // "=" needs Shift on a Japanese keyboard.
    for (const AccidentalKey& a : kAccidentalKeys)
        if (key == a.key && (!shift || key == Qt::Key_Equal)) return {A::Accidental, a.code};
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        const auto letter = std::find(kLetterKeys.begin(), kLetterKeys.end(), key);
        if (letter != kLetterKeys.end() && !shift)
            return {A::Letter, static_cast<int>(letter - kLetterKeys.begin())};
        if (key == Qt::Key_Z && !shift) return {};
        if (key == Qt::Key_N && !shift) return {};
        return {A::Refused, 0, kNotHere};
    }
    if (key >= Qt::Key_1 && key <= Qt::Key_7 && !shift) return {A::Value, key - Qt::Key_0};
    if (key == Qt::Key_Period && !shift) return {A::Dot};
    if (key == Qt::Key_0 && !shift) return {A::Rest};
    if ((key == Qt::Key_8 || key == Qt::Key_9) && !shift)
        return {A::Refused, 0,
                QT_TRANSLATE_NOOP("sorn::PitchNameEntry",
                                  "強弱記号は音名入力モードでは Enter (記号) で入れます")};
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return {A::Refused, 0, kNotHere};
    return {};
}

QString ValueName(std::uint8_t length, bool dotted) {
    static const char* const names[] = {QT_TRANSLATE_NOOP("sorn::PitchNameEntry", "全音符"),
                                        QT_TRANSLATE_NOOP("sorn::PitchNameEntry", "2分音符"),
                                        QT_TRANSLATE_NOOP("sorn::PitchNameEntry", "4分音符"),
                                        QT_TRANSLATE_NOOP("sorn::PitchNameEntry", "8分音符"),
                                        QT_TRANSLATE_NOOP("sorn::PitchNameEntry", "16分音符"),
                                        QT_TRANSLATE_NOOP("sorn::PitchNameEntry", "32分音符"),
                                        QT_TRANSLATE_NOOP("sorn::PitchNameEntry", "64分音符")};
    const int i = std::clamp<int>(length, LengthCode::Whole, LengthCode::SixtyFourth) - 1;
    const QString name = QCoreApplication::translate("sorn::PitchNameEntry", names[i]);
    return dotted ? QCoreApplication::translate("sorn::PitchNameEntry", "付点%1").arg(name) : name;
}

QString PitchNameEntry::StatusText() const {
    return QCoreApplication::translate("sorn::PitchNameEntry", "音名入力 %1")
        .arg(ValueName(length_, dotted_));
}

bool PitchNameEntry::Key(int key, Qt::KeyboardModifiers mods) {
    const PitchNameAction action = PitchNameActionOf(key, mods);
    switch (action.kind) {
    case PitchNameAction::Usual:
        return false;
    case PitchNameAction::Refused:
        form_.ShowStatusMessage(QCoreApplication::translate("sorn::PitchNameEntry", action.why));
        return true;
    case PitchNameAction::Value:
        length_ = static_cast<std::uint8_t>(action.value);
        return true;
    case PitchNameAction::Dot:
        dotted_ = !dotted_;
        return true;
    case PitchNameAction::Letter:
        WriteAtNext(false, action.value);
        return true;
    case PitchNameAction::Rest:
        WriteAtNext(true, 0);
        return true;
    case PitchNameAction::Accidental:
        PutAccidental(static_cast<std::uint8_t>(action.value));
        return true;
    case PitchNameAction::Move:
        // Without a note just written, Up and Down move the cursor's pitch as usual.
        return MoveWritten(action.value) || (action.value == 7 || action.value == -7);
    }
    return false;
}

std::optional<std::int32_t> PitchNameEntry::JustWritten() const {
    const SornData& doc = form_.document_;
    const EditorState& state = form_.state_;
    const std::int32_t cursor = form_.CursorPosition();
    if (written_ < 0 || writtenPart_ != state.CurrentPart) return std::nullopt;
    if (cursor != written_ && cursor != written_ + 1) return std::nullopt;
    if (!IsNote(doc.GetGSyurui(state.CurrentPart, written_, 0))) return std::nullopt;
    return written_;
}

// A clef, key or time signature under the cursor stays: the note or rest
// goes to the first position after the signs.
void PitchNameEntry::WriteAtNext(bool rest, int letter) {
    const SornData& doc = form_.document_;
    EditorState& state = form_.state_;
    const std::uint8_t part = state.CurrentPart;
    std::int32_t at = form_.CursorPosition();
    while (at <= doc.Length() && HoldsSign(doc.Record(part, at)))
        ++at;
    if (at > doc.Length()) {
        form_.ShowStatusMessage(QCoreApplication::translate(
            "sorn::PitchNameEntry", "楽譜の終わりです。曲の長さを延ばしてください"));
        return;
    }
    if (!rest) {
        const WrittenPitch from =
            NoteBefore(doc, part, at)
                .value_or(WrittenPitch{state.CursorPitch, ClefAt(doc, part, at)});
        const auto pitch = NearestStaffPosition(letter, from, ClefAt(doc, part, at));
        if (!pitch) {
            form_.ShowStatusMessage(QCoreApplication::translate(
                "sorn::PitchNameEntry", "五線で書ける高さを超えるため書けません"));
            return;
        }
        {
            const auto step =
                form_.Step(QCoreApplication::translate("sorn::PitchNameEntry", "音名の入力"));
            state.CursorPitch = *pitch;
            Editing::PutNote(form_.document_, state, at, length_);
            Editing::SetDot(form_.document_, state, at, dotted_);
        }
        written_ = at;
        writtenPart_ = part;
        form_.SoundEnteredNote(at);
    } else {
        const auto step =
            form_.Step(QCoreApplication::translate("sorn::PitchNameEntry", "休符の入力"));
        Editing::PutRest(form_.document_, state, at, length_);
        Editing::SetDot(form_.document_, state, at, dotted_);
        written_ = -1;
    }
    form_.JumpCursorTo(std::min(at + 1, doc.Length()));
}

void PitchNameEntry::PutAccidental(std::uint8_t code) {
    const SornData& doc = form_.document_;
    EditorState& state = form_.state_;
    // The note just written, else the one under the cursor: after a note
    // the cursor already stands on the next position, which may hold one.
    const std::int32_t target = JustWritten().value_or(form_.CursorPosition());
    if (!IsNote(doc.GetGSyurui(state.CurrentPart, target, 0))) {
        form_.ShowStatusMessage(QCoreApplication::translate("sorn::PitchNameEntry",
                                                            "臨時記号を付ける音符がありません"));
        return;
    }
    const auto step = form_.Step(QCoreApplication::translate("sorn::PitchNameEntry", "記号の入力"));
    Editing::ToggleSymbol(form_.document_, state, target, Kind::Accidental, code);
}

bool PitchNameEntry::MoveWritten(int steps) {
    const auto written = JustWritten();
    if (!written) {
        if (steps == 7 || steps == -7)
            form_.ShowStatusMessage(
                QCoreApplication::translate("sorn::PitchNameEntry", "動かす音符がありません"));
        return false;
    }
    const SornData& doc = form_.document_;
    EditorState& state = form_.state_;
    const int pitch = doc.GetGAtai(state.CurrentPart, *written, 0) + steps;
    if (pitch < StaffPosition::Lowest || pitch > StaffPosition::Highest) {
        form_.ShowStatusMessage(QCoreApplication::translate(
            "sorn::PitchNameEntry", "五線で書ける高さを超えるため動かせません"));
        return true;
    }
    {
        const auto step =
            form_.Step(QCoreApplication::translate("sorn::PitchNameEntry", "音の高さ"));
        state.CursorPitch = static_cast<std::uint8_t>(pitch);
        Editing::SetNotePitch(form_.document_, state, *written, state.CursorPitch);
    }
    form_.SoundEnteredNote(*written);
    return true;
}

} // namespace sorn

#pragma once
// Why an export stopped, in the form the user sees it: an error number
// followed directly by its description.

#include "model/Message.h"

#include <string>
#include <system_error>

namespace sorn {

// Numbers for what is wrong in the score itself; file errors keep errno.
namespace ExportErrorNumber {
inline constexpr int TempoNotPositive = 1001;
inline constexpr int TempoTooSlow = 1002;
inline constexpr int NoteOutOfRange = 1003;
inline constexpr int InstrumentOutOfRange = 1004;
inline constexpr int LengthTooLong = 1005;
inline constexpr int MusicXmlTooLarge = 1006;
// A timbre file, or the part a WAV export was asked for.
inline constexpr int TimbreLine = 1101;
inline constexpr int TimbreOverflow = 1102;
inline constexpr int NotATimbre = 1103;
inline constexpr int NoSuchPart = 1104;
inline constexpr int TimbreTooLarge = 1105;
inline constexpr int TimbreTooManyLines = 1106;
inline constexpr int TimbreNoPartial = 1107;
inline constexpr int TimbreNotText = 1108;
// The user stopped the export; nothing is shown.
inline constexpr int Cancelled = 1201;
// The engraving program is not installed, or it did not finish its work.
inline constexpr int EngraverMissing = 1301;
inline constexpr int EngraverFailed = 1302;
} // namespace ExportErrorNumber

struct ExportError {
    int Number = 0;
    sorn::Message Description;

    explicit operator bool() const { return Number != 0; }
    // What the message box shows.
    sorn::Message What() const {
        // Japanese runs the two together; a translation may set them apart.
        return CoreMessage(SORN_TRANSLATE_NOOP("Core", "%1%2"), Number, Description);
    }
    // The same in Japanese, for logs and tests.
    std::string Message() const { return Text(What(), Language::Japanese); }

    bool Cancelled() const { return Number == ExportErrorNumber::Cancelled; }

    static ExportError FromFile(std::error_code error);
    static ExportError Cancel() {
        return {ExportErrorNumber::Cancelled,
                CoreMessage(SORN_TRANSLATE_NOOP("Core", "中止しました。"))};
    }
};

// A part as the export messages and the status bar count it: "パート 2".
sorn::Message PartLabel(int part);

} // namespace sorn

#include "app/Recovery.h"

#include "app/AutoSave.h"
#include "app/Editing.h"
#include "app/Form1.h"
#include "app/MdMain.h"
#include "app/RecoveryDialog.h"
#include "model/ErrorReason.h"
#include "platform/EditorSettings.h"
#include "platform/MessageText.h"
#include <QCoreApplication>

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <algorithm>

namespace sorn {

namespace {

void Remove(const LeftCopy& copy) {
    QFile::remove(RecoveryScore(copy.base));
    QFile::remove(RecoveryNote(copy.base));
}

QString ShownName(const LeftCopy& copy) {
    return copy.originalName.isEmpty()
               ? QCoreApplication::translate("sorn::Recovery", "(名前のない新しい楽譜)")
               : copy.originalName;
}

// Why a copy could not be restored; never a reason left over from elsewhere.
std::string WhyNotRestored(std::error_code error, OpenResult result) {
    if (error == std::errc::too_many_symbolic_link_levels)
        return QCoreApplication::translate("sorn::Recovery", "リンクになっているため開きません。")
            .toStdString();
    if (error == std::errc::operation_not_permitted)
        return QCoreApplication::translate("sorn::Recovery",
                                           "ご自分のファイルではないため開きません。")
            .toStdString();
    if (error == std::errc::invalid_argument)
        return QCoreApplication::translate("sorn::Recovery",
                                           "通常のファイルではないため開きません。")
            .toStdString();
    if (error) return Text(ErrorReason(error, FileAction::Read)).toStdString();
    if (result == OpenResult::NotAScore)
        return QCoreApplication::translate("sorn::Recovery",
                                           "中身が楽譜ではありません。コピーが壊れています。")
            .toStdString();
    return QCoreApplication::translate("sorn::Recovery", "コピーを最後まで読めませんでした。")
        .toStdString();
}

bool Restore(Form1& form, const LeftCopy& copy) {
    const QString path = RecoveryScore(copy.base);
    std::error_code error;
    // Read through the descriptor that was checked, so no link put in its
    // place meanwhile is followed.
    const UniqueFd fd = OpenOwnFile(path, error);
    OpenResult result = OpenResult::Failed;
    if (fd) {
        result = form.Document().FileOpen("/proc/self/fd/" + std::to_string(fd.get()),
                                          form.Outside().boxes, &error);
        if (result == OpenResult::Refused) return false; // the reader has said why
    }
    if (result != OpenResult::Opened) {
        form.Outside().boxes.Show(
            QCoreApplication::translate("sorn::Recovery", kRecoveryOpenFailed)
                .arg(path, QString::fromStdString(WhyNotRestored(error, result)))
                .toStdString(),
            MsgButtons::Ok, MsgIcon::Warning);
        return false;
    }
    // Only an absolute name says where the score was; a relative one from an
    // older note would save in whatever folder this editor started in.
    form.Document().SetSornFileName(
        QDir::isAbsolutePath(copy.originalName) ? copy.originalName.toStdString() : std::string());
    // No state of this run matches the file on disk, so no undo may clear the mark.
    form.ForgetHistory();
    form.History().Stack().resetClean();
    Editing::MarkChanged(form.State());
    MdMain::RefreshAfterEdit(form);
    if (copy.incomplete)
        form.Outside().boxes.Show(
            QCoreApplication::translate("sorn::Recovery", kRecoveryIncomplete).toStdString(),
            MsgButtons::Ok, MsgIcon::Warning);
    return true;
}

bool ConfirmDelete(MessageBoxes& boxes, std::size_t count) {
    return count > 0 &&
           boxes.Show(QCoreApplication::translate("sorn::Recovery", kRecoveryDeleteQuestion)
                          .arg(count)
                          .toStdString(),
                      MsgButtons::YesNoCancel, MsgIcon::Warning) == MsgResult::Yes;
}

// One message for everything left alone at start-up.
void TellWhatWasLeftAlone(MessageBoxes& boxes, const LeftCopies& found) {
    QStringList parts;
    if (const QString settings = SettingsFileProblem(); !settings.isEmpty()) parts << settings;
    if (!found.folderProblem.isEmpty()) parts << found.folderProblem;
    if (!found.skipped.isEmpty())
        parts << QCoreApplication::translate("sorn::Recovery", kRecoverySkipped)
                     .arg(found.skipped.join(u'\n'));
    if (!parts.isEmpty())
        boxes.Show(parts.join(QStringLiteral("\n\n")).toStdString(), MsgButtons::Ok,
                   MsgIcon::Warning);
}

// A file of the copy that something else has taken the place of.
bool Planted(const QString& path) {
    const std::error_code error = CheckOwnFile(path);
    return error && error != std::errc::no_such_file_or_directory;
}

} // namespace

LeftCopies FindLeftCopies() {
    LeftCopies found;
    const QString folderPath = RecoveryFolder(&found.folderProblem);
    if (folderPath.isEmpty()) return found;
    RemoveLeftovers(folderPath);
    const QDir folder(folderPath);
    for (const QFileInfo& score :
         folder.entryInfoList({QStringLiteral("*.sorn")}, QDir::Files | QDir::System, QDir::Time)) {
        const QString base = score.absolutePath() + u'/' + score.completeBaseName();
        const QString names[] = {RecoveryScore(base), RecoveryNote(base), RecoveryLock(base)};
        bool skip = false;
        for (const QString& name : names)
            if (Planted(name)) {
                found.skipped << QFileInfo(name).fileName();
                skip = true;
            }
        if (skip) continue;
        LeftCopy copy;
        copy.base = base;
        copy.lock = std::make_unique<QLockFile>(RecoveryLock(base));
        copy.lock->setStaleLockTime(0); // a live editor's copy is never taken
        if (!copy.lock->tryLock(0)) continue;
        const CopyNote note = ReadNote(RecoveryNote(base));
        copy.originalName = note.file;
        copy.written = note.written.isValid() ? note.written : score.lastModified();
        std::error_code error;
        const UniqueFd fd = OpenOwnFile(names[0], error);
        qint64 bytes = 0;
        QByteArray sha256;
        if (!fd || !Fingerprint(fd.get(), bytes, sha256)) continue;
        copy.incomplete = note.bytes >= 0 && (bytes != note.bytes || sha256 != note.sha256);
        found.copies.push_back(std::move(copy));
    }
    return found;
}

void OfferRecovery(Form1& form) {
    MessageBoxes& boxes = form.Outside().boxes;
    LeftCopies found = FindLeftCopies();
    TellWhatWasLeftAlone(boxes, found);
    std::vector<LeftCopy>& copies = found.copies;
    if (copies.empty()) return;

    std::vector<RecoveryDialog::Row> rows;
    for (const LeftCopy& copy : copies)
        rows.push_back({ShownName(copy),
                        copy.written.toLocalTime().toString(QStringLiteral("yyyy/MM/dd H:mm:ss")),
                        copy.incomplete});
    RecoveryDialog dialog(&form, rows);
    if (dialog.exec() != QDialog::Accepted) return; // all kept for the next start
    if (dialog.Chosen() == RecoveryDialog::Answer::DeleteAll) {
        if (ConfirmDelete(boxes, copies.size()))
            for (const LeftCopy& copy : copies)
                Remove(copy);
        return;
    }
    const auto chosen = static_cast<std::size_t>(
        std::clamp<int>(dialog.ChosenRow(), 0, static_cast<int>(copies.size()) - 1));
    // A copy that could not be restored is kept, and so are the others.
    if (!Restore(form, copies[chosen])) return;
    form.AutoSaver().Adopt(copies[chosen].base, std::move(copies[chosen].lock));
    if (dialog.DeleteOthers() && ConfirmDelete(boxes, copies.size() - 1))
        for (std::size_t i = 0; i < copies.size(); ++i)
            if (i != chosen) Remove(copies[i]);
}

} // namespace sorn

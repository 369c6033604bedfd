#include "app/Recovery.h"

#include "app/AutoSave.h"
#include "app/Editing.h"
#include "app/Form1.h"
#include "app/MdMain.h"
#include "model/ErrorReason.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <algorithm>

namespace sorn {

namespace {

void Remove(const LeftCopy& copy) {
    QFile::remove(RecoveryScore(copy.base));
    QFile::remove(RecoveryNote(copy.base));
}

QString Question(const LeftCopy& copy) {
    const QString name =
        copy.originalName.isEmpty() ? QStringLiteral("(名前のない新しい楽譜)") : copy.originalName;
    return QString::fromUtf8(kRecoveryQuestion)
        .arg(name, copy.written.toLocalTime().toString(QStringLiteral("yyyy/MM/dd H:mm:ss")));
}

bool Restore(Form1& form, const LeftCopy& copy) {
    SornData& doc = form.Document();
    const std::string path = RecoveryScore(copy.base).toStdString();
    std::error_code error;
    const OpenResult result = doc.FileOpen(path, form.Outside().boxes, &error);
    if (result == OpenResult::Refused) return false;
    if (result != OpenResult::Opened) {
        form.Outside().boxes.Show("復元用コピーを開くことができませんでした。\n" + path + "\n" +
                                      ErrorReason(error, FileAction::Read),
                                  MsgButtons::Ok, MsgIcon::Warning);
        return false;
    }
    doc.SetSornFileName(copy.originalName.toStdString());
    // No state of this run matches the file on disk, so no undo may clear the mark.
    form.ForgetHistory();
    form.History().Stack().resetClean();
    Editing::MarkChanged(form.State());
    MdMain::RefreshAfterEdit(form);
    return true;
}

} // namespace

std::vector<LeftCopy> FindLeftCopies() {
    const QDir folder(RecoveryFolder());
    std::vector<LeftCopy> copies;
    for (const QFileInfo& score : folder.entryInfoList({QStringLiteral("*.sorn")}, QDir::Files,
                                                       QDir::Time | QDir::Reversed)) {
        LeftCopy copy;
        copy.base = score.absolutePath() + u'/' + score.completeBaseName();
        copy.lock = std::make_unique<QLockFile>(RecoveryLock(copy.base));
        copy.lock->setStaleLockTime(0); // a live editor's copy is never taken
        if (!copy.lock->tryLock(0)) continue;
        QFile noteFile(RecoveryNote(copy.base));
        const QJsonObject note = noteFile.open(QIODevice::ReadOnly)
                                     ? QJsonDocument::fromJson(noteFile.readAll()).object()
                                     : QJsonObject();
        copy.originalName = note.value(QStringLiteral("file")).toString();
        copy.written = QDateTime::fromString(note.value(QStringLiteral("written")).toString(),
                                             Qt::ISODateWithMs);
        if (!copy.written.isValid()) copy.written = score.lastModified();
        copies.push_back(std::move(copy));
    }
    return copies;
}

void OfferRecovery(Form1& form) {
    MessageBoxes& boxes = form.Outside().boxes;
    for (LeftCopy& copy : FindLeftCopies()) {
        switch (
            boxes.Show(Question(copy).toStdString(), MsgButtons::YesNoCancel, MsgIcon::Question)) {
        case MsgResult::Yes:
            if (Restore(form, copy)) {
                form.AutoSaver().Adopt(copy.base, std::move(copy.lock));
                return; // one score per editor; the others wait for the next start
            }
            break;
        case MsgResult::No:
            if (boxes.Show(kRecoveryDeleteQuestion, MsgButtons::YesNoCancel, MsgIcon::Warning) ==
                MsgResult::Yes)
                Remove(copy);
            break;
        default:
            break;
        }
    }
}

} // namespace sorn

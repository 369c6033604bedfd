#include "app/MdMain.h"

#include "app/Editing.h"
#include "app/Form1.h"
#include "interchange/MusicXmlImport.h"
#include "model/ErrorReason.h"
#include "model/ScoreFileTexts.h"
#include "platform/FileDialogs.h"
#include "platform/QtFileDialogs.h"

#include <QCoreApplication>
#include <QScrollBar>

namespace sorn::MdMain {

namespace {

void ResetCursor(Form1& form) {
    EditorState& s = form.State();
    s.CursorPitch = 128;
    s.CursorColumn = 0;
    form.FlatScrollBar1->setValue(0);
    form.FlatScrollBar2->setValue(0);
}

// At start-up no score is open that could stay.
std::string NotAScoreText(const std::string& name, bool scoreOpen) {
    const QString text =
        (scoreOpen
             ? QCoreApplication::translate(
                   "sorn::MdMain", "このファイルは楽譜ではないため開くことができません。\n%1\n"
                                   "開いている楽譜はそのまま残ります。")
             : QCoreApplication::translate(
                   "sorn::MdMain", "このファイルは楽譜ではないため開くことができません。\n%1"))
            .arg(QString::fromStdString(name));
    return text.toStdString();
}

} // namespace

FileDialogRequest ScoreFileDialog(const std::string& presetName) {
    return {QCoreApplication::translate("sorn::MdMain", "楽譜ファイル|*.sorn").toStdString(),
            "sorn", DocumentsFolder(), presetName};
}

// Open also reads MusicXML from other programs.
FileDialogRequest OpenFileDialog() {
    return {QCoreApplication::translate(
                "sorn::MdMain", "楽譜ファイル|*.sorn|MusicXMLファイル|*.musicxml;*.xml;*.mxl")
                .toStdString(),
            "sorn", DocumentsFolder(), ""};
}

void New(Form1& form) {
    if (AskToSave(form) == 1) return;
    ResetCursor(form);
    form.Document().FileNew();
    // A new score is untitled: keeping the last file's name would offer that
    // file to Save and to the recovery copy, and name the window after it.
    form.Document().SetSornFileName({});
    form.ForgetHistory();
    Editing::MarkUnchanged(form.State());
    form.DocumentSettled({});
    RefreshAfterEdit(form);
}

int Open(Form1& form, const std::string& fileName) {
    if (AskToSave(form) == 1) return kCancelled;
    std::string name = fileName;
    if (name.empty()) {
        auto chosen = form.Outside().dialogs.OpenFile(OpenFileDialog());
        if (!chosen) return kFailed;
        name = *chosen;
    }
    std::error_code error;
    const OpenResult result =
        IsMusicXmlName(name) ? OpenMusicXml(form.Document(), name, form.Outside().boxes, &error)
                             : form.Document().FileOpen(name, form.Outside().boxes, &error);
    switch (result) {
    case OpenResult::Opened:
        break;
    case OpenResult::NotAScore:
        // Nothing was read, so the open score keeps its mark and its history.
        form.Outside().boxes.Show(NotAScoreText(name, form.Document().HasParts()), MsgButtons::Ok,
                                  MsgIcon::Warning);
        return kFailed;
    case OpenResult::Refused:
        return kFailed;
    case OpenResult::Failed:
        form.Outside().boxes.ShowMessage(texts::OpenFailed(name, error), MsgButtons::Ok,
                                         MsgIcon::Warning);
        return kFailed;
    }
    ResetCursor(form);
    form.ForgetHistory();
    Editing::MarkUnchanged(form.State());
    form.DocumentSettled(name);
    RefreshAfterEdit(form);
    return kDone;
}

int Save(Form1& form) {
    SornData& doc = form.Document();
    auto chosen = form.Outside().dialogs.SaveFile(ScoreFileDialog(doc.SornFileName()));
    if (!chosen) return kFailed;
    if (std::error_code error = doc.FileSave(*chosen)) {
        form.Outside().boxes.ShowMessage(texts::SaveFailed(*chosen, error), MsgButtons::Ok,
                                         MsgIcon::Warning);
        return kFailed;
    }
    form.History().SetClean();
    Editing::MarkUnchanged(form.State());
    form.DocumentSettled(*chosen);
    return kDone;
}

int AskToSave(Form1& form) {
    if (!form.State().ScoreModified) return 0;
    switch (form.Outside().boxes.Show(
        QCoreApplication::translate("sorn::MdMain", kUnsavedQuestion).toStdString(),
        MsgButtons::YesNoCancel, MsgIcon::Question)) {
    case MsgResult::Yes:
        return Save(form);
    case MsgResult::No:
        return 0;
    default:
        return 1;
    }
}

void RefreshAfterEdit(Form1& form) {
    form.FlatScrollBar2->setMaximum(form.Document().PartSuu());
    form.FlatScrollBar1->setMaximum(form.Document().Length());
    form.RedrawScore();
}

} // namespace sorn::MdMain

#pragma once
// The document commands of the main window: new, open, save, the question
// about unsaved changes, and the refresh after an edit.

#include <QtGlobal>
#include <string>

namespace sorn {

class Form1;
struct FileDialogRequest;

namespace MdMain {

inline constexpr int kDone = 0;
inline constexpr int kFailed = 1;
inline constexpr int kCancelled = 2;

void New(Form1& form);
// An empty name asks for one. 0 opened, 1 failed, 2 cancelled at the save question.
int Open(Form1& form, const std::string& fileName);
// 0 saved, 1 not saved (the score stays marked as changed).
int Save(Form1& form);
// 0 go on, 1 stop.
int AskToSave(Form1& form);
void RefreshAfterEdit(Form1& form);

FileDialogRequest ScoreFileDialog(const std::string& presetName);
FileDialogRequest OpenFileDialog();

inline constexpr const char* kUnsavedQuestion = QT_TRANSLATE_NOOP(
    "sorn::MdMain", "データを保存をした後に楽譜が変更されています。\n楽譜を保存をしますか？");

} // namespace MdMain
} // namespace sorn

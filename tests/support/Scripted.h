#pragma once
// Stand-ins for the dialogs a user would answer: each records what was
// asked and gives the next scripted answer.

#include "model/MessageBoxes.h"
#include "platform/FileDialogs.h"
#include "platform/Shell.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace sorn::test {

struct ShownMessage {
    std::string text;
    MsgButtons buttons;
    MsgIcon icon;
};

class ScriptedMessageBoxes : public MessageBoxes {
public:
    std::deque<MsgResult> answers; // an empty script answers Ok / Cancel
    std::vector<ShownMessage> shown;

    MsgResult Show(std::string_view text, MsgButtons buttons, MsgIcon icon) override {
        shown.push_back({std::string(text), buttons, icon});
        if (answers.empty())
            return buttons == MsgButtons::YesNoCancel ? MsgResult::Cancel : MsgResult::Ok;
        MsgResult answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class ScriptedFileDialogs : public FileDialogs {
public:
    std::deque<std::optional<std::string>> answers; // nullopt: the user cancels
    std::vector<FileDialogRequest> openRequests;
    std::vector<FileDialogRequest> saveRequests;
    std::vector<FileDialogRequest> folderRequests;

    std::optional<std::string> OpenFile(const FileDialogRequest& request) override {
        openRequests.push_back(request);
        return Next();
    }
    std::optional<std::string> SaveFile(const FileDialogRequest& request) override {
        saveRequests.push_back(request);
        return Next();
    }
    std::optional<std::string> ChooseFolder(const FileDialogRequest& request) override {
        folderRequests.push_back(request);
        return Next();
    }

private:
    std::optional<std::string> Next() {
        if (answers.empty()) return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class RecordingShell : public Shell {
public:
    std::vector<std::string> opened;
    bool succeeds = true; // false: as if no program were installed for the file
    void Open(const std::string& path, std::function<void()> failed) override {
        opened.push_back(path);
        if (!succeeds) failed();
    }
};

} // namespace sorn::test

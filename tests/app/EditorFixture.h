#pragma once
// The real main window with scripted dialogs, as a user would meet it.

#include "app/Form1.h"
#include "support/FreshSettings.h"
#include "support/Scripted.h"

#include <QCoreApplication>
#include <deque>
#include <memory>
#include <string>

namespace sorn::test {

struct Editor {
    FreshSettings settings;
    ScriptedMessageBoxes boxes;
    ScriptedFileDialogs dialogs;
    RecordingShell shell;
    std::unique_ptr<Form1> form;

    // startAnswers answer the questions start-up asks (a recovery copy left behind).
    explicit Editor(const std::string& commandLine = {}, std::deque<MsgResult> startAnswers = {}) {
        boxes.answers = std::move(startAnswers);
        form = std::make_unique<Form1>(Services{boxes, dialogs, shell},
                                       QCoreApplication::applicationDirPath().toStdString());
        // Entered notes stay silent unless a test gives them a synthesizer.
        form->UseNoteSynth(nullptr);
        form->Form_Load(commandLine);
        form->show();
        QCoreApplication::processEvents();
    }
    SornData& doc() { return form->Document(); }
    EditorState& state() { return form->State(); }
    // An edit as the keyboard makes it: one note, the score marked changed.
    void EnterNote() {
        doc().SetGData1(0, 0, 0, 3, 130);
        state().ScoreModified = true;
    }
};

} // namespace sorn::test

#pragma once
// Each window or dialog under test starts from the default choices of the
// menus and dialogs. What a test of remembering sets up on purpose (window
// placement, recent files, the autosave interval) is left alone.

#include "platform/EditorSettings.h"

namespace sorn::test {

struct FreshSettings {
    FreshSettings() {
        EditorSettings settings;
        for (const char* group : {"edit", "listen", "view", "print", "audio", "musicxml"})
            settings.remove(QString::fromLatin1(group));
    }
};

} // namespace sorn::test

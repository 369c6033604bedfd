#pragma once
// The user's settings: recent files, window placement, dialog folders and
// the autosave interval, in one file of the user's configuration folder.

#include <QSettings>
#include <QString>

namespace sorn {

// ~/.config/sorn-editor/sorn-editor.conf (or under XDG_CONFIG_HOME).
QString SettingsFilePath();
// Empty while the settings file may be read and replaced; otherwise why it
// is left alone, for the user. Opening a FIFO would hang the start, and a
// device (or a link to one) must never be replaced by a regular file.
QString SettingsFileProblem();

class EditorSettings : public QSettings {
public:
    // A settings file that must be left alone is neither read nor written:
    // this run keeps its settings in a private file of its own instead.
    EditorSettings();
};

inline constexpr const char* kSettingsFileRefused = QT_TRANSLATE_NOOP(
    "sorn::EditorSettings", "設定ファイルが通常のファイルではないため、読み書きしません。\n%1\n"
                            "この起動中に変えた設定は保存されません。");

} // namespace sorn

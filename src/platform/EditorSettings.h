#pragma once
// The user's settings: recent files, window placement, dialog folders and
// the autosave interval, in one file of the user's configuration folder.

#include <QSettings>

namespace sorn {

class EditorSettings : public QSettings {
public:
    EditorSettings() : QSettings(QStringLiteral("sorn-editor"), QStringLiteral("sorn-editor")) {}
};

} // namespace sorn

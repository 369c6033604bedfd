#pragma once
// The language of the interface: Japanese (the source texts) or English,
// chosen by the user's setting (表示 → 言語) or else by the locale.

#include <QString>

class QMenu;

namespace sorn {

class MessageBoxes;

enum class LanguageChoice { System, Japanese, English };

// The setting as remembered; System when there is none or it is unknown.
LanguageChoice SavedLanguageChoice();
// English when chosen, or when the choice is the system's and the locale asks for it.
bool ChoiceIsEnglish(LanguageChoice choice);

// Installs the translators for the saved choice into the running
// application: ours and the toolkit's own, from the data folder beside the
// program. Japanese needs none of ours (it is the source language). Returns
// whether the interface is English; a missing translation leaves Japanese.
bool InstallTranslators(const QString& dataFolder);
// The same for a given language; what InstallTranslators does after choosing.
bool InstallLanguage(bool english, const QString& dataFolder);
// Takes the installed translators out again: Japanese, as without them.
void RemoveTranslators();
// The language installed at start: the help page and the like follow it.
bool InterfaceIsEnglish();

// The 言語 submenu of the view menu: three radio items that remember the
// choice and say, in the chosen language, that it applies at the next start.
QMenu* AddLanguageMenu(QMenu* view, MessageBoxes& boxes);

} // namespace sorn

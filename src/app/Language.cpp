#include "app/Language.h"

#include "model/Language.h"
#include "model/MessageBoxes.h"
#include "platform/EditorSettings.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QTranslator>
#include <memory>
#include <string_view>

namespace sorn {

namespace {

const QString kLanguageSetting = QStringLiteral("view/language");
bool english = false;
// Installed while they exist: a QTranslator takes itself out when destroyed.
std::unique_ptr<QTranslator> ours;
std::unique_ptr<QTranslator> toolkit;

struct ChoiceName {
    LanguageChoice choice;
    const char* key;
};
constexpr ChoiceName kChoiceNames[] = {{LanguageChoice::System, "system"},
                                       {LanguageChoice::Japanese, "ja"},
                                       {LanguageChoice::English, "en"}};

const char* KeyOf(LanguageChoice choice) {
    for (const ChoiceName& name : kChoiceNames)
        if (name.choice == choice) return name.key;
    return "system";
}

// The confirmation is written in the language the next start will show, so
// a user who cannot read the present one still learns what happens.
std::string_view NextStartText(bool inEnglish) {
    return inEnglish ? "The interface will be in English from the next start."
                     : "次回の起動から表示が日本語になります。";
}

} // namespace

LanguageChoice SavedLanguageChoice() {
    const QString saved = EditorSettings().value(kLanguageSetting).toString();
    for (const ChoiceName& name : kChoiceNames)
        if (saved == QLatin1String(name.key)) return name.choice;
    return LanguageChoice::System;
}

bool ChoiceIsEnglish(LanguageChoice choice) {
    return choice == LanguageChoice::English ||
           (choice == LanguageChoice::System && LanguageFromEnvironment() == Language::English);
}

bool InstallTranslators(const QString& dataFolder) {
    return InstallLanguage(ChoiceIsEnglish(SavedLanguageChoice()), dataFolder);
}

bool InstallLanguage(bool wantEnglish, const QString& dataFolder) {
    RemoveTranslators();
    ours = std::make_unique<QTranslator>();
    if (wantEnglish &&
        ours->load(QStringLiteral("sorn-editor_en"), dataFolder + QStringLiteral("translations"))) {
        QCoreApplication::installTranslator(ours.get());
        english = true;
    }
    // Words the core draws itself (an unnamed part's instrument) follow too.
    SetDrawnLanguage(english ? Language::English : Language::Japanese);
    // The toolkit's own buttons and standard dialogs follow the same language.
    toolkit = std::make_unique<QTranslator>();
    if (toolkit->load(QLocale(english ? QLocale::English : QLocale::Japanese),
                      QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(toolkit.get());
    return english;
}

void RemoveTranslators() {
    ours.reset();
    toolkit.reset();
    english = false;
    SetDrawnLanguage(Language::Japanese);
}

bool InterfaceIsEnglish() {
    return english;
}

QMenu* AddLanguageMenu(QMenu* view, MessageBoxes& boxes) {
    view->addSeparator();
    QMenu* menu = view->addMenu(QCoreApplication::translate("sorn::Language", "言語"));
    auto* group = new QActionGroup(menu);
    const LanguageChoice saved = SavedLanguageChoice();
    const std::pair<LanguageChoice, QString> items[] = {
        // Each language names itself, so it can be found from the other one.
        {LanguageChoice::Japanese, QStringLiteral("日本語")},
        {LanguageChoice::English, QStringLiteral("English")},
        {LanguageChoice::System,
         QCoreApplication::translate("sorn::Language", "システムに合わせる")}};
    for (const auto& [choice, caption] : items) {
        QAction* action = menu->addAction(caption);
        action->setCheckable(true);
        action->setChecked(choice == saved);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, menu, [choice, &boxes] {
            if (choice == SavedLanguageChoice()) return;
            EditorSettings().setValue(kLanguageSetting, QLatin1String(KeyOf(choice)));
            boxes.Show(NextStartText(ChoiceIsEnglish(choice)), MsgButtons::Ok, MsgIcon::None);
        });
    }
    return menu;
}

} // namespace sorn

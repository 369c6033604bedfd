// The File menu's choice of how the MusicXML export writes repeats: only
// when the parts repeat differently, always, or never written out in playing
// order. The choice is remembered.

#include "app/Form1.h"
#include "platform/EditorSettings.h"

#include <QActionGroup>
#include <QMenu>

namespace sorn {

namespace {
const QString kUnfoldSetting = QStringLiteral("musicxml/unfoldRepeats");
} // namespace

void Form1::BuildUnfoldItems() {
    mnuFileUnfold = mnuFile->addMenu(tr("MusicXMLの繰り返し(&K)"));
    auto* group = new QActionGroup(mnuFileUnfold);
    auto choice = [&](const QString& caption, UnfoldRepeats unfold) {
        QAction* action = mnuFileUnfold->addAction(caption);
        action->setCheckable(true);
        action->setActionGroup(group);
        action->setData(QString::fromUtf8(NameOf(unfold).data(),
                                          static_cast<qsizetype>(NameOf(unfold).size())));
        connect(action, &QAction::triggered, this,
                [action] { EditorSettings().setValue(kUnfoldSetting, action->data()); });
        return action;
    };
    mnuFileUnfoldAuto =
        choice(tr("パートごとに違うときだけ演奏順に書き出す(&A)"), UnfoldRepeats::Auto);
    mnuFileUnfoldAlways = choice(tr("いつも演奏順に書き出す(&U)"), UnfoldRepeats::Always);
    mnuFileUnfoldNever = choice(tr("繰り返し記号のまま書き出す(&N)"), UnfoldRepeats::Never);
    const std::string remembered = EditorSettings().value(kUnfoldSetting).toString().toStdString();
    switch (UnfoldRepeatsNamed(remembered).value_or(UnfoldRepeats::Auto)) {
    case UnfoldRepeats::Always:
        mnuFileUnfoldAlways->setChecked(true);
        break;
    case UnfoldRepeats::Never:
        mnuFileUnfoldNever->setChecked(true);
        break;
    case UnfoldRepeats::Auto:
        mnuFileUnfoldAuto->setChecked(true);
        break;
    }
}

UnfoldRepeats Form1::ChosenUnfold() const {
    if (mnuFileUnfoldAlways->isChecked()) return UnfoldRepeats::Always;
    if (mnuFileUnfoldNever->isChecked()) return UnfoldRepeats::Never;
    return UnfoldRepeats::Auto;
}

} // namespace sorn

#include "platform/QtMessageBoxes.h"

#include "platform/MessageText.h"
#include <QCoreApplication>

#include <QMessageBox>

namespace sorn {

MsgResult QtMessageBoxes::Show(std::string_view text, MsgButtons buttons, MsgIcon icon) {
    QMessageBox box(parent_);
    box.setWindowTitle(QCoreApplication::translate("sorn::QtMessageBoxes", kAppTitle));
    box.setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    switch (icon) {
    case MsgIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MsgIcon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    }
    if (buttons == MsgButtons::YesNoCancel) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MsgResult::Yes;
    case QMessageBox::No:
        return MsgResult::No;
    case QMessageBox::Cancel:
        return MsgResult::Cancel;
    default:
        return buttons == MsgButtons::YesNoCancel ? MsgResult::Cancel : MsgResult::Ok;
    }
}

MsgResult QtMessageBoxes::ShowMessage(const Message& message, MsgButtons buttons, MsgIcon icon) {
    return Show(Text(message).toStdString(), buttons, icon);
}

} // namespace sorn

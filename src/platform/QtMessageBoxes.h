#pragma once

#include "model/MessageBoxes.h"

#include <QtGlobal>

class QWidget;

namespace sorn {

inline constexpr const char* kAppTitle =
    QT_TRANSLATE_NOOP("sorn::QtMessageBoxes", "SORN楽譜エディタ");

// Real message boxes, modal over the main window.
class QtMessageBoxes : public MessageBoxes {
public:
    void SetParent(QWidget* parent) { parent_ = parent; }
    MsgResult Show(std::string_view text, MsgButtons buttons, MsgIcon icon) override;
    MsgResult ShowMessage(const Message& message, MsgButtons buttons, MsgIcon icon) override;

private:
    QWidget* parent_ = nullptr;
};

} // namespace sorn

#pragma once
// The leading number of a text box, the one rule for every dialog.

#include "model/LeadingNumber.h"

#include <QString>

namespace sorn {

// Full-width digits typed through an input method ("３") count as digits.
inline double TextBoxNumber(const QString& text) {
    return LeadingNumber(text.normalized(QString::NormalizationForm_KC).toStdString());
}

} // namespace sorn

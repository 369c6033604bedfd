#include "platform/MessageText.h"

#include "sound/InstrumentNames.h"

#include <QCoreApplication>

namespace sorn {

QString Text(const Message& message) {
    // The same filling in as the batch's, with Qt's translators choosing.
    return QString::fromStdString(
        FormatMessage(message, [](std::string_view context, std::string_view source) {
            const std::string c(context), s(source);
            return QCoreApplication::translate(c.c_str(), s.c_str()).toStdString();
        }));
}

QString InstrumentText(int program) {
    if (program < 0 || program > 127) return {};
    const std::string name(InstrumentName(static_cast<std::int16_t>(program + 1)));
    return QCoreApplication::translate(kInstrumentsContext, name.c_str());
}

} // namespace sorn

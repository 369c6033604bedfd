#pragma once
// The message the dialogs give for a title or a name over its size.

#include <QCoreApplication>
#include <QString>
#include <cstddef>
#include <string>

namespace sorn {

// The limit counts UTF-8 bytes; a kana or kanji takes three of them.
inline std::string TooLongText(const QString& caption, std::size_t limit) {
    return QCoreApplication::translate("sorn::WordsText",
                                       "「%1」は%2バイト（全角でおよそ%3文字）までにしてください。")
        .arg(caption)
        .arg(limit)
        .arg(limit / 3)
        .toStdString();
}

} // namespace sorn

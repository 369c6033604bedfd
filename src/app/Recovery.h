#pragma once
// At start-up: recovery copies left by an editor that is no longer running
// are offered back, one at a time, until one is restored.

#include <QDateTime>
#include <QString>
#include <memory>
#include <vector>

class QLockFile;

namespace sorn {

class Form1;

struct LeftCopy {
    QString base;
    QString originalName; // empty for a score that was never saved
    QDateTime written;
    std::unique_ptr<QLockFile> lock; // held: no other editor takes the copy meanwhile
};

// The copies in the recovery folder whose editor has gone, oldest first.
std::vector<LeftCopy> FindLeftCopies();

// Asks about each left copy: restore it (the score opens as changed under
// its own name, so 保存 writes it back), delete it after a second question,
// or keep it for the next start.
void OfferRecovery(Form1& form);

inline constexpr const char* kRecoveryQuestion =
    "保存されていない楽譜の復元用コピーが見つかりました。\n"
    "ファイル: %1\n書き込んだ時刻: %2\n\n"
    "復元しますか？\n(「いいえ」で削除、「キャンセル」で次回の起動まで残します)";
inline constexpr const char* kRecoveryDeleteQuestion =
    "この復元用コピーを削除すると、保存されていない変更は元に戻せません。\n削除しますか？";

} // namespace sorn

#pragma once
// At start-up: what editors that have gone left in the recovery folder is
// tidied, and the copies they left are offered back in one list.

#include "app/RecoveryFiles.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <memory>
#include <vector>

class QLockFile;

namespace sorn {

class Form1;

struct LeftCopy {
    QString base;
    QString originalName; // empty for a score that was never saved
    QDateTime written;
    bool incomplete = false;         // shorter than, or not what, its note says was written
    std::unique_ptr<QLockFile> lock; // held: no other editor takes the copy meanwhile
};

struct LeftCopies {
    std::vector<LeftCopy> copies; // newest first
    QStringList skipped;          // names in the folder that were not read
    QString folderProblem;
};

// The copies in the recovery folder whose editor has gone. A copy, note or
// lock that is a link, not a regular file or not the user's is skipped.
LeftCopies FindLeftCopies();

// Tells about a settings file or recovery files left alone, then lists the
// left copies: the chosen one is restored (it opens as changed under its
// own name, so 保存 writes it back), the others are kept or deleted.
void OfferRecovery(Form1& form);

inline constexpr const char* kRecoverySkipped = QT_TRANSLATE_NOOP(
    "sorn::Recovery",
    "復元用フォルダの次のファイルは、リンクや特殊なファイルであるか、ご自分のものでないため、"
    "開かずに残しました。\n%1");
inline constexpr const char* kRecoveryDeleteQuestion = QT_TRANSLATE_NOOP(
    "sorn::Recovery",
    "削除した復元用コピーの、保存されていない変更は元に戻せません。\n%1個のコピーを削除しますか？");
inline constexpr const char* kRecoveryOpenFailed =
    QT_TRANSLATE_NOOP("sorn::Recovery", "復元用コピーを開くことができませんでした。\n%1\n%2");
inline constexpr const char* kRecoveryIncomplete = QT_TRANSLATE_NOOP(
    "sorn::Recovery",
    "この復元用コピーは書き込みが途中で終わっています。最後に入力した部分が欠けているかもしれません"
    "。\n"
    "内容を確かめてから保存してください。");

} // namespace sorn

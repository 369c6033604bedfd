#include "model/ErrorReason.h"

#include <cerrno>

namespace sorn {

Message ErrorReason(std::error_code error, FileAction action) {
    const bool writing = action == FileAction::Write;
    switch (error.value()) {
    case ENOSPC:
    case EDQUOT:
        return CoreMessage(SORN_TRANSLATE_NOOP("Core", "ディスクの空き容量が足りません。"));
    case EFBIG:
        return CoreMessage(SORN_TRANSLATE_NOOP("Core", "ファイルが大きすぎて書き込めません。"));
    case EACCES:
    case EPERM:
        return writing ? CoreMessage(
                             SORN_TRANSLATE_NOOP("Core", "この場所に書き込む権限がありません。"))
                       : CoreMessage(
                             SORN_TRANSLATE_NOOP("Core", "このファイルを読む権限がありません。"));
    case EROFS:
        return CoreMessage(SORN_TRANSLATE_NOOP("Core", "読み取り専用の場所には保存できません。"));
    case ENOENT:
    case ENOTDIR:
        return writing
                   ? CoreMessage(SORN_TRANSLATE_NOOP("Core", "保存先のフォルダが見つかりません。"))
                   : CoreMessage(SORN_TRANSLATE_NOOP("Core", "ファイルが見つかりません。"));
    case EISDIR:
        return CoreMessage(SORN_TRANSLATE_NOOP("Core", "フォルダが指定されました。"));
    case ENAMETOOLONG:
        return CoreMessage(SORN_TRANSLATE_NOOP("Core", "ファイル名が長すぎます。"));
    case ETIMEDOUT:
        // A FIFO nobody writes to, or a terminal nobody types into.
        return CoreMessage(SORN_TRANSLATE_NOOP(
            "Core", "データが届きませんでした。書き込む側が始まっているか確かめてください。"));
    case EIO:
        return CoreMessage(SORN_TRANSLATE_NOOP("Core", "ディスクの読み書きでエラーが起きました。"));
    default:
        // The system's own words, as it gives them.
        return writing ? CoreMessage(SORN_TRANSLATE_NOOP("Core", "ファイルを書き込めません(%1)。"),
                                     error.message())
                       : CoreMessage(SORN_TRANSLATE_NOOP("Core", "ファイルを読み込めません(%1)。"),
                                     error.message());
    }
}

} // namespace sorn

#include "model/ErrorReason.h"

#include <cerrno>

namespace sorn {

std::string ErrorReason(std::error_code error, FileAction action) {
    const bool writing = action == FileAction::Write;
    switch (error.value()) {
    case ENOSPC:
    case EDQUOT:
        return "ディスクの空き容量が足りません。";
    case EFBIG:
        return "ファイルが大きすぎて書き込めません。";
    case EACCES:
    case EPERM:
        return writing ? "この場所に書き込む権限がありません。"
                       : "このファイルを読む権限がありません。";
    case EROFS:
        return "読み取り専用の場所には保存できません。";
    case ENOENT:
    case ENOTDIR:
        return writing ? "保存先のフォルダが見つかりません。" : "ファイルが見つかりません。";
    case EISDIR:
        return "フォルダが指定されました。";
    case ENAMETOOLONG:
        return "ファイル名が長すぎます。";
    case ETIMEDOUT:
        // A FIFO nobody writes to, or a terminal nobody types into.
        return "データが届きませんでした。書き込む側が始まっているか確かめてください。";
    case EIO:
        return "ディスクの読み書きでエラーが起きました。";
    default:
        return (writing ? "ファイルを書き込めません(" : "ファイルを読み込めません(") +
               error.message() + ")。";
    }
}

} // namespace sorn

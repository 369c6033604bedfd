#include "sound/ExportError.h"

#include <cerrno>

namespace sorn {

ExportError ExportError::FromFile(std::error_code error) {
    std::string text;
    switch (error.value()) {
    case ENOSPC:
    case EDQUOT:
        text = "ディスクの空き容量が足りません。";
        break;
    case EFBIG:
        text = "ファイルが大きすぎて書き込めません。";
        break;
    case EACCES:
    case EPERM:
        text = "この場所に書き込む権限がありません。";
        break;
    case EROFS:
        text = "読み取り専用の場所には保存できません。";
        break;
    case ENOENT:
    case ENOTDIR:
        text = "保存先のフォルダが見つかりません。";
        break;
    case EISDIR:
        text = "フォルダが指定されました。";
        break;
    case ENAMETOOLONG:
        text = "ファイル名が長すぎます。";
        break;
    case EIO:
        text = "ディスクの読み書きでエラーが起きました。";
        break;
    default:
        text = "ファイルを書き込めません(" + error.message() + ")。";
        break;
    }
    return {error.value() != 0 ? error.value() : EIO, std::move(text)};
}

} // namespace sorn

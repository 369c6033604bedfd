#include "app/ErrorTexts.h"

#include <cerrno>

namespace sorn {

std::string ErrorReason(std::error_code error) {
    if (error.category() == std::generic_category() || error.category() == std::system_category()) {
        switch (error.value()) {
        case ENOSPC:
        case EDQUOT:
            return "ディスクの空き容量が足りません。";
        case EACCES:
        case EPERM:
            return "この場所に書き込む(読み込む)権限がありません。";
        case EROFS:
            return "読み取り専用の場所には保存できません。";
        case ENOENT:
            return "ファイルまたはフォルダが見つかりません。";
        case EISDIR:
            return "フォルダが指定されました。";
        case ENAMETOOLONG:
            return "ファイル名が長すぎます。";
        case EIO:
            return "ディスクの読み書きでエラーが起きました。";
        default:
            break;
        }
    }
    return "エラー " + std::to_string(error.value()) + " (" + error.message() + ")";
}

} // namespace sorn

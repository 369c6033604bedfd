#include "dialogs/ReplaceFiles.h"

#include "model/MessageBoxes.h"
#include <QCoreApplication>

#include <filesystem>

namespace sorn {

bool MayReplaceFiles(MessageBoxes& boxes, const std::vector<std::string>& paths) {
    std::string existing;
    int existingCount = 0;
    constexpr int kMostListed = 10;
    for (const std::string& path : paths) {
        std::error_code ec;
        if (!std::filesystem::exists(path, ec)) continue;
        if (++existingCount > kMostListed) continue;
        // Appended piece by piece: "\n" + name trips a false overlap warning of the compiler.
        existing += '\n';
        existing += std::filesystem::path(path).filename().string();
    }
    if (existingCount > kMostListed)
        existing += QCoreApplication::translate("sorn::ReplaceFiles", "\nほか %1 個")
                        .arg(existingCount - kMostListed)
                        .toStdString();
    return existingCount == 0 ||
           boxes.Show(QCoreApplication::translate("sorn::ReplaceFiles",
                                                  "次のファイルはもうあります。置き換えますか?")
                              .toStdString() +
                          existing,
                      MsgButtons::YesNoCancel, MsgIcon::Question) == MsgResult::Yes;
}

} // namespace sorn

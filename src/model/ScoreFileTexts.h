#pragma once
// The messages a score file can give rise to, the same in the window and on
// the command line.

#include "model/ErrorReason.h"
#include "model/Message.h"

#include <string>
#include <system_error>

namespace sorn::texts {

inline constexpr const char* UnknownFormat = SORN_TRANSLATE_NOOP(
    "Core",
    "このファイルを開くことはできません。\n最新バージョンのSORN楽譜エディタをご使用ください。");
inline constexpr const char* NewerVersion =
    SORN_TRANSLATE_NOOP("Core", "ファイル形式が新しいため、一部表示できない可能性があります");
inline constexpr const char* DamagedFile = SORN_TRANSLATE_NOOP(
    "Core",
    "このファイルは壊れているため開くことができません。\n開いている楽譜はそのまま残ります。");
inline constexpr const char* WordsUnreadable =
    SORN_TRANSLATE_NOOP("Core", "この楽譜の曲名・パート名・歌詞の一部を読み込めませんでした。\n"
                                "音符はすべて開きました。読み込めた文字は保存すると残ります。");
// At start-up and on the command line no score is open that could stay.
inline constexpr const char* DamagedFileNothingOpen =
    SORN_TRANSLATE_NOOP("Core", "このファイルは壊れているため開くことができません。");

inline Message OpenFailed(const std::string& path, std::error_code error) {
    return CoreMessage(
        SORN_TRANSLATE_NOOP("Core", "ファイルを開くことができませんでした。\n%1\n%2"), path,
        ErrorReason(error, FileAction::Read));
}

inline Message SaveFailed(const std::string& path, std::error_code error) {
    return CoreMessage(
        SORN_TRANSLATE_NOOP(
            "Core", "楽譜を保存できませんでした。元のファイルは変更されていません。\n%1\n%2"),
        path, ErrorReason(error, FileAction::Write));
}

} // namespace sorn::texts

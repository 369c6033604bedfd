#pragma once
// The messages a score file can give rise to.

namespace sorn::texts {

inline constexpr const char* UnknownFormat =
    "このファイルを開くことはできません。\n最新バージョンのSORN楽譜エディタをご使用ください。";
inline constexpr const char* NewerVersion =
    "ファイル形式が新しいため、一部表示できない可能性があります";
inline constexpr const char* DamagedFile =
    "このファイルは壊れているため開くことができません。\n開いている楽譜はそのまま残ります。";

} // namespace sorn::texts

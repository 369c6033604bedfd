#include "sound/Timbre.h"

#include "model/UniqueFd.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <limits>
#include <optional>
#include <string_view>
#include <unistd.h>

namespace sorn {

namespace {

constexpr std::size_t kHkiBytes = 2 * TimbreTableSize;
// 2π / 100000 as the timbre files have always been built with; the extra
// digits of the constant decide single entries (25000 is exactly 32767).
constexpr double kAngleConstant = 6.28318530717959;
constexpr double kAngleScale = 1e-5;
constexpr double kFullScale = 32767;

bool EndsWithNoCase(std::string_view name, std::string_view suffix) {
    if (name.size() < suffix.size()) return false;
    name.remove_prefix(name.size() - suffix.size());
    return std::equal(name.begin(), name.end(), suffix.begin(), [](char a, char b) {
        return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == b;
    });
}

bool IsHki(std::string_view name) {
    return EndsWithNoCase(name, ".hki");
}
bool IsHki2(std::string_view name) {
    return EndsWithNoCase(name, ".hki2");
}

std::string PathOf(const std::string& AppPath, const std::string& name) {
    if (!name.empty() && name.front() == '/') return name;
    std::string path = AppPath;
    if (!path.empty() && path.back() != '/') path += '/';
    for (char c : name)
        path += c == '\\' ? '/' : c;
    return path;
}

std::string Quoted(const std::string& name) {
    return "音色ファイル「" + name + "」";
}

ExportError FileError(int error, const std::string& name) {
    std::string text;
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        text = Quoted(name) + "が見つかりません。";
        break;
    case EACCES:
    case EPERM:
        text = Quoted(name) + "を読む権限がありません。";
        break;
    case EISDIR:
        text = Quoted(name) + "はフォルダです。";
        break;
    default:
        text = Quoted(name) + "を読めません(" + std::strerror(error) + ")。";
        break;
    }
    return {error != 0 ? error : EIO, std::move(text)};
}

// Reads up to limit bytes (all of it when limit is 0).
ExportError ReadFile(const std::string& path, const std::string& name, std::string& bytes,
                     std::size_t limit = 0) {
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd) return FileError(errno, name);
    bytes.clear();
    char buffer[65536];
    while (limit == 0 || bytes.size() < limit) {
        std::size_t want = sizeof buffer;
        if (limit != 0) want = std::min(want, limit - bytes.size());
        const ssize_t got = ::read(fd.get(), buffer, want);
        if (got < 0) {
            if (errno == EINTR) continue;
            return FileError(errno, name);
        }
        if (got == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return {};
}

// A decimal number, the whole word: optional sign, digits, fraction, exponent.
std::optional<double> Number(std::string_view word) {
    if (!word.empty() && word.front() == '+') word.remove_prefix(1);
    if (word.empty() || word.front() == '+') return std::nullopt;
    double value = 0;
    const auto [end, ec] =
        std::from_chars(word.data(), word.data() + word.size(), value, std::chars_format::general);
    if (ec != std::errc() || end != word.data() + word.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The lines of a text file, ended by LF, CRLF or a lone CR.
std::vector<std::string_view> Lines(std::string_view text) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (text.starts_with(kBom)) text.remove_prefix(kBom.size());
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        if (end == std::string_view::npos) {
            lines.push_back(text);
            break;
        }
        lines.push_back(text.substr(0, end));
        const std::size_t skip = text.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        text.remove_prefix(end + skip);
    }
    return lines;
}

ExportError LoadHki(const std::string& path, const std::string& name, Timbre& timbre) {
    std::string bytes;
    if (ExportError error = ReadFile(path, name, bytes, kHkiBytes)) return error;
    // A short file leaves the rest of the table silent.
    auto table = timbre.Table();
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto lo = static_cast<std::uint8_t>(bytes[i]);
        const auto hi = static_cast<std::uint8_t>(bytes[i + 1]);
        table[i / 2] = static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | hi << 8));
    }
    return {};
}

ExportError LoadHki2(const std::string& path, const std::string& name, Timbre& timbre) {
    std::string text;
    if (ExportError error = ReadFile(path, name, text)) return error;
    auto table = timbre.Table();
    int lineNumber = 0;
    for (std::string_view line : Lines(text)) {
        ++lineNumber;
        // Words are separated by single spaces, so two spaces make an empty
        // word, which is not a number.
        std::vector<std::string_view> words;
        std::size_t from = 0;
        for (std::size_t i = 0; i <= line.size() && words.size() < 3; ++i)
            if (i == line.size() || line[i] == ' ') {
                words.push_back(line.substr(from, i - from));
                from = i + 1;
            }
        if (words.front() != "sin") continue;

        const std::optional<double> harmonic = words.size() >= 2 ? Number(words[1]) : std::nullopt;
        const std::optional<double> amplitude = words.size() >= 3 ? Number(words[2]) : std::nullopt;
        const double n = harmonic ? std::nearbyint(*harmonic) : 0; // halves to even
        const auto a = static_cast<float>(amplitude.value_or(0));
        if (!harmonic || !amplitude || std::abs(n) > std::numeric_limits<std::int32_t>::max() ||
            !std::isfinite(a))
            return {ExportErrorNumber::TimbreLine,
                    Quoted(name) + "の" + std::to_string(lineNumber) + "行目「" +
                        std::string(line) +
                        "」が読めません。sinの行は「sin 倍音の番号 強さ」の形で、単語の間を空白1"
                        "つで区切ってください。"};

        for (std::int32_t i = 0; i < TimbreTableSize; ++i) {
            const double angle = static_cast<double>(i) * n * kAngleConstant * kAngleScale;
            const double sum =
                table[i] + std::floor(static_cast<double>(a) * std::sin(angle) * kFullScale);
            if (sum < std::numeric_limits<std::int16_t>::min() ||
                sum > std::numeric_limits<std::int16_t>::max()) {
                std::fill(table.begin(), table.end(), std::int16_t{0});
                return {ExportErrorNumber::TimbreOverflow,
                        Quoted(name) + "の" + std::to_string(lineNumber) +
                            "行目までの波を足すと16ビットの範囲を超えます。強さの合計を1以下にして"
                            "ください。"};
            }
            table[i] = static_cast<std::int16_t>(sum);
        }
    }
    return {};
}

} // namespace

ExportError LoadTimbre(const std::string& AppPath, const std::string& OnsyokuFileName,
                       Timbre& timbre) {
    timbre = Timbre();
    if (OnsyokuFileName.empty()) return {};
    const std::string path = PathOf(AppPath, OnsyokuFileName);
    ExportError error;
    if (IsHki(OnsyokuFileName))
        error = LoadHki(path, OnsyokuFileName, timbre);
    else if (IsHki2(OnsyokuFileName))
        error = LoadHki2(path, OnsyokuFileName, timbre);
    else
        error = {ExportErrorNumber::NotATimbre,
                 "「" + OnsyokuFileName + "」は音色ファイル(.hki または .hki2)ではありません。"};
    if (error) timbre = Timbre();
    return error;
}

std::vector<std::string> TimbreNames(const std::string& AppPath) {
    std::vector<std::string> hki2;
    std::vector<std::string> hki;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(AppPath.empty() ? "." : AppPath, ec), end;
         !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        std::string name = it->path().filename().string();
        if (IsHki2(name))
            hki2.push_back(std::move(name));
        else if (IsHki(name))
            hki.push_back(std::move(name));
    }
    std::sort(hki2.begin(), hki2.end());
    std::sort(hki.begin(), hki.end());
    std::vector<std::string> names{DefaultTimbreName};
    names.insert(names.end(), hki2.begin(), hki2.end());
    names.insert(names.end(), hki.begin(), hki.end());
    return names;
}

} // namespace sorn

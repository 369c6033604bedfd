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
#include <numeric>
#include <optional>
#include <string_view>
#include <tuple>
#include <unistd.h>
#include <utility>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace sorn {

namespace {

constexpr std::size_t kHkiBytes = 2 * TimbreTableSize;
// 2π / 100000 as the timbre files have always been built with; the extra
// digits of the constant decide single entries (25000 is exactly 32767).
constexpr double kAngleConstant = 6.28318530717959;
constexpr double kAngleScale = 1e-5;
constexpr double kFullScale = 32767;

// A real ".hki2" is a few lines; these bound what a mistaken or hostile file
// can cost.
constexpr std::size_t kHki2MaxBytes = 1 << 20;
constexpr std::int64_t kHki2MaxPartials = 1024;

// The value of one partial at entry i before it is floored:
// a × sin(i × n × 2π / 100000) × 32767, with the rounding of every
// operation the timbre files have always been built with.
double Partial(double m, float a) {
    return static_cast<double>(a) * std::sin(m * kAngleConstant * kAngleScale) * kFullScale;
}

// sin of entry j of a partial of harmonic 1: every harmonic's sines are
// these, read with a stride. The angle constant lies a little above 2π, so
// the direct sine at a whole number of periods past the first is a tiny
// positive number (at most 1.1e-5 for 32-bit harmonics), and at a half
// period past one a tiny negative one; entry 0 holds a tiny positive number
// too so that those floor alike. (Entry 0 of a partial, sin 0, is set
// directly.)
const std::vector<double>& SineTable() {
    static const std::vector<double> table = [] {
        std::vector<double> sines(TimbreTableSize);
        for (std::int32_t j = 0; j < TimbreTableSize; ++j)
            sines[j] = std::sin(static_cast<double>(j) * kAngleConstant * kAngleScale);
        sines[0] = 1e-200;
        return sines;
    }();
    return table;
}

// The inverse of x modulo m, for x coprime with m.
std::int64_t InverseModulo(std::int64_t x, std::int64_t m) {
    std::int64_t r0 = m, r1 = x % m, t0 = 0, t1 = 1;
    while (r1 != 0) {
        const std::int64_t q = r0 / r1;
        std::tie(r0, r1) = std::pair{r1, r0 - q * r1};
        std::tie(t0, t1) = std::pair{t1, t0 - q * t1};
    }
    return ((t0 % m) + m) % m;
}

// Adds sine partials to a table, each floored before it is added. Harmonic n
// reads the shared sine table at (i × n) mod 100000 instead of calling sin
// 100000 times. That sine can differ from the direct formula's in the last
// bits (the direct angle is a little past whole periods), which only matters
// where a partial lands within a hair of a whole number: those entries are
// recomputed with the direct formula, so the table is the one the files have
// always given. A budget bounds the recomputation for harmonics in the
// millions, where the direct angle itself is rounded so coarsely that nearly
// every entry is such a case; past the budget an entry of such a file may
// differ from the direct formula in its last unit.
class PartialSum {
public:
    // False when an entry leaves the 16-bit range.
    bool Add(std::int32_t harmonic, float amplitude) {
        // Every angle is 0; only harmonics past it read the tiny entry 0.
        if (harmonic == 0) return true;
        // sin is odd: a negative harmonic is the positive one with the sign
        // of the amplitude turned, exactly.
        const std::int64_t n = std::abs(std::int64_t{harmonic});
        const double a = harmonic < 0 ? -static_cast<double>(amplitude) : amplitude;
        // The angle's rounding grows with i × n and the drift of the angle
        // constant past 2π with the periods, both well under 1e-19 per unit
        // of i × n; a few units of the last place come on top.
        const double margin =
            budget_ > 0 ? std::abs(a) * kFullScale * (1e-18 * static_cast<double>(n) * N + 1e-13)
                        : -1;
        near_.clear();
        if (std::abs(a) * kFullScale >= kClamp)
            ClampedFloors(a);
        else if (std::abs(a) * kFullScale < kFewLevels && margin < 0.25)
            FloorsByLevels(a, margin);
        else
            Floors(a, margin);
        const std::int32_t step = static_cast<std::int32_t>(n % N);
        std::uint32_t outside = Gather(step);
        // sin 0 is 0 for every harmonic.
        sum_[0] -= floors_[0];
        outside |= static_cast<std::uint32_t>(sum_[0] + 32768);
        if (budget_ > 0) outside |= Recompute(harmonic, amplitude, step, a);
        // Every value in range sets no bit above 16; a recomputed entry can
        // also bring an entry back into range, so look again then.
        if (outside <= 0xFFFF) return true;
        return std::all_of(sum_.begin(), sum_.end(),
                           [](std::int32_t v) { return v >= -32768 && v <= 32767; });
    }

    void CopyTo(std::span<std::int16_t> table) const {
        std::transform(sum_.begin(), sum_.end(), table.begin(),
                       [](std::int32_t v) { return static_cast<std::int16_t>(v); });
    }

private:
    static constexpr std::int32_t N = TimbreTableSize;
    // Whole numbers in the sums stay far from the int32 range.
    static constexpr double kClamp = 1 << 20;
    // Below this many units a partial's floors are found level by level.
    static constexpr double kFewLevels = 128;

    static double Value(double a, double sine) { return a * sine * kFullScale; }
    static bool Near(double v, double f, double margin) {
        return v - f < margin || f + 1 - v <= margin;
    }

    // Only sines near zero keep such a partial in range; clamping keeps the
    // rest far outside. Every entry may be near.
    void ClampedFloors(double a) {
        const double* sines = SineTable().data();
        for (std::int32_t j = 0; j < N; ++j) {
            floors_[j] = static_cast<std::int32_t>(
                std::floor(std::clamp(Value(a, sines[j]), -kClamp, kClamp)));
            near_.push_back(j);
        }
    }

    // The floored partial of amplitude a at every sine of the table, and the
    // sines within margin of a whole number. Two sines at a time in vector
    // registers: floor is rounding to nearest by adding and taking away
    // 1.5 × 2^52, then one less where that rounded up.
    void Floors(double a, double margin) {
        const double* sines = SineTable().data();
        std::int32_t* floors = floors_.data();
        using Doubles = double __attribute__((vector_size(16)));
        using Masks = std::int64_t __attribute__((vector_size(16)));
        constexpr std::int32_t kBlock = 400;
        static_assert(N % kBlock == 0);
        constexpr double kRound = 6755399441055744.0;
        const Doubles one = {1, 1};
        // No entry when nothing is recomputed any more, every entry when the
        // margin spans a whole unit.
        const double edge = margin < 0 ? 1 : margin >= 0.5 ? -1 : (0.5 - margin) * (0.5 - margin);
        for (std::int32_t block = 0; block < N; block += kBlock) {
            Masks near = {};
            for (std::int32_t j = block; j < block + kBlock; j += 2) {
                Doubles v;
                std::memcpy(&v, sines + j, sizeof v);
                v = a * v * kFullScale;
                Doubles f = (v + kRound) - kRound;
                f -= reinterpret_cast<Doubles>(reinterpret_cast<Masks>(one) & (f > v));
                // Within margin of f or of f + 1.
                const Doubles middle = v - f - 0.5;
                near |= middle * middle >= edge;
                floors[j] = static_cast<std::int32_t>(f[0]);
                floors[j + 1] = static_cast<std::int32_t>(f[1]);
            }
            if ((near[0] | near[1]) == 0) continue;
            for (std::int32_t j = block; j < block + kBlock; ++j)
                if (margin >= 0.5 || Near(Value(a, sines[j]), floors[j], margin))
                    near_.push_back(j);
        }
    }

    // A partial of few units keeps each floor over a run of entries. In each
    // stretch where the sines rise or fall (0 to the peak, the peak to the
    // trough, the trough to the end) the end of a run is found by bisection
    // and the run filled; near entries can only be at a run's ends.
    void FloorsByLevels(double a, double margin) {
        const double* sines = SineTable().data();
        const std::int32_t stretches[] = {0, N / 4 + 1, 3 * N / 4 + 1, N};
        for (int s = 0; s < 3; ++s) {
            const std::int32_t end = stretches[s + 1];
            for (std::int32_t from = stretches[s]; from < end;) {
                const double f = std::floor(Value(a, sines[from]));
                // The first entry past from with another floor.
                std::int32_t lo = from + 1, hi = end;
                while (lo < hi) {
                    const std::int32_t mid = lo + (hi - lo) / 2;
                    if (std::floor(Value(a, sines[mid])) != f)
                        hi = mid;
                    else
                        lo = mid + 1;
                }
                std::fill(floors_.begin() + from, floors_.begin() + lo,
                          static_cast<std::int32_t>(f));
                std::int32_t j = from;
                for (; j < lo && Near(Value(a, sines[j]), f, margin); ++j)
                    near_.push_back(j);
                for (std::int32_t k = lo - 1; k >= j && Near(Value(a, sines[k]), f, margin); --k)
                    near_.push_back(k);
                from = lo;
            }
        }
    }

    // Adds the floors read with the harmonic's stride; returns the bits of
    // every sum moved to 0..65535.
    std::uint32_t Gather(std::int32_t step) {
#if defined(__x86_64__)
        static const bool vectors = __builtin_cpu_supports("avx2");
        if (vectors) return GatherEights(step);
#endif
        return GatherQuarters(step);
    }

    // Four quarters of the table at once, so the strides do not wait on each
    // other.
    std::uint32_t GatherQuarters(std::int32_t step) {
        constexpr std::int32_t Q = N / 4;
        static_assert(N % 4 == 0);
        const std::int32_t* floors = floors_.data();
        std::int32_t* sum = sum_.data();
        std::int32_t j[4];
        for (int k = 0; k < 4; ++k)
            j[k] = static_cast<std::int32_t>(std::int64_t{k} * Q * step % N);
        std::uint32_t outside = 0;
        for (std::int32_t i = 0; i < Q; ++i) {
            for (int k = 0; k < 4; ++k) {
                const std::int32_t v = sum[i + k * Q] + floors[j[k]];
                sum[i + k * Q] = v;
                outside |= static_cast<std::uint32_t>(v + 32768);
                j[k] += step;
                j[k] -= j[k] >= N ? N : 0;
            }
        }
        return outside;
    }

#if defined(__x86_64__)
    // Eight neighbouring entries at once, their floors fetched in one gather;
    // the two halves of the table in turn, so two index chains overlap. The
    // same sums as GatherQuarters; a file of 1024 lines loads in little more
    // than half the time.
    __attribute__((target("avx2"))) std::uint32_t GatherEights(std::int32_t step) {
        constexpr std::int32_t H = N / 2;
        static_assert(H % 8 == 0);
        alignas(32) std::int32_t first[2][8];
        for (int half = 0; half < 2; ++half)
            for (int k = 0; k < 8; ++k)
                first[half][k] = static_cast<std::int32_t>((std::int64_t{half} * H + k) * step % N);
        __m256i j[2] = {_mm256_load_si256(reinterpret_cast<const __m256i*>(first[0])),
                        _mm256_load_si256(reinterpret_cast<const __m256i*>(first[1]))};
        const __m256i advance = _mm256_set1_epi32(static_cast<std::int32_t>(8LL * step % N));
        const __m256i n = _mm256_set1_epi32(N);
        const __m256i last = _mm256_set1_epi32(N - 1);
        const __m256i bias = _mm256_set1_epi32(32768);
        const auto* floors = reinterpret_cast<const int*>(floors_.data());
        std::int32_t* sum = sum_.data();
        __m256i outside = _mm256_setzero_si256();
        for (std::int32_t i = 0; i < H; i += 8) {
            for (int half = 0; half < 2; ++half) {
                auto* at = reinterpret_cast<__m256i*>(sum + i + half * H);
                const __m256i v = _mm256_add_epi32(_mm256_loadu_si256(at),
                                                   _mm256_i32gather_epi32(floors, j[half], 4));
                _mm256_storeu_si256(at, v);
                outside = _mm256_or_si256(outside, _mm256_add_epi32(v, bias));
                j[half] = _mm256_add_epi32(j[half], advance);
                j[half] = _mm256_sub_epi32(j[half],
                                           _mm256_and_si256(_mm256_cmpgt_epi32(j[half], last), n));
            }
        }
        alignas(32) std::uint32_t lanes[8];
        _mm256_store_si256(reinterpret_cast<__m256i*>(lanes), outside);
        std::uint32_t bits = 0;
        for (std::uint32_t lane : lanes)
            bits |= lane;
        return bits;
    }
#endif

    // Entries near a whole number get the direct formula; returns their bits
    // as Gather does.
    std::uint32_t Recompute(std::int32_t harmonic, float amplitude, std::int32_t step, double a) {
        const std::int64_t g = std::gcd(std::int64_t{step}, std::int64_t{N}); // gcd(0, N) = N
        const std::int64_t period = N / g;
        const std::int64_t inverse = InverseModulo(step / g, period);
        std::uint32_t outside = 0;
        for (std::int64_t j : near_) {
            if (budget_ <= 0) break;
            // Only multiples of g are read; the whole and half periods floor
            // alike while the partial of their tiny sines stays below one unit.
            if (j % g != 0 || ((j == 0 || j == N / 2) && std::abs(a) < 1)) continue;
            // The entries that read sine j: i × step ≡ j (mod N).
            for (std::int64_t i = (j / g) * inverse % period; i < N && budget_ > 0; i += period) {
                if (i == 0) continue;
                --budget_;
                const double exact =
                    std::clamp(std::floor(Partial(static_cast<double>(i) * harmonic, amplitude)),
                               -kClamp, kClamp);
                sum_[i] += static_cast<std::int32_t>(exact) - floors_[j];
                outside |= static_cast<std::uint32_t>(sum_[i] + 32768);
            }
        }
        return outside;
    }

    std::vector<std::int32_t> sum_ = std::vector<std::int32_t>(N, 0);
    std::vector<std::int32_t> floors_ = std::vector<std::int32_t>(N, 0);
    // The sines whose partial lies within the margin of a whole number.
    std::vector<std::int32_t> near_;
    // Direct sines per load: a few milliseconds at most.
    std::int64_t budget_ = 1 << 18;
};

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

Message Quoted(const std::string& name) {
    return CoreMessage(SORN_TRANSLATE_NOOP("Core", "音色ファイル「%1」"), name);
}

ExportError FileError(int error, const std::string& name) {
    Message text;
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        text = CoreMessage(SORN_TRANSLATE_NOOP("Core", "%1が見つかりません。"), Quoted(name));
        break;
    case EACCES:
    case EPERM:
        text = CoreMessage(SORN_TRANSLATE_NOOP("Core", "%1を読む権限がありません。"), Quoted(name));
        break;
    case EISDIR:
        text = CoreMessage(SORN_TRANSLATE_NOOP("Core", "%1はフォルダです。"), Quoted(name));
        break;
    default:
        text = CoreMessage(SORN_TRANSLATE_NOOP("Core", "%1を読めません(%2)。"), Quoted(name),
                           std::strerror(error));
        break;
    }
    return {error != 0 ? error : EIO, std::move(text)};
}

// Reads up to limit bytes, one more when the file is longer, so the caller
// can tell. The open does not wait for a writer when the name is a FIFO, and
// the limit keeps a device such as /dev/zero from filling memory.
ExportError ReadFile(const std::string& path, const std::string& name, std::string& bytes,
                     std::size_t limit) {
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!fd) return FileError(errno, name);
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) < 0)
        return FileError(errno, name);
    bytes.clear();
    char buffer[65536];
    while (bytes.size() <= limit) {
        const std::size_t want = std::min(sizeof buffer, limit + 1 - bytes.size());
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

// The first three words of a line split at single spaces; two spaces make an
// empty word, which is not a number.
std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t from = 0;
    for (std::size_t i = 0; i <= line.size() && words.size() < 3; ++i)
        if (i == line.size() || line[i] == ' ') {
            words.push_back(line.substr(from, i - from));
            from = i + 1;
        }
    return words;
}

// Text files hold no NUL and no control characters other than tab, the
// line ends, form feed and the old end-of-file mark; anything else means the
// name points at something that is not a timbre text.
bool LooksBinary(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r' && byte != '\f' &&
                byte != 0x1A) ||
               byte == 0x7F;
    });
}

ExportError LoadHki(const std::string& path, const std::string& name, Timbre& timbre) {
    std::string bytes;
    if (ExportError error = ReadFile(path, name, bytes, kHkiBytes)) return error;
    // A short file leaves the rest of the table silent; only the table counts.
    auto table = timbre.Table();
    for (std::size_t i = 0; i + 1 < std::min(bytes.size(), kHkiBytes); i += 2) {
        const auto lo = static_cast<std::uint8_t>(bytes[i]);
        const auto hi = static_cast<std::uint8_t>(bytes[i + 1]);
        table[i / 2] = static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | hi << 8));
    }
    return {};
}

ExportError LoadHki2(const std::string& path, const std::string& name, Timbre& timbre) {
    std::string text;
    if (ExportError error = ReadFile(path, name, text, kHki2MaxBytes)) return error;
    if (text.size() > kHki2MaxBytes)
        return {ExportErrorNumber::TimbreTooLarge,
                CoreMessage(SORN_TRANSLATE_NOOP(
                                "Core", "%1は大きすぎます。音色ファイルは1 MB(%2バイト)までです。"),
                            Quoted(name), kHki2MaxBytes)};
    if (LooksBinary(text))
        return {ExportErrorNumber::TimbreNotText,
                CoreMessage(SORN_TRANSLATE_NOOP("Core", "%1はテキストファイルではありません。"),
                            Quoted(name))};
    const std::vector<std::string_view> lines = Lines(text);
    const auto partials = std::count_if(lines.begin(), lines.end(), [](std::string_view line) {
        return Words(line).front() == "sin";
    });
    if (partials == 0)
        return {ExportErrorNumber::TimbreNoPartial,
                CoreMessage(SORN_TRANSLATE_NOOP(
                                "Core", "%1にsinの行がありません。"
                                        "「sin 倍音の番号 強さ」の行を1行以上書いてください。"),
                            Quoted(name))};
    if (partials > kHki2MaxPartials)
        return {ExportErrorNumber::TimbreTooManyLines,
                CoreMessage(
                    SORN_TRANSLATE_NOOP("Core", "%1はsinの行が多すぎます。sinの行は%2行までです。"),
                    Quoted(name), kHki2MaxPartials)};

    PartialSum sum;
    int lineNumber = 0;
    for (std::string_view line : lines) {
        ++lineNumber;
        const std::vector<std::string_view> words = Words(line);
        if (words.front() != "sin") continue;

        const std::optional<double> harmonic = words.size() >= 2 ? Number(words[1]) : std::nullopt;
        const std::optional<double> amplitude = words.size() >= 3 ? Number(words[2]) : std::nullopt;
        const double n = harmonic ? std::nearbyint(*harmonic) : 0; // halves to even
        const auto a = static_cast<float>(amplitude.value_or(0));
        if (!harmonic || !amplitude || std::abs(n) > std::numeric_limits<std::int32_t>::max() ||
            !std::isfinite(a))
            return {
                ExportErrorNumber::TimbreLine,
                CoreMessage(SORN_TRANSLATE_NOOP("Core", "%1の%2行目「%3」が読めません。sinの行は"
                                                        "「sin 倍音の番号 強さ」の形で、"
                                                        "単語の間を空白1つで区切ってください。"),
                            Quoted(name), lineNumber, line)};
        if (!sum.Add(static_cast<std::int32_t>(n), a))
            return {ExportErrorNumber::TimbreOverflow,
                    CoreMessage(SORN_TRANSLATE_NOOP("Core",
                                                    "%1の%2行目までの波を足すと16ビットの範囲を"
                                                    "超えます。強さの合計を1以下にしてください。"),
                                Quoted(name), lineNumber)};
    }
    sum.CopyTo(timbre.Table());
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
                 CoreMessage(SORN_TRANSLATE_NOOP(
                                 "Core", "「%1」は音色ファイル(.hki または .hki2)ではありません。"),
                             OnsyokuFileName)};
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

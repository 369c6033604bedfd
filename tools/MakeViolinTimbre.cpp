// Writes the default timbre "デフォルト/Violin.hki": one period of a bowed
// string as 100000 little-endian signed 16-bit samples.
//
// How the spectrum was chosen:
// - A bowed string moves in Helmholtz motion: one corner runs round the
//   string, and the force the string puts on the bridge is a sawtooth. A
//   sawtooth's harmonic n has amplitude 1/n, all harmonics present.
// - The body then shapes what is heard. Its strongest feature is the broad
//   "bridge hill" around 2 to 3 kHz. One table serves every pitch, so the
//   hill is placed where it falls for a note in the middle of the violin's
//   range (around A4): harmonics 5 to 7, boosted by up to 2.5 times.
// - Above about 5 kHz the body radiates little, and the rounded Helmholtz
//   corner of a real bow has little energy there either: harmonics above the
//   twelfth fall off with the fourth power, and none past the 32nd are made.
//   That also keeps high notes from sounding harsh, as the table is stepped
//   without interpolation.
// The period is normalised so that its peak is full scale.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int kTableSize = 100000;
constexpr int kHarmonics = 32;
constexpr double kPi = 3.14159265358979323846;

double Amplitude(int n) {
    const double string = 1.0 / n;
    const double fromHill = std::log(n / 6.0) / 0.35;
    const double bridgeHill = 1.0 + 1.5 * std::exp(-0.5 * fromHill * fromHill);
    const double rollOff = 1.0 / (1.0 + std::pow(n / 12.0, 4));
    return string * bridgeHill * rollOff;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT.hki\n", argv[0]);
        return 2;
    }
    std::vector<double> wave(kTableSize, 0.0);
    for (int n = 1; n <= kHarmonics; ++n) {
        // Alternating signs add the sines up to a sawtooth, starting at 0.
        const double a = (n % 2 ? 1 : -1) * Amplitude(n);
        for (int i = 0; i < kTableSize; ++i)
            wave[i] += a * std::sin(2 * kPi * n * i / kTableSize);
    }
    double peak = 0;
    for (double v : wave)
        peak = std::fmax(peak, std::fabs(v));

    std::vector<unsigned char> bytes;
    bytes.reserve(2 * kTableSize);
    for (double v : wave) {
        const auto sample = static_cast<std::uint16_t>(std::lrint(v / peak * 32767));
        bytes.push_back(static_cast<unsigned char>(sample));
        bytes.push_back(static_cast<unsigned char>(sample >> 8));
    }
    std::FILE* out = std::fopen(argv[1], "wb");
    if (!out || std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size() ||
        std::fclose(out) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}

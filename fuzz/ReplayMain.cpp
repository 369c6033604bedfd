// Runs fuzz inputs through the fuzz targets without libFuzzer, so the corpus
// is checked by the ordinary compiler and sanitizers on every test run.
//
//   fuzz_replay CORPUS           every file of CORPUS/<target>/ through its target
//   fuzz_replay TARGET FILE...   the given files through one target

#include "FuzzTargets.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {

using namespace sorn::fuzz;
namespace fs = std::filesystem;

void Replay(const Target& target, const fs::path& file) {
    // Named first, so a crash tells which input it was.
    std::printf("%s %s\n", target.name, file.c_str());
    std::fflush(stdout);
    const std::vector<std::uint8_t> bytes = ReadFile(file.string());
    target.run(bytes);
}

int ReplayCorpus(const fs::path& corpus) {
    for (const Target& target : kTargets) {
        std::vector<fs::path> files;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(corpus / target.name, ec))
            if (entry.is_regular_file()) files.push_back(entry.path());
        if (files.empty()) {
            std::fprintf(stderr, "no corpus files in %s\n", (corpus / target.name).c_str());
            return 1;
        }
        std::sort(files.begin(), files.end());
        for (const fs::path& file : files)
            Replay(target, file);
        std::printf("%s: %zu files\n", target.name, files.size());
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2) return ReplayCorpus(argv[1]);
    if (argc > 2)
        for (const Target& target : kTargets)
            if (std::strcmp(target.name, argv[1]) == 0) {
                for (int i = 2; i < argc; ++i)
                    Replay(target, argv[i]);
                return 0;
            }
    std::fprintf(stderr, "usage: fuzz_replay CORPUS | fuzz_replay TARGET FILE...\n");
    return 2;
}

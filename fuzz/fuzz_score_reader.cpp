// libFuzzer entry: score bytes opened as a file, saved and read back.

#include "FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return sorn::fuzz::ScoreReader({data, size});
}

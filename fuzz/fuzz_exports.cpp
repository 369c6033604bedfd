// libFuzzer entry: a score opened, exported, printed and redrawn.

#include "FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return sorn::fuzz::Exports({data, size});
}

// libFuzzer entry: bytes as a ".hki2" timbre file, loaded.

#include "FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return sorn::fuzz::Hki2({data, size});
}

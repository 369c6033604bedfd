// libFuzzer entry: bytes imported as MusicXML, exported and read back.

#include "FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return sorn::fuzz::MusicXml({data, size});
}

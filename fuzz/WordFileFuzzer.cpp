#include <cstddef>
#include <cstdint>

#include "PlayWordFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::playWordFile(data, size);
    return 0;
}

// Each input read as a word file all at once and block by block: the same words both ways.
#include "ReadBothWays.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::readBothWays(data, size);
    return 0;
}

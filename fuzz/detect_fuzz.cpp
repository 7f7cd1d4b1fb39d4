// Any bytes: the detectors answer one of their values and read nothing
// past the input (the sanitizers watch the reads).
#include "core/doc/detect.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A copy of exactly the input's size, so that a read past it is caught.
    const std::vector<char> bytes(data, data + size);
    if (DetectCodePage(bytes.data(), bytes.size()) > 4)
        std::abort();
    if (DetectLineEnd(bytes.data(), bytes.size()) > 2)
        std::abort();
    return 0;
}

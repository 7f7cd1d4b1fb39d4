// Any bytes after the header as a keyboard layout: every key maps to
// something, control characters and blanks to themselves.
#include "core/text/keyboard_layout.h"
#include "core/text/setup_file.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto reader = SetupReader::FromText("#Noveda setup file\n" + std::string(reinterpret_cast<const char*>(data), size));
    KeyboardLayout layout;
    layout.ReadLayout(*reader);
    for (int c = 0; c < 33; ++c) {
        if (layout.MapKey(static_cast<std::uint8_t>(c)) != c)
            std::abort();
    }
    return 0;
}

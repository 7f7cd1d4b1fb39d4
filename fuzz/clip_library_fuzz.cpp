// Any bytes as a clip library file: the lists stay parallel and every menu
// command belongs to the slot (a library keeps at most 200 items).
#include "core/tools/clip_library.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const int slot = size ? data[0] % kClipSlots : 0;
    ClipLibrary library;
    const bool loaded = library.Read(slot, std::string_view(reinterpret_cast<const char*>(data), size));
    if (loaded != library.loaded || library.items.size() != library.texts.size() ||
        library.items.size() != library.abbreviations.size())
        std::abort();
    for (const MenuItem& item : library.menu)
        if (!item.separator && ClipSlotOf(static_cast<int>(item.id)) != slot)
            std::abort();
    return 0;
}

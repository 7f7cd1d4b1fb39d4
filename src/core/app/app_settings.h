#pragma once

#include <cstdint>

// The one settings record, mirrored from the registry. Field names are the
// registry value names.
struct AppSettings {
    // Editor
    std::uint8_t TabSize = 4;
    int FillTabs = 0;

    // Extensions: scheme used for files whose extension no scheme lists.
    int DefaultScheme = 0;
};

// Any bytes after the header as a favorites file: what is read must survive
// being written and read again unchanged.
#include "core/settings/favorites.h"
#include "core/text/setup_file.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto reader = SetupReader::FromText("#Noveda setup file\n" + std::string(reinterpret_cast<const char*>(data), size));
    const std::vector<Favorite> favorites = ReadFavorites(*reader);
    if (favorites.size() > kMaxFavorites)
        std::abort();
    // A path that starts with ";" would be written as a comment line; the
    // program records only full paths.
    for (const Favorite& favorite : favorites) {
        if (favorite.path.front() == ';')
            return 0;
    }
    std::string text = "#Noveda setup file\r\n";
    for (const std::string& line : FavoriteLines(favorites))
        text += line + "\r\n";
    auto again = SetupReader::FromText(text);
    if (ReadFavorites(*again) != favorites)
        std::abort();
    return 0;
}

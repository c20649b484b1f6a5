#include "player/game_folder.h"

#include <string>

namespace kestra {

std::filesystem::path GameFolder::File(std::string_view relative) const {
    std::string rel(relative);
    for (char& c : rel)
        if (c == '\\') c = '/';
    while (!rel.empty() && rel.front() == '/') rel.erase(rel.begin());
    return root / rel;
}

}  // namespace kestra

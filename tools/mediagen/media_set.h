// Every file the generator writes: the list, how each is made, and writing them out.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "bytes.h"
#include "content_tables.h"

namespace mediagen {

// One output file: its path below OUTDIR (with '/') and the recipe for its bytes.
struct MediaFile {
    std::string path;
    std::function<Bytes()> make;
};

// All outputs in a fixed order, made according to the content tables.
std::vector<MediaFile> media_files(const ContentTables& tables);

// Relative paths of every file the generator writes (cg/..., dat/...) for these tables.
std::vector<std::string> media_file_list(const ContentTables& tables = default_tables());

// What a run wrote.
struct WriteReport {
    int files = 0;
    std::uintmax_t bytes = 0;
};

// Makes every medium and writes it below `outdir`, creating cg/ and dat/; throws on I/O errors.
WriteReport write_media(const std::filesystem::path& outdir, const ContentTables& tables);

}  // namespace mediagen

// kestra-mediagen OUTDIR [--cards content/cards.tsv] [--music content/music.tsv]
//                        [--summons content/summon_beings.tsv] [--reshapings content/reshapings.tsv]
// Draws, synthesises and composes every picture, sound and piece the game opens.
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

#include "content_tables.h"
#include "media_set.h"

namespace {
// How to call us.
int usage() {
    std::fprintf(stderr, "usage: kestra-mediagen OUTDIR [--cards content/cards.tsv] [--music content/music.tsv]"
                         " [--summons content/summon_beings.tsv] [--reshapings content/reshapings.tsv]\n");
    return 2;
}
}  // namespace

// Parses the command line, reads the tables, writes the media, reports.
int main(int argc, char** argv) {
    std::string outdir, cards = "content/cards.tsv", music = "content/music.tsv",
                        summons = "content/summon_beings.tsv", reshapings = "content/reshapings.tsv";
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if ((arg == "--cards" || arg == "--music" || arg == "--summons" || arg == "--reshapings") && i + 1 < argc)
            (arg == "--cards" ? cards : arg == "--music" ? music : arg == "--summons" ? summons : reshapings) = argv[++i];
        else if (!arg.empty() && arg[0] != '-' && outdir.empty())
            outdir = arg;
        else
            return usage();
    }
    if (outdir.empty()) return usage();
    try {
        const mediagen::ContentTables tables = mediagen::load_tables(cards, music, summons, reshapings);
        for (const std::string& w : tables.warnings) std::fprintf(stderr, "kestra-mediagen: %s\n", w.c_str());
        const mediagen::WriteReport report = mediagen::write_media(outdir, tables);
        std::printf("kestra-mediagen: wrote %d files, %ju bytes, to %s\n", report.files, report.bytes, outdir.c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kestra-mediagen: %s\n", e.what());
        return 1;
    }
    return 0;
}

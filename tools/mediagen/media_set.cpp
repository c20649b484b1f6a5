#include "media_set.h"

#include <fstream>
#include <stdexcept>

#include "bmp_writer.h"
#include "emblem_art.h"
#include "card_art.h"
#include "composer.h"
#include "jpeg_writer.h"
#include "sound_table.h"
#include "summon_art.h"
#include "title_art.h"
#include "wave_writer.h"

namespace mediagen {

namespace {
// Title frame files in animation order: the game shows t10, t1, t2 for phases 0, 1, 2.
constexpr const char* kTitleFiles[kTitleFrames] = {"cg/t10.jpg", "cg/t1.jpg", "cg/t2.jpg"};

// Writes bytes to a file, failing loudly.
void write_file(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}
}  // namespace

// Cards, the four duel bitmaps, the summoned beings, the fused and revealed beings, title frames, sounds, pieces,
// opening theme, and the emblem of the window icon and the launcher.
std::vector<MediaFile> media_files(const ContentTables& tables) {
    std::vector<MediaFile> files;
    for (int n = 0; n < kCardCount; ++n) {
        const int cls = tables.card_class[static_cast<std::size_t>(n)];
        files.push_back({"cg/unit" + std::to_string(n) + ".bmp", [n, cls] { return encode_bmp(card_picture(n, cls)); }});
    }
    files.push_back({"cg/char-1.bmp", [] { return encode_bmp(grave_picture()); }});
    files.push_back({"cg/god.bmp", [] { return encode_bmp(god_picture()); }});
    files.push_back({"cg/hades.bmp", [] { return encode_bmp(hades_picture()); }});
    files.push_back({"cg/car.bmp", [] { return encode_bmp(car_picture()); }});
    for (const SummonArt& art : tables.summons)
        files.push_back(
            {art.picture, [art] { return encode_bmp(summon_picture(art.picture, art.figure, art.glow)); }});
    for (const SummonArt& art : tables.reshapes)
        files.push_back(
            {art.picture, [art] { return encode_bmp(reshape_picture(art.picture, art.figure, art.glow)); }});
    for (int phase = 0; phase < kTitleFrames; ++phase)
        files.push_back({kTitleFiles[phase], [phase] { return encode_jpeg(title_frame(phase), 90); }});
    for (const SoundRecipe& recipe : sound_recipes())
        files.push_back({std::string("dat/") + recipe.name + ".wav",
                         [&recipe] { return encode_wav(render_sound(recipe)); }});
    for (int p = 0; p < kPieceCount; ++p) {
        const int group = tables.piece_group[static_cast<std::size_t>(p)];
        files.push_back({"dat/" + std::to_string(p) + ".mid", [p, group] { return piece_midi(p, group); }});
    }
    files.push_back({"dat/lorpe.mid", [] { return opening_midi(); }});
    files.push_back({"cg/emblem.png", [] { return encode_png(emblem_picture()); }});
    return files;
}

// The list depends on the tables only through the summon beings' pictures.
std::vector<std::string> media_file_list(const ContentTables& tables) {
    std::vector<std::string> paths;
    for (const MediaFile& f : media_files(tables)) paths.push_back(f.path);
    return paths;
}

// One file at a time; each is small, so memory stays flat.
WriteReport write_media(const std::filesystem::path& outdir, const ContentTables& tables) {
    std::filesystem::create_directories(outdir / "cg");
    std::filesystem::create_directories(outdir / "dat");
    WriteReport report;
    for (const MediaFile& f : media_files(tables)) {
        const Bytes bytes = f.make();
        write_file(outdir / f.path, bytes);
        ++report.files;
        report.bytes += bytes.size();
    }
    return report;
}

}  // namespace mediagen

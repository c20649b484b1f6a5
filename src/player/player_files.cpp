#include "player/player_files.h"

#include "player/catalogue_files.h"
#include "player/checksum.h"
#include "player/my_dat_layout.h"
#include "player/new_player.h"
#include "player/status_line.h"
#include "player/text_lines.h"

namespace kestra {

namespace {

// Reads each field from the next line; line 280 overwrites the stale checksum of line 3.
struct MyDatReader {
    LineReader& in;
    void Num(int32_t& v) { v = in.Int(); }
    void Text(std::string& t) { t = in.Text(); }
    void Checksum(tmy& m) { m.checksum = in.Int(); }
};

// Writes each field as a line; the checksum is recomputed just before line 280.
struct MyDatWriter {
    LineWriter out;
    bool text_ok = true;
    void Num(int32_t& v) { out.Int(v); }
    void Text(std::string& t) {
        // A text without a CP932 form is written empty rather than corrupting the line count.
        if (!out.Text(t)) {
            text_ok = false;
            out.Text("");
        }
    }
    void Checksum(tmy& m) {
        m.checksum = ComputeChecksum(m);
        out.Int(m.checksum);
    }
};

// The summary file's four lines in CP932 with CR LF.
std::string RenderRecordSummary(const tmy& m) {
    LineWriter w;
    const std::string text = RecordSummaryText(m);
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t end = text.find('\n', pos);
        w.Text(text.substr(pos, end - pos));
        pos = end + 1;
    }
    return w.bytes();
}

}  // namespace

tmy ReadMyDat(const std::filesystem::path& path) {
    LineReader in(path);
    tmy m;
    MyDatReader reader{in};
    WalkMyDat(m, reader);
    return m;
}

std::string RenderMyDat(tmy& m) {
    m.rank_points_copy = m.rank_points;
    MyDatWriter writer;
    WalkMyDat(m, writer);
    return writer.out.bytes();
}

LoadedGame LoadPlayerData(const GameFolder& folder) {
    LoadedGame game;
    game.my = ReadMyDat(folder.my_dat());
    LineReader names(folder.dat() / "name.dat");
    for (int i = 0; i < 226; ++i) game.names.push_back(names.Text());
    game.catalogue = BuildCatalogue(folder.dat());
    return game;
}

SaveOutcome SavePlayerData(const GameFolder& folder, tmy& m, const SaveGate& gate, const WriteFaults& faults) {
    if (gate.Suppressed()) return {true, true, {}};
    const std::string my_dat = RenderMyDat(m);
    const WriteResult saved = WriteFileAtomically(folder.my_dat(), my_dat, faults);
    if (!saved.ok) return {false, false, "セーブできませんでした。" + saved.message};
    const WriteResult summary = WriteFileAtomically(folder.record_txt(), RenderRecordSummary(m));
    if (!summary.ok) return {false, false, "記録.txtを書けませんでした。" + summary.message};
    return {};
}

SaveOutcome CreateSaveIfMissing(const GameFolder& folder, Rng& rng) {
    std::error_code ec;
    if (std::filesystem::exists(folder.my_dat(), ec)) return {};
    std::filesystem::create_directories(folder.dat(), ec);
    tmy m;
    ResetPlayerRecord(m, rng);
    return SavePlayerData(folder, m);
}

void CapMoneyAtStart(tmy& m) {
    if (m.money >= 999) m.money = 999;
}

}  // namespace kestra

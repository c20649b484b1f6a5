#include "app/start_up.h"

#include "player/checksum.h"
#include "player/text_lines.h"

namespace kestra {

void CapMoneyKeepingSeal(tmy& my) { ChangeSealed(my, CapMoneyAtStart); }

StartUpResult StartUp(const GameFolder& folder, Rng& rng) {
    StartUpResult result;
    const SaveOutcome created = CreateSaveIfMissing(folder, rng);
    if (!created.ok) {
        result.error = created.message;
        return result;
    }
    try {
        result.game = LoadPlayerData(folder);
        CapMoneyKeepingSeal(result.game->my);
    } catch (const DataFileError& e) {
        result.error = std::string("データファイルを読み込めませんでした。\n") + e.what();
    }
    return result;
}

}  // namespace kestra

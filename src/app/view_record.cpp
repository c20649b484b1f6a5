#include "app/view_record.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

#include <fstream>

#include "app/duel_exchange.h"
#include "app/duel_input.h"
#include "app/view_mode_box.h"
#include "duel/saved_duel.h"
#include "duel/verification.h"

namespace kestra {

using namespace duel_ui;

namespace {

// The record could not be played from this point: "no.wav" and the reason in the message area.
void TellStop(DuelParts& p, const std::string& reason) {
    p.screen.PlaySe("no.wav", 0);
    p.msg.ShowMessage("記録を最後まで再生できませんでした");
    p.msg.AddMessage("\n" + reason);
}

// A file's bytes, or nothing when it cannot be read or is longer than a record can be.
std::optional<std::string> ReadRecordBytes(const std::filesystem::path& file, std::string* reason) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        *reason = "記録ファイルを開けません";
        return std::nullopt;
    }
    std::string bytes(kRecordFileMaxBytes + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(in.gcount()));
    if (bytes.size() > kRecordFileMaxBytes) {
        *reason = "記録が長すぎます（" + std::to_string(kSavedDuelMaxLines) + "行まで）";
        return std::nullopt;
    }
    return bytes;
}

// The BATTLE NUMBERs one by one into the field, each resolved as "BATTLE PHASE" would.
void PlayBattleNumbers(DuelParts& p, const SavedDuel& duel) {
    for (size_t k = 0; k < duel.battle_numbers.size(); ++k) {
        if (p.stage != DuelStage::kBattle) return;  // the duel ended, or the window was closed
        p.ui.bn_field->setText(Utf8(duel.battle_numbers[k]));
        if (PressBattlePhaseButton(p) == PhaseEnd::Refused && p.stage == DuelStage::kBattle) {
            TellStop(p, RefusedLineMessage(duel.source_lines[k + 3]));
            return;
        }
    }
}

// True when the clipboard holds more than one line: a record rather than a single number.
bool ClipboardHoldsRecord() { return QGuiApplication::clipboard()->text().contains(QLatin1Char('\n')); }

// Takes the paste keys of the view-mode number fields when the clipboard holds a record.
class RecordPasteKeys : public QObject {
public:
    RecordPasteKeys(DuelParts& p, QObject* parent) : QObject(parent), p_(p) {}

protected:
    // A paste key with a record on the clipboard plays it; everything else goes on to the field.
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) return false;
        if (p_.stage != DuelStage::kViewSetup || !ClipboardHoldsRecord()) return false;
        PlayRecordText(p_, QGuiApplication::clipboard()->text().toStdString());
        return true;
    }

private:
    DuelParts& p_;
};

}  // namespace

void CatchRecordPastes(DuelParts& p) {
    auto* keys = new RecordPasteKeys(p, p.view.box);
    p.view.applicant->installEventFilter(keys);
    p.view.receiver->installEventFilter(keys);
}

void OpenRecordFile(DuelParts& p) {
    if (p.busy || p.stage != DuelStage::kViewSetup) return;
    p.screen.PlaySe("3.wav", 0);
    const auto file = p.session.dialogs.ChooseRecordFile(p.session.folder.records());
    if (!file) return;
    std::string reason;
    const auto bytes = ReadRecordBytes(*file, &reason);
    if (!bytes) {
        TellStop(p, reason);
        return;
    }
    PlayRecordText(p, *bytes);
}

void PasteViewField(DuelParts& p, QLineEdit* field) {
    if (p.stage == DuelStage::kViewSetup && ClipboardHoldsRecord()) {
        PlayRecordText(p, QGuiApplication::clipboard()->text().toStdString());
        return;
    }
    PasteInto(field);
}

void PlayRecordText(DuelParts& p, std::string_view text) {
    if (p.busy || p.stage != DuelStage::kViewSetup) return;
    const SavedDuelRead read = ReadSavedDuel(text);
    if (!read.duel) {
        TellStop(p, read.message);
        return;
    }
    const SavedDuel& duel = *read.duel;
    PressRule(p, duel.duel_kind);
    p.view.applicant->setText(Utf8(duel.applicant_number));
    p.view.receiver->setText(Utf8(duel.receiver_number));
    if (!AcceptBothNumbers(p)) {
        TellStop(p, std::to_string(duel.source_lines[1]) + "行目か" + std::to_string(duel.source_lines[2]) +
                        "行目の戦士ナンバーがこのルールでは読み取れません");
        return;
    }
    p.view.receiver_id->setText(Utf8(std::string(kVerifyPrefix) + std::to_string(p.d.aite_id)));
    CheckViewedIds(p);
    PlayBattleNumbers(p, duel);
}

}  // namespace kestra

#include "app/duel_refresh.h"

#include "duel/display_rules.h"

namespace kestra {

using namespace duel_ui;

QString PanelText(const DuelParts& p, int32_t slot) {
    if (p.d.chara[static_cast<size_t>(slot)].name.empty()) return QString();
    const PanelLines lines = CardPanel(p.d, p.ctx.cat, slot);
    std::string text = lines[0];
    for (size_t k = 1; k < lines.size(); ++k) text += "\n" + lines[k];
    return Utf8(text);
}

void RefreshDuelWindow(DuelParts& p) {
    const DuelRecord& d = p.d;
    DuelLayout& ui = p.ui;
    if (d.look_mode) p.window->setWindowTitle(Utf8("閲覧モード"));
    ui.battle_type->setText(Utf8(BattleTypeCaption(d.battle_type)));
    p.cues.Blink();
    if (p.stage == DuelStage::kIdle || p.stage == DuelStage::kOpening) return;
    ui.turn_label->setText(Utf8(TurnLabel(d)));
    const IconLabelTexts icons = IconLabels(d, p.ctx.cat);
    ui.you.icon[0]->setText(Utf8(icons.mine1));
    ui.you.icon[1]->setText(Utf8(icons.mine2));
    ui.enemy.icon[0]->setText(Utf8(icons.theirs1));
    ui.enemy.icon[1]->setText(Utf8(icons.theirs2));
    for (int32_t slot = 1; slot <= 6; ++slot)
        (slot <= 3 ? ui.you : ui.enemy).panel[static_cast<size_t>((slot - 1) % 3)]->setText(PanelText(p, slot));
}

}  // namespace kestra

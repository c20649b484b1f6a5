#include "app/duel_refresh.h"

#include <QFontMetrics>

#include "duel/display_rules.h"

namespace kestra {

using namespace duel_ui;

namespace {

constexpr int kSmallestNameSize = 7;

// The panel's lines as its text: plain, or rich text with the name line in the size that fits.
QString PanelMarkup(const QLabel* panel, const PanelLines& lines) {
    const QString name = Utf8(lines[0]);
    const int size = NameLinePixelSize(panel->font(), name, panel->width());
    if (size == panel->font().pixelSize()) {
        std::string text = lines[0];
        for (size_t k = 1; k < lines.size(); ++k) text += "\n" + lines[k];
        return Utf8(text);
    }
    QString html = QStringLiteral("<span style=\"font-size:%1px\">%2</span>").arg(size).arg(name.toHtmlEscaped());
    for (size_t k = 1; k < lines.size(); ++k) html += QStringLiteral("<br>") + Utf8(lines[k]).toHtmlEscaped();
    return html;
}

// Slot 1..6's panel label.
QLabel* PanelOf(DuelParts& p, int32_t slot) {
    return (slot <= 3 ? p.ui.you : p.ui.enemy).panel[static_cast<size_t>((slot - 1) % 3)];
}

}  // namespace

int NameLinePixelSize(const QFont& panel_font, const QString& line, int width) {
    QFont f = panel_font;
    int size = panel_font.pixelSize();
    for (; size > kSmallestNameSize; --size) {
        f.setPixelSize(size);
        if (QFontMetrics(f).horizontalAdvance(line) <= width) break;
    }
    return size;
}

void ShowPanel(DuelParts& p, int32_t slot) {
    QLabel* panel = PanelOf(p, slot);
    const bool empty = p.d.chara[static_cast<size_t>(slot)].name.empty();
    const QString text = empty ? QString() : PanelMarkup(panel, CardPanel(p.d, p.ctx.cat, slot));
    if (text == panel->text()) return;  // the 50 ms refresh leaves an unchanged panel alone
    panel->setTextFormat(text.startsWith(QStringLiteral("<span")) ? Qt::RichText : Qt::PlainText);
    panel->setText(text);
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
    for (int32_t slot = 1; slot <= 6; ++slot) ShowPanel(p, slot);
}

}  // namespace kestra

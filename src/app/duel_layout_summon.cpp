#include "app/duel_layout.h"

namespace kestra {

using namespace duel_ui;

// The summon panel s_form over the card boxes: the box s_box and the being's picture s_cg, drawn
// twice the size of a card; hidden until a being comes.
void BuildSummonPanel(QWidget* window, DuelLayout& ui) {
    ui.summon_form = new QWidget(window);
    ui.summon_form->setObjectName(QStringLiteral("s_form"));
    ui.summon_form->setGeometry(QRect(126, 60, 152, 164));
    ui.summon_form->setAutoFillBackground(true);
    ui.summon_box = MakeBox(ui.summon_form, "s_box", Utf8("召喚"), QRect(0, 0, 152, 164));
    ui.summon_picture = MakeLabel(ui.summon_box, "s_cg", QString(), QRect(12, 24, 128, 128));
    ui.summon_picture->setAlignment(Qt::AlignCenter);
    ui.summon_form->hide();
}

}  // namespace kestra

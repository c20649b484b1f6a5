// The technique panels with every technique button, the item box, and the ENDING box.
#include "app/duel_layout.h"
#include "app/duel_techniques.h"

#include <QPalette>

namespace kestra {

using namespace duel_ui;

void BuildCommandBoxes(QWidget* window, DuelLayout& ui) {
    ui.command_box = MakeBox(window, "waza_box2", QStringLiteral("COMMAND"), QRect(340, 0, 171, 246));
    ui.technique_box = MakeBox(ui.command_box, "waza_box", QStringLiteral("WAZA"), QRect(2, 120, 167, 124));
    for (const TechniqueButton& b : TechniqueButtons()) {
        const std::string name(b.name);
        QPushButton* button = MakeButton(ui.command_box, name.c_str(), Utf8(b.caption), QRect(6, 18, 78, 24));
        button->hide();
        ui.technique[name] = button;
    }
    ui.command_box->hide();

    QGroupBox* box = ui.item_box = MakeBox(window, "item_box", QStringLiteral("ITEM"), QRect(340, 0, 171, 246));
    ui.item_list = new QListWidget(box);
    ui.item_list->setObjectName(QStringLiteral("item_list"));
    ui.item_list->setGeometry(6, 18, 159, 118);
    for (int k = 0; k < 100; ++k) ui.item_list->addItem(QString());
    ui.item_info = MakeLabel(box, "item_info", QString(), QRect(6, 140, 159, 60), 9);
    ui.item_info->setWordWrap(true);
    ui.item_info->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui.item_use = MakeButton(box, "item_use", Utf8("ＵＳＥ"), QRect(6, 208, 76, 28));
    ui.item_cancel = MakeButton(box, "item_cancel", Utf8("ｃａｎｃｅｌ"), QRect(88, 208, 76, 28));
    box->hide();
}

void BuildEndingBox(QWidget* window, DuelLayout& ui) {
    QGroupBox* box = ui.ending_box = MakeBox(window, "ending_box", QStringLiteral("ENDING"), QRect(104, 96, 300, 196));
    // A solid card over the boxes behind it, in the window's own bold italic grey: no style sheet,
    // which would reset its children's font and colour.
    box->setAutoFillBackground(true);
    ui.ending_picture = MakeLabel(box, "ending_picture", QString(), QRect(12, 24, 64, 64));
    ui.ending_panel = MakeLabel(box, "ending_panel", QString(), QRect(84, 20, 110, 70), 10);
    ui.ending_panel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui.new_card = MakeLabel(box, "new_card_label", QStringLiteral("NEW CARD!!!!!"), QRect(196, 24, 100, 20), 12);
    QPalette red = ui.new_card->palette();
    red.setColor(QPalette::WindowText, QColor(0xe0, 0x40, 0x00));
    ui.new_card->setPalette(red);
    ui.ending_headline = MakeLabel(box, "ending_headline", QString(), QRect(12, 94, 276, 62), 11);
    ui.ending_headline->setWordWrap(true);
    ui.ending_headline->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui.ending_ok = MakeButton(box, "ending_ok", QStringLiteral("OK"), QRect(110, 160, 80, 28));
    box->hide();
}

}  // namespace kestra

#include "app/duel_techniques.h"

namespace kestra {

using namespace duel_ui;

namespace {

constexpr int kButtonWidth = 78, kButtonHeight = 24, kButtonStep = 26, kTop = 16, kLeft = 4;

}  // namespace

void LayOutOfferedButtons(DuelLayout& ui, const std::vector<OfferedButton>& offered) {
    for (auto& [name, button] : ui.technique) button->hide();
    const size_t per_panel = static_cast<size_t>(kPanelRows * kPanelColumns);
    for (size_t k = 0; k < offered.size() && k < static_cast<size_t>(kPanelCapacity); ++k) {
        const auto it = ui.technique.find(offered[k].name);
        if (it == ui.technique.end()) continue;
        QPushButton* button = it->second;
        QWidget* panel = k < per_panel ? static_cast<QWidget*>(ui.command_box) : ui.technique_box;
        if (button->parentWidget() != panel) button->setParent(panel);
        const int place = static_cast<int>(k % per_panel);
        const int col = place % kPanelColumns, row = place / kPanelColumns;
        button->setGeometry(kLeft + 2 + col * (kButtonWidth + 4), kTop + row * kButtonStep, kButtonWidth,
                            kButtonHeight);
        button->setText(Utf8(offered[k].caption));
        button->show();
    }
    ui.technique_box->show();
}

}  // namespace kestra

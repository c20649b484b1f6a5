#include "app/synthesis_panel.h"
#include "app/widget_kit.h"

#include <QLabel>
#include <QListWidget>

#include "app/game_session.h"
#include "collection/economy_kit.h"

namespace kestra {

SynthesisPanel::SynthesisPanel(GameSession& session, QWidget* parent)
    : EconomyPanel(session, "GOUSEI", "gousei_panel", parent) {
    list_ = AddList("gousei_list");
    std::tie(picture_, info_) = AddPictureAndInfo("gousei_picture", "gousei_info");
    material_ = AddLabel("gousei_material");
    money_ = AddLabel("gousei_money");
    auto* make = AddButton("合成", "gousei_make_b");
    WatchRows(list_, [this](int row) { OnRow(row); });
    connect(make, &QPushButton::clicked, this, &SynthesisPanel::OnSynthesize);
}

void SynthesisPanel::Open() {
    recipes_ = BuildSynthesisRows(s_.cat(), s_.my(), s_.rng);
    std::vector<std::string> names;
    for (const Recipe& r : recipes_) names.push_back(CardNameOf(s_.cat(), r.product));
    FillList(list_, names);
    info_->clear();
    picture_->clear();
    material_->clear();
    money_->setText(Utf8(MoneyLine(s_.my())));
}

Recipe SynthesisPanel::Chosen() const {
    const int row = SelectedRow(list_);
    return InRange(row, static_cast<int32_t>(recipes_.size())) ? recipes_[static_cast<size_t>(row)] : Recipe{};
}

void SynthesisPanel::OnRow(int) {
    const Recipe r = Chosen();
    info_->setText(Utf8(RecipeInfoText(s_.cat(), s_.my(), r)));
    if (CardNameOf(s_.cat(), r.product).empty())
        picture_->clear();
    else
        ShowCardPicture(picture_, r.product);
    money_->setText(Utf8(MoneyLine(s_.my())));
}

void SynthesisPanel::OnSynthesize() {
    s_.audio.PlaySe("key2.wav", 2);
    if (SelectedRow(list_) < 0) return;
    const tmy before = s_.my();
    const SynthesisResult made = Synthesize(s_.cat(), s_.my(), Chosen());
    if (made.outcome == SynthesisOutcome::Nothing) {
        picture_->clear();
        info_->clear();
        return;
    }
    if (made.outcome == SynthesisOutcome::TooFewCopies) {
        s_.audio.PlaySe("no.wav", 1);
        return;
    }
    if (CloseDeal(before, "katan.wav", made.message)) material_->setText(Utf8(made.material_line));
}

}  // namespace kestra

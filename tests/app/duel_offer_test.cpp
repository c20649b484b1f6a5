// The duel window's technique panels show exactly the buttons the rules offer the acting card.
#include <gtest/gtest.h>

#include <QPushButton>
#include <set>

#include "app/duel_window.h"
#include "battle/offered_buttons.h"
#include "duel_players.h"

namespace kestra {
namespace {

using duel_test::AutoClicker;
using duel_test::Click;
using duel_test::Machine;

// Ten cards of ten different lists on each side.
constexpr std::array<int32_t, 10> kDeckA = {2, 3, 4, 5, 6, 7, 8, 9, 24, 60};
constexpr std::array<int32_t, 10> kDeckB = {10, 11, 12, 13, 14, 15, 16, 17, 20, 21};

// The technique buttons the window shows, as (name, caption), and where each sits.
std::vector<OfferedButton> ShownButtons(const Machine& m, std::set<std::string>* panels) {
    std::vector<OfferedButton> shown;
    for (const TechniqueButton& b : TechniqueButtons()) {
        QPushButton* button = m.Button(std::string(b.name).c_str());
        if (button->isHidden()) continue;
        shown.push_back(OfferedButton{b.name, button->text().toStdString()});
        panels->insert(button->parentWidget()->objectName().toStdString());
    }
    return shown;
}

// Sorted by name, to compare with the panel's order-free view.
std::vector<OfferedButton> ByName(std::vector<OfferedButton> v) {
    std::sort(v.begin(), v.end(),
              [](const OfferedButton& a, const OfferedButton& b) { return a.name < b.name; });
    return v;
}

// Three duels, the mover's card of slot 1, 2 and 3 acting: each window shows the offer of its card.
TEST(DuelOffer, ThePanelsShowExactlyTheOfferedButtonsOfThreeCards) {
    std::set<std::string> captions;
    for (int32_t slot = 1; slot <= 3; ++slot) {
        Machine a(60 + 2 * slot, kDeckA), b(61 + 2 * slot, kDeckB);
        AutoClicker clicker({a.window, b.window});
        duel_test::Meet(a, b, 0);
        Machine* mover = duel_test::Mover(a, b);
        ASSERT_NE(mover, nullptr);
        Click(mover->Widget(("you_card" + std::to_string(slot)).c_str()));
        Rng before = mover->session->rng;
        Click(mover->Widget("enemy_card1"));
        const DuelRecord& d = mover->d();
        ASSERT_EQ(d.atk_no, slot);
        const std::vector<OfferedButton> offered = OfferedButtons(d, mover->session->cat(), before);
        ASSERT_FALSE(offered.empty());
        std::set<std::string> panels;
        EXPECT_EQ(ByName(ShownButtons(*mover, &panels)), ByName(offered)) << slot;
        EXPECT_FALSE(mover->Widget("waza_box2")->isHidden());
        EXPECT_FALSE(mover->Widget("waza_box")->isHidden());
        // Buttons sit in order: the first eight in waza_box2, the rest in waza_box.
        EXPECT_EQ(panels.count("waza_box"), offered.size() > 8 ? 1u : 0u) << slot;
        EXPECT_EQ(mover->Button(std::string(offered[0].name).c_str())->parentWidget()->objectName(),
                  "waza_box2");
        std::string all;
        for (const OfferedButton& o : offered) all += o.caption + " ";
        captions.insert(all);
    }
    EXPECT_EQ(captions.size(), 3u);  // three cards, three different panels
}

}  // namespace
}  // namespace kestra

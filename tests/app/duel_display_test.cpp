// What the duel window draws: the INPUT box covering the ENEMY box at the set IDs, the ENDING box in
// the window's own lettering, "NEW CARD!!!!!" only for a card the winner lacked, every card name
// inside its panel, the boxes' Japanese buttons, the summon panel, and exactly the technique buttons
// the rules offer the acting card.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <filesystem>
#include <set>

#include "app/dialogs.h"
#include "app/duel_layout.h"
#include "app/duel_refresh.h"
#include "app/duel_screen.h"
#include "app/duel_window.h"
#include "app/slot_cues.h"
#include "battle/offered_buttons.h"
#include "battle/summon_beings.h"
#include "duel_players.h"

namespace kestra {
namespace {

using duel_test::AutoClicker;
using duel_test::Click;
using duel_test::Machine;

using duel_test::kDeckA;
using duel_test::kDeckB;

// The darkest channel value of any pixel of the widget as drawn.
int Darkest(QWidget* w) {
    const QImage image = w->grab().toImage();
    int darkest = 255;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            darkest = std::min({darkest, c.red(), c.green(), c.blue()});
        }
    return darkest;
}

// The set-ID step covers the ENEMY box: wherever something of the ENEMY box (its panels, pictures,
// icon labels) is drawn under the INPUT box and no field of the step is, the window shows the INPUT
// box exactly as it draws itself alone. Returns the pixels compared.
int ExpectInputBoxCoversEnemyBox(Machine& m) {
    int checked = 0;
    EXPECT_EQ(m.d().input_phase, kPhaseSetIds);
    QWidget* input = m.Widget("input_box");
    EXPECT_TRUE(input->isVisible());
    const QImage shown = m.window->grab().toImage();
    const QImage box_alone = input->grab().toImage();
    for (QWidget* part : m.Widget("enemy_box")->findChildren<QWidget*>()) {
        if (!part->isVisible()) continue;
        const QImage drawn = part->grab().toImage();
        for (int y = 0; y < drawn.height(); y += 2)
            for (int x = 0; x < drawn.width(); x += 2) {
                const QPoint at = part->mapTo(m.window, QPoint(x, y));
                if (!input->geometry().contains(at) || input->childAt(input->mapFrom(m.window, at))) continue;
                if (drawn.pixel(x, y) == qRgb(255, 255, 255)) continue;
                ++checked;
                EXPECT_EQ(shown.pixel(at), box_alone.pixel(input->mapFrom(m.window, at)))
                    << part->objectName().toStdString();
            }
    }
    return checked;
}

// At the set IDs the INPUT box covers the ENEMY box. The ENDING box is lettered like the rest of the
// window, bold italic grey; "NEW CARD!!!!!" shows only when the card won is one the winner did not own
// before.
TEST(DuelDisplay, TheSetIdStepTheEndingBoxAndTheNewCardMark) {
    for (const bool owned_before : {false, true}) {
        SCOPED_TRACE(owned_before);
        Machine a(31, kDeckA), b(32, kDeckB);
        for (Machine* m : {&a, &b})
            for (const int32_t card : m == &a ? kDeckB : kDeckA)
                m->session->my().card_count[static_cast<size_t>(card)] = owned_before ? 1 : 0;
        duel_test::PlayLoggedDuel(a, b);
        if (!owned_before) {
            const int checked = ExpectInputBoxCoversEnemyBox(a) + ExpectInputBoxCoversEnemyBox(b);
            EXPECT_GT(checked, 0);  // something of the ENEMY box lay under the INPUT box
        }
        for (Machine* m : {&a, &b}) {
            Machine& other = m == &a ? b : a;
            m->Field("opponent_id")->setText(QString::fromStdString(other.Text("own_id")));
            Click(m->Button("id_ok"));
        }
        Machine& winner = a.Text("ending_headline").find("勝ち") != std::string::npos ? a : b;
        QWidget* box = winner.Widget("ending_box");
        ASSERT_TRUE(box->isVisible());
        QLabel* headline = qobject_cast<QLabel*>(winner.Widget("ending_headline"));
        EXPECT_TRUE(headline->font().bold());
        EXPECT_TRUE(headline->font().italic());
        EXPECT_GE(Darkest(headline), 60);  // grey lettering, never black
        EXPECT_EQ(winner.Widget("new_card_label")->isVisible(), !owned_before);
        EXPECT_FALSE(winner.Text("ending_panel").empty());  // the card won is shown either way
    }
}

// Every card name of the catalogue fits its panel's name line, at the panel's own size or smaller.
TEST(DuelDisplay, EveryCardNameFitsItsPanel) {
    Machine a(41, kDeckA);
    QLabel* panel = qobject_cast<QLabel*>(a.Widget("enemy_panel1"));
    ASSERT_NE(panel, nullptr);
    int shrunk = 0;
    for (const tcard& card : a.session->cat().card) {
        if (card.name.empty()) continue;
        const QString line = QString::fromStdString("★" + card.name + " ");
        const int size = NameLinePixelSize(panel->font(), line, panel->width());
        QFont f = panel->font();
        f.setPixelSize(size);
        EXPECT_LE(QFontMetrics(f).horizontalAdvance(line), panel->width()) << card.name;
        EXPECT_GE(size, 7) << card.name;
        if (size < panel->font().pixelSize()) ++shrunk;
    }
    EXPECT_GT(shrunk, 0);  // the longest names do need the smaller size
}

// Every box of the game answers in Japanese, whatever translations the system has.
TEST(DuelDisplay, BoxesHaveJapaneseButtons) {
    const auto question = MakeQuestionBox(nullptr, "よろしいなら「はい」を押してください");
    EXPECT_EQ(question->button(QMessageBox::Yes)->text(), QString::fromUtf8("はい"));
    EXPECT_EQ(question->button(QMessageBox::No)->text(), QString::fromUtf8("いいえ"));
    EXPECT_EQ(question->windowTitle(), QString::fromUtf8("KESTRA 天"));
    const auto notice = MakeInformBox(nullptr, "中断します");
    EXPECT_EQ(notice->button(QMessageBox::Ok)->text(), QStringLiteral("OK"));
    EXPECT_EQ(notice->buttons().size(), 1);
    // Qt's own standard texts come in Japanese too: the install script installs them.
    ASSERT_TRUE(InstallJapaneseTranslations(*QCoreApplication::instance()));
    EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

// The summon panel (s_form with s_box and s_cg): hidden until a being comes, then its picture twice
// the size of a card over the card boxes, hidden again when the being has acted.
TEST(DuelSummonPanel, HiddenUntilABeingComesThenShowsItsPictureAndHidesIt) {
    Machine m(6, duel_test::kDeckA);
    QWidget* form = m.Widget("s_form");
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isHidden());
    EXPECT_NE(form->findChild<QGroupBox*>(QStringLiteral("s_box")), nullptr);
    EXPECT_NE(form->findChild<QLabel*>(QStringLiteral("s_cg")), nullptr);
    const std::string picture = SummonBeings().front().picture;
    std::filesystem::create_directories(m.folder.cg());
    std::filesystem::copy_file(test::BuiltGame().File(picture), m.folder.File(picture));
    QWidget window;
    DuelLayout ui = BuildDuelLayout(&window);
    SlotCues cues(ui.you, ui.enemy);
    DuelScreen screen(&window, ui, cues, *m.session);
    window.show();
    screen.ShowSummon(picture);
    EXPECT_TRUE(ui.summon_form->isVisible());
    const QPixmap shown = ui.summon_picture->pixmap();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.size(), QSize(128, 128));
    EXPECT_EQ(shown.toImage().pixelColor(0, 0),
              QImage(QString::fromStdString(m.folder.File(picture).string())).pixelColor(0, 0));
    EXPECT_TRUE(ui.summon_form->geometry().intersects(ui.you.box->geometry()));
    screen.ShowSummon("");
    EXPECT_TRUE(ui.summon_form->isHidden());
    EXPECT_TRUE(ui.summon_picture->pixmap().isNull());
}

// Ten cards of ten different lists on each side.
constexpr std::array<int32_t, 10> kListsA = {2, 3, 4, 5, 6, 7, 8, 9, 24, 60};
constexpr std::array<int32_t, 10> kListsB = {10, 11, 12, 13, 14, 15, 16, 17, 20, 21};

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
        Machine a(60 + 2 * slot, kListsA), b(61 + 2 * slot, kListsB);
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

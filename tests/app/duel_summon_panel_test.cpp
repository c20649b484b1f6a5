// The duel window's summon panel (s_form with s_box and s_cg): hidden until a being comes, then its
// picture twice the size of a card over the card boxes, hidden again when the being has acted.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <filesystem>

#include "app/duel_layout.h"
#include "app/duel_screen.h"
#include "app/slot_cues.h"
#include "battle/summon_beings.h"
#include "duel_players.h"

namespace kestra {
namespace {

using duel_test::Machine;

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

}  // namespace
}  // namespace kestra

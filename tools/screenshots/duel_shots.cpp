// The duel window's screenshots: the warrior-number step, a battle phase caught mid-flash with its
// markers, the ENDING box, the view-mode box, a summoned being, the item box with an item in use, the
// check code in the OPTION box and a duel viewed from its saved record. Two sample players duel for real;
// the texts they would copy into their chat are copied from one window to the other.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <memory>

#include "app/duel_widgets.h"
#include "app/duel_window.h"
#include "app/slot_cues.h"
#include "audio/audio.h"
#include "duel_script/duel_script.h"
#include "duel/presenter.h"
#include "player/player_files.h"
#include "sample_game.h"
#include "shot_list.h"

namespace kestra::shots {

namespace {

using script::Click;

// The players have sent their IDs: every question is answered Yes.
struct YesDialogs : Dialogs {
    void Inform(std::string_view) override {}
    bool AskYesNo(std::string_view) override { return true; }
};

// The file dialog answered with one saved record.
struct RecordDialogs : YesDialogs {
    std::filesystem::path file;
    std::optional<std::filesystem::path> ChooseRecordFile(const std::filesystem::path&) override { return file; }
};

// A clock that never runs out a turn.
struct StillClock : Clock {
    int64_t NowMs() const override { return 1'000'000; }
    CalendarDate Today() const override { return CalendarDate{11, 3}; }
};

// A main window that is not in the picture.
struct NoHost : MainHost {
    void ReturnFromDuel(const MenuReveal&) override {}
    void SetLastSetId(std::string_view) override {}
};

// One player of a staged duel: a session on a sample folder and its duel window.
struct Side {
    Side(const std::filesystem::path& folder, uint64_t seed)
        : session(GameFolder{folder}, LoadPlayerData(GameFolder{folder}), audio, clock, dialogs, seed), window(session) {
        window.SetHost(&host);
    }
    RecordingAudio audio;
    StillClock clock;
    YesDialogs dialogs;
    NoHost host;
    GameSession session;
    DuelWindow window;

    QWidget* Find(const char* name) { return window.findChild<QWidget*>(QString::fromLatin1(name)); }
    QLineEdit* Field(const char* name) { return qobject_cast<QLineEdit*>(Find(name)); }
    QString Text(const char* name) { return Field(name)->text(); }
    const DuelRecord& d() const { return window.record(); }
};

// Warrior numbers and verification IDs across, up to the first turn.
void Meet(Side& a, Side& b) {
    a.window.OpenDuel(0, kApplicant);
    b.window.OpenDuel(0, kReceiver);
    a.Field("opponent_number")->setText(QString::fromStdString(script::AfterArrow(b.Text("own_number").toStdString())));
    b.Field("opponent_number")->setText(QString::fromStdString(script::AfterArrow(a.Text("own_number").toStdString())));
    Click(a.Find("number_done"));
    Click(b.Find("number_done"));
    a.Field("opponent_id")->setText(b.Text("own_id"));
    b.Field("opponent_id")->setText(a.Text("own_id"));
    Click(a.Find("id_ok"));
    Click(b.Find("id_ok"));
}

// The side whose player chooses now.
Side* Mover(Side& a, Side& b) {
    DuelWindow* w = script::Mover(a.window, b.window);
    return w == nullptr ? nullptr : (w == &a.window ? &a : &b);
}

// The warrior-number step: this side's number shown and copied, the opponent's awaited.
QImage WarriorNumber(SampleGame& game) {
    Side a(game.folder(), 11);
    script::AutoClicker clicker({&a.window});
    a.window.OpenDuel(0, kApplicant);
    return Capture(a.window);
}

// A flick mid-phase: the attacker frame and the target marker up, the red square over the target.
QImage MidBattle(SampleGame& game) {
    SampleGame second(KESTRA_BUILT_GAME_DIR, "opponent");
    Side a(game.folder(), 21), b(second.folder(), 22);
    script::AutoClicker clicker({&a.window, &b.window});
    Meet(a, b);
    Side* mover = Mover(a, b);
    if (!mover) return {};
    Side& other = mover == &a ? b : a;
    script::ChooseFlickOrPass(mover->window);
    QImage picture;
    clicker.before_click = [&](DuelWindow* w) {
        auto* message = w->findChild<QLabel*>(QStringLiteral("message_area"));
        if (w != &mover->window || !picture.isNull() || !message->text().contains(QString::fromUtf8("ダメージ与えた")))
            return true;
        mover->window.Refresh();
        auto* square = dynamic_cast<FillBox*>(w->findChild<QWidget*>(QStringLiteral("red_l2")));
        square->SetColour(WindowsColour(FlashColourValue(FlashColour::Red)));
        square->move(8, SlotTop(mover->d().tgt_no));
        square->show();
        square->raise();
        auto* marker = w->findChild<QLabel*>(QStringLiteral("mark_l2"));
        marker->setText(QString::fromUtf8("▼"));
        marker->raise();
        // Grabbed at once: the window is on screen already, and the marker blinks with every refresh.
        picture = mover->window.grab().toImage();
        square->hide();
        return true;
    };
    script::SendAndResolve(mover->window, other.window);
    return picture;
}

// Flicks until both sides wait for the set IDs.
void PlayToSetIds(Side& a, Side& b) {
    for (int turn = 0; turn < 40; ++turn) {
        Side* mover = Mover(a, b);
        if (!mover) break;
        script::ChooseFlickOrPass(mover->window);
        script::SendAndResolve(mover->window, (mover == &a ? b : a).window);
    }
}

// The set-ID step: the INPUT box over the ENEMY box, this side's set ID shown.
QImage SetIds(SampleGame& game) {
    SampleGame second(KESTRA_BUILT_GAME_DIR, "opponent");
    Side a(game.folder(), 31), b(second.folder(), 32);
    script::AutoClicker clicker({&a.window, &b.window});
    Meet(a, b);
    PlayToSetIds(a, b);
    return Capture(a.window);
}

// The ENDING box of the winner after the set IDs matched.
QImage Ending(SampleGame& game) {
    SampleGame second(KESTRA_BUILT_GAME_DIR, "opponent");
    Side a(game.folder(), 31), b(second.folder(), 32);
    script::AutoClicker clicker({&a.window, &b.window});
    Meet(a, b);
    PlayToSetIds(a, b);
    a.Field("opponent_id")->setText(b.Text("own_id"));
    b.Field("opponent_id")->setText(a.Text("own_id"));
    Click(a.Find("id_ok"));
    Click(b.Find("id_ok"));
    Side& winner = a.Find("new_card_label")->isHidden() ? b : a;
    return Capture(winner.window);
}

// Every deck card of the player carries the transplanted technique, and icon slot 1 holds the icon
// (-1 for none); the save is written back sealed.
void Equip(const std::filesystem::path& folder, int32_t waza, int32_t icon, int32_t whole_deck = -1) {
    const GameFolder f{folder};
    LoadedGame game = LoadPlayerData(f);
    if (whole_deck >= 0) game.my.deck.fill(whole_deck);
    for (const int32_t card : game.my.deck)
        if (card >= 0) game.my.card_magic[static_cast<size_t>(card)] = waza;
    if (icon >= 0) {
        game.my.icon_count[static_cast<size_t>(icon)] = 1;
        game.my.icon_slot1 = icon;
    }
    SavePlayerData(f, game.my);
}

// What a technique shot stages: the transplanted technique and icon both players carry, the button
// the first mover presses, the title to catch (at its result line unless told otherwise) and, when
// not -1, the one card kind every deck slot holds.
struct Scene {
    int32_t waza, icon;
    const char* button;
    const char* title;
    bool at_result = true;
    int32_t whole_deck = -1;
};

// A technique caught on the mover's window at the scene's title.
QImage Technique(SampleGame& game, const Scene& scene) {
    SampleGame second(KESTRA_BUILT_GAME_DIR, "opponent");
    Equip(game.folder(), scene.waza, scene.icon, scene.whole_deck);
    Equip(second.folder(), scene.waza, scene.icon, scene.whole_deck);
    Side a(game.folder(), 51), b(second.folder(), 52);
    script::AutoClicker clicker({&a.window, &b.window});
    Meet(a, b);
    Side* mover = Mover(a, b);
    if (!mover) return {};
    script::ChooseTechniqueOrPass(mover->window, scene.button);
    QImage picture;
    clicker.before_click = [&](DuelWindow* w) {
        const QString text = w->findChild<QLabel*>(QStringLiteral("message_area"))->text();
        if (w != &mover->window || !picture.isNull() || !text.startsWith(QString::fromUtf8(scene.title)) ||
            (scene.at_result && !text.contains(QLatin1Char('\n'))))
            return true;
        mover->window.Refresh();
        picture = mover->window.grab().toImage();
        return true;
    };
    script::SendAndResolve(mover->window, (mover == &a ? b : a).window);
    return picture;
}

// 剣術 (the blow family), 青い風 under icon 148 (the status family), 風水術 (the fate family).
QImage SwordArt(SampleGame& game) { return Technique(game, {11, -1, "m77", "＞剣術"}); }
QImage BlueWind(SampleGame& game) { return Technique(game, {0, 148, "m44", "＞青い風"}); }
QImage Geomancy(SampleGame& game) { return Technique(game, {7, -1, "m73", "＞風水術"}); }

// A real summon: every deck holds 星詠みの召喚士 (card 106, whose list offers 召喚) and wears ガルメキ
// (icon 131); caught while the being's picture waits for the click.
QImage Summoning(SampleGame& game) { return Technique(game, {0, 131, "m32", "召喚＞ガルメキ", false, 106}); }

// A signature move in place of the flick: every deck holds 泉の癒し手 (card 199), whose でこぴん is
// "＞湧き出る泉" on every chance digit; caught at its result line.
QImage SignatureMove(SampleGame& game) { return Technique(game, {0, -1, "m1", "＞湧き出る泉", true, 199}); }

// The player also wears the icon in slot 2 (-1 for none); the save is written back sealed.
void WearSecond(const std::filesystem::path& folder, int32_t icon) {
    if (icon < 0) return;
    const GameFolder f{folder};
    LoadedGame game = LoadPlayerData(f);
    game.my.icon_count[static_cast<size_t>(icon)] = 1;
    game.my.icon_slot2 = icon;
    SavePlayerData(f, game.my);
}

// The technique panels of the mover's card in a slot once its target is chosen: the card's own list,
// its transplanted technique and what the worn icons add (-1: none).
QImage Offer(SampleGame& game, int32_t waza, int32_t icon, int32_t icon2, int32_t slot, uint64_t seed) {
    SampleGame second(KESTRA_BUILT_GAME_DIR, "opponent");
    Equip(game.folder(), waza, icon);
    Equip(second.folder(), waza, icon);
    WearSecond(game.folder(), icon2);
    WearSecond(second.folder(), icon2);
    Side a(game.folder(), seed), b(second.folder(), seed + 1);
    script::AutoClicker clicker({&a.window, &b.window});
    Meet(a, b);
    Side* mover = Mover(a, b);
    if (!mover) return {};
    Click(mover->Find(("you_card" + std::to_string(slot)).c_str()));
    Click(mover->Find("enemy_card1"));
    mover->window.Refresh();
    return Capture(mover->window);
}

// Three cards: the first with its own list only; the second with 剣術 transplanted, 青い風 from icon 148
// and アイテム from icon 198, running over into waza_box; the third under icon 80, which leaves one
// button drawn by local chance.
QImage OfferPlain(SampleGame& game) { return Offer(game, 0, -1, -1, 1, 61); }
QImage OfferTransplant(SampleGame& game) { return Offer(game, 11, 148, 198, 2, 63); }
QImage OfferIconEighty(SampleGame& game) { return Offer(game, 0, 80, -1, 3, 65); }

// The duel start caught on the applicant's window at the first pause whose message holds the text:
// the applicant wears icons a1/a2 and holds deck_a (-1: its own), the receiver b1/b2 and deck_b.
QImage Opening(SampleGame& game, std::array<int32_t, 2> icons_a, std::array<int32_t, 2> icons_b, int32_t deck_a,
               int32_t deck_b, const char* caught) {
    SampleGame second(KESTRA_BUILT_GAME_DIR, "opponent");
    Equip(game.folder(), 0, icons_a[0], deck_a);
    Equip(second.folder(), 0, icons_b[0], deck_b);
    WearSecond(game.folder(), icons_a[1]);
    WearSecond(second.folder(), icons_b[1]);
    Side a(game.folder(), 71), b(second.folder(), 72);
    script::AutoClicker clicker({&a.window, &b.window});
    QImage picture;
    clicker.before_click = [&](DuelWindow* w) {
        const QString text = w->findChild<QLabel*>(QStringLiteral("message_area"))->text();
        if (w != &a.window || !picture.isNull() || !text.contains(QString::fromUtf8(caught))) return true;
        a.window.Refresh();
        picture = a.window.grab().toImage();
        return true;
    };
    Meet(a, b);
    return picture;
}

// The applicant's icon 82 fuses its three cards into the first as the duel starts.
QImage Fusion(SampleGame& game) { return Opening(game, {82, -1}, {10, 11}, -1, -1, "達が融合した"); }

// The applicant's darkness icon 56 lifts the receiver's first icon as the duel starts.
QImage DarknessLift(SampleGame& game) { return Opening(game, {56, -1}, {10, 11}, -1, -1, "のアイコン1を解除させた！"); }

// Three phases played: both OPTION boxes show the same "照合：" code; the applicant's window.
QImage CheckCode(SampleGame& game) {
    SampleGame second(KESTRA_BUILT_GAME_DIR, "opponent");
    Side a(game.folder(), 21), b(second.folder(), 22);
    script::AutoClicker clicker({&a.window, &b.window});
    Meet(a, b);
    for (int phase = 0; phase < 3; ++phase) {
        Side* mover = Mover(a, b);
        if (!mover) break;
        script::ChooseFlickOrPass(mover->window);
        script::SendAndResolve(mover->window, (mover == &a ? b : a).window);
    }
    return Capture(a.window);
}

// A duel played to the set IDs writes its record; a third player opens it with "記録ファイル…" and
// the window is caught on the viewed duel's third turn.
QImage ViewRecord(SampleGame& game) {
    SampleGame second(KESTRA_BUILT_GAME_DIR, "opponent"), third(KESTRA_BUILT_GAME_DIR, "viewer");
    std::filesystem::path record;
    {
        Side a(game.folder(), 51), b(second.folder(), 52);
        script::AutoClicker clicker({&a.window, &b.window});
        Meet(a, b);
        PlayToSetIds(a, b);
        for (const auto& e : std::filesystem::directory_iterator(a.session.folder.records())) record = e.path();
    }
    RecordingAudio audio;
    StillClock clock;
    RecordDialogs dialogs;
    dialogs.file = record;
    GameSession session(GameFolder{third.folder()}, LoadPlayerData(GameFolder{third.folder()}), audio, clock, dialogs, 54);
    DuelWindow window(session);
    NoHost host;
    window.SetHost(&host);
    QImage picture;
    script::AutoClicker clicker({&window});
    clicker.before_click = [&](DuelWindow* w) {
        if (picture.isNull() && w->record().turn >= 3) {
            w->Refresh();
            picture = Capture(*w);
        }
        return true;
    };
    window.OpenViewMode();
    Click(window.findChild<QWidget*>(QStringLiteral("view_record_file")));
    return picture;
}

// View mode with a field rule pressed and both numbers pasted, the window grown to its situation texts.
QImage ViewMode(SampleGame& game) {
    Side v(game.folder(), 41);
    v.window.OpenViewMode();
    Click(v.Find("field_button"));
    Click(v.Find("rule_12"));
    v.Field("view_applicant")->setText(QString::fromUtf8("戦士No.003400007000012000999999"));
    v.Field("view_receiver")->setText(QString::fromUtf8("戦士No.021000026000033000213999"));
    Click(v.Find("situation_button"));
    return Capture(v.window);
}

// Both players wear icon 198, which offers アイテム to every card, and hold a few items; the mover
// picks its first card, the opponent's first card and アイテム, and selects the hammer (item 63).
struct ItemScene {
    std::unique_ptr<SampleGame> second;
    std::unique_ptr<Side> a, b;
    std::unique_ptr<script::AutoClicker> clicker;
    Side* mover = nullptr;
};

// The players' item stocks: a few healing rows, the rain clouds and the hammer.
void StockItems(const std::filesystem::path& folder) {
    const GameFolder f{folder};
    LoadedGame game = LoadPlayerData(f);
    for (const size_t row : {0u, 5u, 10u, 63u, 66u, 69u}) game.my.item_count[row] = 2;
    SavePlayerData(f, game.my);
}

// The item box open on the mover's window with the hammer selected.
void OpenItemScene(SampleGame& game, ItemScene& scene) {
    scene.second = std::make_unique<SampleGame>(KESTRA_BUILT_GAME_DIR, "opponent");
    for (const auto& folder : {game.folder(), scene.second->folder()}) {
        Equip(folder, 0, 198);
        StockItems(folder);
    }
    scene.a = std::make_unique<Side>(game.folder(), 81);
    scene.b = std::make_unique<Side>(scene.second->folder(), 82);
    scene.clicker = std::make_unique<script::AutoClicker>(std::vector<DuelWindow*>{&scene.a->window, &scene.b->window});
    Meet(*scene.a, *scene.b);
    scene.mover = Mover(*scene.a, *scene.b);
    if (!scene.mover) return;
    script::ChooseTechniqueOrPass(scene.mover->window, "m87");
    auto* list = scene.mover->window.findChild<QListWidget*>(QStringLiteral("item_list"));
    if (list) list->setCurrentRow(63);
}

// The item box: the held items by name, the others "????", the hammer's stock and description.
QImage ItemBox(SampleGame& game) {
    ItemScene scene;
    OpenItemScene(game, scene);
    if (!scene.mover) return {};
    scene.mover->window.Refresh();
    return Capture(scene.mover->window);
}

// The hammer in use, caught on the mover's window at its damage line.
QImage ItemInUse(SampleGame& game) {
    ItemScene scene;
    OpenItemScene(game, scene);
    if (!scene.mover) return {};
    Side& mover = *scene.mover;
    Click(mover.Find("item_use"));
    QImage picture;
    scene.clicker->before_click = [&](DuelWindow* w) {
        const QString text = w->findChild<QLabel*>(QStringLiteral("message_area"))->text();
        if (w != &mover.window || !picture.isNull() || !text.contains(QString::fromUtf8("ダメージ与えた"))) return true;
        mover.window.Refresh();
        picture = mover.window.grab().toImage();
        return true;
    };
    script::SendAndResolve(mover.window, (scene.mover == scene.a.get() ? *scene.b : *scene.a).window);
    return picture;
}

}  // namespace

void AddDuelShots(std::vector<Shot>& shots) {
    shots.push_back({"duel_warrior_number", WarriorNumber});
    shots.push_back({"duel_mid_battle", MidBattle});
    shots.push_back({"duel_set_ids", SetIds});
    shots.push_back({"duel_ending", Ending});
    shots.push_back({"duel_technique_sword", SwordArt});
    shots.push_back({"duel_technique_blue_wind", BlueWind});
    shots.push_back({"duel_technique_geomancy", Geomancy});
    shots.push_back({"duel_offer_own_list", OfferPlain});
    shots.push_back({"duel_offer_transplant_and_icon", OfferTransplant});
    shots.push_back({"duel_offer_icon_80", OfferIconEighty});
    shots.push_back({"duel_view_mode", ViewMode});
    shots.push_back({"duel_check_code", CheckCode});
    shots.push_back({"duel_view_record", ViewRecord});
    shots.push_back({"duel_summon", Summoning});
    shots.push_back({"duel_signature_move", SignatureMove});
    shots.push_back({"duel_start_darkness", DarknessLift});
    shots.push_back({"duel_start_fusion", Fusion});
    shots.push_back({"duel_item_box", ItemBox});
    shots.push_back({"duel_item_in_use", ItemInUse});
}

}  // namespace kestra::shots

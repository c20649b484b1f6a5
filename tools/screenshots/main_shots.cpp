// The main window's screenshots: start menu, duel panel, music quiz, deck builder, help,
// developer panel, the economy panels, the rule and field panels and deck registration, each on the
// sample player.
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

#include "app/main_window.h"
#include "app/dialogs.h"
#include "sample_game.h"
#include "shot_list.h"

namespace kestra::shots {

namespace {

// "スタート" and view mode go nowhere in a screenshot.
struct NoDuelWindow : DuelLauncher {
    void ResetForRequest() override {}
    void OpenDuel(int32_t, int32_t) override {}
    void OpenViewMode() override {}
};

// The sample session with SHOP, 合成 and 術屋 already revealed by earlier duels.
GameSession& Revealed(SampleGame& game) {
    game.session().revealed = MenuReveal{true, true, true};
    return game.session();
}

// A main window on the sample player, with every start-menu door revealed.
struct Staged {
    explicit Staged(SampleGame& game) : window(Revealed(game), duel) { window.show(); }
    template <class T>
    T* Find(const char* name) { return window.findChild<T*>(QString::fromUtf8(name)); }
    void Click(const char* button) { Find<QPushButton>(button)->click(); }

    NoDuelWindow duel;
    MainWindow window;
};

// The start menu two frames into the title animation.
QImage StartMenu(SampleGame& game) {
    Staged s(game);
    s.window.AnimationTick();
    return Capture(s.window);
}

// The duel panel after "★デュエルを申しこむ".
QImage DuelPanel(SampleGame& game) {
    Staged s(game);
    s.Click("request_b");
    return Capture(s.window);
}

// The quiz box open over the duel panel with a piece set.
QImage MusicQuiz(SampleGame& game) {
    Staged s(game);
    s.Click("accept_b");
    QMetaObject::invokeMethod(s.Find<QWidget>("quiz_star"), "clicked");
    s.Find<QListWidget>("quiz_list")->setCurrentRow(4);
    s.window.StatusTick();
    return Capture(s.window);
}

// The deck builder with a levelled card chosen.
QImage DeckBuilder(SampleGame& game) {
    Staged s(game);
    s.Click("deck_b");
    s.Find<QListWidget>("deck_list")->setCurrentRow(1);
    s.Find<QListWidget>("card_list")->setCurrentRow(9);
    s.window.StatusTick();
    return Capture(s.window);
}

// The help text.
QImage Help(SampleGame& game) {
    Staged s(game);
    s.Click("help_b");
    return Capture(s.window);
}

// The hidden developer panel.
QImage Developer(SampleGame& game) {
    Staged s(game);
    emit s.Find<QShortcut>("dev_shortcut")->activated();
    return Capture(s.window);
}

// The sample player with a few icons, items and techniques in stock, as the economy shots show.
SampleGame& Stocked(SampleGame& game) {
    tmy& my = game.session().my();
    my.merit = 120;
    my.ark = 140;
    my.icon_slot1 = 0;
    for (int32_t icon : {2, 5, 9, 17, 43}) my.icon_count[static_cast<size_t>(icon)] = 1;
    for (int32_t row : {0, 1, 3, 11, 14, 21}) my.item_count[static_cast<size_t>(row)] = 2;
    for (int32_t k : {0, 4, 11}) my.magic_count[static_cast<size_t>(k)] = 1;
    return game;
}

// A panel opened by its door, with one row of its list chosen.
QImage PanelWithRow(SampleGame& game, std::initializer_list<const char*> doors, const char* list, int row) {
    Staged s(Stocked(game));
    for (const char* door : doors) s.Click(door);
    s.Find<QListWidget>(list)->setCurrentRow(row);
    return Capture(s.window);
}

// The shop with one of the cards that wins unlocked chosen.
QImage Shop(SampleGame& game) { return PanelWithRow(game, {"shop_b"}, "shop_list", 4); }
// Synthesis with its first fixed recipe chosen.
QImage Synthesis(SampleGame& game) { return PanelWithRow(game, {"gousei_b"}, "gousei_list", 0); }
// The technique shop with 剣 chosen.
QImage TechniqueShop(SampleGame& game) { return PanelWithRow(game, {"magic_shop_b"}, "magic_list", 11); }
// The icon panel with an owned icon chosen and one worn.
QImage Icons(SampleGame& game) { return PanelWithRow(game, {"deck_b", "icons_b"}, "icon_list", 5); }
// The item panel with a stocked item chosen.
QImage Items(SampleGame& game) { return PanelWithRow(game, {"deck_b", "items_b"}, "item_list", 11); }

// The transplant panel for the levelled card 7 with 剣 chosen.
QImage Transplant(SampleGame& game) {
    Staged s(Stocked(game));
    s.Click("deck_b");
    s.Find<QListWidget>("deck_list")->setCurrentRow(1);
    s.Click("transplant_b");
    s.Find<QListWidget>("transplant_list")->setCurrentRow(11);
    return Capture(s.window);
}

// The confirmation before a duel begins, with its Japanese buttons.
QImage QuestionBox(SampleGame&) {
    const auto box = MakeQuestionBox(nullptr, "相手にもちゃんと検証ＩＤを伝えましたか？よろしいなら「はい」を押してください");
    return Capture(*box);
}

// A veteran of 1500 duels, so every group of the rule and field panels is offered.
GameSession& Veteran(SampleGame& game) {
    game.session().my().duels = 1500;
    return game.session();
}

// The rule panel with its nine groups.
QImage RuleDuels(SampleGame& game) {
    Veteran(game);
    Staged s(game);
    s.Click("rule_b");
    return Capture(s.window);
}

// The field panel with its nine groups.
QImage FieldDuels(SampleGame& game) {
    Veteran(game);
    Staged s(game);
    s.Click("field_b");
    return Capture(s.window);
}

// The registration panel with two set-ups stored and the second chosen.
QImage Registration(SampleGame& game) {
    tmy& my = game.session().my();
    my.touroku[0] = ttouroku{"火の組", my.deck, {-1, -1}};
    my.touroku[1] = ttouroku{"オリジナルデッキ1", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {213, -1}};
    Staged s(game);
    s.Click("deck_b");
    s.Click("touroku_b");
    s.Find<QListWidget>("touroku_list")->setCurrentRow(1);
    s.Find<QListWidget>("touroku_cards")->setCurrentRow(2);
    return Capture(s.window);
}

}  // namespace

void AddMainShots(std::vector<Shot>& shots) {
    shots.push_back({"main_start_menu", StartMenu});
    shots.push_back({"main_duel_panel", DuelPanel});
    shots.push_back({"main_music_quiz", MusicQuiz});
    shots.push_back({"main_deck_builder", DeckBuilder});
    shots.push_back({"main_help", Help});
    shots.push_back({"main_developer", Developer});
    shots.push_back({"main_question_box", QuestionBox});
    shots.push_back({"main_shop", Shop});
    shots.push_back({"main_synthesis", Synthesis});
    shots.push_back({"main_technique_shop", TechniqueShop});
    shots.push_back({"main_transplant", Transplant});
    shots.push_back({"main_icons", Icons});
    shots.push_back({"main_items", Items});
    shots.push_back({"main_rule_duels", RuleDuels});
    shots.push_back({"main_field_duels", FieldDuels});
    shots.push_back({"main_registration", Registration});
}

}  // namespace kestra::shots

#pragma once
// Every widget of the duel window, built once at its creation and only shown, hidden and filled
// afterwards. Object names are the ones the tests and screenshots find them by.
#include "app/widget_kit.h"
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <array>
#include <map>
#include <string>

#include "app/duel_widgets.h"

namespace kestra {

// The three cards of one side: pictures, five-line panels, icon labels, the turn mark.
struct CardBox {
    QGroupBox* box = nullptr;
    std::array<ClickLabel*, 3> picture{};
    std::array<QLabel*, 3> panel{};
    std::array<QLabel*, 2> icon{};
    QLabel* region = nullptr;
    QLabel* turn_mark = nullptr;  // "★THIS SIDE TURN"
};

struct DuelLayout {
    CardBox you, enemy;

    // INPUT: this side's warrior number and ID, the NUMBER box, the opponent's ID.
    QGroupBox* input_box = nullptr;
    QLineEdit* own_number = nullptr;
    QLineEdit* own_id = nullptr;
    QGroupBox* number_box = nullptr;
    QLineEdit* opponent_number = nullptr;
    ClickLabel* opponent_number_paste = nullptr;
    QPushButton* number_done = nullptr;
    QLabel* opponent_id_label = nullptr;
    QLineEdit* opponent_id = nullptr;
    ClickLabel* opponent_id_paste = nullptr;
    QPushButton* id_ok = nullptr;

    // The technique panels: waza_box2 ("COMMAND", the first eight offered buttons) with waza_box
    // ("WAZA", the next eight) inside its lower half; the technique buttons by name; the item box.
    QGroupBox* command_box = nullptr;
    QGroupBox* technique_box = nullptr;
    std::map<std::string, QPushButton*, std::less<>> technique;
    QGroupBox* item_box = nullptr;
    QListWidget* item_list = nullptr;
    QLabel* item_info = nullptr;
    QPushButton* item_use = nullptr;
    QPushButton* item_cancel = nullptr;

    // OPTION.
    QGroupBox* option_box = nullptr;
    QLabel* turn_label = nullptr;
    QLabel* music_label = nullptr;
    QLabel* time_label = nullptr;
    QLabel* bingo_label = nullptr;
    QLabel* bingo_group_label = nullptr;
    QLabel* check_label = nullptr;  // "照合：" and the check code of the last phase
    QPushButton* bgm_button = nullptr;
    QPushButton* situation_button = nullptr;
    QPushButton* pass_b = nullptr;
    QLabel* pass_note = nullptr;

    // BATTLE NUMBER and the hint line that shares its place before the battle.
    QLabel* bn_label = nullptr;
    QLineEdit* bn_field = nullptr;
    ClickLabel* bn_paste = nullptr;
    QLabel* bn_arrow = nullptr;
    QLabel* bn_send_note = nullptr;
    QLabel* bn_input_note = nullptr;
    QPushButton* battle_phase = nullptr;
    QLabel* hint = nullptr;

    // The message area, its click mark, and the labels under it.
    QLabel* message = nullptr;
    QLabel* click_mark = nullptr;
    QLabel* battle_type = nullptr;
    QLabel* disaster = nullptr;

    // The situation texts below the window's first height.
    QLineEdit* situation_mine = nullptr;
    QLineEdit* situation_theirs = nullptr;

    // ENDING.
    QGroupBox* ending_box = nullptr;
    QLabel* ending_picture = nullptr;
    QLabel* ending_panel = nullptr;
    QLabel* ending_headline = nullptr;
    QLabel* new_card = nullptr;
    QPushButton* ending_ok = nullptr;

    // The summon panel: a summoned being's picture, shown only while it acts.
    QWidget* summon_form = nullptr;     // s_form
    QGroupBox* summon_box = nullptr;    // s_box
    QLabel* summon_picture = nullptr;   // s_cg
};

inline constexpr int kDuelWidth = 515;
inline constexpr int kDuelHeight = 431;
inline constexpr int kDuelTallHeight = 501;  // with the situation texts

// Build every widget on the window, all in their first state.
DuelLayout BuildDuelLayout(QWidget* window);

// Pieces of the build, one file each.
CardBox BuildCardBox(QWidget* window, const char* title, const char* prefix, int left);
void BuildInputBox(QWidget* window, DuelLayout& ui);
void BuildCommandBoxes(QWidget* window, DuelLayout& ui);
void BuildOptionBox(QWidget* window, DuelLayout& ui);
void BuildBattleNumberArea(QWidget* window, DuelLayout& ui);
void BuildEndingBox(QWidget* window, DuelLayout& ui);
void BuildSummonPanel(QWidget* window, DuelLayout& ui);

// Small helpers the builders share.
namespace duel_ui {
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry, int pixel_size = 10);
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, QRect geometry);
QLineEdit* MakeField(QWidget* parent, const char* name, QRect geometry);
ClickLabel* MakePasteLabel(QWidget* parent, const char* name, const QString& text, QRect geometry);
QGroupBox* MakeBox(QWidget* parent, const char* name, const QString& title, QRect geometry);
// Text from UTF-8.
using kestra::Utf8;
}  // namespace duel_ui

}  // namespace kestra

#include "battle/offered_buttons.h"

#include <array>

#include "duel/side_rules.h"
#include "battle/technique.h"

namespace kestra {

namespace {

// The single-word techniques a card may carry, by technique number 1..18.
constexpr std::array<std::string_view, 19> kSingleWord = {
    "",    "m67", "m68", "m69", "m70", "m71", "m72", "m73", "m74", "m75",
    "m76", "m77", "m78", "m79", "m80", "m81", "m82", "m83", "m84",
};

constexpr int32_t kFixedButtons = 88;  // icon 80 draws one of m1..m88
constexpr int32_t kItemWaza = 23;      // a card carrying technique 23 may use items

// This side wears the icon.
bool IWearIcon(const DuelRecord& d, int32_t icon) { return d.my_icon1 == icon || d.my_icon2 == icon; }

// The offered set under construction: captions of the four default buttons and what is shown.
struct Panel {
    std::vector<OfferedButton> shown;

    // Show a button (once) with its caption, if the battle runs its key.
    void Show(std::string_view name, std::string caption) {
        const TechniqueButton* b = FindTechniqueButton(name);
        if (b == nullptr || !TechniqueBuilt(b->key())) return;
        for (const OfferedButton& o : shown)
            if (o.name == name) return;
        if (caption.empty()) caption = std::string(b->caption);
        shown.push_back(OfferedButton{b->name, std::move(caption)});
    }
};

// Slots 1..3 of this side that are dead.
int32_t OwnDead(const DuelRecord& d) {
    int32_t n = 0;
    for (int32_t s = 1; s <= 3; ++s) n += SlotAlive(d, s) ? 0 : 1;
    return n;
}

// The opponent's living cards and the sum of their HP.
std::pair<int32_t, int32_t> OpponentAliveAndHp(const DuelRecord& d) {
    int32_t alive = 0, hp = 0;
    for (int32_t s = 4; s <= 6; ++s) {
        if (!SlotAlive(d, s)) continue;
        ++alive;
        hp += d.chara[static_cast<size_t>(s)].hp;
    }
    return {alive, hp};
}

// The flick's caption after step 5: icons 227 and 228 of this side dress it up (still key 10).
std::string FlickCaption(const DuelRecord& d, std::string caption) {
    if (IWearIcon(d, 227)) caption = "バリア";
    if (IWearIcon(d, 228)) caption = "刻印剣";
    return caption;
}

}  // namespace

const std::vector<TechniqueButton>& TechniqueButtons() {
    static const std::vector<TechniqueButton> buttons = {
        {"m1", 1, 0, "でこぴん"},
        {"m2", 2, 0, "占星術"},
        {"m3", 3, 0, "シルヴィア剣"},
        {"m4", 4, 0, "吸血"},
        {"m5", 5, 0, "赤い風"},
        {"m6", 6, 0, "いたずら"},
        {"m7", 7, 0, "Ｍ法"},
        {"m8", 8, 0, "数珠"},
        {"m9", 9, 0, "タマネギ斬り"},
        {"m10", 1, 1, "弓矢狼"},
        {"m11", 2, 1, "ドッペルゲンガー"},
        {"m12", 3, 1, "自爆"},
        {"m13", 4, 1, "ﾎﾟｲｽﾞﾝ･ﾊﾞﾀﾌﾗｲ"},
        {"m14", 5, 1, "ユージュアル"},
        {"m15", 6, 1, "人魚の歌"},
        {"m16", 7, 1, "八ノ地経文"},
        {"m17", 8, 1, "癒しの風"},
        {"m18", 9, 1, "獣神イリューガー"},
        {"m19", 1, 2, "妖精王ミディール"},
        {"m20", 2, 2, "エリス"},
        {"m21", 3, 2, "パルテナ鏡"},
        {"m22", 4, 2, "オールト雲"},
        {"m23", 5, 2, "龍言語魔法"},
        {"m24", 6, 2, "約束"},
        {"m25", 8, 2, "ビンタ"},
        {"m26", 9, 2, ""},
        {"m30", 0, 3, "盗む"},
        {"m31", 1, 3, "テンプテーション"},
        {"m32", 2, 3, "召喚"},
        {"m33", 3, 3, "暗黒剣"},
        {"m34", 4, 3, "憑依"},
        {"m35", 5, 3, "時間剣"},
        {"m36", 6, 3, "ダンス"},
        {"m37", 7, 3, "ヴァイスクロイツ"},
        {"m38", 8, 3, "食べる"},
        {"m39", 9, 3, "凍結"},
        {"m40", 0, 4, "自殺"},
        {"m41", 1, 4, "ドラゴンバスター"},
        {"m42", 2, 4, "バーサーカー"},
        {"m43", 3, 4, "セイントダンス"},
        {"m44", 4, 4, "青い風"},
        {"m45", 5, 4, "魔剣"},
        {"m46", 6, 4, "集中"},
        {"m47", 7, 4, "波動"},
        {"m48", 8, 4, "弱さは強さ"},
        {"m49", 9, 4, "メテオ"},
        {"m50", 0, 5, "ナイチンゲール"},
        {"m51", 1, 5, "イルネス"},
        {"m52", 2, 5, "時限爆弾"},
        {"m53", 3, 5, "魔方陣"},
        {"m54", 4, 5, "審判"},
        {"m55", 5, 5, "解放"},
        {"m56", 6, 5, "ヘルプ！！"},
        {"m58", 8, 5, "トロッコ銃"},
        {"m59", 9, 5, "ミサイル"},
        {"m60", 0, 6, "羊使いの銃"},
        {"m61", 1, 6, "転生"},
        {"m62", 2, 6, "祈祷術"},
        {"m63", 3, 6, "吸心"},
        {"m64", 4, 6, "契約"},
        {"m65", 5, 6, "無想"},
        {"m66", 6, 6, "ユージュアル２"},
        {"m67", 7, 6, "魔術"},
        {"m68", 8, 6, "妖術"},
        {"m69", 9, 6, "幻術"},
        {"m70", 0, 7, "体術"},
        {"m71", 1, 7, "武術"},
        {"m72", 2, 7, "医術"},
        {"m73", 3, 7, "風水術"},
        {"m74", 4, 7, "妖精術"},
        {"m75", 5, 7, "死術"},
        {"m76", 6, 7, "心術"},
        {"m77", 7, 7, "剣術"},
        {"m78", 8, 7, "槍術"},
        {"m79", 9, 7, "奇術"},
        {"m80", 0, 8, "錬金術"},
        {"m81", 1, 8, "忍術"},
        {"m82", 2, 8, "天術"},
        {"m83", 3, 8, "柔術"},
        {"m84", 4, 8, "冥術"},
        {"m85", 5, 8, "インヤン"},
        {"m86", 6, 8, "ウルトラでこぴん"},
        {"m87", 7, 8, "アイテム"},
        {"m88", 8, 8, "森羅万象"},
        {"m5a", 5, 0, "赤い風"},
    };
    return buttons;
}

const TechniqueButton* FindTechniqueButton(std::string_view name) {
    for (const TechniqueButton& b : TechniqueButtons())
        if (b.name == name) return &b;
    return nullptr;
}

std::string_view SingleWordButton(int32_t waza) {
    if (waza < 1 || waza >= static_cast<int32_t>(kSingleWord.size())) return {};
    return kSingleWord[static_cast<size_t>(waza)];
}

std::string_view FixedButtonOfDraw(int32_t draw) {
    if (draw < 0 || draw >= kFixedButtons) return {};
    if (draw + 1 == 57) return "m5a";
    const std::string name = "m" + std::to_string(draw + 1);
    const TechniqueButton* b = FindTechniqueButton(name);
    if (b == nullptr || !TechniqueBuilt(b->key())) return "m1";
    return b->name;
}

bool TechniqueBuilt(int32_t key) { return key == kItemKey || FindTechnique(key) != nullptr; }

int32_t KeyOfButton(std::string_view name) {
    const TechniqueButton* b = FindTechniqueButton(name);
    return b ? b->key() : -1;
}

std::vector<OfferedButton> OfferedButtons(const DuelRecord& d, const Catalogue& cat, Rng& rng) {
    return OfferedButtons(d, cat, EmbeddedTechniqueLists(), rng);
}

std::vector<OfferedButton> OfferedButtons(const DuelRecord& d, const Catalogue& cat,
                                          const TechniqueLists& lists, Rng& rng) {
    // Step 1: everything hidden; m1, m61, m2 and m12 have their default captions (the table's).
    Panel panel;
    if (d.atk_no < 1 || d.atk_no > 3) return {};
    const tchar& a = d.chara[static_cast<size_t>(d.atk_no)];
    // Step 3 first in panel order: the card's own list, by orig_no (entries may need a name).
    for (const ListEntry& e : TechniqueListOf(lists, a.orig_no))
        if (e.only_name.empty() || e.only_name == a.name) panel.Show(e.button, e.caption);
    // Step 2: the single-word technique of a transplanted waza 1..18.
    const std::string_view single = SingleWordButton(a.waza);
    if (!single.empty()) panel.Show(single, "");
    // Step 4: the last-stand buttons, each with its local draw, then 青い風 and アイテム.
    const bool fixed = SideWearsNamed(d, cat, 1, kLastStandIcon);
    const int32_t help_draw = rng.Random(4), ultra_draw = rng.Random(5);
    const auto [opp_alive, opp_hp] = OpponentAliveAndHp(d);
    const bool two_dead = OwnDead(d) == 2, within = a.hp <= opp_hp;
    if (d.battle_type == kHelpBattleType ||
        ((fixed || help_draw == 0) && two_dead && opp_alive == 3 && within))
        panel.Show(kHelpButton, "");
    if (a.hp < 4 && (fixed || ultra_draw == 0) && two_dead && within) panel.Show(kUltraFlickButton, "");
    if (IWearIcon(d, 148)) panel.Show("m44", "");
    if (IWearIcon(d, 198) || a.waza == kItemWaza) panel.Show(kItemButton, "");
    // Step 5: icons 227 and 228 relabel the flick.
    for (OfferedButton& o : panel.shown)
        if (o.name == "m1") o.caption = FlickCaption(d, o.caption);
    // Step 6: icon 80 hides all again and shows one of the 88 fixed buttons.
    if (IWearIcon(d, 80)) {
        const std::string_view name = FixedButtonOfDraw(rng.Random(kFixedButtons));
        std::string caption(FindTechniqueButton(name)->caption);
        if (name == "m1") caption = FlickCaption(d, caption);
        return {OfferedButton{name, caption}};
    }
    return panel.shown;
}

}  // namespace kestra

#include "app/duel_techniques.h"

#include <array>

#include "battle/technique.h"

namespace kestra {

namespace {

constexpr int32_t kFlickKey = 10;

// The single-word techniques a card may carry, by technique number 1..18.
constexpr std::array<std::string_view, 19> kSingleWord = {
    "",    "m67", "m68", "m69", "m70", "m71", "m72", "m73", "m74", "m75",
    "m76", "m77", "m78", "m79", "m80", "m81", "m82", "m83", "m84",
};

// This side wears the icon.
bool IWearIcon(const DuelRecord& d, int32_t icon) { return d.my_icon1 == icon || d.my_icon2 == icon; }

// The flick's caption: icons 227 and 228 of this side dress it up (it still sends key 10).
std::string FlickCaption(const DuelRecord& d) {
    if (IWearIcon(d, 228)) return "刻印剣";
    if (IWearIcon(d, 227)) return "バリア";
    return "でこぴん";
}

// The button as offered, with its usual caption.
OfferedButton Offer(std::string_view name) {
    const TechniqueButton* b = FindTechniqueButton(name);
    return OfferedButton{name, b ? std::string(b->caption) : std::string()};
}

// Icon 80: one button drawn from every button that names a technique.
OfferedButton DrawOneButton(Rng& rng) {
    std::vector<std::string_view> pool;
    for (const TechniqueButton& b : TechniqueButtons())
        if (!b.caption.empty() && b.name != kItemButton) pool.push_back(b.name);
    return Offer(pool[static_cast<size_t>(rng.Random(static_cast<int32_t>(pool.size())))]);
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

bool TechniqueBuilt(int32_t key) { return key == kItemKey || FindTechnique(key) != nullptr; }

std::vector<OfferedButton> OfferedButtons(const DuelRecord& d, Rng& rng) {
    if (IWearIcon(d, 80)) return {DrawOneButton(rng)};
    std::vector<OfferedButton> out;
    out.push_back(OfferedButton{"m1", FlickCaption(d)});
    const bool acting = d.atk_no >= 1 && d.atk_no <= 6;
    const int32_t waza = acting ? d.chara[static_cast<size_t>(d.atk_no)].waza : 0;
    const std::string_view single = SingleWordButton(waza);
    if (!single.empty()) {
        const TechniqueButton* b = FindTechniqueButton(single);
        if (b && b->key() != kFlickKey && TechniqueBuilt(b->key())) out.push_back(Offer(single));
    }
    if (IWearIcon(d, 148)) out.push_back(Offer("m44"));  // 青い風
    if (IWearIcon(d, 198) || waza == 23) out.push_back(Offer(kItemButton));
    return out;
}

}  // namespace kestra

#include "duel_json.h"

#include <nlohmann/json.hpp>

namespace kestra::cli {

namespace {

using nlohmann::ordered_json;

// The integer fields of a fighting card, in record order.
constexpr const char* kCardInts[] = {"orig_no", "waza", "status1", "status2", "element",
                                     "card_no", "hp", "mp", "lv", "rarity"};

// Pointer to a card's integer field by key.
int32_t* CardInt(tchar& c, std::string_view key) {
    if (key == "orig_no") return &c.orig_no;
    if (key == "waza") return &c.waza;
    if (key == "status1") return &c.status1;
    if (key == "status2") return &c.status2;
    if (key == "element") return &c.element;
    if (key == "card_no") return &c.card_no;
    if (key == "hp") return &c.hp;
    if (key == "mp") return &c.mp;
    if (key == "lv") return &c.lv;
    return &c.rarity;
}

// The record's scalar integer fields, keyed as the game names them.
template <class R, class F>
void EachScalar(R& d, F&& f) {
    f("my_icon1", d.my_icon1);
    f("my_icon2", d.my_icon2);
    f("e_icon1", d.e_icon1);
    f("e_icon2", d.e_icon2);
    f("duel_kind", d.duel_kind);
    f("duel_role", d.duel_role);
    f("turn", d.turn);
    f("turn_base", d.turn_base);
    f("battle_type", d.battle_type);
    f("input_phase", d.input_phase);
    f("atk_no", d.atk_no);
    f("tgt_no", d.tgt_no);
    f("waza_kind", d.waza_kind);
    f("waza_arg1", d.waza_arg1);
    f("waza_arg2", d.waza_arg2);
    f("luck", d.luck);
    f("my_id", d.my_id);
    f("aite_id", d.aite_id);
}

ordered_json CardToJson(const tchar& c) {
    ordered_json j;
    j["name"] = c.name;
    tchar copy = c;
    for (const char* key : kCardInts) j[key] = *CardInt(copy, key);
    return j;
}

// A signed 32-bit integer from JSON, or an error naming the key.
int32_t Int32(const ordered_json& v, const std::string& key) {
    if (!v.is_number_integer()) throw std::runtime_error(key + ": not an integer");
    const auto n = v.get<int64_t>();
    if (n < INT32_MIN || n > INT32_MAX) throw std::runtime_error(key + ": out of range");
    return static_cast<int32_t>(n);
}

void CardFromJson(const ordered_json& j, tchar& c, const std::string& where) {
    if (!j.is_object()) throw std::runtime_error(where + ": not an object");
    if (j.contains("name")) {
        if (!j["name"].is_string()) throw std::runtime_error(where + ".name: not a string");
        c.name = j["name"].get<std::string>();
    }
    for (const char* key : kCardInts)
        if (j.contains(key)) *CardInt(c, key) = Int32(j[key], where + "." + key);
}

template <size_t N>
void CardsFromJson(const ordered_json& j, std::array<tchar, N>& cards, const std::string& key) {
    if (!j.contains(key)) return;
    const auto& arr = j[key];
    if (!arr.is_array() || arr.size() > N) throw std::runtime_error(key + ": not an array of at most " + std::to_string(N));
    for (size_t i = 0; i < arr.size(); ++i) CardFromJson(arr[i], cards[i], key + "[" + std::to_string(i) + "]");
}

template <size_t N>
ordered_json CardsToJson(const std::array<tchar, N>& cards) {
    ordered_json arr = ordered_json::array();
    for (const tchar& c : cards) arr.push_back(CardToJson(c));
    return arr;
}

}  // namespace

std::optional<DuelRecord> DuelFromJson(std::string_view text, std::string* error) {
    try {
        const ordered_json j = ordered_json::parse(text);
        if (!j.is_object()) throw std::runtime_error("the record is not a JSON object");
        DuelRecord d;
        CardsFromJson(j, d.chara, "chara");
        CardsFromJson(j, d.my_dekki, "my_dekki");
        CardsFromJson(j, d.e_dekki, "e_dekki");
        EachScalar(d, [&](const char* key, int32_t& v) {
            if (j.contains(key)) v = Int32(j[key], key);
        });
        if (j.contains("look_mode")) d.look_mode = static_cast<uint8_t>(Int32(j["look_mode"], "look_mode") != 0);
        for (const auto& [key, field] : {std::pair{"my_label", &d.my_label}, std::pair{"e_label", &d.e_label}}) {
            if (!j.contains(key)) continue;
            if (!j[key].is_string()) throw std::runtime_error(std::string(key) + ": not a string");
            *field = j[key].get<std::string>();
        }
        if (j.contains("deadline")) {
            if (!j["deadline"].is_number_integer()) throw std::runtime_error("deadline: not an integer");
            d.deadline = j["deadline"].get<int64_t>();
        }
        if (j.contains("own_turn")) d.own_turn = j["own_turn"].is_boolean() && j["own_turn"].get<bool>();
        if (j.contains("timer_on")) d.timer_on = j["timer_on"].is_boolean() && j["timer_on"].get<bool>();
        return d;
    } catch (const std::exception& e) {
        if (error) *error = e.what();
        return std::nullopt;
    }
}

std::string DuelToJson(const DuelRecord& d) {
    ordered_json j;
    j["chara"] = CardsToJson(d.chara);
    j["my_dekki"] = CardsToJson(d.my_dekki);
    j["e_dekki"] = CardsToJson(d.e_dekki);
    DuelRecord copy = d;
    EachScalar(copy, [&](const char* key, int32_t& v) { j[key] = v; });
    j["look_mode"] = static_cast<int32_t>(d.look_mode);
    j["my_label"] = d.my_label;
    j["e_label"] = d.e_label;
    j["deadline"] = d.deadline;
    j["own_turn"] = d.own_turn;
    j["timer_on"] = d.timer_on;
    return j.dump(2);
}

}  // namespace kestra::cli

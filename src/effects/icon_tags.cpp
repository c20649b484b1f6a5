#include "effects/icon_tags.h"

#include <string>

#include "base/int_text.h"
#include "base/tsv_table.h"

namespace kestra {

namespace {

// "key=value" with value in [lo, hi]; a leading '+' is allowed when signed.
std::optional<int32_t> Value(std::string_view field, std::string_view key, int32_t lo, int32_t hi, bool is_signed) {
    if (field.substr(0, key.size()) != key || field.size() <= key.size() || field[key.size()] != '=') return std::nullopt;
    std::string_view v = field.substr(key.size() + 1);
    if (is_signed) {
        if (v.empty() || (v[0] != '+' && v[0] != '-')) return std::nullopt;
        const bool minus = v[0] == '-';
        const auto n = ParseInt32(v.substr(1));
        if (!n || *n < lo || *n > hi) return std::nullopt;
        return minus ? -*n : *n;
    }
    const auto n = ParseInt32(v);
    if (!n || *n < lo || *n > hi) return std::nullopt;
    return n;
}

// The filter field: any, elem=0..4, class=0..19 or slot=1..3.
bool ReadFilter(std::string_view f, IconTag& tag) {
    if (f == "any") {
        tag.filter = TagFilter::Any;
        return true;
    }
    struct Kind {
        const char* key;
        TagFilter filter;
        int32_t lo, hi;
    };
    static constexpr Kind kKinds[] = {
        {"elem", TagFilter::Element, 0, 4}, {"class", TagFilter::Class, 0, 19}, {"slot", TagFilter::Slot, 1, 3}};
    for (const Kind& k : kKinds) {
        if (const auto v = Value(f, k.key, k.lo, k.hi, false)) {
            tag.filter = k.filter;
            tag.filter_value = *v;
            return true;
        }
    }
    return false;
}

// One change field; each field at most once per tag.
bool ReadChange(std::string_view f, IconTag& tag) {
    struct Kind {
        const char* key;
        TagField field;
        int32_t lo, hi;
        bool is_signed;
    };
    static constexpr Kind kKinds[] = {
        {"hp", TagField::Hp, 1, 99, true},          {"mp", TagField::Mp, 1, 99, true},
        {"lv", TagField::Lv, 1, 99, true},          {"status1", TagField::Status1, 1, 20, false},
        {"status2", TagField::Status2, 1, 13, false},
    };
    for (const Kind& k : kKinds) {
        const auto v = Value(f, k.key, k.lo, k.hi, k.is_signed);
        if (!v) continue;
        for (const TagChange& c : tag.changes)
            if (c.field == k.field) return false;
        tag.changes.push_back(TagChange{k.field, *v});
        return true;
    }
    return false;
}

}  // namespace

std::optional<IconTag> ParseIconTag(std::string_view text) {
    const auto f = SplitOn(text, ':');
    if (f.size() < 4) return std::nullopt;
    IconTag tag{};
    if (f[0] == "open") tag.trigger = TagTrigger::Open;
    else if (f[0] == "turn") tag.trigger = TagTrigger::Turn;
    else return std::nullopt;
    if (f[1] == "ally") tag.side = TagSide::Ally;
    else if (f[1] == "foe") tag.side = TagSide::Foe;
    else if (f[1] == "all") tag.side = TagSide::All;
    else return std::nullopt;
    if (!ReadFilter(f[2], tag)) return std::nullopt;
    for (size_t i = 3; i < f.size(); ++i)
        if (!ReadChange(f[i], tag)) return std::nullopt;
    return tag;
}

}  // namespace kestra

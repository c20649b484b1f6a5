#include "catalogue_dump.h"

#include <array>
#include <string>

#include "catalogue/card_facts.h"
#include "effects/data_roles.h"

namespace kestra::cli {

namespace {

// cards: number, name, base HP, base MP, rarity class, element.
void Cards(const Catalogue& cat, std::ostream& out) {
    for (int n = 0; n < kCardRows; ++n) {
        const tcard& c = cat.card[n];
        if (c.name.empty()) continue;
        out << n << '\t' << c.name << '\t' << c.hp << '\t' << c.mp << '\t' << c.rarity << '\t' << ElementText(ElementOf(n))
            << '\n';
    }
}

// icons: number, name, dark mark, weight, description.
void Icons(const Catalogue& cat, std::ostream& out) {
    for (int n = 0; n < kIconRows; ++n) {
        const ticon& i = cat.icon[n];
        if (i.name.empty()) continue;
        out << n << '\t' << i.name << '\t' << i.dark << '\t' << i.weight << '\t' << i.description << '\n';
    }
}

// items: number, name, effect code, parameter, price, description.
void Items(const Catalogue& cat, std::ostream& out) {
    for (int n = 0; n < kItemRows; ++n) {
        const titem& i = cat.item[n];
        if (i.name.empty()) continue;
        out << n << '\t' << i.name << '\t' << i.code << '\t' << i.param << '\t' << i.price << '\t' << i.description << '\n';
    }
}

// magic: index, short name, price, description.
void Magic(const Catalogue& cat, std::ostream& out) {
    for (int n = 0; n < kMagicRows; ++n) {
        const tmagic& m = cat.magic[n];
        if (m.name.empty()) continue;
        out << n << '\t' << m.name << '\t' << m.price << '\t' << m.description << '\n';
    }
}

// music: number, title, group, group name.
void Music(const Catalogue& cat, std::ostream& out) {
    for (int n = 0; n < kMusicRows; ++n) {
        const tmusic& p = cat.music[n];
        if (p.title.empty()) continue;
        const bool known = p.group >= 0 && p.group < kMusicGroups;
        out << n << '\t' << p.title << '\t' << p.group << '\t' << (known ? cat.music_group[p.group] : "") << '\n';
    }
}

// Card numbers joined by commas.
template <size_t N>
std::string Joined(const std::array<int32_t, N>& cards) {
    std::string text;
    for (const int32_t n : cards) text += (text.empty() ? "" : ",") + std::to_string(n);
    return text;
}

// roles: one line per data-file role, role=cards.
void Roles(std::ostream& out) {
    const DataRoles& r = EmbeddedDataRoles();
    out << "virus=" << r.virus << '\n'
        << "doctor=" << r.doctor << '\n'
        << "contract_spared=" << Joined(r.contract_spared) << '\n'
        << "icon39=" << r.icon39 << '\n'
        << "trainee=" << Joined(r.trainee) << '\n'
        << "icon147=" << Joined(r.icon147) << '\n';
}

}  // namespace

bool DumpCatalogue(const Catalogue& cat, std::string_view table, std::ostream& out) {
    if (table == "cards") Cards(cat, out);
    else if (table == "icons") Icons(cat, out);
    else if (table == "items") Items(cat, out);
    else if (table == "magic") Magic(cat, out);
    else if (table == "music") Music(cat, out);
    else if (table == "roles") Roles(out);
    else return false;
    return true;
}

}  // namespace kestra::cli

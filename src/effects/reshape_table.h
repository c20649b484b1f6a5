#pragma once
// The reshaping cards of content/reshapings.tsv: the triple fusions (step 4) and the hidden
// identities, read once from the compiled-in table.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kestra {

// What the first slot of a triple fusion, or a revealed card, becomes.
struct ReshapedCard {
    std::string name;
    int32_t hp = 0;
    int32_t mp = 0;
    int32_t good = 0;
    std::string picture;  // cg/*.bmp below the game folder
};

// Three slots of one side with orig_no `card` fuse; the side must wear `icon` (-1: no icon needed).
struct TripleFusion {
    int32_t card = 0;
    int32_t icon = -1;
    ReshapedCard becomes;
};

// A slot holding card `card` (by name) shows its true self when s = (my_id + aite_id) mod 3 is revealed[s].
struct HiddenIdentity {
    int32_t card = 0;
    bool revealed[3] = {false, false, false};
    ReshapedCard becomes;
};

struct ReshapeTable {
    std::vector<TripleFusion> fusions;     // in the order they are tried
    std::vector<HiddenIdentity> identities;
    std::string error;                     // empty when the table was read whole
};

// Reads a reshaping table; a faulty row leaves the error "reshapings.tsv line N: ...".
ReshapeTable ParseReshapeTable(std::string_view text);

// The compiled-in table, read once; a faulty table stops the program at its first use.
const ReshapeTable& EmbeddedReshapeTable();

// s = (my_id + aite_id) mod 3, taken as 0..2 (the same on both programs).
int32_t IdentityTurn(int32_t my_id, int32_t aite_id);

}  // namespace kestra

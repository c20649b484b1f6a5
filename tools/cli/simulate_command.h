#pragma once
// `kestra-cli simulate`: whole duels between two programs that share only the copied texts.
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "catalogue/catalogue.h"

namespace kestra::cli {

struct SimulateOptions {
    int32_t duels = 1;
    uint64_t seed = 1;
    std::optional<int32_t> kind;  // every kind 0..18 in turn when not given
    std::string log_dir;          // write each duel as a replay file when not empty
    bool signature = false;       // print one hash of the transcripts of a fixed set of duels
    bool coverage = false;        // after the summary: "key=K runs=N" per table key, "move=NAME runs=N"
                                  // per signature move, "summon=ICON runs=N" per summon being,
                                  // "start=NAME runs=N" per opening rule
};

// Run the duels, print the summary line; 0 when every phase agreed, 1 on the first disagreement.
int Simulate(const Catalogue& cat, const SimulateOptions& options, std::ostream& out);

// The fixed seeded duels of --signature and the hash of their transcripts.
uint64_t TranscriptSignature(const Catalogue& cat);

}  // namespace kestra::cli

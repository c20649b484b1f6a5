#include "simulate_command.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <map>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/fnv_hash.h"
#include "battle/battle_phase.h"
#include "battle/checked_phase.h"
#include "battle/item_use.h"
#include "battle/offered_buttons.h"
#include "battle/signature_moves.h"
#include "battle/summon_beings.h"
#include "battle/technique.h"
#include "collection/duel_kinds.h"
#include "duel/check_code.h"
#include "duel/duel_start.h"
#include "effects/duel_start_effects.h"
#include "duel/mirror_check.h"
#include "duel/opening.h"
#include "duel/time_limit.h"
#include "duel/turn_input.h"
#include "duel/verification.h"
#include "duel_json.h"
#include "kind_players.h"
#include "program.h"
#include "title_coverage.h"

namespace kestra::cli {

namespace {

// The ordinary duel 0 and every rule and field kind: the simulator takes them in turn.
constexpr int32_t kKindCount = kLastFieldKind + 1;

constexpr int32_t kMaxPhases = 400;

// One simulated duel: its outcome and what a replay file needs.
struct DuelRun {
    int32_t phases = 0;
    std::string failure;  // empty when both programs agreed to the end
    std::string action;   // the action that first diverged
    std::ostringstream replay;
    uint64_t transcript_hash = 0;
    std::array<int64_t, 100> key_runs{};  // resolved phases per technique key
    std::array<int64_t, kLastItemEffect + 1> item_runs{};  // resolved item uses per effect code
    StartReport start_report;             // the opening rules that acted (the applicant's program)
};

// The technique key a BATTLE NUMBER's digits carry: kind digit × 10 + first argument digit.
int32_t KeyOf(const std::string& digits) { return (digits[4] - '0') * 10 + (digits[6] - '0'); }

// A living slot of this side that accepts being the acting card, or 0.
int32_t PickAttacker(Program& p) {
    const int32_t start = p.rng.Random(3);
    for (int32_t k = 0; k < 3; ++k) {
        const int32_t slot = 1 + (start + k) % 3;
        if (SlotAlive(p.d, slot) && ChooseAttacker(p.ctx, slot)) return slot;
    }
    return 0;
}

// A living opponent slot.
int32_t PickTarget(Program& p) {
    for (;;) {
        const int32_t slot = 4 + p.rng.Random(3);
        if (SlotAlive(p.d, slot)) return slot;
    }
}

// One of the held item rows at random, if any.
std::optional<int32_t> PickItem(Program& p) {
    std::vector<int32_t> held;
    for (int32_t k = 0; k < 100; ++k)
        if (p.my.item_count[static_cast<size_t>(k)] > 0 && !p.ctx.cat.item[static_cast<size_t>(k + 1)].name.empty())
            held.push_back(k);
    if (held.empty()) return std::nullopt;
    return held[static_cast<size_t>(p.rng.Random(static_cast<int32_t>(held.size())))];
}

// The effect code of the item a BATTLE NUMBER's digits carry (chance digit as tens, the last as units).
int32_t ItemCodeOf(const Catalogue& cat, const std::string& digits) {
    return ItemEffectCode(cat, (digits[5] - '0') * 10 + (digits[7] - '0'));
}

// One of the buttons the acting card is offered, as the duel window would offer them (アイテム
// aside: the item turn above uses items); a pass when nothing else is offered. The keys offered
// go to offered_keys.
std::string SendOfferedButton(Program& p, std::vector<int32_t>& offered_keys) {
    std::vector<OfferedButton> offered = OfferedButtons(p.d, p.ctx.cat, p.rng);
    std::erase_if(offered, [](const OfferedButton& o) { return o.name == kItemButton; });
    if (offered.empty()) return SendPass(p.ctx);
    for (const OfferedButton& o : offered) offered_keys.push_back(KeyOfButton(o.name));
    const OfferedButton& o = offered[static_cast<size_t>(p.rng.Random(static_cast<int32_t>(offered.size())))];
    const TechniqueButton* b = FindTechniqueButton(o.name);
    return SendCommand(p.ctx, b->waza_kind, b->waza_arg1);
}

// The mover's random legal action; returns the BATTLE NUMBER text it sends. A technique turn leaves
// the keys its card was offered in offered_keys (empty for a pass, a time-out or an item).
std::string ChooseAction(Program& p, std::vector<int32_t>& offered_keys) {
    const int32_t r = p.rng.Random(100);
    if (r < 6) return SendPass(p.ctx);
    if (r < 9) {
        std::string number;
        p.clock.now_ms = p.d.deadline + 1;
        if (TimeTick(p.ctx, &number)) return number;
        return SendPass(p.ctx);
    }
    if (PickAttacker(p) == 0) return SendPass(p.ctx);
    ChooseTarget(p.ctx, PickTarget(p));
    if (r < 14) {
        if (const auto row = PickItem(p)) {
            if (OpenItemBox(p.ctx))
                if (const auto text = UseItem(p.ctx, row)) return *text;
        }
    }
    return SendOfferedButton(p, offered_keys);
}

// Both programs' records agree, or the run records the first difference.
bool Agree(DuelRun& run, const Program& a, const Program& b, const std::string& action, bool game_set = false) {
    const std::string m = MirrorMismatch(a.d, b.d, !game_set);
    if (m.empty()) return true;
    run.failure = m;
    run.action = action;
    return false;
}

// Both programs show the same check code; the replay file keeps it as a comment.
bool SameCheck(DuelRun& run, const std::string& mine, const std::string& theirs, const std::string& action) {
    run.replay << "# check=" << mine << "\n";
    if (mine == theirs) return true;
    run.failure = "the check codes differ: " + mine + " vs " + theirs;
    run.action = action;
    return false;
}

// From the draw to the duel start, passing only what players copy.
bool Meet(DuelRun& run, Program& a, Program& b) {
    const std::string a_number = OpenDuel(a.ctx), b_number = OpenDuel(b.ctx);
    run.replay << PastedPart(a_number) << "\n" << PastedPart(b_number) << "\n";
    if (!AcceptOpponentWarriorNumber(a.ctx, PastedPart(b_number)) ||
        !AcceptOpponentWarriorNumber(b.ctx, PastedPart(a_number))) {
        run.failure = "a warrior number was refused";
        return false;
    }
    ShowVerificationIds(a.ctx, "", "");
    ShowVerificationIds(b.ctx, "", "");
    if (CheckOpponentId(a.ctx, std::string(kVerifyPrefix) + std::to_string(b.d.my_id)) != IdCheck::Match ||
        CheckOpponentId(b.ctx, std::string(kVerifyPrefix) + std::to_string(a.d.my_id)) != IdCheck::Match) {
        run.failure = "the verification IDs differ";
        return false;
    }
    StartDuel(a.ctx, {nullptr, [&run](DuelContext& ctx) { DuelStartEffects(ctx, &run.start_report); }});
    StartDuel(b.ctx, {nullptr, [](DuelContext& ctx) { DuelStartEffects(ctx); }});
    return Agree(run, a, b, "duel start") && SameCheck(run, CheckCode(a.d), CheckCode(b.d), "duel start");
}

// The game set: both programs must have reached it, and their set IDs must match.
bool SetIdsMatch(DuelRun& run, Program& a, Program& b) {
    if (a.d.input_phase != kPhaseSetIds || b.d.input_phase != kPhaseSetIds) {
        run.failure = "only one program reached the game set";
        return false;
    }
    const bool ok = CheckOpponentSetId(a.ctx, std::string(kSetIdPrefix) + std::to_string(b.d.my_id)) == IdCheck::Match &&
                    CheckOpponentSetId(b.ctx, std::string(kSetIdPrefix) + std::to_string(a.d.my_id)) == IdCheck::Match;
    if (!ok) run.failure = "the set IDs differ";
    run.replay << "# set_ids=" << a.d.my_id << "," << b.d.my_id << "\n";
    return ok;
}

// Play one duel between two fresh programs.
void PlayDuel(const Catalogue& cat, const BattleContent& content, uint64_t seed, int32_t kind, DuelRun& run,
              TitleCoverage* titles = nullptr) {
    Rng setup(seed * 7919u + 17u);
    Program a(cat, content, seed * 2 + 1), b(cat, content, seed * 2 + 2);
    GiveRandomPlayer(a.my, cat, setup);
    GiveRandomPlayer(b.my, cat, setup);
    // Each player passes its panel's checks for the kind and pays at "スタート", as in the game.
    for (Program* p : {&a, &b}) {
        const std::string refused = EnterDuelKind(p->my, cat, kind, p == &a ? kApplicant : kReceiver, setup);
        if (!refused.empty()) run.failure = "the duel panel refused: " + refused;
    }
    a.d.duel_kind = b.d.duel_kind = kind;
    a.d.duel_role = kApplicant;
    b.d.duel_role = kReceiver;
    run.replay << kind << "\n";
    if (run.failure.empty() && Meet(run, a, b)) {
        for (; run.phases < kMaxPhases; ++run.phases) {
            Program& mover = a.d.own_turn ? a : b;
            Program& other = a.d.own_turn ? b : a;
            std::vector<int32_t> offered_keys;
            const std::string number = ChooseAction(mover, offered_keys);
            const std::string digits = BattleDigits(number);
            run.replay << digits << "\n";
            if (!offered_keys.empty() && digits.size() == 8 &&
                std::find(offered_keys.begin(), offered_keys.end(), KeyOf(digits)) == offered_keys.end()) {
                run.failure = "the mover sent a key its card was not offered";
                run.action = number;
                break;
            }
            const CheckedPhase mine_phase = PressCheckedBattlePhase(mover.ctx, "", mover.hooks);
            const CheckedPhase theirs_phase = PressCheckedBattlePhase(other.ctx, digits, other.hooks);
            const PhaseEnd mine = mine_phase.end, theirs = theirs_phase.end;
            if (theirs == PhaseEnd::Refused) {
                run.failure = "the other program refused " + digits;
                run.action = number;
                break;
            }
            const bool game_set = mine == PhaseEnd::GameSet || theirs == PhaseEnd::GameSet;
            if (digits.size() == 8) ++run.key_runs[static_cast<size_t>(KeyOf(digits))];
            if (digits.size() == 8 && KeyOf(digits) == 78) ++run.item_runs[static_cast<size_t>(ItemCodeOf(cat, digits))];
            if (!Agree(run, a, b, number, game_set)) break;
            if (!SameCheck(run, mine_phase.check, theirs_phase.check, number)) break;
            if (mine == PhaseEnd::GameSet || theirs == PhaseEnd::GameSet) {
                ++run.phases;
                SetIdsMatch(run, a, b);
                break;
            }
        }
    }
    if (titles) titles->CountDuel(a.screen.transcript, b.screen.transcript);
    uint64_t h = Fnv1a("");
    for (const auto& line : a.screen.transcript) h = Fnv1a(line + "\n", h);
    for (const auto& line : b.screen.transcript) h = Fnv1a(line + "\n", h);
    run.transcript_hash = h;
    if (!run.failure.empty()) run.replay << "# diverged: " << run.failure << "\n";
    if (!run.failure.empty()) {
        run.action += "\n--- applicant\n" + DuelToJson(a.d) + "\n--- receiver\n" + DuelToJson(b.d);
    }
}

// The signature moves, counted by their "＞" titles, and the summon beings by "召喚＞" + their icon.
TitleCoverage TitlesOf(const BattleContent& content) {
    TitleCoverage titles;
    for (const std::string& move : SignatureMoveNames(content)) titles.Add("move", "＞", move);
    for (const std::string& icon : SummonIconNames()) titles.Add("summon", "召喚＞", icon);
    return titles;
}

// Write one duel's replay file into the log folder.
void WriteLog(const std::string& dir, int32_t index, const DuelRun& run) {
    std::filesystem::create_directories(dir);
    std::ofstream out(std::filesystem::path(dir) / ("duel" + std::to_string(index) + ".txt"), std::ios::binary);
    out << run.replay.str();
}

}  // namespace

int Simulate(const Catalogue& cat, const SimulateOptions& options, std::ostream& out) {
    if (options.signature) {
        out << "signature=" << std::hex << TranscriptSignature(cat) << std::dec << "\n";
        return 0;
    }
    const auto start = std::chrono::steady_clock::now();
    int64_t phases = 0;
    int32_t desyncs = 0;
    std::array<int64_t, 100> key_runs{};
    std::array<int64_t, kLastItemEffect + 1> item_runs{};
    std::map<std::string, int64_t, std::less<>> start_runs;
    const BattleContent content = LoadBattleContent(cat);
    TitleCoverage titles = TitlesOf(content);
    for (int32_t i = 0; i < options.duels; ++i) {
        const int32_t kind = options.kind.value_or(i % kKindCount);
        DuelRun run;
        PlayDuel(cat, content, options.seed * 100003u + static_cast<uint64_t>(i), kind, run,
                 options.coverage ? &titles : nullptr);
        phases += run.phases;
        for (size_t k = 0; k < key_runs.size(); ++k) key_runs[k] += run.key_runs[k];
        for (size_t c = 0; c < item_runs.size(); ++c) item_runs[c] += run.item_runs[c];
        for (const std::string& rule : run.start_report.fired) ++start_runs[rule];
        if (!options.log_dir.empty()) WriteLog(options.log_dir, i, run);
        if (!run.failure.empty()) {
            ++desyncs;
            out << "duel " << i << " (kind " << kind << ") diverged: " << run.failure << "\naction: " << run.action << "\n";
            out << "duels=" << i + 1 << " phases=" << phases << " desyncs=" << desyncs << "\n";
            return 1;
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    out << "duels=" << options.duels << " phases=" << phases << " desyncs=" << desyncs
        << " phases_per_second=" << static_cast<int64_t>(seconds > 0 ? static_cast<double>(phases) / seconds : 0.0)
        << "\n";
    if (options.coverage)
        for (const int32_t key : kTableKeys) out << "key=" << key << " runs=" << key_runs[static_cast<size_t>(key)] << "\n";
    if (options.coverage)
        for (int32_t code = 1; code <= kLastItemEffect; ++code)
            out << "item=" << code << " runs=" << item_runs[static_cast<size_t>(code)] << "\n";
    if (options.coverage) titles.Print(out);
    if (options.coverage)
        for (const std::string_view rule : StartRuleNames()) {
            const auto it = start_runs.find(rule);
            out << "start=" << rule << " runs=" << (it == start_runs.end() ? 0 : it->second) << "\n";
        }
    return 0;
}

// 100 duels of every kind: enough that nearly any change in what a duel shows or how it ends moves
// the signature, and still well under a second.
constexpr int32_t kSignatureDuels = kKindCount * 100;

uint64_t TranscriptSignature(const Catalogue& cat) {
    uint64_t h = Fnv1a("");
    const BattleContent content = LoadBattleContent(cat);
    for (int32_t i = 0; i < kSignatureDuels; ++i) {
        DuelRun run;
        PlayDuel(cat, content, 9000u + static_cast<uint64_t>(i), i % kKindCount, run);
        h = Fnv1a(std::to_string(run.transcript_hash) + ":" + std::to_string(run.phases) + ";", h);
    }
    return h;
}

}  // namespace kestra::cli

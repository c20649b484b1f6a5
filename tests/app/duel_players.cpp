#include "duel_players.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <algorithm>

namespace kestra::duel_test {

Machine::Machine(uint64_t seed, const std::array<int32_t, 10>& deck, bool whole_program,
                 const std::function<void(tmy&)>& edit)
    : folder(tmp.Game()) {
    clock.now_ms = 5'000'000;
    Rng rng(seed);
    CreateSaveIfMissing(folder, rng);
    LoadedGame game = LoadPlayerData(folder);
    game.my.deck = deck;
    game.my.money = 500;
    if (edit) edit(game.my);
    SavePlayerData(folder, game.my);
    if (whole_program) {
        program =
            std::make_unique<GameProgram>(folder, std::move(game), audio, clock, dialogs, seed * 31 + 7);
        session = &program->session();
        window = &program->duel_window();
    } else {
        own_session =
            std::make_unique<GameSession>(folder, std::move(game), audio, clock, dialogs, seed * 31 + 7);
        own_window = std::make_unique<DuelWindow>(*own_session);
        session = own_session.get();
        window = own_window.get();
        window->SetHost(&host);
    }
    // Flashes show their frames without painting or waiting, counted in frames and lit_frames.
    window->SetFrameStep([this](QWidget* w) {
        ++frames;
        for (const char* square : {"red_l", "red_l2"})
            if (w->findChild<QWidget*>(QString::fromLatin1(square))->isVisible()) ++lit_frames;
    });
}

QWidget* Machine::Widget(const char* name) const {
    QWidget* w = window->findChild<QWidget*>(QString::fromLatin1(name));
    if (!w) ADD_FAILURE() << "no widget " << name;
    return w;
}

std::string Machine::Text(const char* name) const {
    QWidget* w = Widget(name);
    if (auto* field = qobject_cast<QLineEdit*>(w)) return field->text().toStdString();
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text().toStdString();
    if (auto* button = qobject_cast<QPushButton*>(w)) return button->text().toStdString();
    return {};
}

void MeetOpened(Machine& a, Machine& b, DuelLog* log) {
    const std::string a_number = a.Text("own_number"), b_number = b.Text("own_number");
    if (log) {
        log->applicant_number = AfterArrow(a_number);
        log->receiver_number = AfterArrow(b_number);
    }
    QApplication::clipboard()->setText(QString::fromStdString(AfterArrow(a_number)));
    Click(b.Widget("opponent_number_paste"));
    a.Field("opponent_number")->setText(QString::fromStdString(AfterArrow(b_number)));
    Click(a.Button("number_done"));
    Click(b.Button("number_done"));
    if (log) log->receiver_id = b.Text("own_id");
    a.Field("opponent_id")->setText(QString::fromStdString(b.Text("own_id")));
    b.Field("opponent_id")->setText(QString::fromStdString(a.Text("own_id") + "　"));
    Click(a.Button("id_ok"));
    Click(b.Button("id_ok"));
}

bool PlayToGameSet(Machine& a, Machine& b, DuelLog* log, int max_turns) {
    for (int turn = 0; turn < max_turns; ++turn) {
        if (a.d().input_phase == kPhaseSetIds && b.d().input_phase == kPhaseSetIds) return true;
        Machine* mover = Mover(a, b);
        if (!mover) return false;
        PlayTurn(*mover, mover == &a ? b : a, log);
    }
    return false;
}

DuelLog PlayLoggedDuel(Machine& a, Machine& b) {
    DuelLog log;
    AutoClicker clicker({a.window, b.window});
    Meet(a, b, 0, &log);
    EXPECT_TRUE(PlayToGameSet(a, b, &log));
    return log;
}

void FinishBoth(Machine& a, Machine& b) {
    a.Field("opponent_id")->setText(QString::fromStdString(b.Text("own_id")));
    b.Field("opponent_id")->setText(QString::fromStdString(a.Text("own_id")));
    Click(a.Button("id_ok"));
    Click(b.Button("id_ok"));
    Click(a.Button("ending_ok"));
    Click(b.Button("ending_ok"));
}

std::vector<int32_t> DeckCards(const tmy& my) {
    std::vector<int32_t> out;
    for (const int32_t c : my.deck)
        if (c >= 0) out.push_back(c);
    std::sort(out.begin(), out.end());
    return out;
}

}  // namespace kestra::duel_test

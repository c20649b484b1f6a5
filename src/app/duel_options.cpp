#include "app/duel_options.h"

namespace kestra {

using namespace duel_ui;

namespace {

// The caption names what pressing the button does: "off" while music plays.
void CaptionMusicButton(DuelParts& p) {
    p.ui.bgm_button->setText(Utf8(p.session.audio.MusicOn() ? "ＢＧＭ　off" : "ＢＧＭ　on"));
}

// "ＢＧＭ": music off and silent, or on again with this duel's piece.
void ToggleMusic(DuelParts& p) {
    p.screen.PlaySe("3.wav", 0);
    Audio& audio = p.session.audio;
    if (audio.MusicOn()) {
        audio.SetMusicOn(false);
        p.screen.PlayBgm("not");
    } else {
        audio.SetMusicOn(true);
        if (p.music_piece >= 0) p.screen.PlayBgm(DuelMusicFile(p.music_piece));
    }
    CaptionMusicButton(p);
}

// "状況文字化": the window grows to show the situation texts, or shrinks back.
void ToggleSituation(DuelParts& p) {
    p.screen.PlaySe("3.wav", 0);
    const int height = p.window->height() == kDuelTallHeight ? kDuelHeight : kDuelTallHeight;
    p.window->setFixedSize(kDuelWidth, height);
}

// One label's blink: shown on odd counts, hidden at zero.
void BlinkLabel(QLabel* label, int32_t& ticks) {
    if (ticks > 0) --ticks;
    label->setVisible(ticks % 2 == 1);
}

}  // namespace

void WireOptions(DuelParts& p) {
    QObject::connect(p.ui.bgm_button, &QPushButton::clicked, p.window, [&p] { ToggleMusic(p); });
    QObject::connect(p.ui.situation_button, &QPushButton::clicked, p.window, [&p] { ToggleSituation(p); });
}

void ResetDuelOptions(DuelParts& p) {
    p.music_piece = -1;
    p.bingo_ticks = p.bingo_group_ticks = 0;
    p.ui.bingo_label->hide();
    p.ui.bingo_group_label->hide();
    p.ui.music_label->clear();
    p.ui.turn_label->clear();
    p.ui.check_label->clear();
    CaptionMusicButton(p);
}

void ShowDuelMusic(DuelParts& p, const DuelMusicStart& music) {
    p.music_piece = music.piece;
    p.bingo_ticks = music.bingo_ticks;
    p.bingo_group_ticks = music.bingo_group_ticks;
    const std::string& title = p.ctx.cat.music[static_cast<size_t>(music.piece)].title;
    p.ui.music_label->setText(Utf8("♪" + title));
}

void BlinkBingo(DuelParts& p) {
    BlinkLabel(p.ui.bingo_label, p.bingo_ticks);
    BlinkLabel(p.ui.bingo_group_label, p.bingo_group_ticks);
}

}  // namespace kestra

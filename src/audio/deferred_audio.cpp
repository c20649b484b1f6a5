#include "audio/deferred_audio.h"

namespace kestra {

void DeferredAudio::Attach(std::unique_ptr<Audio> real) {
    real_ = std::move(real);
    real_->SetMusicOn(music_on_);
    real_->SetMuted(muted_);
    if (!pending_piece_.empty() && pending_piece_ != "not") real_->PlayBgm(pending_piece_);
    pending_piece_.clear();
}

void DeferredAudio::PlaySe(std::string_view wave, int32_t channel) {
    if (real_) real_->PlaySe(wave, channel);
}

void DeferredAudio::PlayBgm(std::string_view piece) {
    if (real_) {
        real_->PlayBgm(piece);
        return;
    }
    if (piece == "not" || (music_on_ && !piece.empty())) pending_piece_ = std::string(piece);
}

void DeferredAudio::SetMusicOn(bool on) {
    music_on_ = on;
    if (real_) real_->SetMusicOn(on);
}

void DeferredAudio::SetMuted(bool muted) {
    muted_ = muted;
    if (real_) real_->SetMuted(muted);
}

}  // namespace kestra

#include "duel/transcript_presenter.h"

#include <algorithm>

namespace kestra {

void TranscriptPresenter::ShowMessage(std::string_view text) {
    message = std::string(text);
    transcript.push_back("show: " + message);
}

void TranscriptPresenter::AddMessage(std::string_view text) {
    message += "\n" + std::string(text);
    transcript.push_back("add: " + std::string(text));
}

void TranscriptPresenter::WaitClick() {
    ++clicks;
    transcript.push_back("click");
    if (on_click) on_click();
}

void TranscriptPresenter::FlashSlot(FlashColour colour, int32_t slot) {
    transcript.push_back("flash " + std::string(FlashColourName(colour)) + " " + std::to_string(slot));
}

void TranscriptPresenter::ShowActionMarkers(int32_t attacker_slot, int32_t target_slot) {
    transcript.push_back("markers " + std::to_string(attacker_slot) + " " + std::to_string(target_slot));
}

void TranscriptPresenter::HideActionMarkers() { transcript.push_back("markers hidden"); }

void TranscriptPresenter::PlaySe(std::string_view wave, int32_t channel) {
    transcript.push_back("se" + std::to_string(channel) + ": " + std::string(wave));
}

void TranscriptPresenter::PlayBgm(std::string_view piece) { transcript.push_back("bgm: " + std::string(piece)); }

void TranscriptPresenter::SetSlotPicture(int32_t slot, std::string_view picture) {
    transcript.push_back("picture " + std::to_string(slot) + ": " + std::string(picture));
}

void TranscriptPresenter::ShowSummon(std::string_view picture) {
    transcript.push_back(picture.empty() ? std::string("summon hidden") : "summon: " + std::string(picture));
}

void TranscriptPresenter::SetTimeLabel(std::string_view text) { time_label = std::string(text); }
void TranscriptPresenter::SetDisasterLabel(std::string_view text) { disaster_label = std::string(text); }
void TranscriptPresenter::SetHint(std::string_view text) { hint = std::string(text); }
void TranscriptPresenter::SetCaption(std::string_view text) { caption = std::string(text); }

void TranscriptPresenter::CopyToClipboard(std::string_view text) {
    clipboard = std::string(text);
    transcript.push_back("clipboard: " + clipboard);
}

bool TranscriptPresenter::Has(const std::string& line) const {
    return std::find(transcript.begin(), transcript.end(), line) != transcript.end();
}

std::vector<std::string> TranscriptPresenter::Lines(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& l : transcript)
        if (l.rfind(prefix, 0) == 0) out.push_back(l);
    return out;
}

std::vector<std::string> TranscriptPresenter::Messages() const {
    std::vector<std::string> out;
    for (const auto& l : transcript) {
        if (l.rfind("show: ", 0) == 0) out.push_back(l.substr(6));
        if (l.rfind("add: ", 0) == 0) out.push_back(l.substr(5));
    }
    return out;
}

std::vector<std::string> TranscriptPresenter::Cues() const {
    std::vector<std::string> out;
    for (const auto& l : transcript)
        if (l.rfind("se", 0) == 0 || l.rfind("flash", 0) == 0) out.push_back(l);
    return out;
}

}  // namespace kestra

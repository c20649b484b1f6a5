#include "support/recording_presenter.h"

#include <algorithm>

namespace kestra::test {

void RecordingPresenter::ShowMessage(std::string_view text) {
    message = std::string(text);
    transcript.push_back("show: " + message);
}

void RecordingPresenter::AddMessage(std::string_view text) {
    message += "\n" + std::string(text);
    transcript.push_back("add: " + std::string(text));
}

void RecordingPresenter::WaitClick() {
    ++clicks;
    transcript.push_back("click");
}

void RecordingPresenter::FlashSlot(FlashColour colour, int32_t slot) {
    transcript.push_back("flash " + std::string(FlashColourName(colour)) + " " + std::to_string(slot));
}

void RecordingPresenter::ShowActionMarkers(int32_t attacker_slot, int32_t target_slot) {
    transcript.push_back("markers " + std::to_string(attacker_slot) + " " + std::to_string(target_slot));
}

void RecordingPresenter::HideActionMarkers() { transcript.push_back("markers hidden"); }

void RecordingPresenter::PlaySe(std::string_view wave, int32_t channel) {
    transcript.push_back("se" + std::to_string(channel) + ": " + std::string(wave));
}

void RecordingPresenter::PlayBgm(std::string_view piece) { transcript.push_back("bgm: " + std::string(piece)); }

void RecordingPresenter::SetSlotPicture(int32_t slot, std::string_view picture) {
    transcript.push_back("picture " + std::to_string(slot) + ": " + std::string(picture));
}

void RecordingPresenter::SetTimeLabel(std::string_view text) { time_label = std::string(text); }
void RecordingPresenter::SetDisasterLabel(std::string_view text) { disaster_label = std::string(text); }
void RecordingPresenter::SetHint(std::string_view text) { hint = std::string(text); }
void RecordingPresenter::SetCaption(std::string_view text) { caption = std::string(text); }

void RecordingPresenter::CopyToClipboard(std::string_view text) {
    clipboard = std::string(text);
    transcript.push_back("clipboard: " + clipboard);
}

bool RecordingPresenter::Has(const std::string& line) const {
    return std::find(transcript.begin(), transcript.end(), line) != transcript.end();
}

std::vector<std::string> RecordingPresenter::Lines(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& l : transcript)
        if (l.rfind(prefix, 0) == 0) out.push_back(l);
    return out;
}

}  // namespace kestra::test

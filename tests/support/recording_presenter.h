#pragma once
// The tests record what a program shows with the transcript presenter.
#include "duel/transcript_presenter.h"

namespace kestra::test {
using RecordingPresenter = TranscriptPresenter;
}  // namespace kestra::test

#pragma once
// One player's program around a real MainWindow: a temp game folder with the shipped data files,
// a save written and read back through my.dat, recorded sounds, scripted boxes, a fake duel window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QPushButton>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/duel_hand_over.h"
#include "app/game_session.h"
#include "app/main_window.h"
#include "player/player_files.h"
#include "scripted_dialogs.h"
#include "support/duel_fixture.h"
#include "support/temp_folder.h"

namespace kestra::test {

// A full deck of starter cards, for the tests that need the duel buttons to pass.
inline void GiveFullDeck(tmy& my) {
    for (int32_t slot = 0; slot < kDeckSize; ++slot) my.deck[static_cast<size_t>(slot)] = slot % 3;
}

// A duel window stand-in: it keeps what it was asked.
struct FakeLauncher : DuelLauncher {
    int32_t resets = 0;
    std::vector<std::pair<int32_t, int32_t>> opened;  // (duel_kind, duel_role) per "スタート"
    int32_t view_modes = 0;
    void ResetForRequest() override { ++resets; }
    void OpenDuel(int32_t duel_kind, int32_t duel_role) override {
        opened.emplace_back(duel_kind, duel_role);
    }
    void OpenViewMode() override { ++view_modes; }
};

class MainWindowFixture {
  public:
    // A new player, changed by `edit`, saved to my.dat and loaded back before the window starts.
    explicit MainWindowFixture(const std::function<void(tmy&)>& edit = {}) : folder(tmp.Game()) {
        // New Year's Day at midnight, and No to every question not queued.
        clock.now_ms = 0;
        clock.date = CalendarDate{1, 1};
        dialogs.answer = false;
        Rng rng(7);
        CreateSaveIfMissing(folder, rng);
        tmy my = LoadPlayerData(folder).my;
        if (edit) edit(my);
        SavePlayerData(folder, my);
    }

    // Start the program on what my.dat now holds (a test may edit the file first).
    MainWindow& Start() {
        session = std::make_unique<GameSession>(folder, LoadPlayerData(folder), audio, clock, dialogs, 3);
        window = std::make_unique<MainWindow>(*session, launcher);
        window->show();
        audio.played.clear();
        return *window;
    }

    // A named child of the window, failing the test when it is missing.
    template <class T>
    T* Find(const char* name) const {
        T* found = window->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // Press the named push button.
    void Press(const char* name) const { Find<QPushButton>(name)->click(); }

    // The text a named label, field or button shows.
    QString Text(const char* name) const { return Find<QWidget>(name)->property("text").toString(); }

    // Whether a named widget is not hidden.
    bool Shown(const char* name) const { return !Find<QWidget>(name)->isHidden(); }

    // What my.dat holds now.
    tmy Saved() const { return LoadPlayerData(folder).my; }

    static QString Clipboard() { return QGuiApplication::clipboard()->text(); }

    // A left click on a plain widget such as a clickable label.
    static void Click(QWidget* widget) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
    }

    TempFolder tmp;
    GameFolder folder;
    RecordingAudio audio;
    FakeClock clock;
    ScriptedDialogs dialogs;
    FakeLauncher launcher;
    std::unique_ptr<GameSession> session;
    std::unique_ptr<MainWindow> window;
};

// Text as the widgets hold it.
inline QString Q(const std::string& s) { return QString::fromStdString(s); }

// A game text written in the source.
inline QString U(const char* s) { return QString::fromUtf8(s); }

}  // namespace kestra::test

#include "app/late_sound.h"

#include <QEvent>
#include <QTimer>

namespace kestra {

namespace {

// Watches one window for its first paint, then starts the sound once and goes away.
class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget& window, DeferredAudio& audio, std::function<std::unique_ptr<Audio>()> make)
        : QObject(&window), audio_(audio), make_(std::move(make)) {
        window.installEventFilter(this);
    }

protected:
    // After the first paint has gone through, the sound loads from a zero timer.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !started_) {
            started_ = true;
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                std::unique_ptr<Audio> real = audio_.Ready() ? nullptr : make_();
                if (real) audio_.Attach(std::move(real));
                deleteLater();
            });
        }
        return false;
    }

private:
    DeferredAudio& audio_;
    std::function<std::unique_ptr<Audio>()> make_;
    bool started_ = false;
};

}  // namespace

void LoadSoundAfterFirstPaint(QWidget& window, DeferredAudio& audio, std::function<std::unique_ptr<Audio>()> make) {
    new FirstPaintWatch(window, audio, std::move(make));
}

}  // namespace kestra

#include "duel_script/duel_script.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>

namespace kestra::script {

namespace {

// The text of a named line edit, "" when there is none.
std::string FieldText(const QWidget* window, const char* name) {
    auto* field = qobject_cast<QLineEdit*>(Find(window, name));
    return field ? field->text().toStdString() : std::string();
}

}  // namespace

QWidget* Find(const QWidget* window, const char* name) {
    return window->findChild<QWidget*>(QString::fromLatin1(name));
}

void Click(QWidget* widget) {
    if (widget == nullptr) return;
    const QPointF local(widget->width() / 2.0, widget->height() / 2.0);
    const QPointF global = widget->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

std::string AfterArrow(const std::string& shown) {
    const std::string arrow = "＞";
    const size_t at = shown.find(arrow);
    return at == std::string::npos ? shown : shown.substr(at + arrow.size());
}

std::string LastEight(const std::string& shown) { return shown.size() >= 8 ? shown.substr(shown.size() - 8) : shown; }

DuelWindow* Mover(DuelWindow& a, DuelWindow& b) {
    for (DuelWindow* w : {&a, &b})
        if (w->record().own_turn && w->record().input_phase == kPhaseChooseAttacker) return w;
    return nullptr;
}

void ChooseTechniqueOrPass(DuelWindow& mover, const char* button) {
    const char* own[3] = {"you_card1", "you_card2", "you_card3"};
    const char* theirs[3] = {"enemy_card1", "enemy_card2", "enemy_card3"};
    const DuelRecord& d = mover.record();
    for (int k = 0; k < 3 && d.input_phase == kPhaseChooseAttacker; ++k)
        if (d.chara[static_cast<size_t>(1 + k)].alive()) Click(Find(&mover, own[k]));
    if (d.input_phase != kPhaseChooseTarget) {
        Click(Find(&mover, "pass_b"));
        return;
    }
    for (int k = 0; k < 3 && d.input_phase == kPhaseChooseTarget; ++k)
        if (d.chara[static_cast<size_t>(4 + k)].alive()) Click(Find(&mover, theirs[k]));
    QWidget* offered = Find(&mover, button);
    Click(offered && offered->isVisible() ? offered : Find(&mover, "m1"));
}

void ChooseFlickOrPass(DuelWindow& mover) { ChooseTechniqueOrPass(mover, "m1"); }

std::string SendAndResolve(DuelWindow& mover, DuelWindow& other) {
    const std::string digits = LastEight(FieldText(&mover, "bn_field"));
    if (auto* field = qobject_cast<QLineEdit*>(Find(&other, "bn_field"))) field->setText(QString::fromStdString(digits));
    Click(Find(&mover, "battle_phase"));
    Click(Find(&other, "battle_phase"));
    return digits;
}

AutoClicker::AutoClicker(std::vector<DuelWindow*> windows) : windows_(std::move(windows)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
    timer_.start(0);
}

void AutoClicker::Tick() {
    if (ticking_) return;
    ticking_ = true;
    for (DuelWindow* w : windows_)
        if (w->Paused() && (!before_click || before_click(w))) Click(Find(w, "message_area"));
    ticking_ = false;
}

}  // namespace kestra::script

#include "app/economy_panel.h"
#include "app/widget_kit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/game_session.h"
#include "collection/selling.h"

namespace kestra {

namespace {
constexpr int kPictureSize = 64;
}  // namespace

EconomyPanel::EconomyPanel(GameSession& session, const char* caption, const char* name, QWidget* parent)
    : QGroupBox(QString::fromUtf8(caption), parent), s_(session) {
    setObjectName(QString::fromUtf8(name));
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(6, 6, 6, 6);
    layout_->setSpacing(4);
    const std::string back_name = std::string(name) + "_back_b";
    auto* back = PanelButton("BACK", back_name.c_str(), this);
    layout_->addWidget(back);
    connect(back, &QPushButton::clicked, this, &EconomyPanel::backClicked);
}

QListWidget* EconomyPanel::AddList(const char* name, int stretch) {
    auto* list = new QListWidget(this);
    list->setObjectName(QString::fromUtf8(name));
    layout_->insertWidget(layout_->count() - 1, list, stretch);
    return list;
}

QLabel* EconomyPanel::AddLabel(const char* name) {
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromUtf8(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout_->insertWidget(layout_->count() - 1, label);
    return label;
}

QPushButton* EconomyPanel::AddButton(const char* caption, const char* name) {
    auto* b = PanelButton(caption, name, this);
    layout_->insertWidget(layout_->count() - 1, b);
    return b;
}

std::pair<QLabel*, QLabel*> EconomyPanel::AddPictureAndInfo(const char* picture_name, const char* info_name) {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* picture = new QLabel(box);
    picture->setObjectName(QString::fromUtf8(picture_name));
    picture->setFixedSize(kPictureSize, kPictureSize);
    picture->setFrameShape(QFrame::Box);
    auto* info = new QLabel(box);
    info->setObjectName(QString::fromUtf8(info_name));
    info->setWordWrap(true);
    info->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    info->setMinimumHeight(info->fontMetrics().lineSpacing() * 6 + 4);
    row->addWidget(picture, 0, Qt::AlignTop);
    row->addWidget(info, 1);
    layout_->insertWidget(layout_->count() - 1, box);
    return {picture, info};
}

void EconomyPanel::AddListPair(QListWidget* left, QListWidget* right, QPushButton* put, QPushButton* take) {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* middle = new QVBoxLayout;
    for (QPushButton* b : {put, take}) {
        b->setParent(box);
        b->setFixedWidth(34);
    }
    middle->addStretch(1);
    middle->addWidget(put);
    middle->addWidget(take);
    middle->addStretch(1);
    left->setParent(box);
    right->setParent(box);
    row->addWidget(left, 1);
    row->addLayout(middle);
    row->addWidget(right, 1);
    layout_->insertWidget(layout_->count() - 1, box, 1);
}

void EconomyPanel::WatchRows(QListWidget* list, std::function<void(int)> on_row, const char* wave) {
    connect(list, &QListWidget::itemSelectionChanged, this, [this, list, on_row, wave] {
        const int row = SelectedRow(list);
        if (row >= 0) PlaySe(s_.audio, wave);
        on_row(row);
    });
}

void EconomyPanel::ShowCardPicture(QLabel* picture, int32_t card) const {
    const QPixmap pixmap(QString::fromStdString((s_.folder.cg() / ("unit" + std::to_string(card) + ".bmp")).string()));
    if (pixmap.isNull())
        picture->clear();
    else
        picture->setPixmap(pixmap);
}

void EconomyPanel::FillList(QListWidget* list, const std::vector<std::string>& rows) {
    const QSignalBlocker quiet(list);
    list->clear();
    for (const std::string& row : rows) list->addItem(Utf8(row));
}

int EconomyPanel::SelectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> chosen = list->selectedItems();
    return chosen.isEmpty() ? -1 : list->row(chosen.front());
}

bool EconomyPanel::SaveDeal(const tmy& before) {
    if (s_.Save().ok) return true;
    s_.my() = before;
    return false;
}

bool EconomyPanel::CloseDeal(const tmy& before, const char* wave, const std::string& notice) {
    s_.audio.PlaySe(wave, 3);
    if (!SaveDeal(before)) return false;
    s_.dialogs.Inform(notice);
    PlaySe(s_.audio, "3.wav");
    emit finished();
    return true;
}

bool AgreeToSale(GameSession& session, const std::optional<SaleOffer>& offer) {
    if (!offer) {
        session.audio.PlaySe("no.wav", 1);
        return false;
    }
    session.audio.PlaySe("2.wav", 1);
    if (!session.dialogs.AskYesNo(offer->question)) {
        session.audio.PlaySe("no.wav", 1);
        return false;
    }
    PlaySe(session.audio, "katan.wav");
    return true;
}

}  // namespace kestra

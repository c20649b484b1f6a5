#pragma once
// Synthesis ("GOUSEI"): the recipes by duel count and the visit's three random ones, "合成".
#include <vector>

#include "app/economy_panel.h"
#include "collection/synthesis.h"

namespace kestra {

class SynthesisPanel : public EconomyPanel {
    Q_OBJECT
public:
    SynthesisPanel(GameSession& session, QWidget* parent);

    // A new visit: the recipes rebuilt, rows A, B and C drawn anew, nothing chosen.
    void Open();

private:
    void OnRow(int row);
    void OnSynthesize();
    // The chosen row's recipe, or an empty one.
    Recipe Chosen() const;

    std::vector<Recipe> recipes_;
    QListWidget* list_ = nullptr;
    QLabel* picture_ = nullptr;
    QLabel* info_ = nullptr;
    QLabel* money_ = nullptr;
    QLabel* material_ = nullptr;
};

}  // namespace kestra

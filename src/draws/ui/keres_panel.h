#pragma once
// The search panel of the draws list and of the variation list: a box of
// the hit classes that occur and four buttons that jump to the first,
// previous, next and last row of the chosen class. The panel keeps the
// classes, the button states and their hints; the list that holds it walks
// its own rows when a button is pressed.
#include <QFrame>

#include <vector>

#include "app/game_table.h"
#include "common/arrays.h"
#include "draws/hit_search.h"

class QComboBox;
class QLabel;
class QToolButton;

class TKeresPanel : public QFrame {
    Q_OBJECT
public:
    explicit TKeresPanel(QWidget* parent);

    QLabel* Label1 = nullptr;
    QComboBox* KeresBox = nullptr;
    QToolButton* ElsoreKeresGomb = nullptr;
    QToolButton* VisszaKeresGomb = nullptr;
    QToolButton* TovabbKeresGomb = nullptr;
    QToolButton* UtolsoraKeresGomb = nullptr;

    // Refills the box from a tally ("Minden találat" and every value with
    // rows) and selects the best class (or "Minden találat" alone); the
    // choice is announced (valasztas).
    void Feltoltes(const kvx::GameParams& g, const kvx::TTombInt1D& tabla);
    // "Minden találat" is chosen.
    bool Minden() const;
    // The hit values that count as a match: the chosen class, or every
    // value with rows for "Minden találat".
    std::int32_t KeresMin() const { return min_; }
    std::int32_t KeresMax() const { return max_; }

    // The forward pair (next, last) and the backward pair (previous,
    // first) with their hints; a pair disabled by reaching the end beeps
    // when hang is set and sounds are on.
    void TovabbAllapot(bool engedelyezett, bool hang = false);
    void VisszaAllapot(bool engedelyezett, bool hang = false);
    void TovabbVisszaAllapot();
    // The caption shows whether the selected row is a match of the class.
    void CimkeKiemeles(bool talalat);

signals:
    void valasztas();
    void elsore();
    void vissza();
    void tovabb();
    void utolsora();

private:
    void kivalasztas(int index);
    std::vector<kvx::KeresElem> elemek_;
    kvx::TTombInt1D tabla_;
    std::int32_t min_ = 0;
    std::int32_t max_ = -1;
};

#pragma once
// The main ticket: where the user marks the numbers of a variation. The
// number lists in core (tickets/number_lists.h) are the only record of what
// is marked; every panel is painted from SzamSzerepe after each change.
#include "tickets/number_lists.h"

#include <array>
#include "tickets/ui/szelveny.h"

class SzelvenyVezerlo;

class TFoszelveny : public TSzelveny {
    Q_OBJECT
public:
    TFoszelveny(SzelvenyVezerlo& vezerlo, QWidget* foablak);

    // Number last passed while dragging with the right button; 0 = none.
    int EgerSzam = 0;

    // A click on a number panel: toggles it in the role of the held modifiers.
    void SzamClick(TSzamPanel* panel);
    // Number szam (1-based) marked as a click on its panel would; a number
    // the ticket does not have is ignored.
    void SzamJeloles(int szam);
    // Dragging with the right button toggles each number entered once.
    void SzamMouseMove(QPoint globalPos);
    void SzamMouseUp();

    // The marking engine with its messages and the repaint.
    kvx::JelolesEredmeny SzamJeloles(int a, int mode, bool remove);
    // Marks one random number of lower..upper that is not yet marked; when
    // none is left, says so and returns false.
    bool VeletlenSzamGeneralas(int lower, int upper);
    // Marks every number 1..count that is neither fixed nor selected.
    void MindenSzamKijelolese(int count);
    // The clears (the confirmation belongs to the caller).
    void MindenSzamTorlese();
    void FixSzamokTorlese();
    void AllandoSzamokTorlese();
    void VeletlenSzamokTorlese();
    void KijeloltSzamokTorlese();

    // Info panel text from the lists, and the per-number hints.
    void InfoKijelzes();

    // Display modes: what each panel shows instead of its number.
    void HanyszorHuztakNezet();
    void HanyHuzasOtaNezet();
    void SzamsorrendNezet();
    void NormalNezet();
    // Panel texts of the current mode.
    void StatisztikaKijelzes();
    // Repaints the panels and the info panel after the lists changed elsewhere.
    void Frissites();

    // The ticket lost the activation: moved away, it goes back under the
    // main window's toolbar at the main window's left.
    void FormDeactivate();

protected:
    void Szinezes() override;
    bool event(QEvent* e) override;
    int InfoSzelesseg() const override;

private:
    // Shows the messages of a marking and repaints.
    void JelolesUtan(const kvx::JelolesEredmeny& r);
    void TobbJelolesUtan(const kvx::TobbJelolesEredmeny& r);
    // Tells the main window that the numbers changed.
    void FeltMenuAllErtesites();
    // The main window's number commands and the full-variation figure;
    // false while there is no main window.
    bool ParancsokFrissitese();
    // The counts the commands were last set for.
    std::array<int, 4> parancsDb_{-1, -1, -1, -1};
    // What runs before a marking changes the lists: the controller tells
    // (the conditions' wiring clears them).
    kvx::JelolesElott jelolesElott();

private:
    SzelvenyVezerlo& vezerlo_;
};

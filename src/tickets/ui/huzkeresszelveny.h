#pragma once
// The draw-search ticket: the user marks numbers (Shift: bonus numbers) to
// find among the draws; every mark counts how many number rows of the
// draws-list range reach each hit value, and the draws list's search panel
// walks the matching draws.
#include "draws/hit_search.h"
#include "tickets/ui/szelveny.h"

class HuzasokVezerlo;

class THuzKeresSzelveny : public TSzelveny {
    Q_OBJECT
public:
    THuzKeresSzelveny(HuzasokVezerlo& vezerlo, QWidget* foablak);

    kvx::HuzKeresJelolesek Jelolesek;

    // Opens the search with no marks.
    void GombokBeallitasa();
    // Törlés: the search starts again through "Keresés".
    void TorlesGombClick();
    // Opens it and marks szamok (potSzamok as bonus marks) in one batch.
    void KeresesInditas(const kvx::TTombByte1D& szamok, const kvx::TTombByte1D& potSzamok, const QString& felirat);
    // Hides the ticket and ends the search.
    void KeresesTorlese();
    void SzamClick(TSzamPanel* panel);
    // Counts the rows of the range against the marks and shows the result.
    void TalalatokSzamolasa();

protected:
    void Szinezes() override;

private:
    void InfoKijelzes();
    HuzasokVezerlo& vezerlo_;
    bool koteg_ = false;
};

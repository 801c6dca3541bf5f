#pragma once
// The draws ticket: shows the selected draw of the draws list, its numbers
// marked and the hit tallies as text.
#include "common/arrays.h"
#include "draws/draws_list.h"
#include "tickets/ui/szelveny.h"

class THuzSzelveny : public TSzelveny {
    Q_OBJECT
public:
    explicit THuzSzelveny(QWidget* foablak);

    // Marks `kivSzamok` (the selected number row) and shows the report.
    void Kijelzes(const kvx::TTombByte1D& kivSzamok, const kvx::TTombByte1D& kivPotSzamok, const kvx::HLRiport& r);

protected:
    void Szinezes() override;

private:
    kvx::TTombByte1D szamok_;
};

#pragma once
// The variation ticket (the auxiliary ticket "Segédszelvény"): shows the
// numbers of the line selected in the variation list, coloured by their
// role, with the list's report in its info panels.
#include <string>
#include <vector>

#include "tickets/ticket_layout.h"
#include "tickets/ui/szelveny.h"

class TBontSzelveny : public TSzelveny {
    Q_OBJECT
public:
    explicit TBontSzelveny(QWidget* foablak);

    // The line's marks (one per ticket number), the caption and the texts.
    void Kijelzes(const std::vector<kvx::SegedJeloles>& jelolesek, const std::string& felirat,
                  const std::string& szoveg, const std::string& szoveg2);
    const std::vector<kvx::SegedJeloles>& Jelolesek() const { return jelolesek_; }

protected:
    void Szinezes() override;

private:
    std::vector<kvx::SegedJeloles> jelolesek_;
};

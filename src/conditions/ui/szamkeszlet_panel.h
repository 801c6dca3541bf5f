#pragma once
// " Számkészletek" on the distribution tab: a stretch of selection positions
// for every place of a line, with the minimal, optimal and default presets.
#include <QFrame>

#include <cstdint>

#include "conditions/number_pools.h"

class QCheckBox;
class QLabel;
class QPushButton;
class TErtekEdit;
class TFeltetelek;

class TSzamkeszletPanel : public QFrame {
    Q_OBJECT
public:
    TSzamkeszletPanel(TFeltetelek& ablak, QWidget* oldal);

    QCheckBox* SzamokAllapotBox = nullptr;
    TErtekEdit *AktSzamEdit = nullptr, *AktSzamElsoEdit = nullptr, *AktSzamUtolsoEdit = nullptr;
    QPushButton *SzamokResetLabel = nullptr, *SzamokOptimalisLabel = nullptr, *SzamokAlapertelmezettLabel = nullptr;
    QLabel* Panel26IL = nullptr;

    void Betoltes();
    void SzamokAllapotBoxClick();
    void Valtozas(kvx::SzamkeszletMezo mezo);
    void SzamokResetLabelClick();
    void SzamokOptimalisLabelClick();
    void SzamokAlapertelmezettLabelClick();
    void AktSzamElsoEditDblClick();
    void AktSzamUtolsoEditDblClick();
    // The "~" and its hint; the Math tab's fixed range is quoted there, so
    // it is rebuilt after every change of either.
    void Panel26ILHint();

private:
    kvx::SzamkeszletKornyezet kornyezet() const;
    bool mutat(kvx::SzamkeszletMezo mezo);
    void preset(void (*f)(kvx::TSzamkeszletFeltetel&, std::int32_t, std::int32_t));

    TFeltetelek& w_;
    std::int32_t akt_ = 1;
    bool tolt_ = false;
};

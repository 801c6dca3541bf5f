#pragma once
// The " Találati arány " tab of the conditions window: the controls of the
// hit-ratio condition and their handlers. The record is the model: each
// handler writes the controls into the range being edited, lets core bring
// it within its limits, and shows it again.
#include <QObject>

#include <functional>

#include "conditions/hit_ratio_conditions.h"
#include "conditions/ui/lap_segedek.h"

class TFeltetelek;
class TErtekEdit;
class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;

class TTalalatiAranyLap : public QObject {
    Q_OBJECT
public:
    TTalalatiAranyLap(TFeltetelek& ablak, QWidget* lap);

    // One-time tips (the tip text, its flag index); by default the program's
    // box, shown while the flag in the settings is set.
    std::function<void(const QString&, int)> Tipp;

    QFrame* Panel = nullptr;
    QCheckBox* TalArAllapotBox = nullptr;
    TErtekEdit *DbTartomanyEdit = nullptr, *AktTartomanyEdit = nullptr;
    kvx::lap::RadioCsoport TalArTipusGroup, TalArHuzBontGroup;
    TErtekEdit *TalArTalalatEdit = nullptr, *TalArTalalatEditMax = nullptr, *TalArTalalatPBEdit = nullptr,
               *TalArTalalatPBEditMax = nullptr;
    QLabel *PBCimke = nullptr, *PBMaxCimke = nullptr, *Label15 = nullptr;
    QPushButton *MindenTalalatGomb = nullptr, *MindenHuzasokGomb = nullptr, *HuzasokGomb = nullptr;

    // Handlers.
    void TalaranyTSEnter();
    void TalArAllapotBoxClick();
    void TalArTipusGroupClick();
    void TalArHuzBontGroupClick();
    void DbTartomanyEditChange();
    void AktTartomanyEditChange();
    void TalArValtozas(kvx::TalArMezo mezo);
    void MindenTalalatGombClick();
    void MindenHuzasokGombClick();
    void HuzasokGombClick();
    void TartomanyList();
    // The record into the controls (loading, clearing, showing the window).
    void Betoltes();
    // The extra-pool limits show only in a game with an extra pool.
    void PluszSzamKijelzes();

private:
    kvx::TalArKornyezet kornyezet() const;
    kvx::TTalalatiAranyFeltetel& rekord() const;
    void mutat();
    void valtozott();

    TFeltetelek& w_;
    bool huzasForrasUzenet_ = false;  // the draw-built tip is due
};

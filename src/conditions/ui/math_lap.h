#pragma once
// The " Math " tab of the conditions window: Összeg, Szórás and Terjedelem.
// The limits offered come from core (the widest a line of the selection can
// reach); every handler writes the controls into the record, lets core hold
// it within them and shows it again.
#include <QObject>

#include <functional>

#include "conditions/math_conditions.h"
#include "conditions/ui/lap_segedek.h"

class TFeltetelek;
class TErtekEdit;
class QCheckBox;
class QDoubleSpinBox;
class QFrame;
class QLabel;
class QPushButton;
class QSpinBox;

class TMathLap : public QObject {
    Q_OBJECT
public:
    TMathLap(TFeltetelek& ablak, QWidget* lap);

    // The one-time tip when Szórás is ticked (text, flag index).
    std::function<void(const QString&, int)> Tipp;

    QFrame *Panel6 = nullptr, *Panel13 = nullptr, *Panel17 = nullptr;
    QCheckBox* EsemOsszegBox = nullptr;
    QSpinBox *EsemOsszFixEdit = nullptr, *EsemOsszMaxEdit = nullptr;
    QLabel* Panel6IL = nullptr;
    QCheckBox* MathSzorasBox = nullptr;
    QDoubleSpinBox *SzorasEdit = nullptr, *SzorasMaxEdit = nullptr;
    QPushButton* EgeszreCsonkolGomb = nullptr;
    QLabel* Panel13IL = nullptr;
    QCheckBox *FixTartomanyBox = nullptr, *MobilTartomanyBox = nullptr;
    TErtekEdit *TartomanyEdit = nullptr, *TartomanyMaxEdit = nullptr, *MobilTartomanyEdit = nullptr,
               *MobilTartomanyMaxEdit = nullptr;
    QLabel *Label37 = nullptr, *Label5 = nullptr, *Panel17IL = nullptr, *Panel18IL = nullptr;

    // Handlers.
    void EsemOsszegBoxClick();
    void OsszegValtozas(kvx::MathMezo mezo);
    void EsemOsszEllenorzes();
    void EsemOsszFixEditDblClick();
    void EsemOsszMaxEditDblClick();
    void MathSzorasBoxClick();
    void SzorasValtozas(bool maxValtozott);
    void SzorasMinMaxEllenorzes();
    void SzorasEditDblClick();
    void SzorasMaxEditDblClick();
    void EgeszreCsonkolGombClick();
    void FixTartomanyBoxClick();
    void MobilTartomanyBoxClick();
    void TerjedelemValtozas(kvx::TerjedelemMezo mezo);
    void TartomanyEditDblClick();
    void TartomanyMaxEditDblClick();
    // The record into the controls.
    void Betoltes();
    // The spread limits of the fixed stretch (read by the consistency check).
    std::int32_t FixTerjedelemMin = 0, FixTerjedelemMax = 0;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    kvx::MathKornyezet kornyezet() const;
    bool osszegMutat();
    bool szorasMutat();
    bool terjedelemMutat();
    void valtozott();

    TFeltetelek& w_;
    kvx::SzorasHatar szoras_;
};

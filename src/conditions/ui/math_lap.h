#pragma once
// The " Math " tab of the conditions window: Összeg, Szórás and Terjedelem.
// The limits offered come from core (the widest a line of the selection can
// reach); every handler writes the controls into the record, lets core hold
// it within them and shows it again.
#include <QObject>
#include <QSpinBox>

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

// A sum edit with its up-down. Digits are typed, up to as many as the
// highest sum has; the value typed is taken within the limits (beyond them,
// the nearer limit; empty, the lowest) and the exit checks place it. The
// arrows, keys and wheel step as ever and say so.
class TOsszegEdit : public QSpinBox {
    Q_OBJECT
public:
    using QSpinBox::QSpinBox;
    void SetMaxLength(int n) { lineEdit()->setMaxLength(n); }
    void stepBy(int steps) override;

signals:
    void lepes();  // the value was stepped (the up-down's click)

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    int valueFromText(const QString& text) const override;
    void fixup(QString&) const override {}
};

class TMathLap : public QObject {
    Q_OBJECT
public:
    TMathLap(TFeltetelek& ablak, QWidget* lap);

    // The one-time tip when Szórás is ticked (text, flag index).
    std::function<void(const QString&, int)> Tipp;

    QFrame *Panel6 = nullptr, *Panel13 = nullptr, *Panel17 = nullptr;
    QCheckBox* EsemOsszegBox = nullptr;
    TOsszegEdit *EsemOsszFixEdit = nullptr, *EsemOsszMaxEdit = nullptr;
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
    void EsemOsszFixUDClick();
    void EsemOsszMaxUDClick();
    void EsemOsszFixEllenorzes();
    void EsemOsszMaxEllenorzes();
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
    // The markers of the spread: the fixed range's quotes the number pools'
    // positions, so it is rebuilt after every change of either.
    void Panel17ILHint();
    // The record into the controls.
    void Betoltes();
    // The spread limits of the fixed stretch (read by the consistency check).
    std::int32_t FixTerjedelemMin = 0, FixTerjedelemMax = 0;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    kvx::MathKornyezet kornyezet() const;
    bool osszegMutat();
    void osszegLepes(kvx::MathMezo mezo);
    void osszegEllenorzes(kvx::MathMezo kilepett);
    bool szorasMutat();
    bool terjedelemMutat();
    void valtozott();

    TFeltetelek& w_;
    kvx::SzorasHatar szoras_;
};

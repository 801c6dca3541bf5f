#pragma once
// One item tab of the conditions window (" Számcsoport ", " Számvégződés ",
// " Számjegy "): its Páros-páratlan, Ismétlődés and Tételes panels. The
// three tabs are one design; the controls carry each tab's own names.
#include <QObject>

#include <cstdint>

#include "conditions/item_conditions.h"

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QWidget;
class TErtekEdit;
class TFeltetelek;

class TTetelFul : public QObject {
    Q_OBJECT
public:
    TTetelFul(TFeltetelek& ablak, kvx::TetelLap lap, QWidget* oldal);

    QFrame *ParosPanel = nullptr, *IsmetPanel = nullptr, *TetelesPanel = nullptr;
    QCheckBox *ParosBox = nullptr, *IsmetBox = nullptr, *IsmetTobbCB = nullptr, *TetelesBox = nullptr;
    TErtekEdit *ParosEdit = nullptr, *ParosMaxEdit = nullptr, *IsmetEdit = nullptr, *IsmetMaxEdit = nullptr;
    QGroupBox* IsmetLog = nullptr;
    QRadioButton *IsmetEgy = nullptr, *IsmetTobb = nullptr;
    TErtekEdit *TetelesDbEdit = nullptr, *TetelesAktEdit = nullptr, *TetelesMinEdit = nullptr,
               *TetelesMaxEdit = nullptr;
    QSpinBox* TetelesNeveUD = nullptr;  // the item, stepped over items with no selected number
    QLabel *TetelesNeveLabel = nullptr, *ParosIL = nullptr, *IsmetIL = nullptr;
    QPushButton* MindenGomb = nullptr;

    // Shows the selected records (after a load, a clear, a new selection).
    void Betoltes();

    void ParosBoxClick();
    void ParosValtozas(kvx::MinMaxMezo mezo);
    void IsmetBoxClick();
    void IsmetValtozas(kvx::IsmetMezo mezo);
    void TetelesBoxClick();
    void TetelesValtozas(kvx::TetelesMezo mezo);
    void MindenGombClick();

private:
    struct ParosMezok {
        std::uint8_t* Allapot;
        std::int32_t* Min;
        std::int32_t* Max;
    };
    ParosMezok paros() const;
    kvx::TetelKornyezet kornyezet() const;
    bool parosMutat(kvx::MinMaxMezo mezo);
    bool ismetMutat(kvx::IsmetMezo mezo, bool kijeloles);
    bool tetelesMutat(kvx::TetelesMezo mezo, bool fel);
    void epites(QWidget* oldal);

    TFeltetelek& w_;
    kvx::TetelLap lap_;
    std::int32_t akt_ = 1;
    std::int32_t nevElozo_ = 0;
    bool tolt_ = false;
};

#pragma once
// The " Spec " tab of the conditions window: Számsorok eloszlása (ranges and
// patterns of serial numbers within the full variation) above, Számok
// eloszlása - Sorozatok (patterns of distances) below.
#include <QObject>

#include <cstdint>
#include <vector>

#include "conditions/line_range_conditions.h"
#include "conditions/series_conditions.h"
#include "conditions/ui/lap_segedek.h"

class TFeltetelek;
class TErtekEdit;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class TSpecLap : public QObject {
    Q_OBJECT
public:
    TSpecLap(TFeltetelek& ablak, QWidget* lap);

    // Számsorok eloszlása.
    QFrame* Panel21 = nullptr;
    QLabel* SzamsorokIL = nullptr;
    QCheckBox *SzamsorokTartomanyBox = nullptr, *SzamsorokSorozatokBox = nullptr;
    TErtekEdit *SzamsorokDbTartomanyEdit = nullptr, *SzamsorokAktTartomanyEdit = nullptr,
               *SzamsorokDbMintaEdit = nullptr, *SzamsorokAktMintaEdit = nullptr;
    kvx::lap::RadioCsoport SzamsorokTartomanyTipusGroup, SzamsorokTartomanyModGroup, SzamsorokSorozatokModGroup,
        SzamsorokSorozatokTipusGroup;
    QLineEdit *SzamsorokTartomanyMinEdit = nullptr, *SzamsorokTartomanyMaxEdit = nullptr,
              *SzamsorokTartomanyMin = nullptr, *SzamsorokTartomanyMax = nullptr, *SzamsorokSorozatokEdit = nullptr;
    QComboBox *SzamsorokTartomanyCB = nullptr, *SzamsorokSorozatokCB = nullptr;
    QLabel* SzamsorokTartomanyKotojel = nullptr;
    QPushButton *SzamsorokTartomanyokRendezesGomb = nullptr, *SzamsorokSorozatokRendezesGomb = nullptr;

    // Számok eloszlása - Sorozatok.
    QFrame* Panel23 = nullptr;
    QCheckBox* SorozatAllapotBox = nullptr;
    TErtekEdit *DbSorozatEdit = nullptr, *AktSorozatEdit = nullptr, *SMintaMinEdit = nullptr, *SMintaMaxEdit = nullptr,
               *SEsetekMinEdit = nullptr, *SEsetekMaxEdit = nullptr, *SDbMintaMinEdit = nullptr,
               *SDbMintaMaxEdit = nullptr;
    QPushButton* MindenSorozatGomb = nullptr;
    QCheckBox* SSorozatSorrendBox = nullptr;
    QLabel *Panel23IL = nullptr, *SDbMintaMinCimke = nullptr, *SDbMintaMaxCimke = nullptr;

    // Handlers.
    void SzamsorokAllapotBoxClick();
    void SzamsorokTartomanyBoxClick();
    void SzamsorokTartomanyValtozas(kvx::SzamsorokMezo mezo);
    void SzamsorokAktTartomanyEditChange();
    void SzamsorokTartomanyokRendezesGombClick();
    // Double clicks: a serial number or sub-range takes the other end's
    // value, or its own extreme when both are equal; N jumps between its
    // extremes.
    void SzamsorokTartomanyMinEditDblClick();
    void SzamsorokTartomanyMaxEditDblClick();
    void SzamsorokTartomanyMinDblClick();
    void SzamsorokTartomanyMaxDblClick();
    void SzamsorokSorozatokEditDblClick();
    void SzamsorokSorozatokBoxClick();
    void SzamsorokMintaValtozas();
    void SzamsorokAktMintaEditChange();
    void SzamsorokSorozatokRendezesGombClick();
    void SorozatAllapotBoxClick();
    void SorozatValtozas(kvx::SorozatMezo mezo);
    void MindenSorozatGombClick();
    // The records into the controls: Sorozatok, then Számsorok eloszlása
    // (the window loads the number pools between the two).
    void Betoltes();
    void SorozatBetoltes();
    void SzamsorokBetoltes();

    // The divisor list of the current selection.
    const std::vector<std::int64_t>& OsztoLista() const { return kornyezet_.Lista; }

private:
    void szamsorokKornyezet();
    void tartomanyMutat();
    void mintaMutat();
    void szamsorokEngedelyezes();
    kvx::SorozatKornyezet sorozatKornyezet() const;
    bool sorozatMutat(kvx::SorozatMezo mezo);
    // The panel's controls follow the box; its caption stays readable.
    void sorozatCBAction();

    TFeltetelek& w_;
    kvx::SzamsorokKornyezet kornyezet_;
    QLabel* szamokEloszlasa_ = nullptr;  // the caption "Számok eloszlása"
    std::int32_t aktSorozat_ = 1;
    bool mutat_ = false;  // controls are being shown: no handler writes
};

#pragma once
// The events tab of the conditions window: " Ikerszám", " Tükör számpár",
// " Prímszám" and the three neighbouring-number conditions.
#include <QObject>

#include "conditions/event_conditions.h"

class QCheckBox;
class QFrame;
class QLabel;
class QWidget;
class TErtekEdit;
class TFeltetelek;

class TEsemenyekLap : public QObject {
    Q_OBJECT
public:
    TEsemenyekLap(TFeltetelek& ablak, QWidget* oldal);

    QFrame *IkerszamPanel = nullptr, *TukorszamPanel = nullptr, *PrimszamPanel = nullptr,
           *SzomszedosPanel = nullptr;
    QCheckBox *IkerszamBox = nullptr, *TukorszamBox = nullptr, *PrimszamBox = nullptr;
    TErtekEdit *IkerszamEdit = nullptr, *IkerszamMaxEdit = nullptr, *TukorszamEdit = nullptr,
               *TukorszamMaxEdit = nullptr, *PrimszamEdit = nullptr, *PrimszamMaxEdit = nullptr;
    QLabel* Panel14IL = nullptr;
    QCheckBox *SzomszedosAltBox = nullptr, *SzomszedosMobBox = nullptr, *SzomszedosFixBox = nullptr;
    QCheckBox *SzomszedosSorrendAltBox = nullptr, *SzomszedosSorrendMobBox = nullptr,
              *SzomszedosSorrendFixBox = nullptr;
    TErtekEdit *SzomszedosSzamokAltEditMin = nullptr, *SzomszedosSzamokAltEditMax = nullptr,
               *SzomszedosSzamokAltMinEdit = nullptr, *SzomszedosSzamokAltMaxEdit = nullptr;
    TErtekEdit *SzomszedosSzamokMobEdit = nullptr, *SzomszedosSzamokMobMaxEdit = nullptr;
    TErtekEdit *SzomszedosSzamokFixEdit = nullptr, *SzomszedosSzamokFixMaxEdit = nullptr;
    QLabel *AltMaxLabel = nullptr, *EsetLabel = nullptr, *EsetKotojel = nullptr;

    // Shows the selected records (after a load, a clear, a new selection).
    void Betoltes();

    void IkerszamBoxClick();
    void TukorszamBoxClick();
    void PrimszamBoxClick();
    void MinMaxValtozas(int melyik, kvx::MinMaxMezo mezo);  // 0 twins, 1 mirror pairs, 2 primes
    // The three parts of Szomszédos számok: 0 Egy számsorban, 1 Mobil, 2 Fix.
    void SzomszedosBoxClick(int resz);
    void SzomszedosSorrendClick(int resz);
    void SzomszedosValtozas(kvx::SzomszedMezo mezo, int ertek);

private:
    kvx::EsemenyKornyezet kornyezet() const;
    bool minMaxMutat(int melyik, kvx::MinMaxMezo mezo);
    void szomszedosEngedelyezes();

    TFeltetelek& w_;
    bool tolt_ = false;
};

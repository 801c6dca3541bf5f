#include "conditions/ui/esemenyek_lap.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "conditions/ui/feltetelek.h"
#include "conditions/ui/lap_segedek.h"
#include "conditions/variation_options.h"

using namespace kvx;
using namespace kvx::lap;

namespace {

void felkover(QWidget* w)
{
    QFont f = w->font();
    f.setBold(true);
    w->setFont(f);
}

}  // namespace

TEsemenyekLap::TEsemenyekLap(TFeltetelek& ablak, QWidget* oldal) : QObject(oldal), w_(ablak)
{
    setObjectName(QStringLiteral("EsemenyekLap"));
    auto* sor = new QVBoxLayout(oldal);
    sor->setContentsMargins(4, 4, 4, 4);
    sor->setSpacing(4);
    auto edit = [](QFrame* p, const char* nev) {
        auto* e = new TErtekEdit(p);
        e->setObjectName(nev);
        e->setMinimumWidth(56);
        return e;
    };
    auto panel = [&](const char* nev) {
        auto* p = new QFrame(oldal);
        p->setObjectName(nev);
        p->setFrameShape(QFrame::StyledPanel);
        sor->addWidget(p);
        return p;
    };
    // Ikerszám, Tükör számpár, Prímszám: one row each.
    struct MinMaxPanel {
        QFrame*& p;
        const char* nev;
        QCheckBox*& box;
        const char* boxNev;
        const char* felirat;
        const char* szoveg;
        TErtekEdit*& min;
        const char* minNev;
        TErtekEdit*& max;
        const char* maxNev;
        const char* utana;
    };
    MinMaxPanel panelek[] = {
        {IkerszamPanel, "IkerszamPanel", IkerszamBox, "IkerszamBox", " Ikerszám", "Egy számsorban pontosan ",
         IkerszamEdit, "IkerszamEdit", IkerszamMaxEdit, "IkerszamMaxEdit", "   darab ikerszám lehet."},
        {TukorszamPanel, "TukorszamPanel", TukorszamBox, "TukorszamBox", " Tükör számpár", "Egy számsorban pontosan",
         TukorszamEdit, "TukorszamEdit", TukorszamMaxEdit, "TukorszamMaxEdit", "   darab tükör számpár lehet."},
        {PrimszamPanel, "Panel14", PrimszamBox, "PrimszamBox", " Prímszám", "Egy számsorban pontosan", PrimszamEdit,
         "PrimszamEdit", PrimszamMaxEdit, "PrimszamMaxEdit", "   darab prímszám lehet."},
    };
    for (int i = 0; i < 3; ++i) {
        MinMaxPanel& m = panelek[i];
        m.p = panel(m.nev);
        m.box = new QCheckBox(QString::fromUtf8(m.felirat), m.p);
        m.box->setObjectName(m.boxNev);
        felkover(m.box);
        m.min = edit(m.p, m.minNev);
        m.max = edit(m.p, m.maxNev);
        auto* g = new QGridLayout(m.p);
        g->addWidget(m.box, 0, 0, 1, 3);
        g->addWidget(cimke(m.szoveg, m.p), 1, 0);
        g->addWidget(m.min, 1, 1);
        g->addWidget(cimke("-", m.p), 1, 2);
        g->addWidget(m.max, 1, 3);
        g->addWidget(cimke(m.utana, m.p), 1, 4);
        g->setColumnStretch(4, 1);
        if (i == 2) {
            Panel14IL = cimke("℘", m.p);
            Panel14IL->setObjectName("Panel14IL");
            g->addWidget(Panel14IL, 0, 5, Qt::AlignRight);
        }
        connect(m.min, &QSpinBox::valueChanged, this, [this, i] { MinMaxValtozas(i, MinMaxMezo::Min); });
        connect(m.max, &QSpinBox::valueChanged, this, [this, i] { MinMaxValtozas(i, MinMaxMezo::Max); });
    }
    connect(IkerszamBox, &QCheckBox::clicked, this, &TEsemenyekLap::IkerszamBoxClick);
    connect(TukorszamBox, &QCheckBox::clicked, this, &TEsemenyekLap::TukorszamBoxClick);
    connect(PrimszamBox, &QCheckBox::clicked, this, &TEsemenyekLap::PrimszamBoxClick);

    // Szomszédos számok.
    SzomszedosPanel = panel("SzomszedosPanel");
    auto* v = new QVBoxLayout(SzomszedosPanel);
    auto* fej = cimke("Szomszédos számok", SzomszedosPanel);
    felkover(fej);
    v->addWidget(fej);
    auto box = [&](QCheckBox*& b, const char* nev, const char* felirat) {
        b = new QCheckBox(QString::fromUtf8(felirat), SzomszedosPanel);
        b->setObjectName(nev);
        felkover(b);
    };
    auto sorrend = [&](QCheckBox*& b, const char* nev) {
        b = new QCheckBox(SzomszedosPanel);
        b->setObjectName(nev);
    };
    // One row of widgets, left-aligned, with an indent for the value rows.
    auto sorba = [&](std::initializer_list<QWidget*> elemek, int behuzas) {
        auto* h = new QHBoxLayout;
        h->addSpacing(behuzas);
        for (QWidget* e : elemek) h->addWidget(e);
        h->addStretch(1);
        v->addLayout(h);
    };
    box(SzomszedosAltBox, "SzomszedosAltBox", " Egy számsorban");
    sorrend(SzomszedosSorrendAltBox, "SzomszedosSorrendAltBox");
    SzomszedosSzamokAltEditMin = edit(SzomszedosPanel, "SzomszedosSzamokAltEditMin");
    SzomszedosSzamokAltEditMax = edit(SzomszedosPanel, "SzomszedosSzamokAltEditMax");
    SzomszedosSzamokAltMinEdit = edit(SzomszedosPanel, "SzomszedosSzamokAltMinEdit");
    SzomszedosSzamokAltMaxEdit = edit(SzomszedosPanel, "SzomszedosSzamokAltMaxEdit");
    AltMaxLabel = cimke("   szomszédos szám lehet", SzomszedosPanel);
    AltMaxLabel->setObjectName("AltMaxLabel");
    EsetKotojel = cimke("-", SzomszedosPanel);
    EsetLabel = cimke("   esetben.", SzomszedosPanel);
    sorba({SzomszedosAltBox, SzomszedosSorrendAltBox}, 0);
    sorba({SzomszedosSzamokAltEditMin, cimke("-", SzomszedosPanel), SzomszedosSzamokAltEditMax, AltMaxLabel}, 20);
    sorba({SzomszedosSzamokAltMinEdit, EsetKotojel, SzomszedosSzamokAltMaxEdit, EsetLabel}, 20);

    box(SzomszedosMobBox, "SzomszedosMobBox", " Mobil");
    sorrend(SzomszedosSorrendMobBox, "SzomszedosSorrendMobBox");
    SzomszedosSzamokMobEdit = edit(SzomszedosPanel, "SzomszedosSzamokMobEdit");
    SzomszedosSzamokMobMaxEdit = edit(SzomszedosPanel, "SzomszedosSzamokMobMaxEdit");
    sorba({SzomszedosMobBox, SzomszedosSorrendMobBox}, 0);
    sorba({SzomszedosSzamokMobEdit, cimke("   szomszédos számból, maximum", SzomszedosPanel), SzomszedosSzamokMobMaxEdit,
           cimke("   találat elérése.", SzomszedosPanel)},
          20);

    box(SzomszedosFixBox, "SzomszedosFixBox", " Fix");
    sorrend(SzomszedosSorrendFixBox, "SzomszedosSorrendFixBox");
    SzomszedosSzamokFixEdit = edit(SzomszedosPanel, "SzomszedosSzamokFixEdit");
    SzomszedosSzamokFixMaxEdit = edit(SzomszedosPanel, "SzomszedosSzamokFixMaxEdit");
    sorba({SzomszedosFixBox, SzomszedosSorrendFixBox}, 0);
    sorba({SzomszedosSzamokFixEdit, cimke("   szomszédos számból, maximum", SzomszedosPanel), SzomszedosSzamokFixMaxEdit,
           cimke("   találat elérése. ", SzomszedosPanel)},
          20);
    sor->addStretch(1);

    const QCheckBox* boxok[] = {SzomszedosAltBox, SzomszedosMobBox, SzomszedosFixBox};
    const QCheckBox* sorrendek[] = {SzomszedosSorrendAltBox, SzomszedosSorrendMobBox, SzomszedosSorrendFixBox};
    for (int i = 0; i < 3; ++i) {
        connect(boxok[i], &QCheckBox::clicked, this, [this, i] { SzomszedosBoxClick(i); });
        connect(sorrendek[i], &QCheckBox::clicked, this, [this, i] { SzomszedosSorrendClick(i); });
    }
    const std::pair<TErtekEdit*, SzomszedMezo> mezok[] = {
        {SzomszedosSzamokAltEditMin, SzomszedMezo::AltMin}, {SzomszedosSzamokAltEditMax, SzomszedMezo::AltMax},
        {SzomszedosSzamokAltMinEdit, SzomszedMezo::EsetMin}, {SzomszedosSzamokAltMaxEdit, SzomszedMezo::EsetMax},
        {SzomszedosSzamokMobEdit, SzomszedMezo::MobMeret},   {SzomszedosSzamokMobMaxEdit, SzomszedMezo::MobTalalat},
        {SzomszedosSzamokFixEdit, SzomszedMezo::FixMeret},   {SzomszedosSzamokFixMaxEdit, SzomszedMezo::FixTalalat}};
    for (const auto& [e, m] : mezok) {
        const SzomszedMezo mezo = m;
        connect(e, &QSpinBox::valueChanged, this, [this, mezo](int v) { SzomszedosValtozas(mezo, v); });
    }
    // Double click on a group size: its maximum, or its minimum when there.
    for (TErtekEdit* e : {SzomszedosSzamokMobEdit, SzomszedosSzamokFixEdit})
        connect(e, &TErtekEdit::duplaKattintas, e, [e] { e->setValue(CsoportMeretDupla(e->value(), {e->minimum(), e->maximum()})); });

}

EsemenyKornyezet TEsemenyekLap::kornyezet() const
{
    return EsemenyKornyezetKeszites(*w_.Allapot.Listak, *w_.Allapot.Jatek, *w_.Allapot.Jelzok);
}

// ---------------------------------------------------------------- twins, mirror pairs, primes

bool TEsemenyekLap::minMaxMutat(int melyik, MinMaxMezo mezo)
{
    FeltetelRekordok& f = *w_.Allapot.Feltetelek;
    const EsemenyKornyezet e = kornyezet();
    TMinMaxFeltetel& r = melyik == 0 ? f.IkerszamFeltetel : melyik == 1 ? f.TukorszamFeltetel : f.PrimszamFeltetel;
    const EsemenyMinMaxNezet v = melyik == 0   ? IkerszamNormalizalas(r, e, mezo)
                                 : melyik == 1 ? TukorszamNormalizalas(r, e, mezo)
                                               : PrimszamNormalizalas(r, e, mezo);
    if (v.Ervenytelen) return false;
    TErtekEdit* min = melyik == 0 ? IkerszamEdit : melyik == 1 ? TukorszamEdit : PrimszamEdit;
    TErtekEdit* max = melyik == 0 ? IkerszamMaxEdit : melyik == 1 ? TukorszamMaxEdit : PrimszamMaxEdit;
    ertek(min, v.Min, r.Min);
    ertek(max, v.Max, r.Max);
    if (melyik == 2) Panel14IL->setToolTip(tipp(v.ILTipp));
    return true;
}

void TEsemenyekLap::IkerszamBoxClick()
{
    FeltetelRekordok& f = *w_.Allapot.Feltetelek;
    const std::int32_t k = w_.Allapot.Listak->VariacioFoMeret;
    f.IkerszamFeltetel.Allapot = IkerszamBox->isChecked() ? 1 : 0;
    w_.CBAction(IkerszamBox, IkerszamPanel, true);
    if (!f.IkerszamFeltetel.Allapot) {
        w_.LapValtozas();
        return;
    }
    if (kornyezet().Jelzok.IkerszamMaxUD <= 0) {
        f.IkerszamFeltetel.Allapot = 0;
        w_.NemErtFelt(IkerszamBox);
    } else if (w_.isVisible()) {
        if (IkerTukorKerdes(f, k) && w_.LapKerdes(QString::fromUtf8(kTukorTorlesKerdes))) {
            TukorszamBox->setChecked(false);
            TukorszamBoxClick();
        }
        if (IkerTukorTiltas(f, k)) {
            f.IkerszamFeltetel.Allapot = 0;
            {
                const QSignalBlocker b(IkerszamBox);
                IkerszamBox->setChecked(false);
            }
            w_.LapUzenet(TFeltetelek::UzenetFajta::Figyelmeztetes, QString::fromUtf8(kIkerNemErtelmezheto));
        }
    }
    if (f.IkerszamFeltetel.Allapot) minMaxMutat(0, MinMaxMezo::Nincs);
    w_.CBAction(IkerszamBox, IkerszamPanel, true);
    w_.LapValtozas();
}

void TEsemenyekLap::TukorszamBoxClick()
{
    FeltetelRekordok& f = *w_.Allapot.Feltetelek;
    const std::int32_t k = w_.Allapot.Listak->VariacioFoMeret;
    f.TukorszamFeltetel.Allapot = TukorszamBox->isChecked() ? 1 : 0;
    w_.CBAction(TukorszamBox, TukorszamPanel, true);
    if (!f.TukorszamFeltetel.Allapot) {
        w_.LapValtozas();
        return;
    }
    if (kornyezet().Jelzok.TukorszamMaxUD <= 0 || k < 2) {
        f.TukorszamFeltetel.Allapot = 0;
        w_.NemErtFelt(TukorszamBox);
    } else if (w_.isVisible()) {
        if (TukorIkerKerdes(f, k) && w_.LapKerdes(QString::fromUtf8(kIkerTorlesKerdes))) {
            IkerszamBox->setChecked(false);
            IkerszamBoxClick();
        }
        if (TukorIkerTiltas(f, k)) {
            f.TukorszamFeltetel.Allapot = 0;
            {
                const QSignalBlocker b(TukorszamBox);
                TukorszamBox->setChecked(false);
            }
            w_.LapUzenet(TFeltetelek::UzenetFajta::Figyelmeztetes, QString::fromUtf8(kTukorNemErtelmezheto));
        }
    }
    if (f.TukorszamFeltetel.Allapot) minMaxMutat(1, MinMaxMezo::Nincs);
    w_.CBAction(TukorszamBox, TukorszamPanel, true);
    w_.LapValtozas();
}

void TEsemenyekLap::PrimszamBoxClick()
{
    FeltetelRekordok& f = *w_.Allapot.Feltetelek;
    f.PrimszamFeltetel.Allapot = PrimszamBox->isChecked() ? 1 : 0;
    if (f.PrimszamFeltetel.Allapot && !minMaxMutat(2, MinMaxMezo::Nincs)) {
        f.PrimszamFeltetel.Allapot = 0;
        w_.NemErtFelt(PrimszamBox);
    }
    w_.CBAction(PrimszamBox, PrimszamPanel, true);
    w_.LapValtozas();
}

void TEsemenyekLap::MinMaxValtozas(int melyik, MinMaxMezo mezo)
{
    if (tolt_) return;
    FeltetelRekordok& f = *w_.Allapot.Feltetelek;
    TMinMaxFeltetel& r = melyik == 0 ? f.IkerszamFeltetel : melyik == 1 ? f.TukorszamFeltetel : f.PrimszamFeltetel;
    TErtekEdit* min = melyik == 0 ? IkerszamEdit : melyik == 1 ? TukorszamEdit : PrimszamEdit;
    TErtekEdit* max = melyik == 0 ? IkerszamMaxEdit : melyik == 1 ? TukorszamMaxEdit : PrimszamMaxEdit;
    r.Min = min->value();
    r.Max = max->value();
    minMaxMutat(melyik, mezo);
    w_.LapValtozas();
}

// ---------------------------------------------------------------- neighbours

void TEsemenyekLap::szomszedosEngedelyezes()
{
    const TSzomszedosFeltetel& r = w_.Allapot.Feltetelek->SzomszedosFeltetel;
    const bool be[] = {r.Alt != 0, r.Mob != 0, r.Fix != 0};
    const std::vector<QWidget*> reszek[] = {
        {SzomszedosSorrendAltBox, SzomszedosSzamokAltEditMin, SzomszedosSzamokAltEditMax, SzomszedosSzamokAltMinEdit,
         SzomszedosSzamokAltMaxEdit},
        {SzomszedosSorrendMobBox, SzomszedosSzamokMobEdit, SzomszedosSzamokMobMaxEdit},
        {SzomszedosSorrendFixBox, SzomszedosSzamokFixEdit, SzomszedosSzamokFixMaxEdit}};
    for (int i = 0; i < 3; ++i)
        for (QWidget* x : reszek[i]) x->setEnabled(be[i]);
}

void TEsemenyekLap::SzomszedosValtozas(SzomszedMezo mezo, int ertekUj)
{
    if (tolt_) return;
    TSzomszedosFeltetel& r = w_.Allapot.Feltetelek->SzomszedosFeltetel;
    const SzomszedNezet v = kvx::SzomszedosValtozas(r, kornyezet(), mezo, ertekUj);
    ertek(SzomszedosSzamokAltEditMin, v.AltMin, r.SzomszedMin);
    ertek(SzomszedosSzamokAltEditMax, v.AltMax, r.SzomszedMax);
    ertek(SzomszedosSzamokAltMinEdit, v.EsetMin, r.EsetMin);
    ertek(SzomszedosSzamokAltMaxEdit, v.EsetMax, r.EsetMax);
    ertek(SzomszedosSzamokMobEdit, v.MobMeret, r.MobMeret);
    ertek(SzomszedosSzamokMobMaxEdit, v.MobTalalat, r.MobTalalatMax);
    ertek(SzomszedosSzamokFixEdit, v.FixMeret, r.FixMeret);
    ertek(SzomszedosSzamokFixMaxEdit, v.FixTalalat, r.FixTalalatMax);
    for (QWidget* x : std::initializer_list<QWidget*>{SzomszedosSzamokAltMinEdit, SzomszedosSzamokAltMaxEdit,
                                                      EsetKotojel, EsetLabel})
        x->setVisible(v.EsetLathato);
    AltMaxLabel->setText(q(v.AltMaxLabel));
    SzomszedosSzamokAltEditMin->setToolTip(tipp(v.AltTipp));
    SzomszedosSzamokAltEditMax->setToolTip(tipp(v.AltTipp));
    SzomszedosSzamokAltMinEdit->setToolTip(tipp(v.EsetTipp));
    SzomszedosSzamokAltMaxEdit->setToolTip(tipp(v.EsetTipp));
    SzomszedosSzamokMobEdit->setToolTip(tipp(v.MobMeretTipp));
    SzomszedosSzamokMobMaxEdit->setToolTip(tipp(v.MobTalalatTipp));
    SzomszedosSzamokFixEdit->setToolTip(tipp(v.FixMeretTipp));
    SzomszedosSzamokFixMaxEdit->setToolTip(tipp(v.FixTalalatTipp));
    QCheckBox* sorrendek[] = {SzomszedosSorrendAltBox, SzomszedosSorrendMobBox, SzomszedosSorrendFixBox};
    const std::uint8_t allapot[] = {r.AltSorrend, r.MobSorrend, r.FixSorrend};
    for (int i = 0; i < 3; ++i) {
        const QSignalBlocker b(sorrendek[i]);
        sorrendek[i]->setChecked(allapot[i] != 0);
        sorrendek[i]->setToolTip(tipp(v.SorrendTipp[i]));
    }
    if (mezo != SzomszedMezo::Nincs) w_.LapValtozas();
}

void TEsemenyekLap::SzomszedosBoxClick(int resz)
{
    FeltetelRekordok& f = *w_.Allapot.Feltetelek;
    TSzomszedosFeltetel& r = f.SzomszedosFeltetel;
    QCheckBox* boxok[] = {SzomszedosAltBox, SzomszedosMobBox, SzomszedosFixBox};
    std::uint8_t* flag[] = {&r.Alt, &r.Mob, &r.Fix};
    QCheckBox* box = boxok[resz];
    *flag[resz] = box->isChecked() ? 1 : 0;
    const EsemenyKornyezet e = kornyezet();
    if (*flag[resz] && ((resz == 1 && !SzomszedosMobErtelmezheto(e)) || (resz == 2 && !SzomszedosFixErtelmezheto(e)) ||
                        e.VariacioFoMeret < 2)) {
        *flag[resz] = 0;
        w_.NemErtFelt(box);
    }
    r.Allapot = (r.Alt || r.Mob || r.Fix) ? 1 : 0;
    if (*flag[resz] && !e.Jelzok.VanSzomszedos && w_.isVisible())
        w_.LapUzenet(TFeltetelek::UzenetFajta::Informacio, q(NincsSzomszedosUzenet(e)));
    w_.CBAction(box, nullptr, false);
    szomszedosEngedelyezes();
    const bool regi = tolt_;
    tolt_ = false;
    SzomszedosValtozas(SzomszedMezo::Nincs, 0);
    tolt_ = regi;
    w_.LapValtozas();
}

void TEsemenyekLap::SzomszedosSorrendClick(int resz)
{
    TSzomszedosFeltetel& r = w_.Allapot.Feltetelek->SzomszedosFeltetel;
    QCheckBox* sorrendek[] = {SzomszedosSorrendAltBox, SzomszedosSorrendMobBox, SzomszedosSorrendFixBox};
    std::uint8_t* flag[] = {&r.AltSorrend, &r.MobSorrend, &r.FixSorrend};
    *flag[resz] = sorrendek[resz]->isChecked() ? 1 : 0;
    SzomszedosValtozas(SzomszedMezo::Nincs, 0);
    w_.LapValtozas();
}

// ---------------------------------------------------------------- loading

void TEsemenyekLap::Betoltes()
{
    FeltetelRekordok& f = *w_.Allapot.Feltetelek;
    tolt_ = true;
    QCheckBox* boxok[] = {IkerszamBox, TukorszamBox, PrimszamBox};
    QFrame* panelek[] = {IkerszamPanel, TukorszamPanel, PrimszamPanel};
    TMinMaxFeltetel* rekordok[] = {&f.IkerszamFeltetel, &f.TukorszamFeltetel, &f.PrimszamFeltetel};
    for (int i = 0; i < 3; ++i) {
        {
            const QSignalBlocker b(boxok[i]);
            boxok[i]->setChecked(rekordok[i]->Allapot != 0);
        }
        // A record that is not selected keeps its values and its controls.
        if (rekordok[i]->Allapot && !minMaxMutat(i, MinMaxMezo::Nincs)) {
            rekordok[i]->Allapot = 0;
            w_.NemErtFelt(boxok[i]);
        }
        w_.CBAction(boxok[i], panelek[i], true);
    }
    TSzomszedosFeltetel& r = f.SzomszedosFeltetel;
    const EsemenyKornyezet e = kornyezet();
    if (r.Mob && !SzomszedosMobErtelmezheto(e)) r.Mob = 0;
    if (r.Fix && !SzomszedosFixErtelmezheto(e)) r.Fix = 0;
    if (e.VariacioFoMeret < 2) r.Alt = r.Mob = r.Fix = 0;
    if (r.Allapot) r.Allapot = (r.Alt || r.Mob || r.Fix) ? 1 : 0;
    QCheckBox* szBoxok[] = {SzomszedosAltBox, SzomszedosMobBox, SzomszedosFixBox};
    const std::uint8_t szFlag[] = {r.Alt, r.Mob, r.Fix};
    for (int i = 0; i < 3; ++i) {
        const QSignalBlocker b(szBoxok[i]);
        szBoxok[i]->setChecked(r.Allapot && szFlag[i]);
        w_.CBAction(szBoxok[i], nullptr, false);
    }
    szomszedosEngedelyezes();
    if (r.Allapot) {
        tolt_ = false;
        SzomszedosValtozas(SzomszedMezo::Nincs, 0);
    }
    tolt_ = false;
}

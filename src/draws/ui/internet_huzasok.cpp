#include "draws/ui/internet_huzasok.h"

#include <QAction>
#include <QUrl>

#include <filesystem>
#include <string>
#include <vector>

#include "app/game_table.h"
#include "app/ui/internet_vezerlo.h"
#include "app/ui/parancs_tar.h"
#include "app/ui/program.h"
#include "app/ui/uzenetek.h"
#include "draws/alternative_databases.h"
#include "draws/database_file.h"
#include "draws/result_parsers.h"
#include "draws/ui/adatbazis_parancsok.h"

using namespace kvx;

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

LetoltottAdatbazisDontes letoltottAdatbazis(std::span<const std::uint8_t> adat, int jatek, const QString& aktualis,
                                            const QUrl& forras)
{
    const LetoltottAdatbazisEredmeny e =
        LetoltottAdatbazisEllenorzes(adat, JatekParameterei(jatek), aktualis.toStdString());
    switch (e.Allapot) {
    case LetoltottAdatbazis::Csere:
        return LetoltottAdatbazisDontes::Csere;
    case LetoltottAdatbazis::Ervenytelen:
        ErvenytelenAllomanyUzenet(forras.toString(), q(e.Uzenet), e.Uzenet.empty());
        return LetoltottAdatbazisDontes::Elutasitva;
    case LetoltottAdatbazis::OlvasasiHiba:
        kvx::HibaUzenet(QString::fromUtf8("Sikertelen az állomány elérése: \r\n") + aktualis);
        return LetoltottAdatbazisDontes::Elutasitva;
    case LetoltottAdatbazis::KevesebbHuzas:
        if (!FigyelmeztetoKerdes(q(GyartoKevesebbKerdes(JatekNev[static_cast<std::size_t>(jatek)]))))
            return LetoltottAdatbazisDontes::Megtartva;
        return LetoltottAdatbazisDontes::Csere;
    }
    return LetoltottAdatbazisDontes::Elutasitva;
}

bool naprakeszFrissites(const NaprakeszAllomany& a)
{
    Program& p = Program::aktualis();
    const Folders& f = p.Konyvtarak;
    const int g = p.Jatek.LottoIndex;
    // The parser works on the game's database as its file holds it, and
    // writes the result beside it under a temporary name; the database
    // file is replaced only when the update brought draws, so a failure at
    // any point leaves it as it was (and none is made where none was).
    GameParams jatek = p.Jatek;
    DrawsState tabla;
    const std::string adatbazis = f.DatKonyvtar + AdatbazisAllomany[static_cast<std::size_t>(g)];
    const std::string ideiglenes = adatbazis + ".naprakesz";
    if (std::filesystem::exists(adatbazis))
        HuzasokBe(tabla, jatek, adatbazis, BetoltesBeallitasok{true, {}});
    std::vector<std::string> sorok;
    if (!AllomanySorai(a.Utvonal.toStdString(), sorok)) {
        kvx::HibaUzenet(a.Hianyzik + a.Nev);
        return false;
    }
    FrissitesKornyezet k;
    k.Tabla = &tabla;
    k.Jatek = &jatek;
    k.AdatbazisUtvonal = ideiglenes;
    k.FajlNev = a.Nev.toStdString();
    k.Ma = Datum{a.Ev, a.Ho, a.Nap};
    k.AdatbazisTipus = true;
    k.Kerdes = [](const std::string& kerdes) { return FigyelmeztetoKerdes(q(kerdes)); };
    k.CacheAllomany = [&f](const std::string& nev, std::vector<std::string>& ki) {
        return AllomanySorai(f.CacheKonyvtar + nev, ki);
    };
    const std::int32_t aktualisDb = tabla.HuzasokSzama;
    const FrissitesEredmeny r = a.KenoHU ? HuzasokFrissitesKenoHU(k, sorok, aktualisDb, false)
                                         : HuzasokFrissiteseNaprakesz(k, std::move(sorok), aktualisDb);
    bool siker = r.Siker && r.KilepesGombTag > 0;
    if (siker) {
        std::error_code ec;
        std::filesystem::rename(ideiglenes, adatbazis, ec);
        if (ec) {
            siker = false;
            kvx::HibaUzenet(QString::fromUtf8(kAdatbazisMentesHiba));
        }
    } else if (!r.Uzenet.empty()) {
        if (r.Tipus == FrissitesUzenetTipus::Figyelmeztetes)
            FigyelmeztetoUzenet(q(r.Uzenet));
        else
            kvx::HibaUzenet(q(r.Uzenet));
    } else if (r.FoablakTag == 0) {
        QString uzenet = QString::fromUtf8(kFormatumValtozottUzenet);
        if (!r.Reszlet.empty())
            uzenet += QStringLiteral("\r\n\r\n") + q(r.Reszlet);
        kvx::HibaUzenet(uzenet);
    }
    std::error_code ec;
    std::filesystem::remove(ideiglenes, ec);
    return siker;
}

}  // namespace

void InternetHuzasokHorgai(InternetVezerlo& iv)
{
    InternetVezerlo::Horgok& h = iv.H;
    h.FrissitesElott = [] { return Program::aktualis().AdatbazisParancsai().AlternativAdatbazisFrissitesElott(); };
    h.LetoltottAdatbazis = letoltottAdatbazis;
    h.NaprakeszFrissites = naprakeszFrissites;
}

void InternetHuzasokBekotese(InternetVezerlo& iv, const QObject* kontextus)
{
    InternetHuzasokHorgai(iv);
    // The updated built-in database is loaded again and listed.
    QObject::connect(&iv, &InternetVezerlo::adatbazisFrissult, kontextus, [] {
        if (Program::aktualis().AdatbazisParancsai().AdatbazisValtas(kKavarexAdatbazis) && draws().AdatbazisBetoltve)
            Parancs(ParancsId::Listzs3)->trigger();
    });
}

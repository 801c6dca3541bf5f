#include "conditions/condition_records.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <random>

namespace kvx {
namespace {

template <class R> std::vector<std::uint8_t> kep(const R& r)
{
    BinWriter w;
    RekordIras(w, r);
    return w.data();
}

std::int32_t i32At(const std::vector<std::uint8_t>& b, std::size_t at)
{
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(b.at(at + i)) << (8 * i);
    return static_cast<std::int32_t>(v);
}

template <class R> void meretEllenorzes(std::size_t vart)
{
    EXPECT_EQ(R::kMeret, vart);
    EXPECT_EQ(kep(R{}).size(), vart);
}

TEST(ConditionRecords, RecordImagesHaveTheirSizes)
{
    meretEllenorzes<TFavFeltetel>(20);
    meretEllenorzes<TCsoportFeltetel>(12);
    meretEllenorzes<TMinMaxFeltetel>(12);
    meretEllenorzes<TSzorasFeltetel>(12);
    meretEllenorzes<TParosFeltetel>(16);
    meretEllenorzes<TIsmetFeltetel>(16);
    meretEllenorzes<TTetelesFeltetel>(168);
    meretEllenorzes<TSzamcsoportokFeltetel>(208);
    meretEllenorzes<TTalalatiAranyFeltetel>(268);
    meretEllenorzes<TTerjedelemFeltetel>(24);
    meretEllenorzes<TSzomszedosFeltetel>(60);
    meretEllenorzes<TSorozatFeltetel>(216);
    meretEllenorzes<TSzamkeszletFeltetel>(132);
    meretEllenorzes<TSzamsorokFeltetel>(416);
    meretEllenorzes<TVariacioOpciok>(104);
}

// Fields land at the offsets of the record layouts.
TEST(ConditionRecords, FieldOffsets)
{
    TTalalatiAranyFeltetel t;
    t.AktTartomany = 0x11;
    t.Tipus[9] = 0x22;
    t.TalalatMin[0] = 0x33;
    t.PBMax[9] = 0x44;
    t.Forras = 1;
    t.ElsoHuzas[0] = 0x55;
    t.UtolsoHuzas[9] = 0x66;
    auto b = kep(t);
    EXPECT_EQ(i32At(b, 8), 0x11);
    EXPECT_EQ(b[21], 0x22);
    EXPECT_EQ(i32At(b, 24), 0x33);
    EXPECT_EQ(i32At(b, 180), 0x44);
    EXPECT_EQ(b[184], 1);
    EXPECT_EQ(i32At(b, 188), 0x55);
    EXPECT_EQ(i32At(b, 264), 0x66);

    TSzomszedosFeltetel s;
    s.AltSorrend = 1;
    s.Mob = 2;
    s.MobSorrend = 3;
    s.Fix = 4;
    s.FixTalalatMax = 5;
    s.FixSorrend = 6;
    s.Tartalek[11] = 7;
    b = kep(s);
    EXPECT_EQ(b[20], 1);
    EXPECT_EQ(b[21], 2);
    EXPECT_EQ(b[32], 3);
    EXPECT_EQ(b[33], 4);
    EXPECT_EQ(i32At(b, 40), 5);
    EXPECT_EQ(b[44], 6);
    EXPECT_EQ(b[59], 7);

    TSorozatFeltetel so;
    so.Minta[0].Tartalek = 1;
    so.Minta[9].EsetMax = 2;
    so.MintaDbMin = 3;
    so.MintaDbMax = 4;
    b = kep(so);
    EXPECT_EQ(i32At(b, 24), 1);
    EXPECT_EQ(i32At(b, 8 + 9 * 20 + 12), 2);
    EXPECT_EQ(i32At(b, 208), 3);
    EXPECT_EQ(i32At(b, 212), 4);

    TSzamkeszletFeltetel k;
    k.Elso[0] = 1;
    k.Utolso[0] = 2;
    k.Tartalek[0] = 3;
    k.Elso[10] = 4;
    k.Utolso[10] = 5;
    b = kep(k);
    EXPECT_EQ(i32At(b, 4), 1);
    EXPECT_EQ(i32At(b, 8), 2);
    EXPECT_EQ(i32At(b, 12), 3);
    EXPECT_EQ(i32At(b, 124), 4);
    EXPECT_EQ(i32At(b, 128), 5);

    TSzamsorokFeltetel ss;
    ss.Tartomany = 1;
    ss.Mod[0] = 2;
    ss.OsztasMax[9] = 3;
    ss.Sorozat = 4;
    ss.AktMinta = 5;
    ss.MintaTipus[0] = 6;
    ss.MintaMasolat[0] = 7;
    ss.Tartalek2[7] = 8;
    b = kep(ss);
    EXPECT_EQ(b[12], 1);
    EXPECT_EQ(b[116], 2);
    EXPECT_EQ(i32At(b, 244), 3);
    EXPECT_EQ(b[256], 4);
    EXPECT_EQ(i32At(b, 264), 5);
    EXPECT_EQ(b[278], 6);
    EXPECT_EQ(i32At(b, 368), 7);
    EXPECT_EQ(b[415], 8);

    TIsmetFeltetel is;
    is.Szama = 1;
    is.Max = 2;
    is.CsakTobb = 3;
    b = kep(is);
    EXPECT_EQ(b[1], 1);
    EXPECT_EQ(i32At(b, 8), 2);
    EXPECT_EQ(b[12], 3);

    TTerjedelemFeltetel te;
    te.Fix = 1;
    te.Valtozo = 2;
    te.ValtozoMax = 3;
    b = kep(te);
    EXPECT_EQ(b[1], 1);
    EXPECT_EQ(b[12], 2);
    EXPECT_EQ(i32At(b, 20), 3);

    TVariacioOpciok o;
    o.Rendez = 1;
    o.Arany = 2;
    o.SetVedettSzamsorDb(120);
    b = kep(o);
    EXPECT_EQ(b[4], 1);
    EXPECT_EQ(i32At(b, 8), 2);
    EXPECT_EQ(i32At(b, 60), 120);
    EXPECT_EQ(o.VedettSzamsorDb(), 120);
}

TEST(ConditionRecords, BlockItemsAndOffsets)
{
    struct Elem {
        const char* nev;
        std::size_t meret;
    };
    const Elem vart[26] = {
        {"FavFeltetel", 20}, {"MobFeltetel", 12}, {"FixFeltetel", 12}, {"SzcsParosFeltetel", 16},
        {"SzcsIsmetFeltetel", 16}, {"TalalatiAranyFeltetel", 268}, {"SzvParosFeltetel", 16},
        {"SzvIsmetFeltetel", 16}, {"OsszegFeltetel", 12}, {"IkerszamFeltetel", 12}, {"TukorszamFeltetel", 12},
        {"SzorasFeltetel", 12}, {"TerjedelemFeltetel", 24}, {"PrimszamFeltetel", 12},
        {"SzamcsoportokFeltetel", 208}, {"SzomszedosFeltetel", 60}, {"TalArAdatbazisTipus", 1},
        {"AllandoFeltetel", 12}, {"SzamcsoportTetelesFeltetel", 168}, {"SzamvegzodesTetelesFeltetel", 168},
        {"SzJTetelesFeltetel", 168}, {"SorozatFeltetel", 216}, {"SzJParosFeltetel", 12}, {"SzJIsmetFeltetel", 16},
        {"SzamkeszletFeltetel", 132}, {"SzamsorokFeltetel", 416},
    };
    std::size_t eltolas = 0;
    for (std::size_t i = 0; i < 26; ++i) {
        SCOPED_TRACE(vart[i].nev);
        EXPECT_STREQ(kFeltetelBlokk[i].Nev, vart[i].nev);
        EXPECT_EQ(kFeltetelBlokk[i].Meret, vart[i].meret);
        EXPECT_EQ(kFeltetelBlokk[i].Eltolas, eltolas);
        eltolas += vart[i].meret;
    }
    EXPECT_EQ(eltolas, kFeltetelBlokkMeret);
    EXPECT_EQ(kFeltetelBlokk[16].Eltolas, 728u);  // the database-kind byte

    // The writer puts each item at its offset.
    FeltetelRekordok f;
    f.TalArAdatbazisTipus = 0x5A;
    f.TalalatiAranyFeltetel.Allapot = 0xA1;
    f.SzomszedosFeltetel.Tartalek[0] = 0xB2;
    f.SzamsorokFeltetel.Allapot = 0xC3;
    f.SzJIsmetFeltetel.CsakTobb = 0xD4;
    BinWriter w;
    FeltetelBlokkIras(w, f);
    ASSERT_EQ(w.size(), kFeltetelBlokkMeret);
    EXPECT_EQ(w.data()[728], 0x5A);
    EXPECT_EQ(w.data()[kFeltetelBlokk[5].Eltolas], 0xA1);
    EXPECT_EQ(w.data()[kFeltetelBlokk[15].Eltolas + 48], 0xB2);
    EXPECT_EQ(w.data()[kFeltetelBlokk[25].Eltolas], 0xC3);
    EXPECT_EQ(w.data()[kFeltetelBlokk[23].Eltolas + 12], 0xD4);
}

// Any 2,037 bytes (all conditions selected, arrays full, pad and unused
// bytes set, float limits that are not plain numbers) come back unchanged.
TEST(ConditionRecords, BlockRoundTripsByteForByte)
{
    std::mt19937 gen(2037);
    for (int kor = 0; kor < 20; ++kor) {
        std::vector<std::uint8_t> be(kFeltetelBlokkMeret);
        for (auto& b : be) b = static_cast<std::uint8_t>(gen());
        // Szórás limits: a signalling NaN and a negative zero.
        const std::size_t szoras = kFeltetelBlokk[11].Eltolas;
        const std::uint8_t snan[4] = {0x01, 0x00, 0x80, 0x7F};
        const std::uint8_t negZero[4] = {0x00, 0x00, 0x00, 0x80};
        std::memcpy(&be[szoras + 4], snan, 4);
        std::memcpy(&be[szoras + 8], negZero, 4);

        FeltetelRekordok f;
        BinReader rd(be);
        ASSERT_TRUE(FeltetelBlokkOlvasas(rd, f));
        EXPECT_EQ(rd.pos(), kFeltetelBlokkMeret);
        EXPECT_EQ(std::bit_cast<std::uint32_t>(f.SzorasFeltetel.Min), 0x7F800001u);
        BinWriter w;
        FeltetelBlokkIras(w, f);
        EXPECT_EQ(w.data(), be);
    }
}

TEST(ConditionRecords, ShortBlockLeavesTheRecordsAsTheyWere)
{
    FeltetelRekordok f;
    f.OsszegFeltetel.Min = 100;
    f.OsszegFeltetel.Max = 150;
    const FeltetelRekordok elotte = f;
    std::vector<std::uint8_t> be(kFeltetelBlokkMeret - 1, 0xFF);
    BinReader rd(be);
    EXPECT_FALSE(FeltetelBlokkOlvasas(rd, f));
    EXPECT_FALSE(rd.ok());
    EXPECT_EQ(f.OsszegFeltetel, elotte.OsszegFeltetel);
    EXPECT_EQ(f.TalArAdatbazisTipus, elotte.TalArAdatbazisTipus);

    TSorozatFeltetel s;
    s.DbMinta = 3;
    std::vector<std::uint8_t> rovid(100, 0xEE);
    BinReader rd2(rovid);
    EXPECT_FALSE(RekordOlvasas(rd2, s));
    EXPECT_EQ(s.DbMinta, 3);
}

TEST(ConditionRecords, ActiveSetRoundTripsAndTicksBoxes)
{
    TFeltetelMaszk m;
    m.SetFeltetel(BitFav);
    m.SetFeltetel(BitTerjedelem);    // neither sub-bit: no Terjedelem box
    m.SetFeltetel(BitSzomszedos);
    m.SetAlFeltetel(AlBitSzomszedosAlt);
    m.SetAlFeltetel(AlBitSzomszedosFix);
    m.SetFeltetel(BitSzamsorok);
    m.SetAlFeltetel(AlBitSzamsorokSorozat);
    m.SetFeltetel(BitTalalat);       // engine-only bits tick nothing
    m.SetFeltetel(BitOptimalizalas);
    EXPECT_EQ(BejelolendoDobozok(m), (std::vector<std::string>{"FavAllapotBox", "SzomszedosAltBox",
                                                               "SzomszedosFixBox", "SzamsorokSorozatokBox"}));
    m.SetAlFeltetel(AlBitTerjedelemValtozo);
    EXPECT_EQ(BejelolendoDobozok(m)[1], "MobilTartomanyBox");

    BinWriter w;
    MaszkIras(w, m);
    ASSERT_EQ(w.size(), 16u);
    EXPECT_EQ(w.data()[0], 0x01);           // bit 0
    EXPECT_EQ(w.data()[3], 0x07);           // bits 24, 25, 26
    TFeltetelMaszk vissza;
    BinReader rd(w.data());
    ASSERT_TRUE(MaszkOlvasas(rd, vissza));
    EXPECT_EQ(vissza, m);

    for (int i = 0; i < kFeltetelekSzama; ++i) EXPECT_EQ(kFeltetelTabla[static_cast<std::size_t>(i)].Bit, i);
}

}  // namespace
}  // namespace kvx

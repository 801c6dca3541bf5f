// The conditions window's "Törlés" with a saved variation: its lines were
// made for the conditions and go with them, after the question; No keeps
// both. A deleted variation belongs to the current game again.
#include "app/ui/program.h"
#include "variation/ui/variacio_ablakok.h"

#include "app/main_state.h"
#include "app/ui/valaszolo.h"
#include "conditions/markers.h"
#include "conditions/ui/feltetelek.h"
#include "variation/ui/filedialogs.h"
#include "variation/variation_file.h"
#include "variation/variation_store.h"

#include <memory>

namespace {

using kvx::teszt::FutasAblakokAlap;
using kvx::teszt::Valaszolo;

// The variation is saved through the file dialogs' object, as the main
// window's save does.
class FeltetelekTorles : public FutasAblakokAlap {
protected:
    void SetUp() override
    {
        FutasAblakokAlap::SetUp();
        dialogusok_ = std::make_unique<TAllomanyDialogusok>(&ablakok_->Foablak, AllomanyDialogusAllapot::Program());
        dialogusok_->Kerdes = [](const QString&) { return true; };
    }
    void TearDown() override
    {
        dialogusok_.reset();
        FutasAblakokAlap::TearDown();
    }

    std::unique_ptr<TAllomanyDialogusok> dialogusok_;
};

TEST_F(FeltetelekTorles, ASavedVariationsLinesGoWithTheConditionsAfterTheQuestion)
{
    struct Eset {
        const char* nev;
        bool feltetel;      // a condition is selected
        const char* valasz;
        const char* kerdes;
        bool torolve;
    };
    const Eset esetek[] = {
        {"a condition, no", true, "Nem", "Biztos törli a feltételeket és a variáció listáját?", false},
        {"a condition, yes", true, "Igen", "Biztos törli a feltételeket és a variáció listáját?", true},
        {"no condition, yes", false, "Igen", "Biztos törli a variáció listáját?", true},
    };
    tizenketSzam();
    for (const Eset& e : esetek) {
        SCOPED_TRACE(e.nev);
        if (kvx::variationStore().BontSzelvszam == 0)
            futtatas();
        const std::int64_t sorok = kvx::variationStore().BontSzelvszam;
        ASSERT_TRUE(dialogusok_->VariacioMentese(dir_.filePath("mentett.top")));
        ASSERT_TRUE(kvx::mainState().Mentve);
        kvx::FeltetelRekordok& f = kvx::feltetelRekordok();
        if (e.feltetel) {
            f.OsszegFeltetel.Allapot = 1;
            kvx::SetFeltetelJelzo(f, true, false);
        }
        // As after loading lines of another game.
        kvx::variacioAllomany().BontLottoIndex = 5;
        kvx::variacioAllomany().BontIdegenSzamsorDb = 3;

        Valaszolo v({QString::fromUtf8(e.valasz)});
        ablakok_->Feltetelek->FeltetelekTorlese();
        ASSERT_EQ(v.Latott.size(), 1);
        EXPECT_EQ(v.Latott[0].Szoveg, QString::fromUtf8(e.kerdes));
        EXPECT_EQ(kvx::variationStore().BontSzelvszam, e.torolve ? 0 : sorok);
        EXPECT_EQ(f.FeltetelJelzo, e.feltetel && !e.torolve);
        EXPECT_EQ(f.OsszegFeltetel.Allapot, e.feltetel && !e.torolve ? 1 : 0);
        EXPECT_EQ(kvx::variacioAllomany().BontLottoIndex, e.torolve ? kvx::game().LottoIndex : 5);
        EXPECT_EQ(kvx::variacioAllomany().BontIdegenSzamsorDb, e.torolve ? 0 : 3);
        EXPECT_EQ(kvx::szamListak().KijeloltSzamDb(), 12);
        if (!e.torolve) {
            f.OsszegFeltetel.Allapot = 0;
            kvx::SetFeltetelJelzo(f, false, false);
        }
    }
}

}  // namespace

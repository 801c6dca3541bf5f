#pragma once
// The line enumerator and the covering rule of a generation run.
//
// The enumerator walks the k-element lines of the selection in lexicographic
// order (or draws random lines), passes each complete candidate through the
// per-line test, the covering rule and the hit-ratio test, and stores the
// accepted ones. The covering rule ("share at most T numbers with every
// stored line") is checked through a counting table over the (T+1)-subsets of
// the selection (covering_index.h): per position the enumerator ORs the
// extension sets of the prefix and jumps straight to the next value that does
// not complete a stored (T+1)-subset. Every candidate it passes over shares
// T+1 numbers with a stored line, so it would fail anyway; the stored lines
// and their order are those of a candidate-by-candidate walk.
//
// The per-line tests are a template parameter (see NincsSzuro) so the hot
// loop inlines them; SorFeltetel is the virtual form for callers that need it.
//
// A full variation (no covering rule, lexicographic order) runs on several
// threads when its tests can be copied (ParhuzamosSzuro): the candidates are
// cut into slices by their first positions, each thread filters whole slices
// into its own buffer, and the slices are stored in their order. The stored
// lines and their order are those of the single-thread walk; a pause falls
// on a slice boundary and keeps the slice's first line as the pause line.
#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <concepts>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "common/arrays.h"
#include "common/delphi_format.h"
#include "conditions/condition_records.h"
#include "variation/covering_index.h"
#include "variation/store_jobs.h"
#include "variation/variation_store.h"

namespace kvx {

constexpr int kMaxVariacioMeret = 20;
constexpr int kMaxKijeloltSzam = 128;
// Fulfilled-condition bit of the Találat rule with its Tételes part.
constexpr std::uint64_t kTulirasTetelesBit = 0x2000000;

// The inputs of a run, taken when the run starts.
struct BontasBemenet {
    std::int32_t KijeloltSzamDb = 0;    // n: selected numbers (main ones first)
    std::int32_t KijeloltFoSzamDb = 0;  // nf: selected main-pool numbers
    std::int32_t VariacioMeret = 0;     // k: numbers varied per line
    std::int32_t VariacioFoMeret = 0;   // kf: main-pool numbers varied per line
    bool VanPluszSzam = false;          // the game has a separate extra pool
    std::int32_t Hibapont = 0;          // error points
    bool FeltetelJelzo = false;         // the per-line condition test is to run
    bool TalArAktiv = false;            // the hit-ratio test is to run
    bool SzorasAktiv = false;           // the standard-deviation condition is selected
    bool BontasBovites = false;         // extension: append to the stored lines
    bool VeletlenSzamsorok = false;
    bool GyakorisagiEloszlas = false;
    bool Optimalizalt = false;
    bool TulirasBont = false;  // the Találat option
    std::int32_t Tuliras = 0;
    bool TulirasTeteles = false;
    bool TulirasSorozat = false;
    std::int32_t TulirasTetelesMin = 0;
    std::int32_t TulirasTetelesMax = 0;
    std::uint64_t VeletlenMag = 0;  // seed of the random lines
    // Threads of a full variation: 0 every core, 1 the single-thread walk.
    std::int32_t SzalDb = 0;
    // A variation of drawn lines: the hit-ratio test stores the drawings it
    // meets, each a row of SzamsorHossz numbers; the candidates are never
    // stored. CelSzelvszam: the drawings the ranges can give at most.
    bool HuzasSzamsorVariacio = false;
    std::int32_t SzamsorHossz = 0;
    std::int32_t CelSzelvszam = 0;
    // The optimisation search after the run (Csökkent / Növel): its options
    // and its state, which outlives the run (it is saved with the variation
    // and a paused search resumes from it). Null: no search. Only the worker
    // touches it while the run goes.
    TVariacioOpciok* Opt = nullptr;
};

// The optimisation bit of the fulfilled conditions: a search found a better
// variation than the first one.
constexpr std::uint64_t kOptimalizalasBit = 0x4000000;
// The cycle counter rolls over into the trillion counter above this.
constexpr std::int64_t kOptCiklusMax = 1000000000000000000LL;
// The line-count bar of a Csökkent search before its first best copy.
constexpr std::int32_t kOptCsokkentKezdoHatar = 1000000000;

enum class BontasHiba {
    Nincs,
    ErvenytelenMeret,     // the line or selection dimensions are out of range
    HibapontTulNagy,      // error points reach the line length
    SzorasEgyFoPozicio,   // standard deviation over a single main position
    TulirasErvenytelen,   // the Találat value lies outside 0 .. k - 1
    MemoriaLimit,         // the first allocation does not fit
};

// Refuses inputs that the run cannot handle before anything changes.
BontasHiba BontasBemenetEllenorzes(const BontasBemenet& b);

// Shared between the worker and the GUI thread: flags the GUI sets and the
// counters it polls. The two questions are asked on the worker (the caller
// passes them on to the GUI thread); empty means "Igen".
struct BontasVezerles {
    std::atomic<bool> FBontStatus{true};
    std::atomic<bool> BontasPause{false};
    std::atomic<std::int32_t> BontSzelvszam{0};
    std::atomic<std::int32_t> FHibapontMenet{0};
    std::atomic<std::int32_t> FPauseMenet{0};
    std::atomic<std::int32_t> FFolyamatAlap{0};
    std::atomic<std::int64_t> VeletlenKiserletek{0};
    std::array<std::atomic<std::uint8_t>, kMaxVariacioMeret> FAktSzamsor{};
    std::atomic<std::int64_t> Vizsgalatok{0};  // loop steps taken (for progress and benchmarks)
    std::atomic<std::int32_t> TulirasSorozatAkt{0};  // the Sorozat cycle's value, for the label
    // The optimisation search as the run window shows it, published when
    // it changes (never per line): the search is going, its trial of a
    // rewritable variation is going, its cycle counters (as the options
    // record counts them, from 1), the line count of its best copy (0: none
    // yet) and the cycle that copy was taken in.
    std::atomic<bool> OptFut{false};
    std::atomic<bool> OptTesztFut{false};
    std::atomic<std::int64_t> OptCiklus{0};
    std::atomic<std::int64_t> OptTrillio{0};
    std::atomic<std::int32_t> OptLegjobb{0};
    std::atomic<std::int64_t> OptLegjobbCiklus{0};
    std::atomic<std::int64_t> OptLegjobbTrillio{0};

    std::function<bool()> PauseVizsgalat;  // true = pause the run
    std::function<bool()> StopVizsgalat;   // true = stop the run
    // The trial's proposal of a new starting size (always asked); true =
    // accepted. Empty: asked through the store's JovahagyasKerdes.
    std::function<bool(const std::string&)> OptJavaslatKerdes;

    // Pause or Break button.
    void PauseKeres()
    {
        if (FBontStatus.load() && !BontasPause.load()) {
            FPauseMenet.store(FHibapontMenet.load());
            BontasPause.store(true);
        }
    }
    // Stop button (and every other stop request).
    void BontasMegszakitasa() { FBontStatus.store(false); }
};

// Run state that outlives one run (pause line, Tételes window, frequency
// groups, fulfilled bits).
struct BontasAllapot {
    TTombByte1D PauseSzamsor;
    bool BontasFolytatas = false;
    std::int32_t FPauseMenet = 0;
    bool FTeljesVariacio = false;  // the last run walked the full variation (no covering)
    bool BontasBefejezetlen = false;
    std::int32_t TulirasAktMin = 0;
    std::int32_t TulirasAktMax = 0;
    std::int32_t TulirasSorozatAkt = 0;
    std::uint64_t TeljesultFeltetelekA = 0;
    std::uint64_t TeljesultFeltetelekB = 0;
    TTombByte2D FCsoportSzamsorok;
    TTombBoolean1D FCsoportAktiv;
    std::int32_t FCsoportIndex = 0;
    std::int32_t FCsoportFelso = 0;
    bool FCsoportKorTarolt = false;  // the interrupted turn had stored a line
    bool FKiserletTorles = true;
    std::int64_t VeletlenKiserletek = 0;
    // The store got the run's first allocation before the worker started
    // (BontasElsoFoglalas); the run takes it as it is and clears the flag.
    bool ElsoFoglalasKesz = false;
    // The store ended the run (its growth was refused or impossible): the
    // lines stored so far stay, unlike after a confirmed Stop.
    bool TarolasLeallitas = false;
};

// Fulfilled-condition bits collected by a copy of the tests.
struct TeljesultBitek {
    std::uint64_t A = 0, B = 0;
    void vagy(const TeljesultBitek& o)
    {
        A |= o.A;
        B |= o.B;
    }
};

// Tests that can run on several threads at once, each thread with a copy.
template <class S>
concept ParhuzamosSzuro = requires(S& s, const S& cs, const TeljesultBitek& t) {
    { cs.parhuzamosithato() } -> std::convertible_to<bool>;
    { cs.masolat() } -> std::same_as<S>;
    { cs.teljesult() } -> std::same_as<TeljesultBitek>;
    s.teljesultHozzaad(t);
};

// Tests that can hand hit-ratio ranges over to the enumerator's prefix skip.
template <class S>
concept KizartElotagSzuro = requires(S& s) {
    { s.kizartElotagok() } -> std::same_as<std::vector<TiltottReszhalmazok>>;
};

// The first allocation of a run (Start does it before the worker begins,
// behind the wait window when it is large). folytatas: the run resumes a
// paused one. `foglalo` (rows, resize) performs the resize; empty: at once.
// Nincs, or MemoriaLimit with the store unchanged when it does not fit.
// Draw mode: what the hit-ratio test calls with each drawing it meets (its
// row in the draws table and the column of its first number). The drawing
// becomes a line of the store with its sequence number; false ends the run:
// every drawing the ranges can give is stored, or the store could not grow
// (then Stop is set, as for any refused growth).
std::function<bool(std::int32_t, std::int32_t)> HuzasTaroloKeszites(VariationStore& t, const TTombInt2D& huzasok,
                                                                     const BontasBemenet& b, TarolasKornyezet& env,
                                                                     BontasVezerles& vez, BontasAllapot& all);

BontasHiba BontasElsoFoglalas(VariationStore& t, const BontasBemenet& b, bool folytatas, TarolasKornyezet& env,
                              const std::function<bool(std::int64_t, const std::function<bool()>&)>& foglalo = {});

// Per-line tests, virtual form. A failing test may set the restart position
// (the position the enumerator advances next; below 0 ends the enumeration)
// and may rewrite the line to jump forward.
class SorFeltetel {
public:
    virtual ~SorFeltetel() = default;
    virtual bool FeltVizsgalat(std::uint8_t* sor, std::int32_t& pozicio) = 0;
    virtual bool FeltVizsgTalalatiArany(std::uint8_t*, std::int32_t&) { return true; }
};

// The template form: no per-line test at all.
struct NincsSzuro {
    static constexpr bool vanFeltetel = false;
    static constexpr bool vanTalalatiArany = false;
    bool feltetel(std::uint8_t*, std::int32_t&) { return true; }
    bool talalatiArany(std::uint8_t*, std::int32_t&) { return true; }
    bool parhuzamosithato() const { return true; }
    NincsSzuro masolat() const { return {}; }
    TeljesultBitek teljesult() const { return {}; }
    void teljesultHozzaad(const TeljesultBitek&) {}
};

struct VirtualisSzuro {
    SorFeltetel* p = nullptr;
    static constexpr bool vanFeltetel = true;
    static constexpr bool vanTalalatiArany = true;
    bool feltetel(std::uint8_t* s, std::int32_t& poz) { return p->FeltVizsgalat(s, poz); }
    bool talalatiArany(std::uint8_t* s, std::int32_t& poz) { return p->FeltVizsgTalalatiArany(s, poz); }
};

enum class BontasVeg { Kesz, Szunet, Leallitva, Hibas };

struct BontasEredmeny {
    BontasVeg veg = BontasVeg::Kesz;
    BontasHiba hiba = BontasHiba::Nincs;
};

// A random line: kf distinct indexes from 0 .. nf-1 and k - kf distinct
// indexes from nf .. n-1, ascending.
void VeletlenSzamsor(std::mt19937_64& gen, std::int32_t k, std::int32_t kf, std::int32_t nf, std::int32_t n,
                     std::uint8_t* sor);

// Full-variation line count of the selection as the enumerator walks it.
std::int64_t BontasABSZ(const BontasBemenet& b);

// The prefixes that hit-ratio ranges forbid (TiltottReszhalmazok): for
// position p, the values that would put `rend` of the numbers at positions
// 0 .. p into one listed set. The tables are shared by copies (one per
// thread); the prefix levels are each copy's own and are rebuilt lazily from
// the first position that changed.
class ElotagTiltas {
public:
    void init(int n, const std::vector<TiltottReszhalmazok>& t);
    bool aktiv() const { return aktiv_; }
    int poziciok() const { return poziciok_; }
    // The values position p (below poziciok()) may not take after a[0 .. p-1].
    const Ertekhalmaz128& tilos(const std::uint8_t* a, int p)
    {
        if (ervenyes_ < p)
            szintek(a, p);
        return tilos_[p];
    }
    // a[p] changed: the levels of the later positions are stale.
    void valtozott(int p)
    {
        if (ervenyes_ > p)
            ervenyes_ = p < 0 ? 0 : p;
    }
    // The first position j in [tol, pos) whose value is forbidden, else pos.
    int ellenorzes(const std::uint8_t* a, int tol, int pos)
    {
        const int veg = std::min(pos, poziciok_);
        for (int j = std::max(tol, 0); j < veg; ++j)
            if (tilos(a, j).tartalmaz(a[j]))
                return j;
        return pos;
    }

private:
    struct Tabla {
        int rend = 0;
        bool suru = true;
        std::vector<Ertekhalmaz128> kit;  // by the colex rank of a (rend-1)-subset
        std::unordered_map<std::uint64_t, Ertekhalmaz128> kitRitka;
        const Ertekhalmaz128& kiterjesztes(std::uint64_t r) const;
    };
    void szintek(const std::uint8_t* a, int p);

    std::shared_ptr<const std::vector<Tabla>> tablak_;
    bool aktiv_ = false;
    int poziciok_ = 0;
    int ervenyes_ = 0;  // levels 0 .. ervenyes_ are up to date
    // ps_[t][d][m]: colex ranks of the m-subsets of a[0 .. d-1] (m < rend).
    std::vector<std::vector<std::vector<std::uint64_t>>> ps_;
    Ertekhalmaz128 tilos_[kMaxVariacioMeret]{};
};

// Lines of one slice of a parallel run, k bytes each.
struct SorPuffer {
    SorPuffer() = default;
    SorPuffer(const SorPuffer&) = delete;
    SorPuffer& operator=(const SorPuffer&) = delete;
    ~SorPuffer() { std::free(p); }
    std::uint8_t* p = nullptr;
    std::size_t hossz = 0, kapacitas = 0;  // bytes
    void tesz(const std::uint8_t* sor, SorMasoloFn masolo, std::size_t L)
    {
        if (hossz + L > kapacitas)
            novel(L);
        masolo(p + hossz, sor);
        hossz += L;
    }
    void novel(std::size_t L);
};

namespace detail {

template <class Szuro>
class Felsorolo {
public:
    Felsorolo(VariationStore& t, const BontasBemenet& b, BontasAllapot& all, BontasVezerles& vez,
              TarolasKornyezet& env, Szuro& szuro)
        : t_(t), b_(b), all_(all), vez_(vez), env_(env), szuro_(szuro)
    {
    }

    BontasEredmeny futtat();

private:
    enum class Lepes { Elfogyott, Tarolt, Megallt };
    enum Mod { kNincs = 0, kFedes = 1, kTeteles = 2 };

    // ---- setup and drivers
    bool elokeszites(BontasEredmeny& e);
    void minimumok(std::uint8_t* a) const
    {
        for (int i = 0; i < k_; ++i)
            a[i] = mn_[i];
        a[k_ - 1] = static_cast<std::uint8_t>(a[k_ - 1] - 1);
    }
    void indulReset();
    void setTalaltAkt();
    bool variacioStart();
    bool gyakorisagiStart();
    Lepes bontasGeneralas(bool egySor);
    template <int M>
    Lepes lexikografikus(bool egySor);
    template <int M>
    Lepes veletlen();
    Lepes parhuzamos(int szalDb);
    void tablakEpitese();
    void kozzetesz()
    {
        for (int i = 0; i < k_; ++i)
            vez_.FAktSzamsor[static_cast<std::size_t>(i)].store(a_[i], std::memory_order_relaxed);
        vez_.Vizsgalatok.store(lepesek_, std::memory_order_relaxed);
    }

    // ---- covering levels
    void szintEpites(int d);
    int ujraepites(int d0, int pos);
    template <int M>
    int szuroUtan(const std::uint8_t* mentett, std::int32_t np);

    // ---- pause, stop and store
    bool pauseKezeles(int pos);
    bool stopKezeles();
    void bontasPauseTorlese();
    bool kovetkezo(int pos, std::uint8_t* ki) const;
    bool tarol();
    int szalak() const;

    // ---- the optimisation search
    bool optimalizalasKell() const;
    void optimalizalas(bool folytatas);
    void optElokeszites();  // a new (not resumed) run releases the best copy
    void optMinHatar();
    void optVagas(std::int32_t r);
    void optSorokRendezese(std::int32_t elso);
    void optLegjobbMasolas();
    void optTombokCsereje();
    bool optMasolat(bool csokkent, bool ujra);
    void optJelolt(std::int32_t r, std::uint8_t* ki) const;
    void optCiklusNoveles();
    void optKozzetesz();
    void optIndulas(bool csokkent);
    void optTombVissza();
    bool optTeszt(bool csokkent);
    // Runs the covering walk from a_; false when a pause or a stop ended it.
    bool optBejaras();

    // ---- slices of a parallel run
    struct Szelet {
        std::int32_t db = 0;      // lines in puffer
        bool kesz = false;        // filtered, waiting to be stored
        bool vege = false;        // a test ended the walk within this slice
        std::int64_t lepesek = 0;
        TeljesultBitek teljesult;  // the copy's bits after this slice
        SorPuffer puffer;
        std::vector<std::int32_t> gyakorisag;  // per selection index, over the slice's lines
    };
    // Filters the slice that starts with `kezdet` (its first d positions fixed).
    void szeletSzures(Szuro& sz, ElotagTiltas& et, const std::uint8_t* kezdet, int d, Szelet& ki) const;
    void szeletKezdetek(const std::uint8_t* s, int d, std::vector<std::uint8_t>& ki,
                        std::vector<std::int64_t>& meret) const;

    VariationStore& t_;
    const BontasBemenet& b_;
    BontasAllapot& all_;
    BontasVezerles& vez_;
    TarolasKornyezet& env_;
    Szuro& szuro_;
    TarolasFutas futas_;

    int k_ = 0, kf_ = 0, n_ = 0, nf_ = 0, h_ = 0;
    bool vanExtra_ = false;
    bool teljes_ = false;        // FTeljesVariacio
    bool folytatas_ = false;     // BontasFolytatas of this run
    bool kesz_ = false;          // the store reached the full variation
    bool pauseIgen_ = false;     // the pause was confirmed, waiting for a resumable line
    TVariacioOpciok* opt_ = nullptr;
    bool optLimitAktiv_ = false;   // a walk ends when the store reaches the bar
    bool optLimitElerve_ = false;  // the last walk ended at the bar
    std::uint8_t optElsoMax_ = 0;  // the highest first index a completing walk visits
    bool foglalva_ = false;      // Start made the first allocation
    int hibapontMenet_ = 0;
    int talaltAkt_ = 0;
    int T_ = 0;                  // covering allowance of the current pass
    int mod_ = kNincs;
    std::int64_t lepesek_ = 0;
    std::uint8_t a_[kMaxVariacioMeret]{};
    std::uint8_t mn_[kMaxVariacioMeret]{};
    std::uint8_t mx_[kMaxVariacioMeret]{};
    ReszhalmazTabla fedes_;   // order T+1, with extension sets
    ReszhalmazTabla teteles_; // order Tuliras (Tételes count)
    // ps_[d][j]: colex partial ranks of the j-subsets of positions 0 .. d-1.
    std::vector<std::uint64_t> ps_[kMaxVariacioMeret + 1][kMaxVariacioMeret + 1];
    Ertekhalmaz128 tilos_[kMaxVariacioMeret]{};
    std::mt19937_64 gen_;
    SorMasoloFn masolo_ = nullptr;
    ElotagTiltas elotag_;
};

template <class Szuro>
void Felsorolo<Szuro>::szintEpites(int d)
{
    if (d == 0) {
        for (int j = 0; j <= T_; ++j)
            ps_[0][j].clear();
        ps_[0][0].push_back(0);
    } else {
        const auto x = static_cast<std::size_t>(a_[d - 1]);
        const int jmax = std::min(T_, d);
        ps_[d][0].assign(1, 0);
        for (int j = 1; j <= jmax; ++j) {
            auto& cel = ps_[d][j];
            cel = ps_[d - 1][j];
            const std::uint64_t c = kReszBinom.c[x][static_cast<std::size_t>(j)];
            for (std::uint64_t p : ps_[d - 1][j - 1])
                cel.push_back(p + c);
        }
        for (int j = jmax + 1; j <= T_; ++j)
            ps_[d][j].clear();
    }
    if (d >= T_) {
        Ertekhalmaz128 f{};
        for (std::uint64_t p : ps_[d][T_])
            f.vagy(fedes_.kiterjesztes(p));
        tilos_[d] = f;
    }
}

// Rebuilds the levels d0 .. pos after the prefix changed; returns the
// position to advance next (the first level whose value completes a stored
// (T+1)-subset, or pos).
template <class Szuro>
int Felsorolo<Szuro>::ujraepites(int d0, int pos)
{
    for (int d = std::max(0, d0); d <= pos; ++d) {
        szintEpites(d);
        if (d < pos && d >= T_ && tilos_[d].tartalmaz(a_[d]))
            return d;
    }
    return pos;
}

// A per-line test failed with restart np. When it also rewrote the line
// (a jump), the levels after the first changed position are rebuilt and the
// new prefix is checked against the stored lines again.
template <class Szuro>
template <int M>
int Felsorolo<Szuro>::szuroUtan(const std::uint8_t* mentett, std::int32_t np)
{
    int pos = std::min<std::int32_t>(np, k_ - 1);
    if (pos < 0)
        return pos;
    if (M == kNincs && !elotag_.aktiv())
        return pos;
    int d = 0;
    while (d < k_ && a_[d] == mentett[d])
        ++d;
    elotag_.valtozott(d);
    if (d >= pos)
        return pos;
    if constexpr (M != kNincs) {
        if (d >= T_ && tilos_[d].tartalmaz(a_[d]))
            pos = d;
        else
            pos = ujraepites(d + 1, pos);
    }
    // The rewritten prefix may hold a prefix the hit-ratio ranges forbid.
    if (elotag_.aktiv())
        pos = elotag_.ellenorzes(a_, d, pos);
    return pos;
}

template <class Szuro>
bool Felsorolo<Szuro>::kovetkezo(int pos, std::uint8_t* ki) const
{
    std::uint8_t a[kMaxVariacioMeret];
    std::copy(a_, a_ + k_, a);
    int p = pos;
    for (;;) {
        if (p < 0)
            return false;
        if (vanExtra_ && a[p] < mn_[p])
            a[p] = static_cast<std::uint8_t>(mn_[p] - 1);
        if (a[p] != 255 && a[p] >= mx_[p]) {
            --p;
            continue;
        }
        a[p] = static_cast<std::uint8_t>(a[p] + 1);
        for (int j = p + 1; j < k_; ++j)
            a[j] = std::max<std::uint8_t>(static_cast<std::uint8_t>(a[j - 1] + 1), mn_[j]);
        std::copy(a, a + k_, ki);
        return true;
    }
}

template <class Szuro>
void Felsorolo<Szuro>::bontasPauseTorlese()
{
    vez_.BontasPause.store(false);
    all_.PauseSzamsor.assign(static_cast<std::size_t>(k_), 0);
    all_.BontasFolytatas = false;
    all_.FPauseMenet = 0;
    vez_.FPauseMenet.store(0);
}

// The pause flag is set: ask, and when confirmed keep the next candidate as
// the pause line (a resumed run starts with it). True ends the loop.
template <class Szuro>
bool Felsorolo<Szuro>::pauseKezeles(int pos)
{
    if (!pauseIgen_) {
        const bool igen = !vez_.PauseVizsgalat || vez_.PauseVizsgalat();
        if (!igen) {
            vez_.BontasPause.store(false);
            return false;
        }
        pauseIgen_ = true;
    }
    std::uint8_t kov[kMaxVariacioMeret];
    if (b_.VeletlenSzamsorok)
        std::copy(a_, a_ + k_, kov);
    else if (!kovetkezo(pos, kov))
        return false;  // this walk has nothing left; pause at the next one
    all_.PauseSzamsor.assign(kov, kov + k_);
    all_.FPauseMenet = hibapontMenet_;
    vez_.FPauseMenet.store(hibapontMenet_);
    pauseIgen_ = false;
    return true;
}

template <class Szuro>
bool Felsorolo<Szuro>::stopKezeles()
{
    const bool igen = !vez_.StopVizsgalat || vez_.StopVizsgalat();
    if (igen) {
        bontasPauseTorlese();
        return true;
    }
    vez_.FBontStatus.store(true);
    return false;
}

// Stores a_; false ends the run (full variation or a store failure).
template <class Szuro>
bool Felsorolo<Szuro>::tarol()
{
    bool stopKeres = false;
    const bool tovabb = t_.BontasTarol(a_, masolo_, env_, futas_, stopKeres);
    if (mod_ != kNincs)
        fedes_.hozzaad(a_, k_);
    if (mod_ == kTeteles)
        teteles_.hozzaad(a_, k_);
    vez_.BontSzelvszam.store(t_.BontSzelvszam, std::memory_order_relaxed);
    if (tovabb && optLimitAktiv_ && t_.BontSzelvszam >= opt_->OptSzamsorHatar) {
        // A Csökkent walk that reached its bar can no longer win.
        optLimitElerve_ = true;
        return false;
    }
    if (tovabb)
        return true;
    if (stopKeres) {
        vez_.FBontStatus.store(false);
        all_.TarolasLeallitas = true;
    } else {
        // The full variation is complete.
        kesz_ = true;
        bontasPauseTorlese();
        vez_.FBontStatus.store(true);
        all_.BontasBefejezetlen = false;
    }
    return false;
}

template <class Szuro>
template <int M>
typename Felsorolo<Szuro>::Lepes Felsorolo<Szuro>::lexikografikus(bool egySor)
{
    const int k = k_;
    const int utolso = k - 1;
    int pos = utolso;
    if constexpr (M != kNincs)
        pos = ujraepites(0, pos);
    const bool feltAktiv = Szuro::vanFeltetel && b_.FeltetelJelzo;
    const bool talArAktiv = Szuro::vanTalalatiArany && b_.TalArAktiv;
    const bool vanExtra = vanExtra_;
    const int T = T_;
    std::uint8_t* const a = a_;
    std::uint8_t mentett[kMaxVariacioMeret];
    // The start line's prefix was not checked against the hit-ratio ranges.
    const bool tiltas = elotag_.aktiv();
    const int tiltasPoz = elotag_.poziciok();
    elotag_.valtozott(0);
    if (tiltas)
        pos = elotag_.ellenorzes(a, 0, pos);
    // The line before a test, to see what a jump rewrote (szuroUtan).
    const bool mentes = M != kNincs || tiltas;
    for (;;) {
        if (pos < 0)
            return Lepes::Elfogyott;
        if ((++lepesek_ & 1023) == 0)
            kozzetesz();
        if (vez_.BontasPause.load(std::memory_order_relaxed) && pauseKezeles(pos))
            return Lepes::Megallt;
        if (!vez_.FBontStatus.load(std::memory_order_relaxed) && stopKezeles())
            return Lepes::Megallt;
        const int p = pos;
        if (vanExtra && a[p] < mn_[p])
            a[p] = static_cast<std::uint8_t>(mn_[p] - 1);
        int v = static_cast<std::uint8_t>(a[p] + 1);
        if (tiltas && p < tiltasPoz) {
            Ertekhalmaz128 u = elotag_.tilos(a, p);
            if constexpr (M != kNincs) {
                if (p >= T)
                    u.vagy(tilos_[p]);
            }
            v = u.elsoSzabad(v);
        } else if constexpr (M != kNincs) {
            if (p >= T)
                v = tilos_[p].elsoSzabad(v);
        }
        elotag_.valtozott(p);
        if (v > mx_[p]) {
            a[p] = mx_[p];
            pos = p - 1;
            continue;
        }
        a[p] = static_cast<std::uint8_t>(v);
        if (p < utolso) {
            a[p + 1] = static_cast<std::uint8_t>(v);
            pos = p + 1;
            if constexpr (M != kNincs)
                szintEpites(p + 1);
            continue;
        }
        // A complete candidate: the per-line test, the Tételes count, the
        // hit-ratio test.
        if (feltAktiv) {
            if (mentes)
                masolo_(mentett, a);
            std::int32_t np = pos;
            if (!szuro_.feltetel(a, np)) {
                pos = szuroUtan<M>(mentett, np);
                continue;
            }
        }
        if constexpr (M == kTeteles) {
            const std::uint64_t db = teteles_.osszeg(a, k);
            if (db < static_cast<std::uint64_t>(std::max(0, all_.TulirasAktMin)) ||
                static_cast<std::int64_t>(db) > all_.TulirasAktMax)
                continue;
            all_.TeljesultFeltetelekA |= kTulirasTetelesBit;
        }
        if (talArAktiv) {
            if (mentes)
                masolo_(mentett, a);
            std::int32_t np = pos;
            if (!szuro_.talalatiArany(a, np)) {
                pos = szuroUtan<M>(mentett, np);
                continue;
            }
        }
        if (!tarol())
            return Lepes::Megallt;
        if constexpr (M != kNincs) {
            // Every later line with the same first T+1 numbers shares them
            // with the line just stored.
            pos = T;
            szintEpites(T);
        }
        if (egySor)
            return Lepes::Tarolt;
    }
}

// ---- The optimisation search
//
// After a covering run the search looks for a variation with fewer lines
// (Csökkent) or more lines (Növel) under the same covering rule: it cuts the
// variation at a restart row, lets the walk continue after the line that
// stood there, completes the coverage from the first line, and keeps the
// best variation found as the best copy. Rows below the protected count are
// never cut. At the end (or at a pause) the best copy becomes the variation
// and the working state is kept as the best copy, so a resumed search swaps
// them back and goes on.

template <class Szuro>
bool Felsorolo<Szuro>::optimalizalasKell() const
{
    // Only a covering walk can be searched; a full variation, random lines
    // and the Tételes count have nothing to improve this way.
    return !vez_.BontasPause.load() && vez_.FBontStatus.load() && t_.BontSzelvszam > 0 &&
           (opt_->Csokkent || t_.BontSzelvszam < t_.ABSZ) && !teljes_ && !b_.VeletlenSzamsorok &&
           !b_.HuzasSzamsorVariacio && !(b_.TulirasBont && b_.TulirasTeteles);
}

template <class Szuro>
void Felsorolo<Szuro>::optElokeszites()
{
    TVariacioOpciok& o = *opt_;
    FinalizeFBontasMatrixOptMax(t_);
    o.OptSzamsorHatar = 0;
    o.OptCiklus = 1;
    o.OptTrillio = 0;
    o.OptLegjobbCiklus = 1;
    o.OptLegjobbTrillio = 0;
    o.OptPause = 0;
    // Without Felülírás the lines that exist before the run are protected.
    const std::int32_t n = t_.BontSzelvszam;
    if (!o.Feluliras)
        o.OptVedettSzamsor = o.OptVedettSzamsor == 0 ? n : std::min(o.OptVedettSzamsor, n);
    else if (n == 0)
        o.OptVedettSzamsor = 0;
    o.OptUjraindulas = o.OptVedettSzamsor;
    optKozzetesz();
}

template <class Szuro>
void Felsorolo<Szuro>::optKozzetesz()
{
    const TVariacioOpciok& o = *opt_;
    vez_.OptCiklus.store(o.OptCiklus, std::memory_order_relaxed);
    vez_.OptTrillio.store(o.OptTrillio, std::memory_order_relaxed);
    vez_.OptLegjobb.store(t_.OptLegjobbSzamsorDb, std::memory_order_relaxed);
    vez_.OptLegjobbCiklus.store(o.OptLegjobbCiklus, std::memory_order_relaxed);
    vez_.OptLegjobbTrillio.store(o.OptLegjobbTrillio, std::memory_order_relaxed);
}

template <class Szuro>
void Felsorolo<Szuro>::optMinHatar()
{
    TVariacioOpciok& o = *opt_;
    if (o.Arany <= 0) {
        o.OptMinHatar = o.OptVedettSzamsor;
        return;
    }
    // Rounded half to even.
    const auto h = static_cast<std::int32_t>(std::nearbyint(static_cast<double>(t_.BontSzelvszam) * o.Arany / 10.0));
    o.OptMinHatar = std::max(h, o.OptVedettSzamsor);
}

template <class Szuro>
void Felsorolo<Szuro>::optJelolt(std::int32_t r, std::uint8_t* ki) const
{
    // A row at or above the line count holds no line: it reads as zeros,
    // and the store is never read past its lines.
    if (r >= 0 && r < t_.BontSzelvszam && r < t_.BontMatrixMeret)
        std::copy(t_.sor(r), t_.sor(r) + k_, ki);
    else
        std::fill(ki, ki + k_, 0);
}

template <class Szuro>
void Felsorolo<Szuro>::optVagas(std::int32_t r)
{
    r = std::max(0, r);
    for (std::int32_t j = t_.BontSzelvszam - 1; j >= r; --j) {
        std::uint8_t* sor = t_.sor(j);
        if (mod_ != kNincs)
            fedes_.elvesz(sor, k_);
        for (int i = 0; i < k_; ++i)
            --t_.BontSzamGyakorisag[sor[i]];
        std::fill(sor, sor + k_, 0);
    }
    if (r < t_.BontSzelvszam)
        t_.BontSzelvszam = r;
    vez_.BontSzelvszam.store(t_.BontSzelvszam, std::memory_order_relaxed);
}

template <class Szuro>
void Felsorolo<Szuro>::optSorokRendezese(std::int32_t elso)
{
    const std::int32_t n = t_.BontSzelvszam;
    if (elso < 0 || elso >= n - 1)
        return;
    const auto L = static_cast<std::size_t>(t_.BontMatrixSorHossz);
    std::vector<std::uint8_t> sorok(t_.sor(elso), t_.sor(n));
    std::vector<std::int32_t> rend(static_cast<std::size_t>(n - elso));
    for (std::size_t i = 0; i < rend.size(); ++i)
        rend[i] = static_cast<std::int32_t>(i);
    std::stable_sort(rend.begin(), rend.end(), [&](std::int32_t x, std::int32_t y) {
        return std::lexicographical_compare(sorok.begin() + x * static_cast<std::ptrdiff_t>(L),
                                            sorok.begin() + (x + 1) * static_cast<std::ptrdiff_t>(L),
                                            sorok.begin() + y * static_cast<std::ptrdiff_t>(L),
                                            sorok.begin() + (y + 1) * static_cast<std::ptrdiff_t>(L));
    });
    for (std::size_t i = 0; i < rend.size(); ++i)
        std::copy_n(sorok.begin() + rend[i] * static_cast<std::ptrdiff_t>(L), L,
                    t_.sor(elso + static_cast<std::int32_t>(i)));
}

template <class Szuro>
void Felsorolo<Szuro>::optLegjobbMasolas()
{
    const std::int32_t n = t_.BontSzelvszam;
    SetBontasMatrixOptMax(t_, n, k_);
    for (std::int32_t r = 0; r < n; ++r)
        std::copy(t_.sor(r), t_.sor(r) + k_, t_.OptLegjobbSzamsorok.begin() + static_cast<std::ptrdiff_t>(r) * k_);
    opt_->OptSzamsorHatar = n;
}

template <class Szuro>
void Felsorolo<Szuro>::optTombokCsereje()
{
    const std::int32_t regi = t_.BontSzelvszam;
    const std::int32_t legjobb = t_.OptLegjobbSzamsorDb;
    std::vector<std::uint8_t> munka(static_cast<std::size_t>(regi) * static_cast<std::size_t>(k_));
    for (std::int32_t r = 0; r < regi; ++r)
        std::copy(t_.sor(r), t_.sor(r) + k_, munka.begin() + static_cast<std::ptrdiff_t>(r) * k_);
    if (legjobb > t_.BontMatrixMeret)
        SetBontasMatrix(t_, legjobb, t_.BontMatrixSorHossz, nullptr, false);
    for (std::int32_t r = 0; r < t_.BontMatrixMeret; ++r) {
        std::uint8_t* sor = t_.sor(r);
        if (r < legjobb)
            std::copy_n(t_.OptLegjobbSzamsorok.begin() + static_cast<std::ptrdiff_t>(r) * k_, k_, sor);
        else
            std::fill(sor, sor + t_.BontMatrixSorHossz, 0);
    }
    t_.BontSzelvszam = legjobb;
    std::fill(t_.BontSzamGyakorisag.begin(), t_.BontSzamGyakorisag.end(), 0);
    for (std::int32_t r = 0; r < legjobb; ++r)
        for (int i = 0; i < k_; ++i)
            ++t_.BontSzamGyakorisag[t_.sor(r)[i]];
    SetBontasMatrixOptMax(t_, regi, k_);
    std::copy(munka.begin(), munka.end(), t_.OptLegjobbSzamsorok.begin());
    opt_->OptSzamsorHatar = regi;
    tablakEpitese();
    vez_.BontSzelvszam.store(t_.BontSzelvszam);
}

// The best copy back into the store (the trial changed the store).
template <class Szuro>
void Felsorolo<Szuro>::optTombVissza()
{
    const std::int32_t n = t_.OptLegjobbSzamsorDb;
    if (n <= 0)
        return;
    if (n > t_.BontMatrixMeret)
        SetBontasMatrix(t_, n, t_.BontMatrixSorHossz, nullptr, false);
    for (std::int32_t r = 0; r < t_.BontMatrixMeret; ++r) {
        std::uint8_t* sor = t_.sor(r);
        if (r < n)
            std::copy_n(t_.OptLegjobbSzamsorok.begin() + static_cast<std::ptrdiff_t>(r) * k_, k_, sor);
        else
            std::fill(sor, sor + t_.BontMatrixSorHossz, 0);
    }
    t_.BontSzelvszam = n;
    std::fill(t_.BontSzamGyakorisag.begin(), t_.BontSzamGyakorisag.end(), 0);
    for (std::int32_t r = 0; r < n; ++r)
        for (int i = 0; i < k_; ++i)
            ++t_.BontSzamGyakorisag[t_.sor(r)[i]];
    tablakEpitese();
    vez_.BontSzelvszam.store(n);
}

// The trial of a variation that Felülírás may rewrite: does completing it,
// or rebuilding it from halves of it, give a different starting size? False
// proposes the size the store holds now; true leaves the best copy in place.
template <class Szuro>
bool Felsorolo<Szuro>::optTeszt(bool csokkent)
{
    std::int32_t n = t_.BontSzelvszam;
    optLimitAktiv_ = false;
    minimumok(a_);
    t_.FSzamsorTarolva = false;
    if (optBejaras()) {
        optLimitAktiv_ = csokkent;
        if (t_.BontSzelvszam > (csokkent ? n * 2 : n))
            return false;
        int felezesek = 0;
        while (n > 2) {
            t_.FSzamsorTarolva = false;
            n /= 2;
            optVagas(n);
            minimumok(a_);
            if (!optBejaras())
                break;
            ++felezesek;
            if (t_.FSzamsorTarolva) {
                if (felezesek == 1)
                    break;
                return false;
            }
        }
    } else {
        optLimitAktiv_ = csokkent;
    }
    optTombVissza();
    return true;
}

template <class Szuro>
bool Felsorolo<Szuro>::optBejaras()
{
    optLimitElerve_ = false;
    const Lepes l = lexikografikus<kFedes>(false);
    if (l != Lepes::Megallt || optLimitElerve_)
        return true;
    if (kesz_) {
        // Every line of the full variation is stored: nothing more to add.
        kesz_ = false;
        return true;
    }
    return false;
}

template <class Szuro>
bool Felsorolo<Szuro>::optMasolat(bool csokkent, bool ujra)
{
    TVariacioOpciok& o = *opt_;
    const std::int32_t n0 = t_.BontSzelvszam;
    if (csokkent ? !(n0 > 0 && n0 < o.OptSzamsorHatar) : !(n0 > 0 && n0 > o.OptSzamsorHatar))
        return false;
    if (ujra) {
        // Complete the coverage from the first line; lines whose first index
        // lies above the restart line's were all visited by the last walk.
        const std::uint8_t mx0 = mx_[0];
        mx_[0] = std::max(mn_[0], std::min(mx0, optElsoMax_));
        minimumok(a_);
        vez_.FFolyamatAlap.store(0);
        const bool ok = optBejaras();
        mx_[0] = mx0;
        if (!ok)
            return false;
    }
    if (!csokkent || t_.BontSzelvszam < o.OptSzamsorHatar) {
        if (o.Rendez)
            optSorokRendezese(o.OptVedettSzamsor);
        optMinHatar();
        optLegjobbMasolas();
        o.OptUjraindulas = t_.BontSzelvszam - 2 >= 0 ? t_.BontSzelvszam - 2 : t_.BontSzelvszam - 1;
        o.OptLegjobbCiklus = o.OptCiklus;
        o.OptLegjobbTrillio = o.OptTrillio;
        optKozzetesz();
        if (ujra)
            all_.TeljesultFeltetelekA |= kOptimalizalasBit;
        return true;
    }
    // Not better: the lines this completion added go again.
    optVagas(n0);
    return false;
}

template <class Szuro>
void Felsorolo<Szuro>::optCiklusNoveles()
{
    TVariacioOpciok& o = *opt_;
    if (++o.OptCiklus > kOptCiklusMax) {
        o.OptCiklus = 1;
        if (++o.OptTrillio < 0)
            o.OptTrillio = 1;
        vez_.OptTrillio.store(o.OptTrillio, std::memory_order_relaxed);
    }
    vez_.OptCiklus.store(o.OptCiklus, std::memory_order_relaxed);
}

// The first best copy: the variation as the run left it.
template <class Szuro>
void Felsorolo<Szuro>::optIndulas(bool csokkent)
{
    TVariacioOpciok& o = *opt_;
    std::int32_t& vedett = o.OptVedettSzamsor;
    if (!o.Feluliras)
        vedett = t_.BontSzelvszam;
    if (o.Rendez)
        optSorokRendezese(vedett);
    optMinHatar();
    o.OptSzamsorHatar = csokkent ? kOptCsokkentKezdoHatar : 0;
    optMasolat(csokkent, false);
    o.OptReferenciaMeret = t_.BontSzelvszam;
    std::uint8_t sorV[kMaxVariacioMeret];
    optJelolt(vedett, sorV);
    o.OptHatarBajt = sorV[0];
}

template <class Szuro>
void Felsorolo<Szuro>::optimalizalas(bool folytatas)
{
    TVariacioOpciok& o = *opt_;
    const bool csokkent = o.Csokkent != 0;
    const bool teljes = o.Arany >= 10 && !o.Mod;  // the ratio at its maximum, quick search off
    // One walk at the final allowance.
    hibapontMenet_ = 0;
    setTalaltAkt();
    if (mod_ != kFedes)
        return;
    optLimitAktiv_ = csokkent;
    optElsoMax_ = mx_[0];
    std::int32_t& vedett = o.OptVedettSzamsor;
    std::uint8_t sorV[kMaxVariacioMeret];
    vez_.OptFut.store(true);
    // A pause or a stop confirmed during the trial ends the search before
    // its first cycle (the question is not asked again).
    bool kereses = true;
    if (folytatas) {
        const std::int32_t n = t_.BontSzelvszam;
        if (!o.Feluliras)
            vedett = vedett == 0 ? n : std::min(vedett, n);
        else if (n == 0)
            vedett = 0;
        if (o.OptMinHatar < static_cast<std::int32_t>(std::nearbyint(static_cast<double>(n) * o.Arany / 10.0)))
            optMinHatar();
        if (o.Rendez)
            optSorokRendezese(vedett);
        optTombokCsereje();
        if (o.Rendez)
            optSorokRendezese(vedett);
        o.OptUjraindulas = std::max(o.OptUjraindulas, vedett);
        o.OptMinHatar = std::max(o.OptMinHatar, vedett);
    } else {
        optIndulas(csokkent);
        optKozzetesz();
        if (o.Feluliras && !vez_.BontasPause.load() && vez_.FBontStatus.load()) {
            vez_.OptTesztFut.store(true);
            if (!optTeszt(csokkent)) {
                const std::string kerdes =
                    "A módosított variáció számsorainak mennyisége: " + FormatThousands(t_.OptLegjobbSzamsorDb) +
                    "\r\n\r\n" + "A jelenlegi beállítások mellett, a program " +
                    FormatThousands(t_.BontSzelvszam) +
                    " számsorban határozza meg a módosított variáció induló méretét." + "\r\n\r\n" +
                    "Elfogadja a program javaslatát?";
                const bool igen = vez_.OptJavaslatKerdes ? vez_.OptJavaslatKerdes(kerdes)
                                                          : !env_.JovahagyasKerdes || env_.JovahagyasKerdes(kerdes);
                if (igen) {
                    FinalizeFBontasMatrixOptMax(t_);
                    optIndulas(csokkent);
                } else {
                    optTombVissza();
                }
            }
            vez_.OptTesztFut.store(false);
            kereses = !vez_.BontasPause.load() && vez_.FBontStatus.load();
        }
    }
    optKozzetesz();

    bool elso = true;
    t_.FSzamsorTarolva = false;
    while (kereses) {
        optJelolt(vedett, sorV);
        if ((!elso && vedett >= t_.BontSzelvszam) || sorV[0] > o.OptHatarBajt)
            break;
        if (vedett >= o.OptUjraindulas)
            o.OptUjraindulas = t_.BontSzelvszam - 1;
        if (t_.FSzamsorTarolva || (elso && folytatas)) {
            t_.FSzamsorTarolva = false;
            if (!optMasolat(csokkent, true)) {
                if (vez_.BontasPause.load() || !vez_.FBontStatus.load())
                    break;
                const std::int32_t n = t_.BontSzelvszam;
                if (teljes) {
                    o.OptUjraindulas = n - 2;
                } else if (o.OptUjraindulas >= o.OptMinHatar) {
                    if (csokkent ? n < o.OptReferenciaMeret : n > o.OptReferenciaMeret)
                        o.OptReferenciaMeret = n;
                    else
                        --o.OptUjraindulas;
                } else if (o.Mod) {
                    if ((csokkent ? o.OptMinHatar >= n : o.OptMinHatar > n) && o.OptMinHatar > vedett)
                        --o.OptMinHatar;
                } else if ((b_.FeltetelJelzo || (csokkent ? n < o.OptSzamsorHatar : n >= o.OptSzamsorHatar)) &&
                           (o.OptCiklus & 1) != 0) {
                    o.OptUjraindulas = n - 2;
                }
            }
        } else {
            --o.OptUjraindulas;
        }
        // The restart row: never below the protected lines, never past the last line.
        o.OptUjraindulas = std::max(std::min(o.OptUjraindulas, t_.BontSzelvszam - 1), vedett);
        optJelolt(o.OptUjraindulas, a_);
        if (o.OptUjraindulas >= t_.BontSzelvszam)
            minimumok(a_);  // no line there: the walk starts from the first line
        optElsoMax_ = a_[0];
        optVagas(o.OptUjraindulas);
        vez_.FFolyamatAlap.store(0);
        t_.FSzamsorTarolva = false;
        if (!optBejaras())
            break;
        if (elso) {
            optJelolt(vedett, sorV);
            o.OptHatarBajt = sorV[0];
            elso = false;
        }
        optCiklusNoveles();
    }

    // The best copy becomes the variation; the working state is kept beside
    // it for a resumed search.
    if (t_.OptLegjobbSzamsorDb == 0)
        o.OptSzamsorHatar = 0;
    else
        optTombokCsereje();
    if (o.Feluliras || vedett == 0) {
        SetLengthImport_Count(t_, 1);
        t_.Import_Count[0] = t_.BontSzelvszam;
    }
    o.OptPause = vez_.BontasPause.load() ? 1 : 0;
    optLimitAktiv_ = false;
    vez_.OptFut.store(false);
}

template <class Szuro>
template <int M>
typename Felsorolo<Szuro>::Lepes Felsorolo<Szuro>::veletlen()
{
    if (all_.FKiserletTorles)
        all_.VeletlenKiserletek = 0;
    else
        all_.FKiserletTorles = true;
    const bool feltAktiv = Szuro::vanFeltetel && b_.FeltetelJelzo;
    const bool talArAktiv = Szuro::vanTalalatiArany && b_.TalArAktiv;
    std::int32_t pos = k_ - 1;
    while (pos >= 0) {
        if (vez_.BontasPause.load(std::memory_order_relaxed) && pauseKezeles(pos))
            return Lepes::Megallt;
        if (!vez_.FBontStatus.load(std::memory_order_relaxed) && stopKezeles())
            return Lepes::Megallt;
        if (all_.VeletlenKiserletek >= t_.ABSZ)
            return Lepes::Elfogyott;
        ++all_.VeletlenKiserletek;
        if ((++lepesek_ & 1023) == 0) {
            kozzetesz();
            vez_.VeletlenKiserletek.store(all_.VeletlenKiserletek, std::memory_order_relaxed);
        }
        VeletlenSzamsor(gen_, k_, kf_, nf_, n_, a_);
        if (feltAktiv && !szuro_.feltetel(a_, pos))
            continue;
        if constexpr (M != kNincs) {
            if (fedes_.fedett(a_, k_))
                continue;
        }
        if constexpr (M == kTeteles) {
            const std::uint64_t db = teteles_.osszeg(a_, k_);
            if (db < static_cast<std::uint64_t>(std::max(0, all_.TulirasAktMin)) ||
                static_cast<std::int64_t>(db) > all_.TulirasAktMax)
                continue;
            all_.TeljesultFeltetelekA |= kTulirasTetelesBit;
        }
        if (talArAktiv && !szuro_.talalatiArany(a_, pos))
            continue;
        if (!tarol())
            return Lepes::Megallt;
    }
    return Lepes::Elfogyott;
}

template <class Szuro>
int Felsorolo<Szuro>::szalak() const
{
    if (b_.SzalDb > 0)
        return b_.SzalDb;
    const unsigned h = std::thread::hardware_concurrency();
    return h == 0 ? 1 : static_cast<int>(std::min(h, 64u));
}

// The first line of every prefix of d positions from the line s on (s
// itself first), k bytes each, and how many candidates each prefix holds.
template <class Szuro>
void Felsorolo<Szuro>::szeletKezdetek(const std::uint8_t* s, int d, std::vector<std::uint8_t>& ki,
                                      std::vector<std::int64_t>& meret) const
{
    const auto db = [&](const std::uint8_t* a) -> std::int64_t {
        const int x = a[d - 1];
        if (d < kf_)
            return BontBinom(nf_ - 1 - x, kf_ - d) * BontBinom(n_ - nf_, k_ - kf_);
        if (d == kf_)
            return BontBinom(n_ - nf_, k_ - kf_);
        return BontBinom(n_ - 1 - x, k_ - d);
    };
    std::uint8_t a[kMaxVariacioMeret];
    std::copy(s, s + k_, a);
    ki.assign(a, a + k_);
    meret.assign(1, db(a));
    for (;;) {
        int p = d - 1;
        while (p >= 0 && a[p] >= mx_[p])
            --p;
        if (p < 0)
            return;
        ++a[p];
        for (int j = p + 1; j < k_; ++j)
            a[j] = std::max<std::uint8_t>(static_cast<std::uint8_t>(a[j - 1] + 1), mn_[j]);
        ki.insert(ki.end(), a, a + k_);
        meret.push_back(db(a));
    }
}

// One prefix: the lexicographic walk of the single-thread run, from the
// line `kezdet` to the end of its first d positions, appended to `ki`. A
// test that moves the cursor into the prefix, or rewrites the prefix, ends
// it: every line it passes over fails that test, and the lines after it
// belong to later prefixes.
template <class Szuro>
void Felsorolo<Szuro>::szeletSzures(Szuro& sz, ElotagTiltas& et, const std::uint8_t* kezdet, int d,
                                    Szelet& ki) const
{
    const int k = k_;
    const int utolso = k - 1;
    const auto L = static_cast<std::size_t>(k);
    const bool feltAktiv = Szuro::vanFeltetel && b_.FeltetelJelzo;
    const bool talArAktiv = Szuro::vanTalalatiArany && b_.TalArAktiv;
    const bool vanExtra = vanExtra_;
    const bool tiltas = et.aktiv();
    const int tiltasPoz = et.poziciok();
    std::int32_t* const gy = ki.gyakorisag.data();
    std::uint8_t a[kMaxVariacioMeret];
    std::uint8_t mentett[kMaxVariacioMeret];
    std::copy(kezdet, kezdet + k, a);
    a[utolso] = static_cast<std::uint8_t>(a[utolso] - 1);
    std::int64_t lepesek = 0;
    int pos = utolso;
    et.valtozott(0);
    if (tiltas)
        pos = et.ellenorzes(a, 0, pos);
    // After a failed test with restart np: the position to advance next, or
    // -1 when the prefix is done.
    const auto utan = [&](std::int32_t np) {
        if (np < 0) {
            ki.vege = true;  // no later line passes either
            return -1;
        }
        int q = std::min<std::int32_t>(np, utolso);
        int e = 0;
        while (e < k && a[e] == mentett[e])
            ++e;
        if (e < d || q < d)
            return -1;
        et.valtozott(e);
        if (tiltas && e < q)
            q = et.ellenorzes(a, e, q);
        return q < d ? -1 : q;
    };
    while (pos >= d) {
        ++lepesek;
        const int p = pos;
        if (vanExtra && a[p] < mn_[p])
            a[p] = static_cast<std::uint8_t>(mn_[p] - 1);
        int v = static_cast<std::uint8_t>(a[p] + 1);
        if (tiltas && p < tiltasPoz)
            v = et.tilos(a, p).elsoSzabad(v);
        et.valtozott(p);
        if (v > mx_[p]) {
            a[p] = mx_[p];
            pos = p - 1;
            continue;
        }
        a[p] = static_cast<std::uint8_t>(v);
        if (p < utolso) {
            a[p + 1] = static_cast<std::uint8_t>(v);
            pos = p + 1;
            continue;
        }
        if (feltAktiv) {
            masolo_(mentett, a);
            std::int32_t np = pos;
            if (!sz.feltetel(a, np)) {
                pos = utan(np);
                continue;
            }
        }
        if (talArAktiv) {
            masolo_(mentett, a);
            std::int32_t np = pos;
            if (!sz.talalatiArany(a, np)) {
                pos = utan(np);
                continue;
            }
        }
        ki.puffer.tesz(a, masolo_, L);
        for (int i = 0; i < k; ++i)
            ++gy[a[i]];
        ++ki.db;
    }
    ki.lepesek += lepesek;
}

// The full variation on several threads. The candidates are cut by their
// first d positions; consecutive prefixes form slices of about equal size.
// This thread stores the slices in their order (growing the store and asking
// its questions as the single-thread walk would, line by line) and answers
// Pause and Stop at slice boundaries; the workers filter the slices ahead of
// it, at most `ablak` slices beyond the last one stored.
template <class Szuro>
typename Felsorolo<Szuro>::Lepes Felsorolo<Szuro>::parhuzamos(int szalDb)
{
    if (k_ < 2 || k_ > kMaxVariacioMeret)
        return lexikografikus<kNincs>(false);
    const int k = k_;
    // The first line: the start line (a_ holds it less one in its last byte).
    std::uint8_t kezdet[kMaxVariacioMeret];
    std::copy(a_, a_ + k, kezdet);
    kezdet[k - 1] = static_cast<std::uint8_t>(kezdet[k - 1] + 1);
    if (vanExtra_ && kezdet[k - 1] < mn_[k - 1])
        kezdet[k - 1] = mn_[k - 1];
    // Prefixes short enough that the largest (the first) is a small share.
    const std::int64_t szeletDb = 32LL * szalDb;
    const std::int64_t cel = std::max<std::int64_t>(1, t_.ABSZ / szeletDb);
    int d = 1;
    std::vector<std::uint8_t> kezdetek;
    std::vector<std::int64_t> meretek;
    for (;; ++d) {
        szeletKezdetek(kezdet, d, kezdetek, meretek);
        if (d >= k - 1 || *std::max_element(meretek.begin(), meretek.end()) <= cel)
            break;
    }
    // Slices: runs of consecutive prefixes of about `cel` candidates.
    std::vector<std::size_t> hatarok{0};
    std::int64_t osszeg = 0;
    for (std::size_t j = 0; j < meretek.size(); ++j) {
        osszeg += meretek[j];
        if (osszeg >= cel) {
            hatarok.push_back(j + 1);
            osszeg = 0;
        }
    }
    if (hatarok.back() != meretek.size())
        hatarok.push_back(meretek.size());
    const auto N = static_cast<std::int64_t>(hatarok.size()) - 1;
    const int munkasok = static_cast<int>(std::min<std::int64_t>(szalDb, N));
    const std::int64_t ablak = 2LL * munkasok;
    std::vector<Szelet> szeletek(static_cast<std::size_t>(ablak));
    const auto prefixKezdet = [&](std::size_t j) { return kezdetek.data() + j * static_cast<std::size_t>(k); };

    // Shared with the workers, under mx.
    std::mutex mx;
    std::condition_variable keszCv, ablakCv;
    std::int64_t kiosztott = 0;  // next slice to hand out
    std::int64_t tarolt = 0;     // slices stored
    std::int64_t vart = -1;      // the slice this thread waits for
    int varoMunkasok = 0;
    bool leall = false;
    std::exception_ptr hiba;
    std::atomic<std::int64_t> vegeSzelet{N};  // a test ended the walk in this slice

    std::vector<Szuro> masolatok;
    std::vector<ElotagTiltas> tiltasok;
    masolatok.reserve(static_cast<std::size_t>(munkasok));
    for (int w = 0; w < munkasok; ++w) {
        masolatok.push_back(szuro_.masolat());
        tiltasok.push_back(elotag_);
    }
    const auto munkas = [&](int w) {
        Szuro& sz = masolatok[static_cast<std::size_t>(w)];
        ElotagTiltas& et = tiltasok[static_cast<std::size_t>(w)];
        for (;;) {
            std::int64_t i;
            {
                std::unique_lock l(mx);
                ++varoMunkasok;
                ablakCv.wait(l, [&] { return leall || kiosztott >= N || kiosztott < tarolt + ablak; });
                --varoMunkasok;
                if (leall || kiosztott >= N)
                    return;
                i = kiosztott++;
            }
            Szelet& ki = szeletek[static_cast<std::size_t>(i % ablak)];
            try {
                ki.db = 0;
                ki.vege = false;
                ki.lepesek = 0;
                ki.puffer.hossz = 0;
                ki.gyakorisag.assign(static_cast<std::size_t>(n_), 0);
                // Nothing after the slice that ended the walk is stored.
                if (i <= vegeSzelet.load(std::memory_order_relaxed)) {
                    const auto veg = hatarok[static_cast<std::size_t>(i) + 1];
                    for (auto j = hatarok[static_cast<std::size_t>(i)]; j < veg && !ki.vege; ++j)
                        szeletSzures(sz, et, prefixKezdet(j), d, ki);
                }
                ki.teljesult = sz.teljesult();
                if (ki.vege) {
                    std::int64_t v = vegeSzelet.load();
                    while (i < v && !vegeSzelet.compare_exchange_weak(v, i)) {
                    }
                }
            } catch (...) {
                std::lock_guard l(mx);
                if (!hiba)
                    hiba = std::current_exception();
                leall = true;
                keszCv.notify_all();
                ablakCv.notify_all();
                return;
            }
            bool ebresztes;
            {
                std::lock_guard l(mx);
                ki.kesz = true;
                ebresztes = vart == i;
            }
            if (ebresztes)
                keszCv.notify_one();
        }
    };
    std::vector<std::jthread> futok;
    futok.reserve(static_cast<std::size_t>(munkasok));
    const auto leallitas = [&] {
        {
            std::lock_guard l(mx);
            leall = true;
        }
        ablakCv.notify_all();
        futok.clear();  // joins
    };
    struct Orszem {
        const decltype(leallitas)& f;
        ~Orszem() { f(); }
    } orszem{leallitas};
    for (int w = 0; w < munkasok; ++w)
        futok.emplace_back(munkas, w);

    TeljesultBitek teljesult;
    Lepes eredmeny = Lepes::Elfogyott;
    for (std::int64_t i = 0; i < N; ++i) {
        const std::uint8_t* szeletKezdet = prefixKezdet(hatarok[static_cast<std::size_t>(i)]);
        Szelet& ki = szeletek[static_cast<std::size_t>(i % ablak)];
        bool kesz = false;
        while (!kesz) {
            if (vez_.BontasPause.load(std::memory_order_relaxed)) {
                const bool igen = !vez_.PauseVizsgalat || vez_.PauseVizsgalat();
                if (igen) {
                    // The pause line is the slice's first line: a resumed
                    // run stores from it on.
                    all_.PauseSzamsor.assign(szeletKezdet, szeletKezdet + k);
                    all_.FPauseMenet = hibapontMenet_;
                    vez_.FPauseMenet.store(hibapontMenet_);
                    eredmeny = Lepes::Megallt;
                    break;
                }
                vez_.BontasPause.store(false);
            }
            if (!vez_.FBontStatus.load(std::memory_order_relaxed) && stopKezeles()) {
                eredmeny = Lepes::Megallt;
                break;
            }
            std::unique_lock l(mx);
            vart = i;
            // Pause and Stop are flags without a wake-up: look again now and
            // then. The deadline is on the system clock: a steady-clock wait
            // goes through pthread_cond_clockwait, which the race checker of
            // this toolchain does not follow, so it would lose the mutex.
            keszCv.wait_until(l, std::chrono::system_clock::now() + std::chrono::milliseconds(50),
                              [&] { return ki.kesz || leall; });
            vart = -1;
            if (hiba) {
                const std::exception_ptr e = hiba;
                l.unlock();
                std::rethrow_exception(e);
            }
            kesz = ki.kesz;
        }
        if (eredmeny == Lepes::Megallt)
            break;
        // Stored as one line after the other would be.
        bool stopKeres = false;
        std::int32_t db = 0;
        const bool tovabb =
            t_.BontasTarolTomb(ki.puffer.p, ki.db, ki.gyakorisag.data(), env_, futas_, stopKeres, db);
        lepesek_ += ki.lepesek;
        teljesult.vagy(ki.teljesult);
        const bool vege = ki.vege;
        bool ebresztes;
        {
            std::lock_guard l(mx);
            ki.kesz = false;
            tarolt = i + 1;
            ebresztes = varoMunkasok > 0;
        }
        if (ebresztes)
            ablakCv.notify_all();
        vez_.BontSzelvszam.store(t_.BontSzelvszam, std::memory_order_relaxed);
        if (i + 1 < N) {
            const std::uint8_t* kov = prefixKezdet(hatarok[static_cast<std::size_t>(i) + 1]);
            std::copy(kov, kov + k, a_);
        }
        kozzetesz();
        if (!tovabb) {
            if (stopKeres) {
                vez_.FBontStatus.store(false);
                all_.TarolasLeallitas = true;
            } else {
                kesz_ = true;
                bontasPauseTorlese();
                vez_.FBontStatus.store(true);
                all_.BontasBefejezetlen = false;
            }
            eredmeny = Lepes::Megallt;
            break;
        }
        if (vege)
            break;
    }
    leallitas();
    szuro_.teljesultHozzaad(teljesult);
    return eredmeny;
}

template <class Szuro>
void Felsorolo<Szuro>::tablakEpitese()
{
    if (mod_ == kNincs) {
        fedes_.torles();
        teteles_.torles();
        return;
    }
    fedes_.init(n_, T_ + 1, true);
    if (mod_ == kTeteles)
        teteles_.init(n_, b_.Tuliras, false);
    for (std::int32_t r = 0; r < t_.BontSzelvszam; ++r) {
        fedes_.hozzaad(t_.sor(r), k_);
        if (mod_ == kTeteles)
            teteles_.hozzaad(t_.sor(r), k_);
    }
}

template <class Szuro>
void Felsorolo<Szuro>::setTalaltAkt()
{
    if (teljes_)
        talaltAkt_ = k_ - 1;
    else if (b_.TulirasBont && !b_.TulirasTeteles)
        talaltAkt_ = b_.Tuliras;
    else
        talaltAkt_ = (k_ - 1) - h_ - hibapontMenet_;
    vez_.FHibapontMenet.store(hibapontMenet_);
    // The covering mode and allowance of this walk.
    if (b_.TulirasBont && b_.TulirasTeteles) {
        mod_ = kTeteles;
        T_ = b_.Tuliras;
    } else if (!teljes_) {
        mod_ = kFedes;
        T_ = talaltAkt_;
    } else if (b_.VeletlenSzamsorok) {
        // Random lines without covering: a repeat of a stored line is not
        // stored again.
        mod_ = kFedes;
        T_ = k_ - 1;
    } else {
        mod_ = kNincs;
        T_ = 0;
    }
    tablakEpitese();
}

template <class Szuro>
void Felsorolo<Szuro>::indulReset()
{
    minimumok(a_);
    hibapontMenet_ = (b_.TulirasBont || b_.Optimalizalt) ? 0 : (k_ - 1) - h_;
    vez_.FFolyamatAlap.store(0);
}

template <class Szuro>
typename Felsorolo<Szuro>::Lepes Felsorolo<Szuro>::bontasGeneralas(bool egySor)
{
    if (b_.VeletlenSzamsorok) {
        switch (mod_) {
        case kNincs: return veletlen<kNincs>();
        case kFedes: return veletlen<kFedes>();
        default: return veletlen<kTeteles>();
        }
    }
    switch (mod_) {
    case kNincs: return lexikografikus<kNincs>(egySor);
    case kFedes: return lexikografikus<kFedes>(egySor);
    default: return lexikografikus<kTeteles>(egySor);
    }
}

template <class Szuro>
bool Felsorolo<Szuro>::variacioStart()
{
    if (folytatas_ && all_.PauseSzamsor.size() == static_cast<std::size_t>(k_)) {
        std::copy(all_.PauseSzamsor.begin(), all_.PauseSzamsor.end(), a_);
        a_[k_ - 1] = static_cast<std::uint8_t>(a_[k_ - 1] - 1);
    } else {
        minimumok(a_);
    }
    folytatas_ = false;
    all_.BontasFolytatas = false;
    if (teljes_) {
        setTalaltAkt();
        if (mod_ == kNincs && !b_.VeletlenSzamsorok) {
            if constexpr (ParhuzamosSzuro<Szuro>) {
                const int szalDb = szalak();
                if (szalDb > 1 && k_ > 1 && szuro_.parhuzamosithato())
                    return parhuzamos(szalDb) != Lepes::Megallt;
            }
        }
        return bontasGeneralas(false) != Lepes::Megallt;
    }
    while (hibapontMenet_ >= 0) {
        setTalaltAkt();
        if (bontasGeneralas(false) == Lepes::Megallt)
            return false;
        vez_.FFolyamatAlap.fetch_add(100 / (k_ - h_));
        --hibapontMenet_;
        minimumok(a_);
    }
    vez_.FHibapontMenet.store(hibapontMenet_);
    return true;
}

template <class Szuro>
bool Felsorolo<Szuro>::gyakorisagiStart()
{
    const int felso = nf_ - kf_;
    all_.FCsoportFelso = felso;
    const std::uint8_t mx0 = mx_[0];
    while (hibapontMenet_ >= 0) {
        if (folytatas_ && all_.FCsoportSzamsorok.size() == static_cast<std::size_t>(felso + 1) &&
            all_.FCsoportAktiv.size() == static_cast<std::size_t>(felso + 1)) {
            folytatas_ = false;
            all_.BontasFolytatas = false;
        } else {
            folytatas_ = false;
            all_.BontasFolytatas = false;
            all_.FCsoportSzamsorok.assign(static_cast<std::size_t>(felso + 1), TTombByte1D(static_cast<std::size_t>(k_)));
            for (int g = 0; g <= felso; ++g) {
                auto& s = all_.FCsoportSzamsorok[static_cast<std::size_t>(g)];
                for (int i = 0; i < kf_; ++i)
                    s[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(g + i);
                for (int i = kf_; i < k_; ++i)
                    s[static_cast<std::size_t>(i)] = mn_[i];
                s[static_cast<std::size_t>(k_ - 1)] = static_cast<std::uint8_t>(s[static_cast<std::size_t>(k_ - 1)] - 1);
            }
            all_.FCsoportAktiv.assign(static_cast<std::size_t>(felso + 1), 1);
            all_.FCsoportIndex = 0;
            all_.FCsoportKorTarolt = false;
        }
        setTalaltAkt();
        // FCsoportKorTarolt: this turn has stored a line (kept over a pause).
        bool taroltKorben;
        do {
            for (int g = all_.FCsoportIndex; g <= felso; ++g) {
                if (!all_.FCsoportAktiv[static_cast<std::size_t>(g)])
                    continue;
                auto& s = all_.FCsoportSzamsorok[static_cast<std::size_t>(g)];
                mx_[0] = static_cast<std::uint8_t>(g);
                std::copy(s.begin(), s.end(), a_);
                t_.FSzamsorTarolva = false;
                const Lepes l = bontasGeneralas(true);
                if (l == Lepes::Elfogyott) {
                    all_.FCsoportAktiv[static_cast<std::size_t>(g)] = 0;
                    continue;
                }
                if (l == Lepes::Tarolt) {
                    std::copy(a_, a_ + k_, s.begin());
                    all_.FCsoportKorTarolt = true;
                    if (vez_.BontasPause.load() || !vez_.FBontStatus.load()) {
                        all_.FCsoportIndex = g + 1;
                        mx_[0] = mx0;
                        return false;
                    }
                    continue;
                }
                // Paused, stopped, or the store ended the run. A resumed run
                // goes on with this group, in this turn.
                if (t_.FSzamsorTarolva)
                    std::copy(a_, a_ + k_, s.begin());
                all_.FCsoportIndex = g;
                mx_[0] = mx0;
                return false;
            }
            all_.FCsoportIndex = 0;
            taroltKorben = all_.FCsoportKorTarolt;
            all_.FCsoportKorTarolt = false;
        } while (taroltKorben);
        --hibapontMenet_;
        // Without covering one walk over the groups gives every line once.
        if (teljes_)
            break;
    }
    mx_[0] = mx0;
    vez_.FHibapontMenet.store(hibapontMenet_);
    return true;
}

template <class Szuro>
bool Felsorolo<Szuro>::elokeszites(BontasEredmeny& e)
{
    e.hiba = BontasBemenetEllenorzes(b_);
    if (e.hiba != BontasHiba::Nincs) {
        e.veg = BontasVeg::Hibas;
        return false;
    }
    k_ = b_.VariacioMeret;
    kf_ = b_.VariacioFoMeret;
    n_ = b_.KijeloltSzamDb;
    nf_ = b_.KijeloltFoSzamDb;
    h_ = b_.Hibapont;
    vanExtra_ = b_.VanPluszSzam && kf_ < k_;
    for (int i = 0; i < kf_; ++i) {
        mn_[i] = static_cast<std::uint8_t>(i);
        mx_[i] = static_cast<std::uint8_t>(nf_ - kf_ + i);
    }
    for (int i = kf_; i < k_; ++i) {
        mn_[i] = static_cast<std::uint8_t>(nf_ + (i - kf_));
        mx_[i] = static_cast<std::uint8_t>(n_ - (k_ - kf_) + (i - kf_));
    }
    // The hit-ratio condition is a selected condition too: the store grows
    // by doubling, not at once to the full size.
    futas_.FeltetelJelzo = b_.FeltetelJelzo || b_.TalArAktiv;
    futas_.Hibapont = h_;
    futas_.TulirasBont = b_.TulirasBont;
    futas_.Tuliras = b_.Tuliras;
    futas_.TulirasFelsoHatar = k_ - 1;
    futas_.HuzasSzamsorVariacio = b_.HuzasSzamsorVariacio;
    gen_.seed(b_.VeletlenMag);
    masolo_ = SorMasolo(k_);
    elotag_ = ElotagTiltas{};
    if constexpr (KizartElotagSzuro<Szuro>) {
        if (b_.TalArAktiv && !b_.VeletlenSzamsorok)
            elotag_.init(n_, szuro_.kizartElotagok());
    }

    if (!foglalva_) {
        e.hiba = BontasElsoFoglalas(t_, b_, folytatas_, env_);
        if (e.hiba != BontasHiba::Nincs) {
            e.veg = BontasVeg::Hibas;
            return false;
        }
    }
    vez_.BontSzelvszam.store(t_.BontSzelvszam);
    return true;
}

template <class Szuro>
BontasEredmeny Felsorolo<Szuro>::futtat()
{
    BontasEredmeny e;
    // Resuming: the pause flag still set, or already moved into
    // BontasFolytatas by the starter on the GUI thread. A starter that made
    // the first allocation has done that move: a Pause pressed since then
    // asks to pause this run.
    foglalva_ = all_.ElsoFoglalasKesz;
    all_.ElsoFoglalasKesz = false;
    folytatas_ = all_.BontasFolytatas || (!foglalva_ && vez_.BontasPause.load());
    all_.TarolasLeallitas = false;
    if (!elokeszites(e))
        return e;
    all_.BontasFolytatas = folytatas_;
    if (!foglalva_)
        vez_.BontasPause.store(false);
    // FBontStatus is set by the starter before the worker begins: a Stop
    // pressed before the first candidate must not be lost.
    if (!folytatas_) {
        all_.TeljesultFeltetelekA = 0;
        all_.TeljesultFeltetelekB = 0;
    }
    // The Tételes window.
    const int tmin = b_.TulirasTetelesMin, tmax = b_.TulirasTetelesMax;
    auto bent = [&](int x) { return x >= tmin && x <= tmax; };
    if (folytatas_) {
        if (!(bent(all_.TulirasAktMin) && bent(all_.TulirasAktMax) && bent(all_.TulirasSorozatAkt))) {
            all_.TulirasAktMin = tmin;
            all_.TulirasAktMax = tmax;
            all_.TulirasSorozatAkt = tmin;
        }
    } else {
        all_.TulirasAktMin = tmin;
        all_.TulirasSorozatAkt = tmin;
        all_.TulirasAktMax = b_.TulirasSorozat ? tmin : tmax;
    }
    // A resumed run walks the way the paused one did (the starter may have
    // switched extension mode on to keep its lines).
    if (folytatas_)
        teljes_ = all_.FTeljesVariacio;
    else
        teljes_ = b_.Hibapont == 0 && !b_.BontasBovites && !b_.TulirasBont;
    all_.FTeljesVariacio = teljes_;
    vez_.TulirasSorozatAkt.store(all_.TulirasSorozatAkt);
    all_.FKiserletTorles = !(b_.VeletlenSzamsorok && folytatas_);
    indulReset();
    if (folytatas_) {
        const int menetek = hibapontMenet_;
        if (all_.FPauseMenet >= 0 && all_.FPauseMenet <= menetek)
            hibapontMenet_ = all_.FPauseMenet;
        else
            all_.FPauseMenet = menetek;
        vez_.FFolyamatAlap.store((100 / (k_ - h_)) * (menetek - all_.FPauseMenet));
    }
    vez_.FHibapontMenet.store(hibapontMenet_);

    // A paused optimisation search resumes without a generation when its
    // best copy is the one it paused with; otherwise its pause is forgotten.
    opt_ = b_.Opt && b_.Opt->Optimalizalas ? b_.Opt : nullptr;
    bool optFolytatas = false;
    if (opt_) {
        if (opt_->OptPause) {
            optFolytatas = folytatas_ && t_.OptLegjobbSzamsorDb > 0 &&
                           opt_->OptSzamsorHatar == t_.OptLegjobbSzamsorDb;
            opt_->OptPause = 0;
        }
        if (!optFolytatas)
            optElokeszites();
    }

    bool keszFutas = !optFolytatas;
    if (optFolytatas) {
    } else if (t_.BontSzelvszam >= t_.ABSZ) {
        kesz_ = true;
    } else if (t_.BontSzelvszam >= t_.BontMatrixMeret) {
        bool stopKeres = false;
        if (!t_.Noveles(env_, futas_, stopKeres)) {
            vez_.FBontStatus.store(false);
            all_.TarolasLeallitas = true;
            keszFutas = false;
        }
    }
    if (keszFutas && !kesz_) {
        for (;;) {
            if (b_.GyakorisagiEloszlas)
                gyakorisagiStart();
            else
                variacioStart();
            all_.BontasBefejezetlen = vez_.BontasPause.load() || !vez_.FBontStatus.load();
            if (!(t_.BontSzelvszam < t_.ABSZ && !kesz_ && !vez_.BontasPause.load() && vez_.FBontStatus.load() &&
                  b_.TulirasBont && b_.TulirasTeteles && b_.TulirasSorozat && all_.TulirasSorozatAkt < tmax))
                break;
            ++all_.TulirasAktMin;
            ++all_.TulirasAktMax;
            ++all_.TulirasSorozatAkt;
            vez_.TulirasSorozatAkt.store(all_.TulirasSorozatAkt);
            indulReset();
        }
    }
    if (pauseIgen_) {
        // A confirmed pause that found no line left to resume from: the run
        // simply ended.
        pauseIgen_ = false;
        bontasPauseTorlese();
        all_.BontasBefejezetlen = !vez_.FBontStatus.load();
    }
    if (opt_ && (optFolytatas || optimalizalasKell())) {
        optimalizalas(optFolytatas);
        if (pauseIgen_) {
            pauseIgen_ = false;
            bontasPauseTorlese();
            opt_->OptPause = 0;
        }
        all_.BontasBefejezetlen = vez_.BontasPause.load() || !vez_.FBontStatus.load();
    }
    if (kesz_)
        all_.BontasBefejezetlen = false;
    kozzetesz();
    vez_.VeletlenKiserletek.store(all_.VeletlenKiserletek);
    // The run ends with the rows cut to the stored lines.
    BontMatrixOpt(t_, b_.HuzasSzamsorVariacio);
    vez_.BontSzelvszam.store(t_.BontSzelvszam);
    if (vez_.BontasPause.load())
        e.veg = BontasVeg::Szunet;
    else if (!vez_.FBontStatus.load())
        e.veg = BontasVeg::Leallitva;
    else
        e.veg = BontasVeg::Kesz;
    return e;
}

}  // namespace detail

// Runs the generation: first allocation, the error-point or frequency
// driver (repeated for the Sorozat part of the Találat option), compaction.
// Runs on the worker; the GUI thread reads `vez` only.
template <class Szuro>
BontasEredmeny BontasFuttatas(VariationStore& t, const BontasBemenet& b, BontasAllapot& all, BontasVezerles& vez,
                              TarolasKornyezet& env, Szuro& szuro)
{
    detail::Felsorolo<Szuro> f(t, b, all, vez, env, szuro);
    return f.futtat();
}

// Without per-line tests, and with the virtual ones.
BontasEredmeny BontasFuttatas(VariationStore& t, const BontasBemenet& b, BontasAllapot& all, BontasVezerles& vez,
                              TarolasKornyezet& env);
BontasEredmeny BontasFuttatas(VariationStore& t, const BontasBemenet& b, BontasAllapot& all, BontasVezerles& vez,
                              TarolasKornyezet& env, SorFeltetel* feltetel);

}  // namespace kvx

#pragma once
// The variation test: its settings, the running test and its result. The
// main window's Teszt command prepares the settings here; the test window
// starts the worker, polls the counters and shows the texts built here;
// "Beillesztés" hands the chosen lines to the variation's controller. The
// worker runs only the engine: it publishes counters and touches no widget
// and no text; the final report is built on the GUI thread after the
// worker has ended. The Teszt command itself and the wiring of the test
// window are in teszt_parancs.cpp.
// Signals: tesztIndul when a prepared test starts, tesztVege when its worker
// has ended.
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <string>

#include "app/ui/ablak_tiltas.h"
#include "variation/variation_test.h"

namespace kvx {
class Program;
}
class VariacioVezerlo;
class TBontTeszt;
class THuzSzama;

class TesztVezerlo : public QObject {
    Q_OBJECT
public:
    TesztVezerlo(kvx::Program& program, VariacioVezerlo& variacio, QObject* parent = nullptr);
    ~TesztVezerlo() override;

    // The settings of the next test (the main window's command sets them).
    kvx::TesztBeallitas Beallitas;
    // The options the test was started with.
    bool FeltetelekTeszt = false;
    // Test size and its percent base.
    std::int64_t ABSZTEST = 0;

    // The Teszt command ("eszt1"): checks the test window's options, prepares
    // the settings and starts the test window; nothing without a wired window.
    void TesztParancs();
    // Registers the Teszt command and answers the test window's requests
    // (restart, draw range, insert); tartomany: the draw range dialog.
    void AblakokBekotese(TBontTeszt* ablak, THuzSzama* tartomany);

    // Takes the snapshot of the lines, the selection and the draws and makes
    // a new test ready to run; the previous result is dropped. feltetelek:
    // judge the test lines against the conditions; listaSzint: the class
    // the window lists, up to which examples are kept.
    void Elokeszites(bool feltetelek, std::int32_t listaSzint);
    // Runs the prepared test (on the worker). True when it ran to its end.
    bool Futtatas();
    // On the GUI thread after the worker has ended: keeps the result and
    // builds the final report when the test completed.
    void Befejezes(bool kesz);
    // Stop (any thread).
    void Leallitas();
    bool Fut() const { return fut_; }

    // The report while the test runs (from the counters as they stand).
    std::string KozbensoRiport() const;
    // The heading of the prepared test: its lines, its source and its size.
    const std::string& TesztFejlec() const { return tesztFejlec_; }
    // The final report; empty when no test has completed (PeldabontasLog).
    const std::string& PeldabontasLog() const { return peldabontasLog_; }
    void PeldabontasLogTorles() { peldabontasLog_.clear(); }
    // Lines examined so far.
    std::int64_t TesztSzamsorDb() const;
    // The list of class c with the variation's state text.
    kvx::TesztLista Lista(std::int32_t c, const std::string& allapot) const;
    // Stored examples of class c (0 without a result).
    std::int64_t PeldaDb(std::int32_t c) const;
    // "Beillesztés" for class c.
    bool BeillesztesEngedelyezett(std::int32_t c) const;
    // Inserts examples elso..utolso (1-based) of class c into the variation
    // through its controller. False when nothing was inserted.
    bool Beillesztes(std::int32_t c, std::int32_t elso, std::int32_t utolso);
    // The result is released (the variation was deleted).
    void Torles();
    // A condition the last test may have judged by was removed: an open
    // test window closes and the report goes (not while a test runs).
    void TesztElvetese();

signals:
    void tesztIndul();
    // The worker has ended; kesz: the test completed (a report exists).
    void tesztVege(bool kesz);

private:
    kvx::TesztRiportBemenet riportBemenet() const;

    kvx::Program& p_;
    QPointer<TBontTeszt> ablak_;
    QPointer<THuzSzama> tartomany_;
    // While a test runs only the test window answers.
    kvx::AblakTiltas tiltas_;
    VariacioVezerlo& variacio_;
    std::unique_ptr<kvx::VariacioTeszt> teszt_;
    kvx::TesztEredmeny eredmeny_;
    bool vanEredmeny_ = false;
    bool fut_ = false;
    std::string peldabontasLog_;
    std::string tesztFejlec_;
};

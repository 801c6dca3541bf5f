#pragma once
// The ticket window shared by the six ticket kinds: a stay-on-top dialog
// holding one square panel per number of the current game laid out in the
// game's grid, an info panel with a fixed-pitch text (a second one on some
// kinds and games), and optionally a Törlés and a Kilépés button. Where each
// panel stands and its colours come from tickets/ticket_layout.h; the owner
// kinds decide what a panel shows by overriding Szinezes().
#include <QDialog>
#include <QLabel>

#include <vector>

#include "tickets/ticket_layout.h"

class QFrame;
class QPushButton;
class QScrollArea;

// One number panel; Tag is its number (1-based).
class TSzamPanel : public QLabel {
    Q_OBJECT
public:
    TSzamPanel(int tag, QWidget* parent);
    int Tag = 0;
    // Colours last applied (what the panel shows; never read back as state).
    kvx::PanelSzin Szin;

signals:
    // Left button pressed and released over the panel.
    void Kattintas(TSzamPanel* panel);
    // The mouse moved with the right button held (global position).
    void JobbGombMozgas(QPoint globalPos);
    // A mouse button was released.
    void EgerFel();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    bool balLenyomva_ = false;
};

class TSzelveny : public QDialog {
    Q_OBJECT
public:
    // name: the form's name; kind 0..5; the buttons and the info panel shown
    // or not; caption of the window. foablak is the main window (its font is
    // copied); the window stays hidden until its owner shows it.
    TSzelveny(const QString& name, int kind, bool torlesGomb, bool kilepesGomb, bool infoPanel,
              const QString& caption, QWidget* foablak);
    ~TSzelveny() override;

    QWidget* Ablak() { return this; }

    QFrame* GombPanel = nullptr;
    QPushButton* KilepesGomb = nullptr;
    QPushButton* TorlesGomb = nullptr;
    QFrame* InfoPanel = nullptr;
    QLabel* InfoCimke = nullptr;
    QFrame* InfoPanel2 = nullptr;   // absent unless the kind and game have one
    QLabel* InfoCimke2 = nullptr;
    QLabel* ElvalasztoVonal = nullptr;
    std::vector<TSzamPanel*> SzamPanelek;  // element i shows number i + 1

    int Oszlopok = 5;
    bool Bezaras = false;
    int SzelvenyTipus = 0;
    int Sorok = 16;
    int ElsoSorEltolas = 0;
    bool TizesRacs = false;
    bool PluszPanel = false;
    bool InfoLathato = false;

    // The grid of the current game; sets PotSzamTalalat of the game.
    void JatekRacs();
    // Lays the window out for the current game and look.
    void Elrendezes();
    // Every panel back to the kind's unmarked colours.
    void SzinekAlaphelyzet();
    int OszlopokSzama() const { return Oszlopok; }
    int InfoMagassag();
    int Info2Magassag();
    // Fits the window height to the grid and the current info texts.
    void MagassagIgazitas();

    // The kind's row of the ticket look.
    const kvx::SzelvenySor& Look() const;
    void PanelSzinezes(TSzamPanel* panel, const kvx::PanelSzin& szin);
    // The panel under a global position, or null.
    TSzamPanel* PanelItt(QPoint globalPos) const;
    // Text of the info label; CR LF pairs become line breaks.
    static QString InfoSzoveg(const std::string& s);

protected:
    // Colours every panel from the owner's model; the base shows all unmarked.
    virtual void Szinezes();
    // The width the owner's info text needs at its widest, where the cells
    // may become smaller (down to their two digits) to fit a low screen
    // rather than scroll; 0: the cells keep the size set.
    virtual int InfoSzelesseg() const { return 0; }

    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void reject() override;
    // Every ticket but the main one stands where the placement service puts it.
    void showEvent(QShowEvent* e) override;

    int SorMagassag() const { return sorMagassag_; }
    double MeretSzorzo() const;
    // The kind's own marker, no message to other windows: 1000 after
    // construction and after a clear means the next refresh redraws
    // everything.
    int Tag = 0;

private:
    // Fills the space below the grid, beside a right-hand info panel that is
    // taller than the grid, with the info colour (height: the window's
    // content without the buttons).
    void racsAlattKitoltes(int magassag);
    // The content (grid and info panels) at its size, the window as large as
    // it within the area it may take, the buttons under it.
    void ablakMeret(int szelesseg, int magassag);

    QScrollArea* gorgeto_ = nullptr;
    QWidget* lap_ = nullptr;
    QFrame* racsAlatt_ = nullptr;
    int sorMagassag_ = 13;
    int keretSzelesseg_ = 3;
    int grafikaAlja_ = 0;
    bool jobbInfo_ = false;
};

#pragma once
// The statistics window: three menus of statistics over the main ticket, the
// variation and the draws database. A statistic is computed on a worker
// (which only computes and reports through atomics), its result cached per
// statistic, and shown as a bar chart painted from the result table.
#include <QDialog>
#include <QIcon>
#include <QPointer>

#include <array>
#include <functional>
#include <map>
#include <vector>
#include <memory>

#include "app/ui/ablak_tiltas.h"
#include "statistics/chart_hints.h"
#include "statistics/chart_model.h"
#include "statistics/diagram_engine.h"
#include "statistics/line_distribution.h"
#include "statistics/neighbour_stats.h"
#include "statistics/stat_result.h"
#include "statistics/stat_table.h"
#include "app/workers.h"
#include "tickets/number_statistics.h"
#include "statistics/hit_ratios.h"
#include "statistics/line_properties.h"
#include "statistics/text_reports.h"

class HuzasokVezerlo;
class VariacioVezerlo;
class QAction;
class QBoxLayout;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QMenuBar;
class QScrollBar;
class QTimer;
class QToolButton;
class QWidget;

// The paint box: paints through the window and reports double clicks.
class TDiagramDoboz : public QWidget {
    Q_OBJECT
public:
    explicit TDiagramDoboz(QWidget* parent = nullptr);
    std::function<void(QPainter&)> Festes;
    QPoint UtolsoEger;  // last mouse position over the box

signals:
    void duplaKattintas(QPoint hol);
    void egerMozgas(QPoint hol);

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
};

class TStatisztika : public QDialog {
    Q_OBJECT
public:
    TStatisztika(VariacioVezerlo& variacio, HuzasokVezerlo& huzasok, QWidget* parent = nullptr);
    ~TStatisztika() override;

    // Starts the statistic of menu Tag tag (the items' OnClick).
    void StatisztikaKeszites(int tag);
    // The shown statistic again, after its data changed; asks first when
    // kerdes is set.
    void StatisztikaAktiv(bool kerdes);
    // A run is going.
    bool Fut() const { return fut_; }
    // Closes the window; a run going is cancelled.
    void KilepesClick();
    // Esc: hides the window and cancels a run going, as closing does.
    void reject() override;
    // Drop the cached results of one side.
    void VMasolatTorles();
    void AMasolatTorles();
    void A1MasolatTorles();
    // Handler of the three Reset items.
    void Reset1Click(int tag);
    // Sort order: 0 as computed, 1 ascending, 2 descending.
    void EredetiGombClick(int rend);
    // Redraws the chart from the cached result with the options (the boxes'
    // OnClick); kuldo: the box's Tag (1 Zoom, 7 Mikro, 8 nano) or 0.
    void Start(int kuldo = 0);
    // Repaints what is shown and fits the window to it again.
    void RandomizeArrays();
    // A double click at x, y of the paint box.
    void SelectionSortBoxDblClick(QPoint hol);
    // The mouse at x, y of the paint box: the hint of the bar under it.
    void SelectionSortBoxMouseMove(QPoint hol);

    // The statistic shown (the form's Tag).
    int FormTag() const { return formTag_; }
    QAction* MenuPont(int tag) const;
    const kvx::DiagramModell& Modell() const { return modell_; }
    const kvx::StatMunkavaltozok& Munkavaltozok() const { return v_; }
    QString Fejlec() const { return fejlec_; }
    // The text report shown (empty while a chart is).
    const kvx::JelentesKep& Jelentes() const { return jelentes_; }
    // Rows read by the last run of a variation statistic.
    const kvx::StatFutas& Futas() const { return *futas_; }

    QMenuBar* MainMenu2 = nullptr;
    QMenu* Fszelvny1 = nullptr;
    QMenu* Varici1 = nullptr;
    QMenu* Adatbzis1 = nullptr;
    QAction* Kilepes = nullptr;
    TDiagramDoboz* SelectionSortBox = nullptr;
    // The one-pixel marker that carries the hint in the nano display, at
    // the mouse, in the colour of the bar under it.
    QLabel* StaticText1 = nullptr;
    QScrollBar* ScrollBar1 = nullptr;
    QWidget* Panel2 = nullptr;
    QCheckBox* ZoomCheckBox = nullptr;
    QCheckBox* InverzCheckBox = nullptr;
    QCheckBox* MindCheckBox = nullptr;
    QCheckBox* MicroCheckBox = nullptr;
    QCheckBox* NanoCheckBox = nullptr;
    QCheckBox* ElmeletiCheckBox = nullptr;
    QCheckBox* TenylegesCheckBox = nullptr;
    QCheckBox* TimeCheckBox = nullptr;
    QComboBox* SzomszedosSzamokCB = nullptr;
    QToolButton* EredetiGomb = nullptr;
    QToolButton* NovekvoGomb = nullptr;
    QToolButton* CsokkenoGomb = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QTimer* Timer3 = nullptr;

signals:
    // A double click on a bar asks to toggle the number on the main ticket.
    void szamJelolesKerve(int szam);
    // Shift+Ctrl double click: the row of the draws list (and the column of
    // the draws table to select in it) or the variation list.
    void huzasSorKerve(int sor, int oszlop);
    void variacioSorKerve(int sor);
    // A range item: the range dialog in mode 1 (main ticket) or 3 (database).
    void tartomanyKerve(int mod);

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void FormCreate();
    void MenuEpites();
    void PanelEpites();
    // The option panel in one row, or in two (the check boxes over the
    // buttons) where the window cannot be as wide as one row needs.
    void panelSorai(int legszelesebb);
    QBoxLayout* panelSorok_ = nullptr;
    QBoxLayout* panelDobozok_ = nullptr;
    QBoxLayout* panelGombok_ = nullptr;
    int panelMagassag_ = 0;
    bool panelIgazitas_ = false;
    kvx::StatKornyezet kornyezet() const;
    void MunkavaltozokBeallitasa();
    void Timer3Timer();
    void StatisztikaKeszitesVege(bool sikeres);
    void SelectionSortBoxPaint(QPainter& p);
    // The text report of the statistic shown.
    void SelectionSortBoxPaint_2(QPainter& p);
    void jelentesKeszites();
    void AblakMeretBeallitas();
    void ScrollBar1Change(int pos);
    void menukAllapota(bool futas);
    // Every statistic item's picture: kept result or not, text or chart.
    void MenuKepek();
    // The narrowest client width of a chart: the option panel up to its last
    // button and as much again as that button.
    int minimalisSzelesseg() const;
    // The chooser of the charts that have one is shown, its hint naming
    // what it chooses.
    void valasztoTipp();
    kvx::DiagramMeretek meretek() const;
    void opciokOlvasasa();
    void opciokKiirasa();

    VariacioVezerlo& variacio_;
    HuzasokVezerlo& huzasok_;
    std::map<int, QAction*> pontok_;
    int formTag_ = 1;
    int aktualisMenupont_ = 0;
    bool fut_ = false;
    // 0 nothing, 1 a run's progress, 2 a chart, 3 a text report.
    int mod_ = 0;
    int szazalek_ = 0;
    int diagramSzelesseg_ = 0;
    // The statistic whose oversized window was last warned about.
    int figyelmeztetettTag_ = 0;
    // The frame height the content asks for, before the work area caps it.
    int kivantMagassag_ = 0;
    // The menu pictures by kind (text, chart) and kept result.
    QIcon kepek_[2][2];
    int alapSzelesseg_ = 915;
    // Counts the cache drops: a run that saw one stores nothing.
    std::uint64_t torlesek_ = 0;
    kvx::StatMunkavaltozok v_;
    kvx::StatKornyezet kornyezet_;
    // Shared with the worker, which may outlive a closing window.
    std::shared_ptr<kvx::StatFutas> futas_ = std::make_shared<kvx::StatFutas>();
    kvx::StatEredmeny eredmeny_;
    kvx::DiagramModell modell_;
    kvx::DiagramOpciok opciok_;
    QString fejlec_;
    // What the text reports read besides the table: the pool and selection
    // counts of the last run, and per source the identical pairs of the
    // last hit-ratio run.
    kvx::SzamTulajdonsagok tulajdonsagok_;
    kvx::AzonosLista azonos_[2];
    kvx::JelentesKep jelentes_;
    // Times drawn and draws since over the main-ticket range, for the hints
    // of its two charts.
    kvx::SzamStatisztikaState foszelvenyStat_;
    kvx::SzalNyilvantartas::Azonosito szal_;
    // While a run goes every other window of the program is off.
    kvx::AblakTiltas tiltas_;
    // The line-distribution counts of every range choice, per source
    // (database, variation); valid while the statistic's slot is.
    std::array<std::shared_ptr<const kvx::SorszamTablak>, 2> sorszamTablak_;
    // The number sets' position tables, per source, the same way.
    std::array<std::shared_ptr<const kvx::TTombInt2D>, 2> szamkeszletTablak_;
    void sorszamValasztek();
    // The neighbour statistics' line table (lines by their runs), per
    // source; replaced by every build, dropped with the source's slots.
    std::array<std::shared_ptr<const kvx::SzomszedosEredmeny>, 2> szomszedosTablak_;
    // The neighbour chart: chain lengths offered after "Tételes", and the
    // view of the per-number table the combo box chooses.
    std::vector<int> szomszedHossz_;
    kvx::TTombInt2D szomszedosNezet(const kvx::TTombInt2D& t) const;
    // Bars of a chart above Tag 3 that stand for numbers of the main ticket
    // (coloured by their role, a double click marks them).
    bool szamKulcsu() const;
    // What the hint of bar i of the shown chart is built from.
    kvx::DiagramTippBemenet diagramTippBemenet(int i) const;
    // Lines of the neighbours chart's source holding each number, counted
    // at the first hint and kept until the statistic or the data change.
    const std::vector<std::int64_t>& szomszedElofordulas() const;
    mutable std::vector<std::int64_t> szomszedElofordulas_;
    mutable int szomszedElofordulasTag_ = 0;
    mutable std::uint64_t szomszedElofordulasTorles_ = 0;
};

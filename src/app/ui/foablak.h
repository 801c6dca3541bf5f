#pragma once
// The main window: its start-up and shutdown and the game menu.
#include <QMainWindow>

#include <array>
#include <initializer_list>

#include "app/game_table.h"

class QAction;
class QActionGroup;
class QMenu;

class TFoablak : public QMainWindow {
    Q_OBJECT
public:
    // programAllomany: the executable's path the folders and the INI file are
    // placed by; empty means the running program's own.
    explicit TFoablak(const QString& programAllomany = QString(), QWidget* parent = nullptr);

    // The game menu "Játék".
    QMenu* LottoMenu = nullptr;

public slots:
    // Switches to the game whose menu item carries the tag.
    void LottoSelect(int tag);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate(const QString& programAllomany);
    void KavarexIni();
    void JatekMenuEpites();
    QAction* JatekMenuPont(QMenu* menu, int tag, const QString& felirat);
    QMenu* JatekAlmenu(const char* felirat, std::initializer_list<int> tagok);
    // Checks the current game's item and marks the submenu that holds it.
    void JatekMenuJeloles();
    void AblakElhelyezes(bool elsoInditas);
    void KavarexIniIras();
    void HibaUzenet(const QString& szoveg);

    QActionGroup* jatekCsoport_ = nullptr;
    std::array<QAction*, kvx::kJatekokSzama> jatekPontok_{};
    int minSzelesseg_ = 0;
    int minMagassag_ = 0;
};

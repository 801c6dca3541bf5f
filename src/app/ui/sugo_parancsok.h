#pragma once
// The help commands: "Témakörök" and "Fejlesztés" of the "Súgó" menu, the
// main window's pop-up item "Mi ez?", and the start-up check of the help
// file, which switches the help commands off while the file is missing. It
// makes the main window's help service (kvx::Sugo) and the "Mi ez?" item as
// the main window's children, so that the windows find the help through
// their parent. The handlers are registered in the command registry under
// the command table's ids. It emits no signals.
#include <QMetaObject>
#include <QObject>
#include <QPointer>

class QAction;
class QString;
class QWidget;
namespace kvx {
class Sugo;
}

class SugoParancsok : public QObject {
    Q_OBJECT
public:
    explicit SugoParancsok(QObject* parent = nullptr);

    // Registers "Témakörök" and "Fejlesztés" in the current command
    // registry, makes the "Mi ez?" item on foablak and the help service as
    // its child; the main window's own topic is the help's contents. The
    // connections end with foablak.
    void ParancsokBekotese(QWidget* foablak);

    // The "Mi ez?" item and the help service of the last ParancsokBekotese
    // (none once its main window has gone).
    QAction* MiEz() const { return miEz_; }
    kvx::Sugo* Szolgaltatas() const { return sugo_; }

    // Start-up: the help files of older versions beside programAllomany
    // (the executable's path) go; without the help page the help commands
    // are switched off, "Mi ez?" is hidden and the program's error box says
    // so, unless the informing start-up boxes are held back.
    void SugoEllenorzes(const QString& programAllomany);

    // "Témakörök": the help at its contents.
    void makrk1Click();
    // "Mi ez?": the help at the topic of the control the pop-up was opened on.
    void Miez1Click();
    // "Fejlesztés": the maker's development offer.
    void Fejleszts1Click();

private:
    QPointer<QWidget> foablak_;
    QPointer<QAction> miEz_;
    QPointer<kvx::Sugo> sugo_;
    QMetaObject::Connection miEzKapcsolat_;
};

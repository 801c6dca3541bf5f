#pragma once
// The automatic backups: the unsaved number set or variation is kept in the
// Back folder before it is thrown away, and "Visszatöltés" (Visszatlts1)
// brings the newest backup back while keeping the work it replaces. The
// controller registers "Visszatlts1" and keeps its state and hint; it asks
// through the program's question (app/ui/uzenetek.h). After a restore the
// conditions window opens through the conditions command, or the
// variation's list. It emits no signals.
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <string>

class QAction;
class QWidget;
class TAllomanyDialogusok;
namespace kvx {
class Program;
}

class BackVezerlo : public QObject {
    Q_OBJECT
public:
    explicit BackVezerlo(kvx::Program& program, QObject* parent = nullptr);
    ~BackVezerlo() override;

    // Registers "Visszatlts1" (the connections end with `kontextus`), which
    // follows the draws database's game, and hands the variation's
    // controller the backup before a run drops work.
    void Bekotes(const QObject* kontextus);

    // Before unsaved work is thrown away: a backup when backups are on.
    // False when the backup was due but could not be written and the user,
    // told why, keeps the work (the question's default); nothing is then
    // deleted.
    bool BackMentese();
    // Writes one backup of the unsaved work when one is due: n "" the current
    // backup (the older generation makes room only once the new one is
    // written), "2" the work kept aside by a restore. Ut: the path written,
    // empty when nothing was written; Hiba: it was due and failed.
    struct BackIras {
        std::string Ut;
        bool Hiba = false;
    };
    BackIras BackTipusaBeallitas(const std::string& n);
    // The restore command follows whether a current backup exists.
    bool VanElmentettUtolsoBontas();
    // "Visszatöltés": loads the newest backup.
    void BackVisszatoltesGombClick();

private:
    // The program's warning question; Yes = true.
    static bool kerdes(const QString& q);

    kvx::Program& p_;
    // Off while a restore runs: the restore makes no automatic backup.
    bool backMentesEngedely_ = true;
};

#pragma once
// The about box " Névjegy". Its links and its "Támogatás" button ask for
// internet actions through internetKerve; "Licenc" opens the help at the
// licence through the help service of the main window it belongs to.
// NevjegyBekotese registers the box's commands ("Névjegy", "Támogatás").
// Signals: internetKerve(InternetMuvelet).
#include <QDialog>

#include "app/online_access.h"

class QLabel;
class QPushButton;

namespace kvx {

class TNevjegy : public QDialog {
    Q_OBJECT
public:
    // verzioSzoveg: the program version; onlineSorszam: serial of the
    // online-access table.
    TNevjegy(QWidget* parent, const QString& verzioSzoveg, const QString& onlineSorszam,
             double meretSzorzo = 1.0);

    // Shows the box modelessly; with a visible new-version button the
    // new-version action is asked for at once.
    void Start(bool ujVerzioGombLathato = false);
    // "Támogatás": asks whether to write to the maker; Yes asks for the mail.
    void Tamogatas();
    // The serial of the online-access table in use.
    void OnlineSorszam(const QString& sorszam);
    // The internet actions answer internetKerve from now on: the links work.
    // Until then they are disabled, and the support button says that it is
    // not available.
    void InternetElerheto();

    QLabel *Label1, *VersionCimke, *VersionLabel, *VariantLabel, *KeszultCimke, *Label2;
    QLabel *Label3, *Label4, *Label6, *MailCimke;
    QPushButton *OKButton, *LicencButton, *TamogatasGomb;
    // 1 after the support button, 0 after a link.
    int TamogatasGombTag = 0;

signals:
    // A link or the support button asks for an internet action.
    void internetKerve(kvx::InternetMuvelet muvelet);

public slots:
    void OKButtonClick();
    void LicencButtonClick();
    void Label4Click(kvx::InternetMuvelet muvelet);
    void TamogatasGombClick();

private:
    void FormCreate(double meretSzorzo);
    void allapotFrissites();

    bool internet_ = false;
};

// Registers "Névjegy" (shows the box) and "Súgó - Támogatás" (the box's
// support question) in the current command registry; the connections end
// with the box.
void NevjegyBekotese(TNevjegy& nevjegy);

}  // namespace kvx

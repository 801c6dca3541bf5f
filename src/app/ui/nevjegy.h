#pragma once
// The about box " Névjegy".
#include <QDialog>
#include <functional>

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

    // Starts an internet action for a link label's Tag (1 mail, 2 web site,
    // 3 calculator, 4 simulator). The links stay disabled until it is set.
    void setInternetMegszStart(std::function<void(int tag)> fn);
    // Opens the licence page of the help; the button stays disabled until set.
    void setLicencMegnyitas(std::function<void()> fn);

    // Shows the box modelessly; with a visible new-version button the
    // new-version action starts at once.
    void Start(bool ujVerzioGombLathato = false);

    QLabel *Label1, *VersionCimke, *VersionLabel, *VariantLabel, *KeszultCimke, *Label2;
    QLabel *Label3, *Label4, *Label6, *MailCimke;
    QPushButton *OKButton, *LicencButton, *TamogatasGomb;
    int TamogatasGombTag = 0;

public slots:
    void OKButtonClick();
    void LicencButtonClick();
    void Label4Click(int tag);
    void TamogatasGombClick();

private:
    void FormCreate(double meretSzorzo);
    void allapotFrissites();

    std::function<void(int)> internet_;
    std::function<void()> licenc_;
};

}  // namespace kvx

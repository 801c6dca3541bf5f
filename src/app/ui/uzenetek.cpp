#include "app/ui/uzenetek.h"
#include "app/ui/program.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QThread>

#include <atomic>
#include <cmath>
#include <vector>

#include "app/workers.h"
#include "app/ui/megszakitas.h"

namespace kvx {

namespace {

UzenetekAllapot g_uzenetekAllapot;

QString qs(const std::string& s) { return QString::fromStdString(s); }

// Line breaks of the texts are "\r\n"; the labels want "\n".
QString megjelenitheto(QString s)
{
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

bool guiSzalon()
{
    return QCoreApplication::instance() != nullptr &&
           QThread::currentThread() == QCoreApplication::instance()->thread();
}

QWidget* tulajdonos()
{
    if (g_uzenetekAllapot.Tulajdonos) return g_uzenetekAllapot.Tulajdonos.data();
    return QApplication::activeWindow();
}

// A minimised program is restored first, so the box is not hidden.
void alkalmazasVisszaallitas(QWidget* w)
{
    if (w && w->isMinimized()) w->showNormal();
}

QStyle::StandardPixmap ikon(UzenetTipus t)
{
    switch (t) {
    case UzenetTipus::Hiba: return QStyle::SP_MessageBoxCritical;
    case UzenetTipus::Figyelmeztetes: return QStyle::SP_MessageBoxWarning;
    case UzenetTipus::Jovahagyas: return QStyle::SP_MessageBoxQuestion;
    case UzenetTipus::Informacio: return QStyle::SP_MessageBoxInformation;
    }
    return QStyle::SP_MessageBoxInformation;
}

QMessageBox::Icon rendszerIkon(UzenetTipus t)
{
    switch (t) {
    case UzenetTipus::Hiba: return QMessageBox::Critical;
    case UzenetTipus::Figyelmeztetes: return QMessageBox::Warning;
    case UzenetTipus::Jovahagyas: return QMessageBox::Question;
    case UzenetTipus::Informacio: return QMessageBox::Information;
    }
    return QMessageBox::Information;
}

QMessageBox::StandardButton rendszerGomb(UzenetGomb g)
{
    switch (g) {
    case GombIgen: return QMessageBox::Yes;
    case GombNem: return QMessageBox::No;
    case GombOk: return QMessageBox::Ok;
    case GombMegse: return QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QRect munkaTer(QWidget* w)
{
    QScreen* s = w && w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
}

// The system-style box (text size 8).
int rendszerDoboz(QWidget* szulo, const UzenetLeiras& l, const QString& szoveg)
{
    QMessageBox mb(rendszerIkon(l.Tipus), QString::fromUtf8(l.Cim), megjelenitheto(szoveg),
                   QMessageBox::NoButton, szulo);
    const int n = gombokSzama(l.Gombok);
    QAbstractButton* utolso = nullptr;
    std::vector<std::pair<QAbstractButton*, int>> eredmenyek;
    for (int i = 0; i < n; ++i) {
        const UzenetGomb g = gombSorrendben(l.Gombok, i);
        QPushButton* b = mb.addButton(rendszerGomb(g));
        b->setText(QString::fromUtf8(gombFelirat(g)));
        eredmenyek.emplace_back(b, gombEredmeny(g));
        utolso = b;
    }
    if (auto* pb = qobject_cast<QPushButton*>(utolso)) mb.setDefaultButton(pb);
    mb.setEscapeButton(utolso);
    mb.exec();
    for (auto& [b, e] : eredmenyek)
        if (mb.clickedButton() == b) return e;
    return sikertelenEredmeny(l.Gombok);
}

// The program's own dialog (every other text size). Returns the answer; a
// dialog that does not fit the screen is shown as the system-style box.
int sajatDoboz(QWidget* szulo, const UzenetLeiras& l, const QString& szoveg, double meretSzorzo)
{
    const int hiba = sikertelenEredmeny(l.Gombok);
    const double skala = dialogusSkala(meretSzorzo);
    auto px = [skala](double v) { return static_cast<int>(std::lround(v * skala)); };

    QDialog dlg(szulo, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                           Qt::CustomizeWindowHint);
    dlg.setObjectName(QStringLiteral("msgdlg"));
    dlg.setWindowTitle(QString::fromUtf8(l.Cim));
    dlg.setAutoFillBackground(true);
    QPalette pal = dlg.palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Base));
    pal.setColor(QPalette::WindowText, pal.color(QPalette::Text));
    dlg.setPalette(pal);
    QFont betu(QStringLiteral("Tahoma"));
    betu.setPointSizeF(8.0 * skala);
    dlg.setFont(betu);

    const int margo = px(10);
    const int ikonMeret = px(32);
    auto* kep = new QLabel(&dlg);
    kep->setPixmap(dlg.style()->standardIcon(ikon(l.Tipus)).pixmap(ikonMeret, ikonMeret));
    kep->setGeometry(margo, margo, ikonMeret, ikonMeret);

    auto* cimke = new QLabel(&dlg);
    cimke->setObjectName(QStringLiteral("Message"));
    cimke->setTextFormat(Qt::PlainText);
    cimke->setWordWrap(true);
    const QString megj = megjelenitheto(qs(sajatDobozSzoveg(szoveg.toStdString())));
    cimke->setText(megj);

    const int gombSzel = px(75);
    const int gombMag = px(25);
    const QRect ter = munkaTer(szulo);
    const int maxSzel = cimkeMaxSzelesseg(meretSzorzo, ter.width());
    const int minSzel = 4 * gombSzel;
    const QFontMetrics fm(betu);
    const QRect termeszetes =
        fm.boundingRect(QRect(0, 0, std::max(maxSzel, minSzel), 100000), Qt::TextWordWrap, megj);
    const int cimkeSzel = std::clamp(termeszetes.width(), minSzel, std::max(maxSzel, minSzel));
    const int cimkeMag = std::max(cimke->heightForWidth(cimkeSzel), termeszetes.height());
    const int cimkeBal = margo + ikonMeret + margo;
    const int cimkeTeto = margo;
    cimke->setGeometry(cimkeBal, cimkeTeto, cimkeSzel, cimkeMag);

    const int kliensSzel = cimkeBal + cimkeSzel + margo;
    const int gombTeto = cimkeTeto + cimkeMag;
    const int kliensMag = gombTeto + static_cast<int>(std::lround(gombMag * 1.5));

    // Buttons first right-aligned, then the row moved to the centre.
    const int n = gombokSzama(l.Gombok);
    const int koz = px(6);
    std::vector<QPushButton*> gombok;
    int x = kliensSzel - margo - n * gombSzel - (n - 1) * koz;
    for (int i = 0; i < n; ++i) {
        const UzenetGomb g = gombSorrendben(l.Gombok, i);
        auto* b = new QPushButton(QString::fromUtf8(gombFelirat(g)), &dlg);
        b->setGeometry(x, gombTeto, gombSzel, gombMag);
        const int e = gombEredmeny(g);
        QObject::connect(b, &QPushButton::clicked, &dlg, [&dlg, e] { dlg.done(e); });
        gombok.push_back(b);
        x += gombSzel + koz;
    }
    if (!gombok.empty()) {
        const int d = gombSorEltolas(gombok.front()->x(), gombok.back()->x(), gombSzel, kliensSzel);
        for (QPushButton* b : gombok) b->move(b->x() + d, b->y());
        gombok.back()->setDefault(true);
        gombok.back()->setFocus();
    }
    dlg.setFixedSize(kliensSzel, kliensMag);

    DialogusMeretek m;
    m.CimkeTeto = cimkeTeto;
    m.CimkeSzelesseg = cimkeSzel;
    m.CimkeMagassag = cimkeMag;
    m.DialogusSzelesseg = kliensSzel;
    m.DialogusMagassag = kliensMag;
    m.KliensMagassag = kliensMag;
    m.UtolsoGombAlja = gombTeto + gombMag;
    m.KepernyoSzelesseg = ter.width();
    m.KepernyoMagassag = ter.height();
    // A dialog too large for the screen at this text size is still a message
    // the user must see: the system-style box, which the window system fits.
    if (!dialogusElfogadhato(m)) return rendszerDoboz(szulo, l, szoveg);

    // Centred on the owner window, or on the work area.
    const QRect kozep = szulo ? szulo->frameGeometry() : ter;
    dlg.move(kozep.left() + (kozep.width() - kliensSzel) / 2,
             kozep.top() + (kozep.height() - kliensMag) / 2);

    const int e = dlg.exec();
    // Closing the window without a button counts as the last button.
    if (e == mrOk || e == mrCancel || e == mrYes || e == mrNo) return e;
    return hiba;
}

// Shows one box on the GUI thread; never throws.
int dobozGuiSzalon(UzenetRutin rutin, const QString& szoveg)
{
    const UzenetLeiras l = uzenetLeiras(rutin);
    try {
        const UzenetBeallitasok& b = uzenetBeallitasok();
        QWidget* szulo = tulajdonos();
        alkalmazasVisszaallitas(szulo);
        if (b.MeretIndex < 1) return rendszerDoboz(szulo, l, szoveg);
        return sajatDoboz(szulo, l, szoveg, b.MeretSzorzo);
    } catch (...) {
        return sikertelenEredmeny(l.Gombok);
    }
}

// Runs fn on the GUI thread and returns its answer: directly when called
// there, otherwise the calling worker waits until the GUI thread answered.
// A worker asking while the program shuts down gets the failure answer.
int guiSzalonValasz(const std::function<int()>& fn, int hibaEredmeny)
{
    if (guiSzalon()) {
        try {
            return fn();
        } catch (...) {
            return hibaEredmeny;
        }
    }
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || szalak().Leall() || SzalNyilvantartas::SajatLeallitasKerve()) return hibaEredmeny;
    g_uzenetekAllapot.MsgEredmeny.store(kMsgFuggoben);
    int eredmeny = hibaEredmeny;
    // The GUI thread reads this thread's data (the text on its stack) and
    // this thread reads the answer, in the order the blocking call gives.
    const bool ok = GuiSzalonFuttatas(
        [&] {
            try {
                eredmeny = fn();
            } catch (...) {
                eredmeny = hibaEredmeny;
            }
        },
        true);
    if (!ok) eredmeny = hibaEredmeny;
    g_uzenetekAllapot.MsgEredmeny.store(eredmeny);
    return eredmeny;
}

int doboz(UzenetRutin rutin, const QString& szoveg)
{
    const UzenetLeiras l = uzenetLeiras(rutin);
    return guiSzalonValasz([&] { return dobozGuiSzalon(rutin, szoveg); },
                           sikertelenEredmeny(l.Gombok));
}

bool hangjelzes(int hang)
{
    if (hang >= 0 && uzenetBeallitasok().Hangjelzes) QApplication::beep();
    return true;
}

std::uint8_t* tippJelzo(int index)
{
    auto* log = uzenetBeallitasok().UzenetekLog;
    if (!log || index < 0 || index >= static_cast<int>(log->size())) return nullptr;
    return &(*log)[static_cast<std::size_t>(index)];
}

}  // namespace

UzenetekAllapot& uzenetekAllapot() { return g_uzenetekAllapot; }

int UzenetDialogus(UzenetRutin rutin, const QString& szoveg) { return doboz(rutin, szoveg); }

void HibaUzenet(const QString& szoveg) { doboz(UzenetRutin::HibaUzenet, szoveg); }

bool ProgramKerdes(const QString& szoveg)
{
    const Program& p = Program::aktualis();
    return p.Kerdes ? p.Kerdes(szoveg) : FigyelmeztetoKerdes(szoveg);
}

void ProgramHibaUzenet(const QString& szoveg)
{
    const Program& p = Program::aktualis();
    if (p.HibaUzenet)
        p.HibaUzenet(szoveg);
    else
        HibaUzenet(szoveg);
}

bool InditasiDobozok() { return qEnvironmentVariableIsEmpty("KAVAREX_NO_STARTUP_BOXES"); }

bool HibaKerdes(const QString& szoveg) { return doboz(UzenetRutin::HibaKerdes, szoveg) == mrYes; }

bool FigyelmeztetoKerdes(const QString& szoveg)
{
    return doboz(UzenetRutin::FigyelmeztetoKerdes, szoveg) == mrYes;
}

void FigyelmeztetoUzenet(const QString& szoveg) { doboz(UzenetRutin::FigyelmeztetoUzenet, szoveg); }

bool JovahagyasKerese(const QString& szoveg)
{
    return guiSzalonValasz(
               [&] {
                   if (!uzenetBeallitasok().Jovahagyas) return mrYes;
                   const int e = dobozGuiSzalon(UzenetRutin::JovahagyasKerese, szoveg);
                   if (std::uint8_t* tipp = tippJelzo(kTippJovahagyas); tipp && *tipp != 0)
                       *tipp = HasznosInformacio(QString::fromUtf8(kJovahagyasTipp)) ? 1 : 0;
                   return e;
               },
               mrNo) == mrYes;
}

bool JovahagyasKerdes(const QString& szoveg)
{
    return guiSzalonValasz(
               [&] {
                   hangjelzes(uzenetLeiras(UzenetRutin::JovahagyasKerdes).Hang);
                   return dobozGuiSzalon(UzenetRutin::JovahagyasKerdes, szoveg);
               },
               mrNo) == mrYes;
}

int IgenNemMegseKerdes(const QString& szoveg)
{
    return guiSzalonValasz(
        [&] {
            hangjelzes(uzenetLeiras(UzenetRutin::IgenNemMegseKerdes).Hang);
            return dobozGuiSzalon(UzenetRutin::IgenNemMegseKerdes, szoveg);
        },
        mrCancel);
}

void InformacioUzenet(const QString& szoveg) { doboz(UzenetRutin::InformacioUzenet, szoveg); }

bool HasznosInformacio(const QString& szoveg)
{
    return guiSzalonValasz(
               [&] {
                   const UzenetBeallitasok& b = uzenetBeallitasok();
                   if (!b.Inform) return mrYes;
                   const std::string t =
                       hasznosInformacioSzoveg(szoveg.toStdString(), b.MeretIndex < 1);
                   return dobozGuiSzalon(UzenetRutin::HasznosInformacio, qs(t));
               },
               mrNo) == mrYes;
}

void ErvenytelenAllomanyUzenet(const QString& allomany, const QString& szoveg, bool altalanos)
{
    HibaUzenet(qs(ervenytelenAllomanySzoveg(allomany.toStdString(), szoveg.toStdString(), altalanos)));
}

void NincsSzabadHelyUzenet() { HibaUzenet(QString::fromUtf8(kNincsSzabadHely)); }

void HianyzoHuzasListaUzenet() { HibaUzenet(QString::fromUtf8(kHianyzoHuzasLista)); }

void AllomanyHibaUzenet(int objektum, int muvelet)
{
    HibaUzenet(qs(allomanyHibaSzoveg(objektum, muvelet, uzenetBeallitasok().IniAllomany)));
}

void SerultHuzasListaUzenet()
{
    if (!HibaKerdes(QString::fromUtf8(kSerultHuzasLista))) return;
    guiSzalonValasz(
        [] {
            if (g_uzenetekAllapot.AktualisAdatbazisFrissites)
                g_uzenetekAllapot.AktualisAdatbazisFrissites();
            else
                dobozGuiSzalon(UzenetRutin::InformacioUzenet, QString::fromUtf8(kNemErhetoEl));
            return mrOk;
        },
        mrOk);
}

bool BefejezetlenVariacioUzenet(bool& befejezetlenVariacio, const BontasAllapotJelzok& allapot,
                                const QString& ertesites, bool kerdez, const QString& kerdes)
{
    if (!befejezetlenVariacioErtesitendo(befejezetlenVariacio, allapot)) return true;
    bool eredmeny = true;
    if (kerdez) {
        eredmeny = JovahagyasKerese(ertesites + QStringLiteral("\r\n\r\n") + kerdes);
    } else {
        FigyelmeztetoUzenet(ertesites);
    }
    befejezetlenVariacio = !eredmeny;
    return eredmeny;
}

void UjabbVerzioAllomanyUzenet(const QString& allomanyVerzio)
{
    FigyelmeztetoUzenet(qs(
        ujabbVerzioAllomanySzoveg(uzenetBeallitasok().VerzioSzoveg, allomanyVerzio.toStdString())));
}

void MasikJatekAllomanyUzenet(const QString& allomany, bool hiba, int lottoIndex)
{
    const QString t = qs(masikJatekAllomanySzoveg(allomany.toStdString(), hiba, lottoIndex));
    if (hiba)
        HibaUzenet(t);
    else
        FigyelmeztetoUzenet(t);
}

void NincsInternetUzenet() { HibaUzenet(QString::fromUtf8(kNincsInternet)); }

void PluszSzamTipp(bool tortenettel, int lottoIndex, int huzTablaSor)
{
    guiSzalonValasz(
        [&] {
            const std::uint8_t* tortenetTipp = tippJelzo(kTippPluszSzamTortenet);
            const std::string t = pluszSzamTippSzoveg(
                tortenettel, tortenetTipp && *tortenetTipp != 0,
                pluszSzamTortenet(lottoIndex, huzTablaSor));
            const bool ujra = HasznosInformacio(qs(t));
            if (std::uint8_t* tipp = tippJelzo(kTippPluszSzam)) *tipp = ujra ? 1 : 0;
            return mrOk;
        },
        mrOk);
}

}  // namespace kvx

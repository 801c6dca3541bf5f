#include "app/ui/foablak.h"

#include "app/folders.h"
#include "app/main_state.h"
#include "app/settings.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>

using namespace kvx;

namespace {

QString utf8(const std::string& s)
{
    return QString::fromStdString(s);
}

QScreen* kepernyo(const QWidget* w)
{
    QScreen* s = w->screen();
    return s ? s : QGuiApplication::primaryScreen();
}

}  // namespace

TFoablak::TFoablak(const QString& programAllomany, QWidget* parent) : QMainWindow(parent)
{
    setObjectName("Foablak");
    FormCreate(programAllomany);
}

void TFoablak::FormCreate(const QString& programAllomany)
{
    const QString exe = programAllomany.isEmpty() ? QCoreApplication::applicationFilePath() : programAllomany;
    Folders& f = folders();
    Settings& s = settings();

    const QScreen* scr = kepernyo(this);
    const QRect kep = scr ? scr->geometry() : QRect(0, 0, 1024, 768);
    const QRect munka = scr ? scr->availableGeometry() : kep;
    s.BetuMeret = AlapBetuMeret(kep.width(), scr ? static_cast<int>(scr->logicalDotsPerInch()) : 96);
    AblakMinimum(kep.width(), kep.height(), {munka.x(), munka.y(), munka.width(), munka.height()},
                 (s.BetuMeret - 8) / 2, minSzelesseg_, minMagassag_);
    setMinimumSize(std::min(minSzelesseg_, munka.width()), std::min(minMagassag_, munka.height()));

    KonyvtarakBeallitasa(f, exe.toStdString());
    KonyvtarakLetrehozasa(f);
    UtolsoKonyvtarakAlap(f);

    const int sorMagassag = QFontMetrics(font()).boundingRect(QStringLiteral("Í")).height();
    SzelvIniAlap(s, game(), mainState(), sorMagassag);

    JatekMenuEpites();

    const QString ini = utf8(f.IniAllomany);
    if (QFile::exists(ini)) {
        AblakKorlatok k;
        k.MunkaTerulet = {munka.x(), munka.y(), munka.width(), munka.height()};
        k.MinSzelesseg = minSzelesseg_;
        k.MinMagassag = minMagassag_;
        const IniEredmeny r = KavarexIniOlvas(s, game(), f, k);
        if (!r.Rendben) {
            if (!r.HibaUzenet.empty())
                HibaUzenet(utf8(r.HibaUzenet));
            HibaUzenet(utf8(IniSerultUzenet(f.IniAllomany)));
            QFile::remove(ini);
            AblakElhelyezes(s.AblakSzelesseg <= 0);
            KavarexIniIras();
        } else {
            AblakElhelyezes(false);
        }
    } else {
        AblakElhelyezes(true);
        KavarexIniIras();
    }

    KavarexIni();
    JatekParameterek(game());
    JatekMenuJeloles();
}

void TFoablak::AblakElhelyezes(bool elsoInditas)
{
    Settings& s = settings();
    const QScreen* scr = kepernyo(this);
    const QRect kep = scr ? scr->geometry() : QRect(0, 0, 1024, 768);
    const QRect munka = scr ? scr->availableGeometry() : kep;
    if (elsoInditas) {
        // First run: the work area on smaller screens, 1920 x 1080 on larger
        // ones, centred in the work area.
        QSize meret = kep.width() < 1920 ? munka.size() : QSize(1920, 1080);
        meret = meret.boundedTo(munka.size());
        s.AblakSzelesseg = meret.width();
        s.AblakMagassag = meret.height();
        s.AblakBal = munka.x() + (munka.width() - meret.width()) / 2;
        s.AblakFelso = munka.y() + (munka.height() - meret.height()) / 2;
    }
    move(s.AblakBal, s.AblakFelso);
    resize(s.AblakSzelesseg, s.AblakMagassag);
}

void TFoablak::KavarexIni()
{
    const int jatek = game().LottoIndex;
    setWindowTitle(QStringLiteral("Kavarex Personal  -  ") + QString::fromUtf8(JatekNev[static_cast<std::size_t>(jatek)]));
    JatekKonyvtarakBeallitasa(folders(), jatek);
}

QAction* TFoablak::JatekMenuPont(QMenu* menu, int tag, const QString& felirat)
{
    QAction* a = menu->addAction(felirat);
    a->setCheckable(true);
    a->setData(tag);
    jatekCsoport_->addAction(a);
    jatekPontok_[static_cast<std::size_t>(tag)] = a;
    connect(a, &QAction::triggered, this, [this, tag] { LottoSelect(tag); });
    return a;
}

QMenu* TFoablak::JatekAlmenu(const char* felirat, std::initializer_list<int> tagok)
{
    QMenu* almenu = LottoMenu->addMenu(QString::fromUtf8(felirat));
    for (int tag : tagok)
        JatekMenuPont(almenu, tag, QString::fromUtf8(JatekNev[static_cast<std::size_t>(tag)]).replace("&", "&&"));
    return almenu;
}

void TFoablak::JatekMenuEpites()
{
    jatekCsoport_ = new QActionGroup(this);
    jatekCsoport_->setExclusive(true);

    LottoMenu = menuBar()->addMenu(QStringLiteral("Játék"));
    LottoMenu->menuAction()->setStatusTip(QStringLiteral(" Játék kiválasztása "));
    LottoMenu->menuAction()->setToolTip(QStringLiteral(" Játék kiválasztása "));

    QMenu* keno = LottoMenu->addMenu(QStringLiteral("Magyar Kenó "));
    keno->menuAction()->setStatusTip(QStringLiteral(" Magyar Kenó játéktípusok "));
    keno->menuAction()->setToolTip(QStringLiteral(" Magyar Kenó játéktípusok "));
    for (int tag = 8; tag <= 16; ++tag)
        JatekMenuPont(keno, tag, QStringLiteral("%1 számra").arg(18 - tag));
    LottoMenu->addSeparator();

    const auto pont = [this](int tag) {
        return JatekMenuPont(LottoMenu, tag, QString::fromUtf8(JatekNev[static_cast<std::size_t>(tag)]).replace("&", "&&"));
    };
    pont(0)->setShortcut(QKeySequence(Qt::Key_F5));
    pont(1)->setShortcut(QKeySequence(Qt::Key_F6));
    pont(2)->setShortcut(QKeySequence(Qt::Key_F7));
    LottoMenu->addSeparator();

    // The other countries in groups by initial letter.
    JatekAlmenu("Ausztrál", {41, 38, 29, 42});
    pont(5);
    LottoMenu->addSeparator();
    pont(30);
    pont(24);
    LottoMenu->addSeparator();
    pont(40);
    LottoMenu->addSeparator();
    JatekAlmenu("Horvát", {6, 7});
    LottoMenu->addSeparator();
    JatekAlmenu("Kanada", {32, 33, 34});
    LottoMenu->addSeparator();
    pont(37);
    LottoMenu->addSeparator();
    pont(26);
    LottoMenu->addSeparator();
    JatekAlmenu("Román", {17, 18});
    LottoMenu->addSeparator();
    pont(19);
    JatekAlmenu("Szlovák", {3, 4, 25});
    JatekAlmenu("Szlovén", {20, 21});
    LottoMenu->addSeparator();
    JatekAlmenu("UK", {35, 36});
    JatekAlmenu("Ukrán", {22, 23});
    JatekAlmenu("USA", {31, 39, 27, 28});
    LottoMenu->addSeparator();
    pont(43);
}

void TFoablak::JatekMenuJeloles()
{
    const int jatek = game().LottoIndex;
    for (QAction* a : LottoMenu->actions()) {
        if (QMenu* almenu = a->menu()) {
            bool benne = false;
            for (QAction* b : almenu->actions()) {
                if (b->data().isValid() && b->data().toInt() == jatek) {
                    b->setChecked(true);
                    benne = true;
                }
            }
            // A submenu item has no radio mark of its own: while one of its
            // games is the current one it shows a check mark and a bold title.
            a->setCheckable(benne);
            a->setChecked(benne);
            QFont betu = a->font();
            betu.setBold(benne);
            a->setFont(betu);
        } else if (a->data().isValid() && a->data().toInt() == jatek) {
            a->setChecked(true);
        }
    }
}

void TFoablak::LottoSelect(int tag)
{
    if (tag < 0 || tag >= kJatekokSzama)
        return;
    game().LottoIndex = tag;
    KavarexIni();
    JatekParameterek(game());
    JatekMenuJeloles();
}

void TFoablak::KavarexIniIras()
{
    const QScreen* scr = kepernyo(this);
    const QRect kep = scr ? scr->geometry() : QRect();
    const IniEredmeny r = kvx::KavarexIniIras(settings(), game(), folders(), kep.width(), kep.height());
    if (!r.Rendben)
        HibaUzenet(utf8(r.HibaUzenet));
}

void TFoablak::HibaUzenet(const QString& szoveg)
{
    QMessageBox::critical(this, QApplication::applicationName(), szoveg);
}

void TFoablak::closeEvent(QCloseEvent* event)
{
    if (!mainState().Kilepes) {
        Settings& s = settings();
        s.AblakBal = x();
        s.AblakFelso = y();
        s.AblakSzelesseg = width();
        s.AblakMagassag = height();
        KavarexIniIras();
    }
    event->accept();
}

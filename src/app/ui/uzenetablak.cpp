#include "app/ui/uzenetablak.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "app/ui/ablak_segedek.h"
#include "app/ui/megszakitas.h"
#include "platform/taskbar_progress.h"

namespace kvx {

TUzenetAblak::TUzenetAblak(QWidget* foablak, double meretSzorzo, UzenetAblakAllapot& allapot,
                           SzalNyilvantartas& szalak)
    // Not a child of the main window: it is none of the program's windows
    // that a switch-off names, so it answers whatever else is off.
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      foablak_(foablak),
      meretSzorzo_(meretSzorzo),
      allapot_(allapot),
      szalak_(szalak)
{
    setObjectName(QStringLiteral("UzenetAblak"));
    setWindowTitle(QStringLiteral(" Türelmét kérem"));
    QFont f(QStringLiteral("Tahoma"));
    f.setBold(true);
    setFont(f);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, QColor(0, 128, 128));
    setPalette(pal);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    QFont lf(QStringLiteral("Tahoma"));
    lf.setBold(false);  // the window's font is bold, the text is not
    Label1->setFont(lf);
    QPalette lp = Label1->palette();
    lp.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::WindowText));
    Label1->setPalette(lp);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(Label1);

    Timer4 = new QTimer(this);
    Timer4->setObjectName(QStringLiteral("Timer4"));
    Timer4->setInterval(1000);
    connect(Timer4, &QTimer::timeout, this, &TUzenetAblak::Timer4Timer);
    FormCreate();
}

void TUzenetAblak::FormCreate()
{
    double skala = 1.0;
    if (meretSzorzo_ > 1.0) skala = std::round(meretSzorzo_ * 100) / 100.0;
    QFont f = font();
    f.setPointSizeF(8.0 * skala);
    setFont(f);
    QFont lf = Label1->font();
    lf.setPointSizeF(8.0 * skala);
    Label1->setFont(lf);
    setFixedSize(static_cast<int>(std::lround(404 * skala)), static_cast<int>(std::lround(51 * skala)));
}

void TUzenetAblak::UzenetKi(const QString& szoveg, int elhelyezes, int feladat, bool futtat)
{
    if (!szalak_.Tetlen()) return;

    setEnabled(true);
    Label1->setText(szoveg);
    Label1->repaint();
    allapot_.UzenetAblakFeladat.store(feladat);

    const FoablakMeretek f = foablakMeretek(foablak_, 0, 0, meretSzorzo_);
    if (elhelyezes == 1) {
        const QRect r = frameGeometry();
        const QPoint eger = QCursor::pos();
        const Teglalap t = egerMelleHelyezes(f, {r.x(), r.y(), r.width(), r.height()}, eger.x(),
                                             eger.y());
        move(t.Left, t.Top);
    } else if (foablak_) {
        const QRect r = frameGeometry();
        move(f.Left + (f.Width - r.width()) / 2, f.Top + (f.Height - r.height()) / 2);
    }

    if (!futtat) {
        // The caller works on the GUI thread now: no window of the program
        // takes the user's input until UzenetVege.
        tiltas_ = AblakTiltas::MindenMasAblak(this);
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
        setModal(false);
        show();
        Label1->repaint();
        return;
    }

    setWindowFlag(Qt::WindowStaysOnTopHint, false);
    if (feladat == kFeladatVeletlenSzamsorok) platform::SetTaskbarProgressState(2);

    UzenetAblakMunka munka;
    if (feladat >= 1 && feladat < kUzenetAblakFeladatokSzama)
        munka = allapot_.Feladatok[static_cast<std::size_t>(feladat)];
    MegszakitasLeiras l;
    l.Form = this;
    l.Idozito = Timer4;
    l.Munka = [munka, this](std::stop_token st) {
        if (munka) munka(st, allapot_.Haladas);
    };
    l.VegeKezelo = [this](bool) {
        done(QDialog::Accepted);
        hide();
    };
    munka_ = Megszakitas::Indit(std::move(l), szalak_);
    if (munka_) {
        struct Vege {
            TUzenetAblak* w;
            ~Vege()
            {
                w->hide();
                platform::SetTaskbarProgressValue(100, 0);
                platform::SetTaskbarProgressState(0);
                // The worker is past its end handler; wait for its last step
                // so the next job sees the program idle.
                w->szalak_.Bevar(w->munka_);
                w->munka_.reset();
                w->allapot_.UzenetAblakFeladat.store(kFeladatNincs);
            }
        } vege{this};
        exec();
    }
}

void TUzenetAblak::UzenetVege()
{
    close();
    tiltas_.Vege();
    hide();
}

void TUzenetAblak::Timer4Timer()
{
    if (szalak_.Tetlen() || !Timer4->isActive()) return;
    const MunkaJelzok& h = allapot_.Haladas;
    const UzenetAblakHaladas e =
        veletlenSzamsorHaladas(allapot_.UzenetAblakFeladat.load(), h.Kezdet.load(),
                               h.Aktualis.load(), h.Utolso.load(), allapot_.TobbSorsolas);
    if (e.Szoveg) {
        Label1->setText(QString::fromStdString(*e.Szoveg));
        Label1->repaint();
    }
    if (e.Szazalek) platform::SetTaskbarProgressValue(100, static_cast<std::uint64_t>(*e.Szazalek));
}

void TUzenetAblak::reject()
{
    // During a job the window closes only when the job has ended.
    if (munka_) {
        szalak_.LeallitasKerese(munka_);
        return;
    }
    QDialog::reject();
}

void TUzenetAblak::closeEvent(QCloseEvent* e)
{
    if (munka_) {
        szalak_.LeallitasKerese(munka_);
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

}  // namespace kvx

#include "app/ui/kavarex_application.h"
#include "app/ui/program.h"

#include <QDateTime>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSysInfo>
#include <QTableView>
#include <QThread>

#include "app/game_table.h"
#include "app/main_state.h"
#include "app/maker_info.h"
#include "app/messages.h"
#include "app/workers.h"
#include "app/ui/megszakitas.h"
#include "app/ui/uzenetablak.h"

namespace kvx {

namespace {

HibaKezeloBeallitasok g_hibaKezelo;
int g_kezelesMelyseg = 0;  // nesting of the handler (GUI thread only)

QString szuloOsztaly(const QMetaObject* mo)
{
    return mo && mo->superClass() ? QString::fromLatin1(mo->superClass()->className()) : QString();
}

void kivetelAdatok(std::exception_ptr hiba, HibaNaploAdatok& a)
{
    try {
        if (hiba) std::rethrow_exception(hiba);
        a.Uzenet = "Ismeretlen hiba";
        a.ErrorName = "unknown";
    } catch (const std::exception& e) {
        a.Uzenet = e.what();
        a.ErrorName = kivetelOsztaly(e);
        a.ErrorParent = kivetelSzuloOsztaly(e);
    } catch (...) {
        a.Uzenet = "Ismeretlen hiba";
        a.ErrorName = "unknown";
    }
}

// The row count and current row of a list window's grid, counted as the
// grid shows them: its header is row 0, the first line row 1. Unset when no
// window holds such a grid.
std::optional<TablaPozicio> tablaPozicio(const QString& nev)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const QTableView* t = w->findChild<QTableView*>(nev);
        if (!t || !t->model())
            continue;
        return TablaPozicio{t->model()->rowCount() + 1, t->currentIndex().isValid() ? t->currentIndex().row() + 1 : 0};
    }
    return std::nullopt;
}

void alapKilepes()
{
    mainState().Kilepes = true;
    QCoreApplication::exit(1);
}

}  // namespace

HibaKezeloBeallitasok& hibaKezeloBeallitasok() { return g_hibaKezelo; }

void KVXException(const QString& kuldoOsztaly, const QString& kuldoSzulo, std::exception_ptr hiba)
{
    struct Melyseg {
        Melyseg() { ++g_kezelesMelyseg; }
        ~Melyseg() { --g_kezelesMelyseg; }
    } melyseg;

    HibaNaploAdatok a;
    kivetelAdatok(hiba, a);
    const QLocale loc = QLocale::system();
    const QDateTime most = QDateTime::currentDateTime();
    a.DatumIdo = (loc.toString(most.date(), QLocale::ShortFormat) + u' ' +
                  loc.toString(most.time(), QLocale::LongFormat))
                     .toStdString();
    a.VerzioSzoveg = uzenetBeallitasok().VerzioSzoveg;
    a.ClassName = kuldoOsztaly.toStdString();
    a.ClassParent = kuldoSzulo.toStdString();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip) continue;
        a.Ablakok.push_back({w->metaObject()->className(), w->windowTitle().toStdString(),
                             w->isVisible()});
    }
    a.LottoIndex = game().LottoIndex;
    a.FThreadLog = szalak().Tetlen();
    // The state lines: what the program holds at the moment of the error.
    if (g_hibaKezelo.AllapotSorok)
        g_hibaKezelo.AllapotSorok(a);
    a.HuzTabla = tablaPozicio(QStringLiteral("HuzTabla"));
    a.BontTabla = tablaPozicio(QStringLiteral("BontTabla"));
    a.Platform = QSysInfo::kernelType().toStdString();
    a.PlatformFoVerzio = QSysInfo::kernelVersion().section(u'.', 0, 0).toStdString();

    // A log that cannot be written does not stop the question.
    const QString utvonal = g_hibaKezelo.ListKonyvtar + QString::fromLatin1(kHibaNaploNev);
    hibaNaploIras(utvonal.toStdString(), hibaNaploSzoveg(a));

    // An exception raised while the question of an earlier one is open is
    // only logged: the open question already decides about quitting.
    if (g_kezelesMelyseg > 1) return;

    // A visible wait window closes: the question must not stand behind it.
    if (const QPointer<TUzenetAblak> w = Program::aktualis().VarakozoAblak; w && w->isVisible())
        w->UzenetVege();

    QString uzenet = QString::fromStdString(
        kritikusHibaSzoveg(a.Uzenet, g_hibaKezelo.ListKonyvtar.toStdString(), gyartoCimek().Email));
    uzenet.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox mb(QMessageBox::Warning, QStringLiteral(" Figyelmeztetés"), uzenet);
    mb.setObjectName(QStringLiteral("KVXException"));
    QPushButton* igen = mb.addButton(QStringLiteral("Igen"), QMessageBox::YesRole);
    QPushButton* nem = mb.addButton(QStringLiteral("Nem"), QMessageBox::NoRole);
    mb.setDefaultButton(nem);
    mb.setEscapeButton(nem);
    mb.exec();
    if (mb.clickedButton() == igen) {
        if (g_hibaKezelo.Kilepes)
            g_hibaKezelo.Kilepes();
        else
            alapKilepes();
        return;
    }
    // No: the error is shown the ordinary way and the program goes on.
    QMessageBox hibaDoboz(QMessageBox::Critical, QStringLiteral("Kavarex Personal"),
                          QString::fromStdString(a.Uzenet));
    hibaDoboz.setObjectName(QStringLiteral("KVXExceptionShow"));
    hibaDoboz.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    hibaDoboz.exec();
}

void KVXException(const QObject* kuldo, std::exception_ptr hiba)
{
    const QMetaObject* mo = kuldo ? kuldo->metaObject() : nullptr;
    KVXException(mo ? QString::fromLatin1(mo->className()) : QString(), szuloOsztaly(mo), hiba);
}

bool vedettErtesites(QApplication* app, QObject* fogado, QEvent* esemeny)
{
    try {
        return app->QApplication::notify(fogado, esemeny);
    } catch (...) {
        std::exception_ptr hiba = std::current_exception();
        if (QThread::currentThread() == app->thread()) {
            KVXException(fogado, hiba);
        } else {
            const QMetaObject* mo = fogado ? fogado->metaObject() : nullptr;
            const QString osztaly = mo ? QString::fromLatin1(mo->className()) : QString();
            const QString szulo = szuloOsztaly(mo);
            GuiSzalonKuldes(app, [osztaly, szulo, hiba] { KVXException(osztaly, szulo, hiba); });
        }
        return false;
    }
}

KavarexApplication::KavarexApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool KavarexApplication::notify(QObject* fogado, QEvent* esemeny)
{
    return vedettErtesites(this, fogado, esemeny);
}

}  // namespace kvx

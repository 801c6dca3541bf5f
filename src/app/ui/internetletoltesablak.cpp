#include "app/ui/internetletoltesablak.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>
#include <cmath>

#include "app/ui/internet_vezerlo.h"

TInternetLetoltesAblak::TInternetLetoltesAblak(QWidget* parent, double meretSzorzo) : QDialog(parent)
{
    setObjectName(QStringLiteral("InternetLetoltesAblak"));
    FormCreate(meretSzorzo);
}

void TInternetLetoltesAblak::FormCreate(double meretSzorzo)
{
    setWindowTitle(QStringLiteral(" Internetkapcsolat"));
    // A dialog without border icons that stays on top while it shows. It is
    // answered first like a modal one, but the other windows are switched
    // off rather than blocked: a modal window would make the window system
    // drop the main window's close box, and closing the program is how the
    // user may also stop a download.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);
    setWindowModality(Qt::NonModal);
    QFont f(QStringLiteral("Tahoma"));
    const double szorzo = meretSzorzo > 1.0 ? std::round(meretSzorzo * 100.0) / 100.0 : 1.0;
    f.setPointSizeF(8.0 * szorzo);
    setFont(f);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(4, 4, 4, 4);
    l->addWidget(Label1);
    setFixedSize(static_cast<int>(404 * szorzo), static_cast<int>(51 * szorzo));
}

void TInternetLetoltesAblak::SetVezerlo(InternetVezerlo* v)
{
    vezerlo_ = v;
    connect(v, &InternetVezerlo::statusz, this, &TInternetLetoltesAblak::UzenetKi);
    connect(v, &InternetVezerlo::ablakNyitas, this, [this] {
        bezarhato_ = false;
        if (QWidget* p = parentWidget())
            move(p->geometry().center() - QPoint(width() / 2, height() / 2));
        tiltas_ = kvx::AblakTiltas::MindenMasAblak(this);
        show();
        raise();
        activateWindow();
    });
    connect(v, &InternetVezerlo::ablakZaras, this, [this] {
        bezarhato_ = true;
        hide();
        tiltas_.Vege();
    });
}

void TInternetLetoltesAblak::UzenetKi(const QString& szoveg)
{
    Label1->setText(szoveg + QLatin1Char('.'));
    Label1->repaint();
}

void TInternetLetoltesAblak::FormShow()
{
    setEnabled(true);
    Label1->setText(QStringLiteral("Internetkapcsolat..."));
}

void TInternetLetoltesAblak::showEvent(QShowEvent* e)
{
    FormShow();
    QDialog::showEvent(e);
}

void TInternetLetoltesAblak::closeEvent(QCloseEvent* e)
{
    // While the action runs, closing stops it; the window goes when the
    // action has ended.
    if (!bezarhato_) {
        e->ignore();
        if (vezerlo_)
            vezerlo_->Leallitas();
    } else {
        QDialog::closeEvent(e);
    }
}

void TInternetLetoltesAblak::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape && !bezarhato_) {
        if (vezerlo_)
            vezerlo_->Leallitas();
        return;
    }
    QDialog::keyPressEvent(e);
}

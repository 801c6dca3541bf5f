#include "draws/ui/keres_panel.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/settings.h"
#include "app/ui/program.h"

using namespace kvx;

TKeresPanel::TKeresPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("KeresPanel"));
    setFrameShape(QFrame::StyledPanel);
    auto* fo = new QVBoxLayout(this);
    fo->setContentsMargins(2, 2, 2, 2);
    fo->setSpacing(2);
    Label1 = new QLabel(QStringLiteral("Keresett találati arány"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setAutoFillBackground(true);
    fo->addWidget(Label1);
    auto* sor = new QHBoxLayout;
    sor->setSpacing(2);
    const auto gomb = [this](const char* nev, const char* felirat, const char* tipp, int tag) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromUtf8(nev));
        b->setText(QString::fromUtf8(felirat));
        b->setToolTip(QString::fromUtf8(tipp));
        b->setProperty("Tag", tag);
        return b;
    };
    ElsoreKeresGomb = gomb("ElsoreKeresGomb", "|<", " Ugrás az első találatra. ", 0);
    VisszaKeresGomb = gomb("VisszaKeresGomb", "<", " Előző találat ", 1);
    TovabbKeresGomb = gomb("TovabbKeresGomb", ">", " Következő találat ", 1);
    UtolsoraKeresGomb = gomb("UtolsoraKeresGomb", ">|", " Ugrás az utolsó találatra. ", 0);
    KeresBox = new QComboBox(this);
    KeresBox->setObjectName(QStringLiteral("KeresBox"));
    KeresBox->setToolTip(QStringLiteral(" Keresett találati arány "));
    KeresBox->addItem(QStringLiteral("Tételes"));
    sor->addWidget(ElsoreKeresGomb);
    sor->addWidget(VisszaKeresGomb);
    sor->addWidget(KeresBox, 1);
    sor->addWidget(TovabbKeresGomb);
    sor->addWidget(UtolsoraKeresGomb);
    fo->addLayout(sor);
    connect(KeresBox, &QComboBox::activated, this, &TKeresPanel::kivalasztas);
    connect(ElsoreKeresGomb, &QToolButton::clicked, this, &TKeresPanel::elsore);
    connect(VisszaKeresGomb, &QToolButton::clicked, this, &TKeresPanel::vissza);
    connect(TovabbKeresGomb, &QToolButton::clicked, this, &TKeresPanel::tovabb);
    connect(UtolsoraKeresGomb, &QToolButton::clicked, this, &TKeresPanel::utolsora);
    CimkeKiemeles(true);
}

void TKeresPanel::Feltoltes(const GameParams& g, const TTombInt1D& tabla)
{
    tabla_ = tabla;
    elemek_ = KeresBoxElemek(g, tabla);
    const QSignalBlocker b(KeresBox);
    KeresBox->clear();
    for (const KeresElem& e : elemek_)
        KeresBox->addItem(QString::fromStdString(e.Szoveg));
    kivalasztas(elemek_.size() >= 2 ? 1 : 0);
}

bool TKeresPanel::Minden() const { return KeresBox->currentIndex() < 1; }

void TKeresPanel::kivalasztas(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= elemek_.size())
        index = 0;
    {
        const QSignalBlocker b(KeresBox);
        KeresBox->setCurrentIndex(index);
    }
    if (index >= 1) {
        min_ = max_ = elemek_[static_cast<std::size_t>(index)].Ertek;
    } else {
        const auto [lo, hi] = MindenKerTal(tabla_);
        min_ = lo;
        max_ = hi;
    }
    emit valasztas();
}

void TKeresPanel::TovabbAllapot(bool engedelyezett, bool hang)
{
    const KeresTippek t =
        KeresGombTippek(true, engedelyezett, Minden(), KeresBox->currentText().toStdString());
    TovabbKeresGomb->setEnabled(engedelyezett);
    UtolsoraKeresGomb->setEnabled(engedelyezett);
    TovabbKeresGomb->setToolTip(QString::fromStdString(t.Lepes));
    UtolsoraKeresGomb->setToolTip(QString::fromStdString(t.Vege));
    if (!engedelyezett && hang && settings().Hangjelzes)
        QApplication::beep();
}

void TKeresPanel::VisszaAllapot(bool engedelyezett, bool hang)
{
    const KeresTippek t =
        KeresGombTippek(false, engedelyezett, Minden(), KeresBox->currentText().toStdString());
    VisszaKeresGomb->setEnabled(engedelyezett);
    ElsoreKeresGomb->setEnabled(engedelyezett);
    VisszaKeresGomb->setToolTip(QString::fromStdString(t.Lepes));
    ElsoreKeresGomb->setToolTip(QString::fromStdString(t.Vege));
    if (!engedelyezett && hang && settings().Hangjelzes)
        QApplication::beep();
}

void TKeresPanel::TovabbVisszaAllapot()
{
    if (!isVisible())
        return;
    TovabbAllapot(true);
    VisszaAllapot(true);
}

void TKeresPanel::CimkeKiemeles(bool talalat)
{
    QPalette p = Label1->palette();
    const QPalette app = QApplication::palette();
    if (talalat) {
        p.setColor(QPalette::Window, QColor(185, 209, 234));  // clGradientActiveCaption
        p.setColor(QPalette::WindowText, app.color(QPalette::Active, QPalette::WindowText));
    } else {
        p.setColor(QPalette::Window, app.color(QPalette::Midlight));  // cl3DLight
        p.setColor(QPalette::WindowText, app.color(QPalette::Disabled, QPalette::Text));
    }
    Label1->setPalette(p);
    Label1->setProperty("Kiemelt", talalat);
}

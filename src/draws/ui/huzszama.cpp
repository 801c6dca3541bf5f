#include "draws/ui/huzszama.h"
#include "app/ui/program.h"

#include "app/ui/uzenetek.h"

#include "draws/draws_table.h"
#include "draws/ui/huzasok_vezerlo.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

using namespace kvx;

namespace {

QString utf8(const std::string& s)
{
    return QString::fromStdString(s);
}

// Message texts use CRLF line breaks; a Qt label wants plain line feeds.
QString uzenetSzoveg(const std::string& s)
{
    QString q = utf8(s);
    q.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return q;
}

QString mezoSzoveg(const std::optional<std::int32_t>& v)
{
    return v ? QString::number(*v) : QString();
}

}  // namespace

THuzSzamaUD::THuzSzamaUD(QWidget* parent) : QWidget(parent)
{
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    Fel = new QToolButton(this);
    Le = new QToolButton(this);
    for (QToolButton* b : {Fel, Le}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
        b->setFixedWidth(16);
        l->addWidget(b);
    }
    Fel->setArrowType(Qt::UpArrow);
    Le->setArrowType(Qt::DownArrow);
}

THuzSzama::THuzSzama(HuzasokVezerlo& vezerlo, QWidget* parent)
    : QDialog(parent), vezerlo_(vezerlo), allapot_(huzSzama())
{
    setObjectName("HuzSzama");
    FormCreate();
    // A load has reset the stored ranges to the new table.
    connect(&vezerlo_, &HuzasokVezerlo::betoltve, this, &THuzSzama::MezoHossz);
}

void THuzSzama::FormCreate()
{
    setWindowTitle(QStringLiteral("  Húzások száma"));
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);

    HuzSzamaFejlec = new QLabel(this);
    HuzSzamaFejlec->setObjectName("HuzSzamaFejlec");
    HuzSzamaFejlec->setAlignment(Qt::AlignCenter);
    QFont fejlecBetu = HuzSzamaFejlec->font();
    fejlecBetu.setBold(true);
    HuzSzamaFejlec->setFont(fejlecBetu);

    Panel2 = new QFrame(this);
    Panel2->setObjectName("Panel2");
    Panel2->setFrameShape(QFrame::StyledPanel);

    auto* szamjegyek = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    auto mezo = [&](const char* nev, const char* cimkeNev, const QString& cimke, QLineEdit*& edit,
                    QLabel*& label, THuzSzamaUD*& ud, const char* udNev) {
        edit = new QLineEdit(QStringLiteral("1"), Panel2);
        edit->setObjectName(nev);
        edit->setValidator(szamjegyek);
        edit->setAlignment(Qt::AlignRight);
        edit->installEventFilter(this);
        label = new QLabel(cimke, Panel2);
        label->setObjectName(cimkeNev);
        label->setBuddy(edit);
        ud = new THuzSzamaUD(Panel2);
        ud->setObjectName(udNev);
    };
    mezo("ElsoHuzBe", "ElsoHuzBeCimke", QStringLiteral("Első húzás "), ElsoHuzBe, ElsoHuzBeCimke, ElsoHuzBeUD,
         "ElsoHuzBeUD");
    mezo("UtolsoHuzBe", "UtolsoHuzBeCimke", QStringLiteral("Utolsó húzás "), UtolsoHuzBe, UtolsoHuzBeCimke,
         UtolsoHuzBeUD, "UtolsoHuzBeUD");

    MindHuzBox = new QCheckBox(QStringLiteral("  Minden húzás  "), Panel2);
    MindHuzBox->setObjectName("MindHuzBox");
    MindHuzBox->setChecked(true);

    Label3 = new QLabel(Panel2);
    Label3->setObjectName("Label3");

    RendbenGomb = new QPushButton(QStringLiteral("Rendben"), this);
    RendbenGomb->setObjectName("RendbenGomb");
    MegseGomb = new QPushButton(QStringLiteral("Mégse"), this);
    MegseGomb->setObjectName("MegseGomb");
    // Enter is handled by the edits themselves: no button takes it over.
    for (QPushButton* b : {RendbenGomb, MegseGomb}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    // The arrows take the edits' height.
    for (THuzSzamaUD* ud : {ElsoHuzBeUD, UtolsoHuzBeUD})
        ud->setFixedHeight(ElsoHuzBe->sizeHint().height());

    auto* mezok = new QGridLayout(Panel2);
    mezok->setHorizontalSpacing(2);
    mezok->addWidget(ElsoHuzBeCimke, 0, 0, 1, 2);
    mezok->addWidget(UtolsoHuzBeCimke, 0, 3, 1, 2);
    mezok->addWidget(ElsoHuzBe, 1, 0);
    mezok->addWidget(ElsoHuzBeUD, 1, 1);
    mezok->addWidget(UtolsoHuzBe, 1, 3);
    mezok->addWidget(UtolsoHuzBeUD, 1, 4);
    mezok->setColumnMinimumWidth(2, 24);
    mezok->setColumnStretch(0, 1);
    mezok->setColumnStretch(3, 1);
    mezok->addWidget(MindHuzBox, 2, 0, 1, 5);
    mezok->addWidget(Label3, 3, 0, 1, 5);

    auto* gombok = new QHBoxLayout;
    gombok->addStretch(1);
    gombok->addWidget(RendbenGomb);
    gombok->addWidget(MegseGomb);

    auto* fo = new QVBoxLayout(this);
    fo->addWidget(HuzSzamaFejlec);
    fo->addWidget(Panel2);
    fo->addLayout(gombok);
    fo->setSizeConstraint(QLayout::SetFixedSize);

    connect(ElsoHuzBeUD->Fel, &QToolButton::clicked, this, [this] { ElsoHuzBeUDClick(true); });
    connect(ElsoHuzBeUD->Le, &QToolButton::clicked, this, [this] { ElsoHuzBeUDClick(false); });
    connect(UtolsoHuzBeUD->Fel, &QToolButton::clicked, this, [this] { UtolsoHuzBeUDClick(true); });
    connect(UtolsoHuzBeUD->Le, &QToolButton::clicked, this, [this] { UtolsoHuzBeUDClick(false); });
    connect(MindHuzBox, &QCheckBox::clicked, this, [this](bool b) { MindHuzBoxClick(b); });
    connect(RendbenGomb, &QPushButton::clicked, this, [this] { RendbenGombClick(); });
    connect(MegseGomb, &QPushButton::clicked, this, [this] { MegseGombClick(); });

    Ini();
}

HuzSzamaKornyezet THuzSzama::Kornyezet()
{
    HuzSzamaKornyezet k;
    k.N = draws().HuzasokSzama;
    k.EzresElvalaszto = QLocale().groupSeparator().toStdString();
    return k;
}

void THuzSzama::Ini(std::int32_t bontMatrixMeret, TalalatiAranyTartomanyok* talAr)
{
    kvx::Ini(allapot_, draws().HuzasokSzama, bontMatrixMeret, talAr);
    MezoHossz();
}

void THuzSzama::MezoHossz()
{
    const int hossz = static_cast<int>(QString::number(std::max(draws().HuzasokSzama, 0)).size());
    ElsoHuzBe->setMaxLength(hossz);
    UtolsoHuzBe->setMaxLength(hossz);
}

bool THuzSzama::Start(int mode)
{
    return Start(mode, Kornyezet());
}

bool THuzSzama::Start(int mode, const HuzSzamaKornyezet& kornyezet)
{
    Tag = mode;
    kornyezet_ = kornyezet;
    const HuzSzamaStartEredmeny e = kvx::Start(allapot_, kornyezet_, mode, mezok_);
    Mutat();
    if (!e.Megjelenit) {
        if (!e.Figyelmeztetes.empty()) {
            FigyelmeztetoUzenet(uzenetSzoveg(e.Figyelmeztetes));
        }
        return false;
    }
    ElsoHuzBe->setFocus();
    ElsoHuzBe->selectAll();
    exec();
    if (mezok_.MegseGombTag != mode)
        return false;
    vezerlo_.TartomanyokModositva(mode);
    return true;
}

void THuzSzama::MindenHuzas(int mode)
{
    Tag = mode;
    kornyezet_ = Kornyezet();
    kvx::Start(allapot_, kornyezet_, mode, mezok_);
    kvx::MindenHuzas(allapot_, kornyezet_, mezok_);
    Mutat();
}

void THuzSzama::Olvas()
{
    mezok_.Elso = MezoErtek(ElsoHuzBe->text().toStdString());
    mezok_.Utolso = MezoErtek(UtolsoHuzBe->text().toStdString());
    mezok_.MindHuz = MindHuzBox->isChecked();
}

void THuzSzama::Mutat()
{
    HuzSzamaFejlec->setText(utf8(mezok_.Fejlec));
    setWindowTitle(utf8(mezok_.Felirat));
    MindHuzBox->setText(utf8(mezok_.BoxFelirat));
    ElsoHuzBeCimke->setText(utf8(mezok_.ElsoCimke));
    UtolsoHuzBeCimke->setText(utf8(mezok_.UtolsoCimke));
    ElsoHuzBe->setMaxLength(mezok_.MaxHossz);
    UtolsoHuzBe->setMaxLength(mezok_.MaxHossz);
    ElsoHuzBe->setText(mezoSzoveg(mezok_.Elso));
    UtolsoHuzBe->setText(mezoSzoveg(mezok_.Utolso));
    const QString elsoTipp = uzenetSzoveg(mezok_.ElsoTipp), utolsoTipp = uzenetSzoveg(mezok_.UtolsoTipp);
    for (QWidget* w : {static_cast<QWidget*>(ElsoHuzBe), static_cast<QWidget*>(ElsoHuzBeUD)})
        w->setToolTip(elsoTipp);
    for (QWidget* w : {static_cast<QWidget*>(UtolsoHuzBe), static_cast<QWidget*>(UtolsoHuzBeUD)})
        w->setToolTip(utolsoTipp);
    MindHuzBox->setChecked(mezok_.MindHuz);
    MindHuzBox->setEnabled(mezok_.MindHuzEngedelyezett);
    Label3->setText(utf8(mezok_.Label3));
}

void THuzSzama::ElsoHuzBeExit()
{
    Olvas();
    kvx::ElsoHuzBeExit(allapot_, kornyezet_, mezok_);
    Mutat();
}

void THuzSzama::UtolsoHuzBeExit()
{
    Olvas();
    kvx::UtolsoHuzBeExit(allapot_, kornyezet_, mezok_);
    Mutat();
}

void THuzSzama::ElsoHuzBeUDClick(bool fel)
{
    Olvas();
    NyilLepes(allapot_, kornyezet_, mezok_, true, fel);
    Mutat();
}

void THuzSzama::UtolsoHuzBeUDClick(bool fel)
{
    Olvas();
    NyilLepes(allapot_, kornyezet_, mezok_, false, fel);
    Mutat();
}

void THuzSzama::ElsoHuzBeDblClick()
{
    Olvas();
    kvx::ElsoHuzBeDblClick(allapot_, kornyezet_, mezok_);
    Mutat();
}

void THuzSzama::UtolsoHuzBeDblClick()
{
    Olvas();
    kvx::UtolsoHuzBeDblClick(allapot_, kornyezet_, mezok_);
    Mutat();
}

void THuzSzama::MindHuzBoxClick(bool bejelolve)
{
    Olvas();
    if (bejelolve)
        kvx::MindenHuzas(allapot_, kornyezet_, mezok_);
    Mutat();
}

void THuzSzama::RendbenGombClick()
{
    Olvas();
    kvx::RendbenGombClick(allapot_, kornyezet_, mezok_);
    Mutat();
    accept();
}

void THuzSzama::MegseGombClick()
{
    reject();
}

void THuzSzama::done(int r)
{
    // Closing after Rendben: the box is usable again at the next opening.
    if (mezok_.MegseGombTag != -1) {
        mezok_.MindHuzEngedelyezett = true;
        MindHuzBox->setEnabled(true);
    }
    QDialog::done(r);
}

bool THuzSzama::eventFilter(QObject* watched, QEvent* event)
{
    const bool elso = watched == ElsoHuzBe;
    if (!elso && watched != UtolsoHuzBe)
        return QDialog::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* k = static_cast<QKeyEvent*>(event);
        // Keys with Shift, Ctrl or Alt are swallowed; focus moves still work.
        if ((k->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) &&
            k->key() != Qt::Key_Tab && k->key() != Qt::Key_Backtab)
            return true;
        switch (k->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (elso)
                ElsoHuzBeUDClick(k->key() == Qt::Key_Up);
            else
                UtolsoHuzBeUDClick(k->key() == Qt::Key_Up);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (elso)
                UtolsoHuzBe->setFocus(Qt::TabFocusReason);
            else
                RendbenGomb->click();
            return true;
        default:
            break;
        }
        break;
    }
    case QEvent::FocusOut: {
        // Leaving the field within the dialog; not when the window merely
        // loses activation or a popup opens.
        const Qt::FocusReason ok = static_cast<QFocusEvent*>(event)->reason();
        if (ok != Qt::ActiveWindowFocusReason && ok != Qt::PopupFocusReason) {
            if (elso)
                ElsoHuzBeExit();
            else
                UtolsoHuzBeExit();
        }
        break;
    }
    case QEvent::MouseButtonDblClick:
        if (elso)
            ElsoHuzBeDblClick();
        else
            UtolsoHuzBeDblClick();
        return true;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

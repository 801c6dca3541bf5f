#include "draws/ui/velszam.h"

#include "app/shell_state.h"
#include "app/ui/ablak_elhelyezes.h"
#include "app/ui/sugo.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QValidator>

#include <algorithm>

namespace {

// The count edit takes any number of up to its length while typing and puts
// a value beyond the limits to the nearest limit when it is read.
class SzamlaloUD : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

protected:
    QValidator::State validate(QString& szoveg, int&) const override
    {
        if (szoveg.isEmpty())
            return QValidator::Intermediate;
        for (QChar c : szoveg)
            if (!c.isDigit())
                return QValidator::Invalid;
        return QValidator::Acceptable;
    }
    int valueFromText(const QString& szoveg) const override
    {
        bool ok = false;
        const qlonglong v = szoveg.toLongLong(&ok);
        if (!ok)
            return minimum();
        return static_cast<int>(std::clamp<qlonglong>(v, minimum(), maximum()));
    }
    void fixup(QString& szoveg) const override
    {
        szoveg = textFromValue(valueFromText(szoveg));
    }
};

}  // namespace

TVelSzam::TVelSzam(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("VelSzam"));
    FormCreate();
}

void TVelSzam::FormCreate()
{
    setWindowTitle(QStringLiteral(" Véletlen számok"));
    setModal(true);
    VelSzamBeCimke = new QLabel(this);
    VelSzamBeCimke->setObjectName(QStringLiteral("VelSzamBeCimke"));
    VelSzamBeUD = new SzamlaloUD(this);
    VelSzamBeUD->setObjectName(QStringLiteral("VelSzamBeUD"));
    VelSzamBeUD->setRange(1, 90);
    VelSzamBeUD->setValue(1);
    VelSzamBeUD->setGroupSeparatorShown(false);
    VelSzamBeUD->installEventFilter(this);
    VelSzamBeUD->findChild<QLineEdit*>()->installEventFilter(this);
    VelSzamBeCimke->setBuddy(VelSzamBeUD);
    KijelolesGomb = new QPushButton(QStringLiteral("Kijelölés"), this);
    KijelolesGomb->setObjectName(QStringLiteral("KijelolesGomb"));
    MegseGomb = new QPushButton(QStringLiteral("Mégse"), this);
    MegseGomb->setObjectName(QStringLiteral("MegseGomb"));
    auto* g = new QGridLayout(this);
    g->addWidget(VelSzamBeCimke, 0, 0, 1, 2);
    g->addWidget(VelSzamBeUD, 1, 0, 1, 2);
    g->addWidget(KijelolesGomb, 2, 0);
    g->addWidget(MegseGomb, 2, 1);
    connect(KijelolesGomb, &QPushButton::clicked, this, &TVelSzam::KijelolesGombClick);
    connect(MegseGomb, &QPushButton::clicked, this, &TVelSzam::MegseGombClick);
}

int TVelSzam::Start(int maximum, bool ketHuzas)
{
    Tag = 2;
    setWindowTitle(QStringLiteral(" Véletlen számsorok"));
    kvx::Sugo::KontextusBeallitas(this, kvx::kSugoVeletlenSzamsorok);
    VelSzamBeCimke->setText(ketHuzas ? QStringLiteral("Véletlen húzások mennyisége")
                                     : QStringLiteral("Véletlen számsorok mennyisége"));
    return Futtatas(maximum, 5, VelSzamBeUD);
}

int TVelSzam::SzamokStart(int maximum)
{
    Tag = 1;
    setWindowTitle(QStringLiteral(" Véletlen számok"));
    kvx::Sugo::KontextusBeallitas(this, kvx::kSugoVeletlenSzamok);
    VelSzamBeCimke->setText(QStringLiteral("Véletlen számok mennyisége"));
    return Futtatas(maximum, 2, KijelolesGomb);
}

int TVelSzam::Futtatas(int maximum, int hossz, QWidget* fokusz)
{
    VelSzamBeUD->setRange(1, std::max(1, maximum));
    VelSzamBeUD->setValue(1);
    const QString tipp = QStringLiteral(" Minimum: 1\r\n Maximum: %1 ").arg(maximum);
    VelSzamBeUD->setToolTip(tipp);
    VelSzamBeUD->findChild<QLineEdit*>()->setMaxLength(hossz);
    VelSzamBeUD->selectAll();
    // The label changed: the dialog takes its width, and is placed afresh
    // when it shows.
    adjustSize();
    kvx::AblakElhelyezese(this, true);
    fokusz->setFocus();
    if (exec() != QDialog::Accepted)
        Tag = 0;
    return Tag == 0 ? 0 : VelSzamBeUD->value();
}

void TVelSzam::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    kvx::AblakElhelyezese(this);
}

void TVelSzam::KijelolesGombClick()
{
    // An edit left half typed counts as it is shown.
    VelSzamBeUD->interpretText();
    accept();
}

void TVelSzam::MegseGombClick()
{
    Tag = 0;
    reject();
}

void TVelSzam::VelSzamBeEditDblClick()
{
    VelSzamBeUD->setValue(VelSzamBeUD->value() == VelSzamBeUD->maximum() ? VelSzamBeUD->minimum()
                                                                          : VelSzamBeUD->maximum());
}

bool TVelSzam::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        VelSzamBeEditDblClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

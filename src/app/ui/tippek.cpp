#include "app/ui/tippek.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPointer>
#include <QProxyStyle>
#include <QTimer>
#include <QToolTip>
#include <QWidget>

namespace kvx {

namespace {

// The application's style with the hint delay of its own.
class TippStilus : public QProxyStyle {
public:
    TippStilus(QStyle* alap, int megjelenesMs) : QProxyStyle(alap), megjelenes_(megjelenesMs) {}
    void SetMegjelenes(int ms) { megjelenes_ = ms; }
    int styleHint(StyleHint h, const QStyleOption* o, const QWidget* w, QStyleHintReturn* r) const override
    {
        if (h == SH_ToolTip_WakeUpDelay)
            return megjelenes_;
        return QProxyStyle::styleHint(h, o, w, r);
    }

private:
    int megjelenes_;
};

// Once a hint is shown (by whichever control), it is shown again at once
// with the stay time: Qt takes the time only with the text.
class TippIdotarto : public QObject {
public:
    explicit TippIdotarto(QObject* szulo) : QObject(szulo) { setObjectName(QStringLiteral("TippIdotarto")); }
    int Idotartam = 0;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::ToolTip || !o->isWidgetType())
            return false;
        const QPoint hely = static_cast<QHelpEvent*>(e)->globalPos();
        QTimer::singleShot(0, this, [this, w = QPointer<QWidget>(static_cast<QWidget*>(o)), hely] {
            if (!w || !QToolTip::isVisible() || QToolTip::text().isEmpty())
                return;
            const QString szoveg = QToolTip::text();
            // Shown first without its control, then with it: each call is a
            // changed hint, which takes the new time.
            QToolTip::showText(hely, szoveg, nullptr, {}, Idotartam);
            QToolTip::showText(hely, szoveg, w, {}, Idotartam);
        });
        return false;
    }
};

TippIdotarto* idotarto()
{
    return qApp ? qApp->findChild<TippIdotarto*>(QStringLiteral("TippIdotarto"), Qt::FindDirectChildrenOnly)
                : nullptr;
}

}  // namespace

void TippIdozitesBeallitasa(int megjelenesMs, int idotartamMs)
{
    if (!qApp)
        return;
    if (auto* s = dynamic_cast<TippStilus*>(QApplication::style()))
        s->SetMegjelenes(megjelenesMs);
    else
        QApplication::setStyle(new TippStilus(nullptr, megjelenesMs));
    TippIdotarto* t = idotarto();
    if (!t) {
        t = new TippIdotarto(qApp);
        qApp->installEventFilter(t);
    }
    t->Idotartam = idotartamMs;
}

std::optional<int> TippIdotartam()
{
    const TippIdotarto* t = idotarto();
    return t ? std::optional<int>(t->Idotartam) : std::nullopt;
}

}  // namespace kvx

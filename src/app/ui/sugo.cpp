#include "app/ui/sugo.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QVariant>
#include <QWidget>

#include "app/shell_state.h"
#include "app/ui/uzenetek.h"
#include "platform/help.h"

namespace kvx {

namespace {

const char* const kKontextus = "SugoKontextus";

}  // namespace

Sugo::Sugo(QWidget* foablak, QAction* miEz) : QObject(foablak), miEz_(miEz)
{
    setObjectName(QStringLiteral("Sugo"));
}

Sugo* Sugo::Keres(const QWidget* w)
{
    for (const QWidget* p = w; p; p = p->parentWidget())
        if (auto* s = p->findChild<Sugo*>(QString(), Qt::FindDirectChildrenOnly))
            return s;
    return nullptr;
}

bool Sugo::Megnyitas(int kontextus) const
{
    if (Allomany.isEmpty())
        return false;
    // Without a viewer the command would do nothing visible: the user is
    // told where the page is, to open it by hand.
    const QString ut = QFileInfo(Allomany).absoluteFilePath();
    if (!QFileInfo::exists(Allomany)) {
        InformacioUzenet(QString::fromUtf8(kSugoOldalHianyzik) + ut);
        return false;
    }
    if (platform::SugoMegnyitas(Allomany, kontextus))
        return true;
    InformacioUzenet(QString::fromUtf8(kSugoNincsMegjelenito) + ut);
    return false;
}

bool Sugo::MiEz(const QWidget* w) const { return Megnyitas(Kontextus(w)); }

void Sugo::KontextusBeallitas(QWidget* w, int kontextus)
{
    if (!w) return;
    const bool elso = !w->property(kKontextus).isValid();
    w->setProperty(kKontextus, kontextus);
    if (!elso) return;
    w->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(w, &QWidget::customContextMenuRequested, w, [w](const QPoint& pos) {
        if (Sugo* s = Sugo::Keres(w)) s->Felugro(w, pos);
    });
}

int Sugo::Kontextus(const QWidget* w)
{
    for (const QWidget* p = w; p; p = p->parentWidget()) {
        const QVariant v = p->property(kKontextus);
        if (v.isValid() && v.toInt() > 0) return v.toInt();
    }
    return 0;
}

QMenu* Sugo::Felugro(QWidget* w, const QPoint& pos, bool mutat)
{
    // Without the help page the item is hidden: no pop-up at all.
    if (!w || !miEz_ || !miEz_->isVisible()) return nullptr;
    const QWidget* alatta = w->childAt(pos);
    celpont_ = alatta ? alatta : w;
    auto* menu = new QMenu(w);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(miEz_);
    if (mutat) menu->popup(w->mapToGlobal(pos));
    return menu;
}

}  // namespace kvx

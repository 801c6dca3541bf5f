#include "platform/help.h"

#include <QDesktopServices>
#include <QFileInfo>

namespace kvx::platform {

QUrl SugoCim(const QString& allomany, int kontextus)
{
    QUrl cim = QUrl::fromLocalFile(QFileInfo(allomany).absoluteFilePath());
    if (kontextus > 0) cim.setFragment(QStringLiteral("k%1").arg(kontextus));
    return cim;
}

bool SugoMegnyitas(const QString& allomany, int kontextus)
{
    if (allomany.isEmpty() || !QFileInfo::exists(allomany)) return false;
    return QDesktopServices::openUrl(SugoCim(allomany, kontextus));
}

}  // namespace kvx::platform

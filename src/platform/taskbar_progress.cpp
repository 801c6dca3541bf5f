#include "platform/taskbar_progress.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>

namespace kvx::platform {

namespace {

TaskbarAllapot g_taskbar;

bool kuld(const TaskbarAllapot& t)
{
    QDBusConnection bus(t.Kapcsolat);
    if (!bus.isConnected()) return false;
    QDBusMessage uzenet = QDBusMessage::createSignal(
        QStringLiteral("/"), QStringLiteral("com.canonical.Unity.LauncherEntry"),
        QStringLiteral("Update"));
    QVariantMap tulajdonsagok;
    const bool lathato = t.Allapot >= 1 && t.Allapot <= 4;
    tulajdonsagok.insert(QStringLiteral("progress"), t.Ertek);
    tulajdonsagok.insert(QStringLiteral("progress-visible"), lathato);
    uzenet << t.AlkalmazasUri << tulajdonsagok;
    return bus.send(uzenet);
}

}  // namespace

TaskbarAllapot& taskbarAllapot() { return g_taskbar; }

bool InitTaskbar(const QString& busCim)
{
    if (g_taskbar.Elerheto) return true;
    // The session bus named by the desktop session: without one there is no
    // launcher to talk to (and no bus is started on the program's behalf).
    const QString cim =
        busCim.isEmpty() ? QString::fromLocal8Bit(qgetenv("DBUS_SESSION_BUS_ADDRESS")) : busCim;
    if (cim.isEmpty()) return false;
    QDBusConnection bus = QDBusConnection::connectToBus(cim, QStringLiteral("kavarex-taskbar"));
    if (!bus.isConnected()) {
        QDBusConnection::disconnectFromBus(bus.name());
        return false;
    }
    g_taskbar.Kapcsolat = bus.name();
    g_taskbar.Elerheto = true;
    return true;
}

bool TaskbarAvailable() { return g_taskbar.Elerheto; }

bool SetTaskbarProgressState(int allapot)
{
    if (!g_taskbar.Elerheto) return false;
    g_taskbar.Allapot = (allapot >= 1 && allapot <= 4) ? allapot : 0;
    return kuld(g_taskbar);
}

bool SetTaskbarProgressValue(std::uint64_t osszes, std::uint64_t kesz)
{
    if (!g_taskbar.Elerheto) return false;
    double ertek = osszes == 0 ? 0.0 : static_cast<double>(kesz) / static_cast<double>(osszes);
    if (ertek > 1.0) ertek = 1.0;
    g_taskbar.Ertek = ertek;
    return kuld(g_taskbar);
}

void DoneTaskbar()
{
    if (!g_taskbar.Kapcsolat.isEmpty())
        QDBusConnection::disconnectFromBus(g_taskbar.Kapcsolat);
    g_taskbar.Elerheto = false;
    g_taskbar.Kapcsolat.clear();
    g_taskbar.Allapot = 0;
    g_taskbar.Ertek = 0.0;
}

}  // namespace kvx::platform

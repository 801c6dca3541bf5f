#pragma once
// Progress shown on the desktop launcher's icon, the counterpart of the
// taskbar progress. It talks to the launcher over the session D-Bus; where no
// session bus answers every call does nothing and returns false.
#include <QString>
#include <cstdint>

namespace kvx::platform {

struct TaskbarAllapot {
    bool Elerheto = false;            // a session bus answered InitTaskbar
    QString Kapcsolat;                // D-Bus connection name used
    QString AlkalmazasUri = QStringLiteral("application://kavarex.desktop");
    int Allapot = 0;                  // last state: 0 none, 1..4 as SetTaskbarProgressState
    double Ertek = 0.0;               // last progress 0..1
};

TaskbarAllapot& taskbarAllapot();

// Connects to the session bus named by DBUS_SESSION_BUS_ADDRESS (or to the
// bus at busCim when given). True when the launcher progress can be sent;
// true at once when already connected. The main window calls it at start.
bool InitTaskbar(const QString& busCim = QString());
bool TaskbarAvailable();
// 1 indeterminate, 2 normal, 3 error, 4 paused, anything else no progress.
bool SetTaskbarProgressState(int allapot);
bool SetTaskbarProgressValue(std::uint64_t osszes, std::uint64_t kesz);
// Forgets the connection (program end, tests).
void DoneTaskbar();

}  // namespace kvx::platform

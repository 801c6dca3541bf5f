#pragma once
// The running-instance check. The first instance listens on a per-user local
// socket; a later instance finds it there and may ask it to quit. The earlier
// instance reports the request through a signal and closes its main window
// the normal way; no process is ever killed.
#include <QObject>
#include <QString>

class QLocalServer;

namespace kvx::platform {

// The per-user socket name ("kavarex-" + user id).
QString peldanyNev();

class FutoPeldany : public QObject {
    Q_OBJECT
public:
    explicit FutoPeldany(QString nev = peldanyNev(), QObject* parent = nullptr);
    ~FutoPeldany() override;

    // True when another instance answers on the name.
    bool MasikPeldanyFut(int varakozasMs = 500) const;
    // Sends "quit" to the other instance; true when it was delivered.
    bool KilepesKerese(int varakozasMs = 1000) const;
    // Waits until no instance answers any more (the "-r" restart); true when
    // the earlier instance is gone within the time.
    bool VarakozasKilepesre(int maxMs) const;

    // Starts listening as the running instance. A stale socket left by a
    // crashed instance is removed; false when another instance listens.
    bool Figyel();
    bool Figyelo() const;

signals:
    // Another instance asked this one to quit.
    void KilepesKerve();

private:
    void ujKapcsolat();

    QString nev_;
    QLocalServer* szerver_ = nullptr;
};

}  // namespace kvx::platform

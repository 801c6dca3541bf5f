#pragma once
// The running-instance check. The first instance of a program folder
// listens on a local socket named after the user and that folder; a later
// instance of the same folder finds it there and may ask it to quit. The
// earlier instance reports the request through a signal and closes its main
// window the normal way; no process is ever killed. It keeps the asking
// connection open until it has ended (the connection then closes), or
// answers that it stays when its user keeps it running.
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QLocalServer;
class QLocalSocket;

namespace kvx::platform {

// The name for the program folder (the folder of the executable and its
// INI file): "kavarex-" + user id + "-" + a digest of the folder's
// canonical path, so that two installations never meet.
QString peldanyNev(const QString& programKonyvtar);

// What came of asking the earlier instance to close.
enum class BezarasEredmeny {
    Bezart,      // it has ended (nothing answers any more)
    Elutasitva,  // it stays: its user kept it running
    NemZart,     // still running when the time was up
};

class FutoPeldany : public QObject {
    Q_OBJECT
public:
    explicit FutoPeldany(QString nev, QObject* parent = nullptr);
    ~FutoPeldany() override;

    const QString& Nev() const { return nev_; }

    // True when another instance answers on the name.
    bool MasikPeldanyFut(int varakozasMs = 500) const;
    // Sends "quit" to the other instance and hangs up; true when it was
    // delivered.
    bool KilepesKerese(int varakozasMs = 1000) const;
    // Asks the other instance to quit and waits until it has ended, has
    // refused, or maxMs passed. kozben runs every few milliseconds while
    // it waits (the caller keeps its windows alive there).
    BezarasEredmeny BezarasKerese(int maxMs, const std::function<void()>& kozben = {}) const;
    // Waits until no instance answers any more (the "-r" restart); true when
    // the earlier instance is gone within the time.
    bool VarakozasKilepesre(int maxMs, const std::function<void()>& kozben = {}) const;

    // Starts listening as the running instance. A stale socket left by a
    // crashed instance is removed; false when another instance listens.
    bool Figyel();
    bool Figyelo() const;
    // This instance stays: every instance waiting on its quit request hears
    // so. Nothing when none waits.
    void KilepesElutasitas();

signals:
    // Another instance asked this one to quit.
    void KilepesKerve();

private:
    void ujKapcsolat();

    QString nev_;
    QLocalServer* szerver_ = nullptr;
    // The connections whose quit request is pending.
    QList<QPointer<QLocalSocket>> kerok_;
};

}  // namespace kvx::platform

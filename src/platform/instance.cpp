#include "platform/instance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <unistd.h>

#include <algorithm>
#include <utility>

namespace kvx::platform {

namespace {
const QByteArray kKilepes = QByteArrayLiteral("quit\n");
const QByteArray kMarad = QByteArrayLiteral("no\n");
}

QString peldanyNev(const QString& programKonyvtar)
{
    // The same folder reached through another spelling or a link is the
    // same installation.
    const QFileInfo fi(programKonyvtar);
    QString ut = fi.canonicalFilePath();
    if (ut.isEmpty())
        ut = QDir::cleanPath(fi.absoluteFilePath());
    const QByteArray kivonat = QCryptographicHash::hash(ut.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("kavarex-%1-%2").arg(::getuid()).arg(QString::fromLatin1(kivonat));
}

FutoPeldany::FutoPeldany(QString nev, QObject* parent) : QObject(parent), nev_(std::move(nev)) {}

FutoPeldany::~FutoPeldany()
{
    if (szerver_) szerver_->close();
}

bool FutoPeldany::MasikPeldanyFut(int varakozasMs) const
{
    QLocalSocket s;
    s.connectToServer(nev_);
    const bool fut = s.waitForConnected(varakozasMs);
    if (fut) s.disconnectFromServer();
    return fut;
}

bool FutoPeldany::KilepesKerese(int varakozasMs) const
{
    QLocalSocket s;
    s.connectToServer(nev_);
    if (!s.waitForConnected(varakozasMs)) return false;
    s.write(kKilepes);
    const bool ok = s.waitForBytesWritten(varakozasMs);
    s.disconnectFromServer();
    if (s.state() != QLocalSocket::UnconnectedState) s.waitForDisconnected(varakozasMs);
    return ok;
}

BezarasEredmeny FutoPeldany::BezarasKerese(int maxMs, const std::function<void()>& kozben) const
{
    const QDeadlineTimer hatar(maxMs);
    {
        QLocalSocket s;
        s.connectToServer(nev_);
        if (!s.waitForConnected(std::min(maxMs, 1000)))
            return MasikPeldanyFut(100) ? BezarasEredmeny::NemZart : BezarasEredmeny::Bezart;
        s.write(kKilepes);
        s.waitForBytesWritten(1000);
        // The earlier instance holds the connection until it has ended; it
        // writes only to say that it stays.
        QByteArray valasz;
        for (;;) {
            if (s.state() == QLocalSocket::ConnectedState) s.waitForReadyRead(20);
            // What arrived just before the connection closed counts too.
            valasz += s.readAll();
            if (valasz.contains(kMarad)) return BezarasEredmeny::Elutasitva;
            if (s.state() != QLocalSocket::ConnectedState || valasz.size() > 64) break;
            if (hatar.hasExpired()) return BezarasEredmeny::NemZart;
            if (kozben) kozben();
        }
    }
    // The connection closed: the earlier instance is gone once nothing
    // answers on the name.
    return VarakozasKilepesre(static_cast<int>(std::max<qint64>(0, hatar.remainingTime())), kozben)
               ? BezarasEredmeny::Bezart
               : BezarasEredmeny::NemZart;
}

bool FutoPeldany::VarakozasKilepesre(int maxMs, const std::function<void()>& kozben) const
{
    QDeadlineTimer hatar(maxMs);
    while (MasikPeldanyFut(100)) {
        if (hatar.hasExpired()) return false;
        if (kozben) kozben();
        QThread::msleep(50);
    }
    return true;
}

bool FutoPeldany::Figyel()
{
    if (szerver_ && szerver_->isListening()) return true;
    if (!szerver_) {
        szerver_ = new QLocalServer(this);
        szerver_->setSocketOptions(QLocalServer::UserAccessOption);
        connect(szerver_, &QLocalServer::newConnection, this, &FutoPeldany::ujKapcsolat);
    }
    // Asked first: listening with access options replaces an existing socket
    // file, which would take the name from a running instance.
    if (MasikPeldanyFut(200)) return false;
    // Nobody answers: a socket file left behind by a crashed instance goes.
    QLocalServer::removeServer(nev_);
    return szerver_->listen(nev_);
}

bool FutoPeldany::Figyelo() const { return szerver_ && szerver_->isListening(); }

void FutoPeldany::KilepesElutasitas()
{
    const QList<QPointer<QLocalSocket>> kerok = std::exchange(kerok_, {});
    for (const QPointer<QLocalSocket>& s : kerok) {
        if (!s || s->state() != QLocalSocket::ConnectedState) continue;
        s->write(kMarad);
        s->flush();
        s->disconnectFromServer();
    }
}

void FutoPeldany::ujKapcsolat()
{
    while (QLocalSocket* s = szerver_->nextPendingConnection()) {
        connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        connect(s, &QLocalSocket::readyRead, this, [this, s] {
            // Only a complete "quit" line counts; anything else is ignored.
            while (s->canReadLine()) {
                if (s->readLine(64) == kKilepes) {
                    kerok_.append(QPointer<QLocalSocket>(s));
                    emit KilepesKerve();
                }
            }
            if (s->bytesAvailable() > 64) s->abort();
        });
    }
}

}  // namespace kvx::platform

#include "platform/instance.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <unistd.h>

namespace kvx::platform {

namespace {
const QByteArray kKilepes = QByteArrayLiteral("quit\n");
}

QString peldanyNev() { return QStringLiteral("kavarex-%1").arg(::getuid()); }

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

bool FutoPeldany::VarakozasKilepesre(int maxMs) const
{
    QDeadlineTimer hatar(maxMs);
    while (MasikPeldanyFut(100)) {
        if (hatar.hasExpired()) return false;
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

void FutoPeldany::ujKapcsolat()
{
    while (QLocalSocket* s = szerver_->nextPendingConnection()) {
        connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        connect(s, &QLocalSocket::readyRead, this, [this, s] {
            // Only a complete "quit" line counts; anything else is ignored.
            while (s->canReadLine()) {
                if (s->readLine(64) == kKilepes) emit KilepesKerve();
            }
            if (s->bytesAvailable() > 64) s->abort();
        });
    }
}

}  // namespace kvx::platform

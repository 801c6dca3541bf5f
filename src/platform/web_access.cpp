#include "platform/web_access.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>

#include <memory>
#include <vector>

namespace kvx::platform {

namespace {

bool ketszazas(int statusz) { return statusz >= 200 && statusz < 300; }

QNetworkRequest keres(const QUrl& cim, const std::string& ugynok, int csendMs)
{
    QNetworkRequest r(cim);
    // Always from the server: an answer kept by a cache could be stale.
    r.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    r.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    r.setRawHeader("Cache-Control", "no-cache");
    r.setRawHeader("Pragma", "no-cache");
    r.setHeader(QNetworkRequest::UserAgentHeader, QString::fromStdString(ugynok));
    r.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    r.setMaximumRedirectsAllowed(5);
    r.setTransferTimeout(csendMs);
    return r;
}

// One request, run to its end on the calling thread. The sink receives the
// body in pieces; false from it aborts with Iras.
WebValasz futtat(const QUrl& cim, const WebKorlatok& k, const std::string& ugynok,
                 const std::function<bool(const QByteArray&)>& nyelo, const WebHaladas& haladas,
                 const std::atomic<bool>* megszakitas, bool csakFejlec = false)
{
    WebValasz v;
    if (!WebCimEngedett(cim)) {
        v.Hiba = WebHiba::Cim;
        return v;
    }
    QNetworkAccessManager nam;
    nam.setProxy(QNetworkProxy::NoProxy);
    QEventLoop hurok;
    std::unique_ptr<QNetworkReply> reply(nam.get(keres(cim, ugynok, k.CsendMs)));
    WebHiba sajatOk = WebHiba::Nincs;  // why we aborted, when we did
    std::int64_t hossz = -1;          // the announced length
    bool kesz = false;

    const auto megszakit = [&](WebHiba ok) {
        if (sajatOk != WebHiba::Nincs)
            return;
        sajatOk = ok;
        // Not from inside the reply's own signal: it is aborted once control
        // is back in the loop.
        QNetworkReply* r = reply.get();
        QMetaObject::invokeMethod(
            r, [r] { if (!r->isFinished()) r->abort(); }, Qt::QueuedConnection);
    };
    const auto statusz = [&] { return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(); };

    // Our handlers go with this call: disconnected here, on the calling
    // thread, before the reply is destroyed.
    std::vector<QMetaObject::Connection> kotesek;
    struct Bontas {
        std::vector<QMetaObject::Connection>& k;
        ~Bontas()
        {
            for (const QMetaObject::Connection& c : k)
                QObject::disconnect(c);
        }
    } bontas{kotesek};
    kotesek.push_back(QObject::connect(reply.get(), &QNetworkReply::metaDataChanged, [&] {
        const int s = statusz();
        if (s >= 300 && s < 400)
            return;  // a redirect being followed
        v.Statusz = s;
        if (csakFejlec && s > 0) {
            megszakit(WebHiba::Megszakitva);
            return;
        }
        if (!ketszazas(s)) {
            megszakit(WebHiba::Statusz);
            return;
        }
        const QVariant h = reply->header(QNetworkRequest::ContentLengthHeader);
        if (h.isValid()) {
            hossz = h.toLongLong();
            if (hossz > k.MaxMeret)
                megszakit(WebHiba::Tul_nagy);
        }
    }));
    kotesek.push_back(QObject::connect(reply.get(), &QNetworkReply::readyRead, [&] {
        if (sajatOk != WebHiba::Nincs)
            return;
        const int s = statusz();
        if (!ketszazas(s)) {
            if (s >= 300 && s < 400)
                return;
            megszakit(WebHiba::Statusz);
            return;
        }
        const QByteArray darab = reply->readAll();
        v.Meret += darab.size();
        if (v.Meret > k.MaxMeret) {
            megszakit(WebHiba::Tul_nagy);
            return;
        }
        if (!nyelo(darab)) {
            megszakit(WebHiba::Iras);
            return;
        }
        if (haladas)
            haladas(v.Meret, hossz);
    }));
    kotesek.push_back(QObject::connect(reply.get(), &QNetworkReply::finished, [&] {
        kesz = true;
        hurok.quit();
    }));

    QTimer osszes;
    osszes.setSingleShot(true);
    QObject::connect(&osszes, &QTimer::timeout, [&] { megszakit(WebHiba::Idotullepes); });
    osszes.start(k.OsszesMs);
    QTimer figyelo;
    if (megszakitas) {
        QObject::connect(&figyelo, &QTimer::timeout, [&] {
            if (megszakitas->load())
                megszakit(WebHiba::Megszakitva);
        });
        figyelo.start(100);
    }
    if (!reply->isFinished())
        hurok.exec();
    (void)kesz;

    // What is still buffered belongs to the body.
    if (sajatOk == WebHiba::Nincs && reply->bytesAvailable() > 0 && ketszazas(statusz())) {
        const QByteArray darab = reply->readAll();
        v.Meret += darab.size();
        if (v.Meret > k.MaxMeret)
            sajatOk = WebHiba::Tul_nagy;
        else if (!nyelo(darab))
            sajatOk = WebHiba::Iras;
    }
    if (v.Statusz == 0)
        v.Statusz = statusz();

    if (csakFejlec) {
        v.Hiba = v.Statusz > 0 ? WebHiba::Nincs : WebHiba::Kapcsolat;
        return v;
    }
    if (sajatOk != WebHiba::Nincs) {
        v.Hiba = sajatOk;
        return v;
    }
    switch (reply->error()) {
    case QNetworkReply::NoError:
        break;
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError:
        v.Hiba = WebHiba::Idotullepes;
        return v;
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::UnknownNetworkError:
    case QNetworkReply::ProtocolFailure:
        v.Hiba = v.Statusz > 0 ? WebHiba::Csonka : WebHiba::Kapcsolat;
        return v;
    default:
        v.Hiba = v.Statusz > 0 && !ketszazas(v.Statusz) ? WebHiba::Statusz
                 : v.Statusz > 0                        ? WebHiba::Csonka
                                                        : WebHiba::Kapcsolat;
        return v;
    }
    if (!ketszazas(v.Statusz))
        v.Hiba = WebHiba::Statusz;
    else if (hossz >= 0 && v.Meret != hossz)
        v.Hiba = WebHiba::Csonka;
    return v;
}

}  // namespace

bool WebCimEngedett(const QUrl& cim)
{
    const QString s = cim.scheme().toLower();
    return cim.isValid() && (s == QLatin1String("http") || s == QLatin1String("https")) && !cim.host().isEmpty();
}

WebValasz SzovegLetoltes(const QUrl& cim, const WebKorlatok& korlatok, const std::string& ugynok,
                         const std::atomic<bool>* megszakitas)
{
    std::string torzs;
    WebValasz v = futtat(
        cim, korlatok, ugynok,
        [&](const QByteArray& d) {
            torzs.append(d.constData(), static_cast<std::size_t>(d.size()));
            return true;
        },
        {}, megszakitas);
    if (v.ok())
        v.Torzs = std::move(torzs);
    return v;
}

WebValasz AllomanyLetoltes(const QUrl& cim, const QString& cel, const WebKorlatok& korlatok,
                           const WebHaladas& haladas, const std::atomic<bool>* megszakitas,
                           const std::string& ugynok)
{
    if (!WebCimEngedett(cim)) {
        WebValasz v;
        v.Hiba = WebHiba::Cim;
        return v;
    }
    // QSaveFile writes beside the target and renames only on commit; a
    // failed or abandoned download removes its temporary file.
    QSaveFile f(cel);
    f.setDirectWriteFallback(false);
    if (!f.open(QIODevice::WriteOnly)) {
        WebValasz v;
        v.Hiba = WebHiba::Iras;
        return v;
    }
    WebValasz v = futtat(
        cim, korlatok, ugynok, [&](const QByteArray& d) { return f.write(d) == d.size(); }, haladas,
        megszakitas);
    if (!v.ok()) {
        f.cancelWriting();
        f.commit();  // with writing cancelled this only removes the temporary file
        return v;
    }
    if (!f.commit())
        v.Hiba = WebHiba::Iras;
    return v;
}

bool InternetElerheto(const QUrl& probaCim, int idokorlatMs, const std::atomic<bool>* megszakitas)
{
    WebKorlatok k;
    k.CsendMs = idokorlatMs;
    k.OsszesMs = idokorlatMs;
    k.MaxMeret = 1024 * 1024;
    const WebValasz v =
        futtat(probaCim, k, "Kavarex Personal", [](const QByteArray&) { return true; }, {}, megszakitas, true);
    return v.ok() && !(megszakitas && megszakitas->load());
}

}  // namespace kvx::platform

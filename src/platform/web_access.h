#pragma once
// Synchronous HTTP for the worker threads: every call runs its own event loop
// on the calling thread, bypasses the cache, and is bounded in time and size.
// Only a complete 2xx answer counts; a download goes to a temporary name
// beside the target and replaces the target only when it arrived whole.
#include <QString>
#include <QUrl>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

namespace kvx::platform {

struct WebKorlatok {
    // No byte for this long ends the request.
    int CsendMs = 15000;
    // The whole request may take at most this long.
    int OsszesMs = 120000;
    // Largest body accepted.
    std::int64_t MaxMeret = 64LL * 1024 * 1024;
};

enum class WebHiba {
    Nincs,
    Kapcsolat,      // no connection, refused, name not found
    Statusz,        // the server answered, but not with 2xx
    Tul_nagy,       // the body is larger than allowed
    Idotullepes,    // stalled or too slow
    Csonka,         // the body ended before its announced length
    Iras,           // the target could not be written
    Cim,            // not an http or https address
    Megszakitva,    // the caller's stop flag was set
};

struct WebValasz {
    WebHiba Hiba = WebHiba::Nincs;
    int Statusz = 0;          // HTTP status, 0 when none arrived
    std::string Torzs;        // the body (text requests only)
    std::int64_t Meret = 0;   // bytes received
    bool ok() const { return Hiba == WebHiba::Nincs; }
};

// Progress of a download: bytes received and the announced total (-1 when
// unknown). Called on the calling thread.
using WebHaladas = std::function<void(std::int64_t kapott, std::int64_t osszes)>;

// Reads a resource into memory (capped at korlatok.MaxMeret). A set stop
// flag ends it with Megszakitva.
WebValasz SzovegLetoltes(const QUrl& cim, const WebKorlatok& korlatok,
                         const std::string& ugynok = "Kavarex Personal",
                         const std::atomic<bool>* megszakitas = nullptr);

// Downloads a resource into cel: it is written to a temporary file in the
// same folder and renamed over cel only after a complete 2xx answer. On any
// failure cel is left as it was and no temporary file remains.
WebValasz AllomanyLetoltes(const QUrl& cim, const QString& cel, const WebKorlatok& korlatok,
                           const WebHaladas& haladas = {}, const std::atomic<bool>* megszakitas = nullptr,
                           const std::string& ugynok = "Kavarex Personal");

// The connection probe: true when the probe address answers at all (any
// HTTP status means the machine is online). A set stop flag ends the wait
// with false.
bool InternetElerheto(const QUrl& probaCim, int idokorlatMs = 8000, const std::atomic<bool>* megszakitas = nullptr);

// True for http and https addresses with a host.
bool WebCimEngedett(const QUrl& cim);

}  // namespace kvx::platform

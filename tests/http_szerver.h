#pragma once
// A small HTTP/1.1 server for the tests, on 127.0.0.1 at a free port, on its
// own threads (so a client may wait synchronously on any thread). Each path
// answers as set: a status and a body, sent whole, cut short, stalled after a
// part, or trickled slowly, or sent whole without a length header (the
// client then takes the closed connection as the body's end); or the server
// keeps silent, answering nothing at all. Unknown paths get a 404 HTML page.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace kvx::teszt {

class HttpSzerver {
public:
    enum class Mod { Egesz, Csonka, Akad, Lassu, HosszNelkul, Hallgat };
    struct Valasz {
        int Statusz = 200;
        std::string Torzs;
        HttpSzerver::Mod Mod = HttpSzerver::Mod::Egesz;
        // Lassu: milliseconds between 1 KiB pieces.
        int SzunetMs = 20;
    };

    HttpSzerver()
    {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        int igen = 1;
        ::setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &igen, sizeof igen);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = 0;
        ::bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a);
        ::listen(fd_, 16);
        socklen_t l = sizeof a;
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &l);
        port_ = ntohs(a.sin_port);
        fo_ = std::thread([this] { fogad(); });
    }
    ~HttpSzerver()
    {
        stop_ = true;
        fo_.join();
        for (std::thread& t : kapcsolatok_)
            t.join();
        ::close(fd_);
    }
    HttpSzerver(const HttpSzerver&) = delete;
    HttpSzerver& operator=(const HttpSzerver&) = delete;

    int port() const { return port_; }
    std::string cim(const std::string& ut) const { return "http://127.0.0.1:" + std::to_string(port_) + ut; }

    void beallit(const std::string& ut, Valasz v)
    {
        std::lock_guard<std::mutex> z(m_);
        utak_[ut] = std::move(v);
    }
    // The paths asked for, in order.
    std::vector<std::string> kert() const
    {
        std::lock_guard<std::mutex> z(m_);
        return kert_;
    }

private:
    void fogad()
    {
        while (!stop_) {
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, 50) <= 0)
                continue;
            const int c = ::accept(fd_, nullptr, nullptr);
            if (c < 0)
                continue;
            kapcsolatok_.emplace_back([this, c] { kiszolgal(c); });
        }
    }

    bool kuld(int c, const char* p, std::size_t n)
    {
        while (n > 0) {
            const ssize_t w = ::send(c, p, n, MSG_NOSIGNAL);
            if (w <= 0)
                return false;
            p += w;
            n -= static_cast<std::size_t>(w);
        }
        return true;
    }

    void var(int ms)
    {
        const auto vege = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (!stop_ && std::chrono::steady_clock::now() < vege)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }

    void kiszolgal(int c)
    {
        std::string keres;
        char b[4096];
        while (keres.find("\r\n\r\n") == std::string::npos && !stop_) {
            pollfd p{c, POLLIN, 0};
            if (::poll(&p, 1, 50) <= 0)
                continue;
            const ssize_t n = ::recv(c, b, sizeof b, 0);
            if (n <= 0)
                break;
            keres.append(b, static_cast<std::size_t>(n));
        }
        const std::size_t s1 = keres.find(' ');
        const std::size_t s2 = keres.find(' ', s1 + 1);
        const std::string ut = s1 == std::string::npos ? "" : keres.substr(s1 + 1, s2 - s1 - 1);
        Valasz v;
        {
            std::lock_guard<std::mutex> z(m_);
            kert_.push_back(ut);
            const auto it = utak_.find(ut);
            if (it != utak_.end())
                v = it->second;
            else
                v = {404, "<html><body>404 Not Found</body></html>", Mod::Egesz};
        }
        if (v.Mod == Mod::Hallgat) {
            var(30000);
            ::close(c);
            return;
        }
        const std::string hossz =
            v.Mod == Mod::HosszNelkul ? "" : "\r\nContent-Length: " + std::to_string(v.Torzs.size());
        const std::string fej = "HTTP/1.1 " + std::to_string(v.Statusz) + " X" + hossz +
                                "\r\nContent-Type: application/octet-stream\r\nConnection: close\r\n\r\n";
        kuld(c, fej.data(), fej.size());
        switch (v.Mod) {
        case Mod::Egesz:
        case Mod::HosszNelkul:
            kuld(c, v.Torzs.data(), v.Torzs.size());
            break;
        case Mod::Csonka:
            kuld(c, v.Torzs.data(), v.Torzs.size() / 2);
            break;
        case Mod::Hallgat:  // answered above
            break;
        case Mod::Akad:
            kuld(c, v.Torzs.data(), v.Torzs.size() / 2);
            var(30000);
            break;
        case Mod::Lassu:
            for (std::size_t i = 0; i < v.Torzs.size() && !stop_; i += 1024) {
                var(v.SzunetMs);
                if (!kuld(c, v.Torzs.data() + i, std::min<std::size_t>(1024, v.Torzs.size() - i)))
                    break;
            }
            break;
        }
        ::shutdown(c, SHUT_RDWR);
        ::close(c);
    }

    int fd_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::thread fo_;
    std::vector<std::thread> kapcsolatok_;
    mutable std::mutex m_;
    std::map<std::string, Valasz> utak_;
    std::vector<std::string> kert_;
};

}  // namespace kvx::teszt

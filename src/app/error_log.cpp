#include "app/error_log.h"

#include <cxxabi.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <new>
#include <stdexcept>
#include <typeinfo>

namespace kvx {

const char* const kHibaNaploNev = "KVXError.log";

namespace {
const char* igazHamis(bool b) { return b ? "True" : "False"; }
const char* delphiLogikai(bool b) { return b ? "-1" : "0"; }
}  // namespace

std::string hibaNaploSzoveg(const HibaNaploAdatok& a)
{
    std::string s;
    auto sor = [&s](const std::string& t) { s += t + "\n"; };
    sor(a.Uzenet);
    sor("ErrorName: " + a.ErrorName);
    sor("ErrorParent: " + a.ErrorParent);
    sor(a.DatumIdo);
    sor("Program version: " + a.VerzioSzoveg);
    sor("ClassName: " + a.ClassName);
    sor("ClassParent: " + a.ClassParent);
    sor("Program Windows: ");
    for (const auto& w : a.Ablakok)
        sor("    Class name: " + w.Osztaly + " ;    Form Caption: " + w.Felirat +
            " ;    Visible: " + igazHamis(w.Lathato));
    sor("Lotto: " + std::to_string(a.LottoIndex));
    sor("DataBase Count: " + std::to_string(a.HuzasokHossz));
    sor("DataBase Count F: " + std::to_string(a.HuzasokSzama));
    if (a.HuzTabla) {
        sor("DataBase Table Rows: " + std::to_string(a.HuzTabla->Sorok));
        sor("DataBase Table Row: " + std::to_string(a.HuzTabla->Sor));
    }
    sor("Variation version: " + a.VariacioVerzio);
    sor("Variation Count: " + std::to_string(a.BontasMatrixHossz));
    sor("Variation Count F: " + std::to_string(a.BontMatrixMeret));
    if (a.BontTabla) {
        sor("Variation Table Rows: " + std::to_string(a.BontTabla->Sorok));
        sor("Variation Table Row: " + std::to_string(a.BontTabla->Sor));
    }
    sor("Variation N: " + std::to_string(a.KijeloltSzamDb));
    sor("Variation CN: " + std::to_string(a.AllandoSzamDb));
    sor("Variation FN: " + std::to_string(a.FixSzamDb));
    sor(std::string("FThreadLog: ") + delphiLogikai(a.FThreadLog));
    sor("Win32Platform: " + a.Platform);
    sor("Win32MajorVersion: " + a.PlatformFoVerzio);
    sor(std::string("FWinPlatform: ") + delphiLogikai(a.FWinPlatform));
    sor("");
    return s;
}

bool hibaNaploIras(const std::string& utvonal, const std::string& szoveg) noexcept
{
    try {
        std::ofstream f(utvonal, std::ios::binary | std::ios::app);
        if (!f) return false;
        f << szoveg;
        f.flush();
        return static_cast<bool>(f);
    } catch (...) {
        return false;
    }
}

std::string kritikusHibaSzoveg(const std::string& uzenet, const std::string& listKonyvtar,
                               const std::string& kapcsolat)
{
    return std::string("Üdvözlöm...\r\n\r\nKritikus hibát észlelt a program. Hibaüzenet:\r\n") +
           uzenet + "\r\n\r\n" + "A rendellenes működésnek számos oka lehet:" + "\r\n" +
           "    - programtervezési hiba" + "\r\n" +
           "    - hardver (memória, merevlemez...) hibája" + "\r\n" +
           "    - kártevő program jelenléte" + "\r\n" +
           "    - sérült a program egy/több állománya" + "\r\n\r\n" +
           "A hibaüzenetet és még néhány - a program aktuális állapotát leíró - információt, az "
           "alábbi útvonalon mentette szöveges állományba a program." +
           "\r\n" + listKonyvtar + kHibaNaploNev + "\r\n\r\n" +
           "Amennyiben nem tudja bezárni az ezt követően megjelenő hibaüzenet ablakát és/vagy "
           "nem tud kilépni a programból:" +
           "\r\n" + "    - indítsa el a Kavarex program egy másik példányát" + "\r\n" +
           "    - az indítást követően megjelenő figyelmeztető üzenet ablakában, állítsa le a "
           "most aktuális példány futását" +
           "\r\n\r\n" +
           "Kérem, küldjön email üzenetet a hibáról - lehetőség szerint a hiba közvetlen "
           "előzményeinek leírásával és/vagy csatolja üzenetéhez a KVXError.log állományt." +
           "\r\n\r\nSegítő közreműködését köszönöm." + "\r\n\r\nA Kavarex Personal fejlesztője\r\n" +
           kapcsolat + "\r\n\r\n" + "Leállítja a program futását? Kilép a programból?";
}

std::string demangle(const char* nev)
{
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> p(abi::__cxa_demangle(nev, nullptr, nullptr, &status),
                                             std::free);
    if (status == 0 && p) return p.get();
    return nev;
}

std::string kivetelOsztaly(const std::exception& e) { return demangle(typeid(e).name()); }

std::string kivetelSzuloOsztaly(const std::exception& e)
{
    // The nearest standard base that is not the exception's own class.
    const std::type_info& sajat = typeid(e);
    auto ha = [&](const auto* p, const std::type_info& t) -> bool {
        return p != nullptr && t != sajat;
    };
    if (ha(dynamic_cast<const std::range_error*>(&e), typeid(std::range_error)))
        return "std::range_error";
    if (ha(dynamic_cast<const std::overflow_error*>(&e), typeid(std::overflow_error)))
        return "std::overflow_error";
    if (ha(dynamic_cast<const std::runtime_error*>(&e), typeid(std::runtime_error)))
        return "std::runtime_error";
    if (ha(dynamic_cast<const std::out_of_range*>(&e), typeid(std::out_of_range)))
        return "std::out_of_range";
    if (ha(dynamic_cast<const std::invalid_argument*>(&e), typeid(std::invalid_argument)))
        return "std::invalid_argument";
    if (ha(dynamic_cast<const std::logic_error*>(&e), typeid(std::logic_error)))
        return "std::logic_error";
    if (ha(dynamic_cast<const std::bad_alloc*>(&e), typeid(std::bad_alloc)))
        return "std::bad_alloc";
    if (sajat != typeid(std::exception)) return "std::exception";
    return "";
}

}  // namespace kvx

#pragma once
// The error log "KVXError.log": the report written for every unexpected
// exception, and the message that follows it.
#include <cstdint>
#include <exception>
#include <optional>
#include <string>
#include <vector>

namespace kvx {

extern const char* const kHibaNaploNev;  // "KVXError.log"

struct HibaNaploAblak {
    std::string Osztaly;
    std::string Felirat;
    bool Lathato = false;
};

struct TablaPozicio {
    std::int64_t Sorok = 0;
    std::int64_t Sor = 0;
};

// Everything one report holds. The handler fills what the program has at the
// moment; the parts of subsystems that do not exist yet stay at zero.
struct HibaNaploAdatok {
    std::string Uzenet;
    std::string ErrorName;
    std::string ErrorParent;
    std::string DatumIdo;
    std::string VerzioSzoveg;
    std::string ClassName;
    std::string ClassParent;
    std::vector<HibaNaploAblak> Ablakok;
    std::int32_t LottoIndex = 0;
    std::int64_t HuzasokHossz = 0;
    std::int64_t HuzasokSzama = 0;
    std::optional<TablaPozicio> HuzTabla;
    std::string VariacioVerzio = "0.0.0.0";
    std::int64_t BontasMatrixHossz = 0;
    std::int64_t BontMatrixMeret = 0;
    std::optional<TablaPozicio> BontTabla;
    std::int32_t KijeloltSzamDb = 0;
    std::int32_t AllandoSzamDb = 0;
    std::int32_t FixSzamDb = 0;
    bool FThreadLog = true;  // true: no worker runs
    std::string Platform;
    std::string PlatformFoVerzio;
    bool FWinPlatform = false;
};

// The report text, every line ended by "\n", closed by an empty line.
std::string hibaNaploSzoveg(const HibaNaploAdatok& a);

// Appends a report to the log (creating it). Returns false when the file
// cannot be opened or written; never throws.
bool hibaNaploIras(const std::string& utvonal, const std::string& szoveg) noexcept;

// The message shown after the report: the explanation, the log path and the
// question whether to quit.
std::string kritikusHibaSzoveg(const std::string& uzenet, const std::string& listKonyvtar,
                               const std::string& kapcsolat);

// Type name of an exception and of its nearest standard base class.
std::string kivetelOsztaly(const std::exception& e);
std::string kivetelSzuloOsztaly(const std::exception& e);
std::string demangle(const char* nev);

}  // namespace kvx

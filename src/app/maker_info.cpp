#include "app/maker_info.h"

#include "app/ini_file.h"

namespace kvx {

namespace {

const char* const kTamogatasBekezdes =
    "A program alkalmazásának sikerétől és/vagy a program felhasználójának akaratától függően, "
    "szabadon megválasztott összeggel, ajándéknak minősülő anyagi juttatással tudja támogatni a "
    "fejlesztést - kifejezni köszönetét.";
bool webCim(const std::string& s)
{
    return (s.rfind("http://", 0) == 0 && s.size() > 7) || (s.rfind("https://", 0) == 0 && s.size() > 8);
}
}  // namespace

bool GyartoCimekOlvasas(const std::string& iniAllomany, GyartoCimek& c)
{
    IniFile ini;
    if (!ini.LoadFromFile(iniAllomany))
        return false;
    const std::string host = ini.ReadString("Kavarex", "Host", "");
    const std::string proba = ini.ReadString("Kavarex", "Probe", "");
    if (webCim(host)) {
        c.Honlap = host;
        while (c.Honlap.size() > 8 && c.Honlap.back() == '/')
            c.Honlap.pop_back();
        c.ProbaCim = c.Honlap + "/";
    }
    if (webCim(proba))
        c.ProbaCim = proba;
    return true;
}

std::string fejlesztesSzoveg(const GyartoCimek& c)
{
    return "Fejlesztés - a felhasználói igények szerint\r\n\r\nEgyéni igényeinek, ötleteinek "
           "megvalósítása.\r\nSpeciális, személyre szabott, publikus vagy privát használatú "
           "változatok készítése.\r\n\r\nKölcsönös támogatás, segítségnyújtás.\r\nFejlesztés - a "
           "támogatás mértékével arányosan.\r\n\r\nTovábbi információk: " +
           c.Email;
}

std::string tamogatasKerdes(const GyartoCimek& c)
{
    return std::string("Támogatás\r\n") + kTamogatasBekezdes + "\r\n\r\nTovábbi információk: " +
           c.Email + "\r\n\r\nTámogatását köszönöm.\r\n\r\nMégis küld üzenetet?";
}

std::string emailMegerosites(const GyartoCimek& c)
{
    return std::string("Az email cím azok számára hasznos elérhetőség, akik támogatni kívánják a "
                       "program fejlesztését és/vagy konstruktív észrevételeiket akarják "
                       "eljuttatni a fejlesztő részére.\r\n\r\nTámogatás\r\n") +
           kTamogatasBekezdes + "\r\n\r\nTovábbi információk: " + c.Email +
           "\r\n\r\nTámogatását, észrevételét köszönöm.\r\n\r\nMégis küld üzenetet?";
}

}  // namespace kvx

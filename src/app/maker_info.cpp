#include "app/maker_info.h"

namespace kvx {

namespace {

const char* const kTamogatasBekezdes =
    "A program alkalmazásának sikerétől és/vagy a program felhasználójának akaratától függően, "
    "szabadon megválasztott összeggel, ajándéknak minősülő anyagi juttatással tudja támogatni a "
    "fejlesztést - kifejezni köszönetét.";
}  // namespace

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

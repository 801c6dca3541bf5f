#include "app/ui/variacio_statusz.h"

#include <optional>
#include <string>

namespace kvx {

VariacioStatusz::VariacioStatusz(QObject* parent) : QObject(parent) {}

void VariacioStatusz::Kiiras(const VariacioAllapot& v, bool befejezett, bool allapotSzoveg)
{
    allapot_ = v;
    if (const std::optional<std::string> s = VariacioStatuszSzoveg(v, befejezett, allapotSzoveg))
        szoveg_ = QString::fromStdString(*s);
    emit kiirva();
}

void VariacioStatusz::Ujrakiiras()
{
    Kiiras(allapot_, true, true);
}

}  // namespace kvx

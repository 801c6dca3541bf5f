#pragma once
// Small helpers shared by the tab files of the conditions window.
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QString>

#include <algorithm>
#include <string>

#include "conditions/distribution_conditions.h"

namespace kvx::lap {

inline QString q(const std::string& s) { return QString::fromStdString(s); }
// Hints keep the program's "\r\n" line breaks; a tooltip breaks on "\n".
inline QString tipp(const std::string& s) { return q(s).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

// Shows a value with its limits, without running the change handler.
inline void ertek(QSpinBox* e, const Korlat& k, std::int32_t v)
{
    const QSignalBlocker b(e);
    e->setRange(k.Min, std::max(k.Min, k.Max));
    e->setValue(v);
}

inline QLabel* cimke(const char* s, QWidget* p) { return new QLabel(QString::fromUtf8(s), p); }

}  // namespace kvx::lap

// The language set-up of start leaves the program's own number texts alone:
// a session whose numeric locale writes a decimal comma (set on the C library
// when the application is made) changes neither how the program formats its
// numbers nor how it reads them back.
#include "app/ui/qt_nyelv.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

#include "common/delphi_format.h"
#include "conditions/math_conditions.h"

namespace {

using namespace kvx;

TEST(QtNyelvSzamok, TheProgramsNumbersDoNotFollowTheSessionsNumericLocale)
{
    // A Hungarian session, its locale compiled into a folder of the test's own.
    QTemporaryDir helyek;
    ASSERT_TRUE(helyek.isValid());
    const QString localedef = QStandardPaths::findExecutable(QStringLiteral("localedef"));
    ASSERT_FALSE(localedef.isEmpty()) << "localedef (package locales) is missing";
    QProcess p;
    p.start(localedef, {QStringLiteral("-i"), QStringLiteral("hu_HU"), QStringLiteral("-f"), QStringLiteral("UTF-8"),
                        helyek.filePath(QStringLiteral("hu_HU.UTF-8"))});
    ASSERT_TRUE(p.waitForFinished(60000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    qputenv("LOCPATH", helyek.path().toLocal8Bit());
    const std::string elotte = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "hu_HU.UTF-8"), nullptr);
    char szam[16];
    std::snprintf(szam, sizeof szam, "%.1f", 3.5);
    ASSERT_STREQ(szam, "3,5");  // the session's numbers are in force

    QtMagyarNyelv();
    EXPECT_EQ(Format("%.2n", {1234.5}), "1 234,50");
    EXPECT_EQ(Format("%.3e", {1234.5}), "1,234e+03");
    EXPECT_EQ(SzorasErtek("3,5"), std::optional<double>(3.5));
    EXPECT_EQ(SzorasErtek("12.25"), std::optional<double>(12.25));

    std::setlocale(LC_ALL, elotte.c_str());
    std::setlocale(LC_NUMERIC, "C");
    qunsetenv("LOCPATH");
}

}  // namespace

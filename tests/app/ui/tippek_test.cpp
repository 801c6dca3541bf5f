// The hints' timing: the delay is the application style's, the stay time
// the one set, whichever control shows the hint.
#include <QApplication>
#include <QHelpEvent>
#include <QStyle>
#include <QTest>
#include <QToolTip>
#include <QWidget>

#include <gtest/gtest.h>

#include "app/ui/tippek.h"
#include "valaszolo.h"

namespace {

TEST(TippIdozites, HintsComeAfterTheDelaySetAndStayTheTimeSet)
{
    kvx::TippIdozitesBeallitasa(100, 200);
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 100);
    EXPECT_EQ(kvx::TippIdotartam(), 200);
    QWidget w;
    w.setToolTip(QStringLiteral(" Egy tipp "));
    w.resize(200, 100);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QHelpEvent e(QEvent::ToolTip, QPoint(10, 10), w.mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(&w, &e);
    ASSERT_TRUE(kvx::teszt::varj([] { return QToolTip::isVisible(); }, 5000));
    EXPECT_EQ(QToolTip::text(), QStringLiteral(" Egy tipp "));
    // It goes after the time set; Qt's own time keeps a short hint 10 s.
    EXPECT_TRUE(kvx::teszt::varj([] { return !QToolTip::isVisible(); }, 8000));

    // Set again: the new values replace the earlier ones.
    kvx::TippIdozitesBeallitasa(300, 50000);
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 300);
    EXPECT_EQ(kvx::TippIdotartam(), 50000);
}

}  // namespace

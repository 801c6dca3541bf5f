// Two instances of the program as two real processes over one program
// folder (and over two folders): the later one asks the earlier one to close
// and goes on only once it has ended; one that stays keeps the folder as it
// was. The processes are the program body in a helper (tests/app/
// peldany_seged.cpp) that answers its own boxes.
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <deque>
#include <memory>
#include <vector>

#include "app/ini_file.h"
#include "app/shell_state.h"
#include "platform/instance.h"
#include "shell/inditas.h"
#include "valaszolo.h"

namespace {

using kvx::platform::BezarasEredmeny;
using kvx::platform::FutoPeldany;

const QString kKerdesEleje = QString::fromUtf8("Már fut egy példánya a Kavarex Personal programnak.");

QString dobozSor(const char* szoveg)
{
    return QStringLiteral("DOBOZ ") + QString::fromUtf8(szoveg).replace(QStringLiteral("\r\n"), QStringLiteral("\\n"));
}

// One helper process and what it wrote.
struct Peldany {
    std::unique_ptr<QProcess> P;
    QByteArray Kimenet;

    void olvas() { Kimenet += P->readAllStandardOutput(); }
    QStringList sorok(const QString& elotag)
    {
        olvas();
        QStringList l;
        for (const QString& s : QString::fromUtf8(Kimenet).split(u'\n'))
            if (s.startsWith(elotag))
                l << s;
        return l;
    }
    // The fields of the "KESZ" line after the word: time, pid, window id,
    // game, remembered number-set folder; empty when there is none.
    QStringList kesz()
    {
        const QStringList l = sorok(QStringLiteral("KESZ "));
        return l.isEmpty() ? QStringList{} : l[0].split(u' ').mid(1);
    }
    // The time in a "KESZ"/"KILEP" line; -1 when there is none.
    qint64 ido(const QString& elotag) { const QStringList l = sorok(elotag + u' '); return l.isEmpty() ? -1 : l[0].section(u' ', 1, 1).toLongLong(); }
    bool var(const QString& elotag, int ms = 60000)
    {
        return kvx::teszt::varj([&] { return ido(elotag) >= 0 || P->state() == QProcess::NotRunning; }, ms) &&
               ido(elotag) >= 0;
    }
    bool vege(int ms = 60000)
    {
        const bool ok = kvx::teszt::varj([&] { return P->state() == QProcess::NotRunning; }, ms);
        olvas();
        return ok;
    }
};

class PeldanyFolyamatTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        for (const char* k : {"prog1", "prog2", "xdg"})
            ASSERT_TRUE(QDir(dir_.path()).mkpath(QString::fromLatin1(k)));
    }
    void TearDown() override
    {
        // Whatever still runs was started here: it ends with the test.
        for (Peldany& p : peldanyok_)
            if (p.P->state() != QProcess::NotRunning) {
                p.P->kill();
                p.P->waitForFinished(5000);
            }
        for (qint64 pid : kulsoPidek_)
            ::kill(static_cast<pid_t>(pid), SIGKILL);
    }

    QString konyvtar(const char* nev) const { return dir_.filePath(QString::fromLatin1(nev)); }
    static QString nev(const QString& k) { return kvx::platform::peldanyNev(k); }

    Peldany& indit(const QString& k, const QStringList& valaszok, const QString& munka = {},
                   const QStringList& parameterek = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), konyvtar("xdg"));
        for (const char* v : {"KAVAREX_NO_DESKTOP_TOOLS", "KAVAREX_NO_STARTUP_BOXES", "KAVAREX_NO_STARTUP_CHECKS",
                              "KAVAREX_NO_DOWNLOAD_OFFER"})
            env.insert(QString::fromLatin1(v), QStringLiteral("1"));
        env.insert(QStringLiteral("KAVAREX_SEGED_KONYVTAR"), k);
        env.insert(QStringLiteral("KAVAREX_SEGED_VALASZOK"), valaszok.join(u'|'));
        env.insert(QStringLiteral("KAVAREX_SEGED_MUNKA"), munka);
        env.insert(QStringLiteral("KAVAREX_SEGED_UJRA_KIMENET"), dir_.filePath(QStringLiteral("ujra.txt")));
        Peldany p;
        p.P = std::make_unique<QProcess>();
        p.P->setProcessEnvironment(env);
        p.P->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.P->start(QStringLiteral(KAVAREX_PELDANY_SEGED), parameterek);
        EXPECT_TRUE(p.P->waitForStarted(10000));
        peldanyok_.push_back(std::move(p));
        return peldanyok_.back();
    }

    // Every file and folder under k: its size, content and last write.
    static QMap<QString, QString> pillanatkep(const QString& k)
    {
        QMap<QString, QString> m;
        QDirIterator it(k, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString ut = it.next();
            const QFileInfo fi(ut);
            QString leiras = QString::number(fi.lastModified().toMSecsSinceEpoch());
            if (fi.isFile()) {
                QFile f(ut);
                f.open(QIODevice::ReadOnly);
                leiras += u' ' + QString::number(fi.size()) + u' ' +
                          QString::fromLatin1(QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1).toHex());
            }
            m.insert(QDir(k).relativeFilePath(ut), leiras);
        }
        return m;
    }

    // Asks the instance of folder k to close, as a third start would.
    static BezarasEredmeny bezar(const QString& k)
    {
        return FutoPeldany(nev(k)).BezarasKerese(30000, [] { QThread::msleep(5); });
    }

    QTemporaryDir dir_;
    std::deque<Peldany> peldanyok_;  // a deque: references to earlier ones stay valid
    std::vector<qint64> kulsoPidek_;
};

// The earlier instance holds unsaved numbers and its user answers "Nem" to
// its own question: it keeps running, and the new instance says so and ends
// with code 4 without having touched a file of the folder.
TEST_F(PeldanyFolyamatTest, EarlierInstanceThatStaysKeepsTheFolderAndTheNewOneEnds)
{
    const QString k = konyvtar("prog1");
    Peldany& a = indit(k, {QStringLiteral("Nem"), QStringLiteral("Igen")}, QStringLiteral("jeloles"));
    ASSERT_TRUE(a.var(QStringLiteral("KESZ")));
    const QMap<QString, QString> elotte = pillanatkep(k);
    ASSERT_TRUE(elotte.contains(QStringLiteral("kavarex.ini")));

    Peldany& b = indit(k, {QStringLiteral("Igen"), QStringLiteral("OK")});
    ASSERT_TRUE(b.vege());
    EXPECT_EQ(b.P->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(b.P->exitCode(), kvx::kMasikPeldanyKilepesiKod);
    const QStringList bDobozok = b.sorok(QStringLiteral("DOBOZ "));
    ASSERT_EQ(bDobozok.size(), 2) << bDobozok.join(u'\n').toStdString();
    EXPECT_TRUE(bDobozok[0].startsWith(QStringLiteral("DOBOZ ") + kKerdesEleje));
    EXPECT_EQ(bDobozok[1], dobozSor(kvx::kPeldanyNemZartBeUzenet));
    EXPECT_TRUE(b.sorok(QStringLiteral("KESZ")).isEmpty());

    // The earlier one was asked, kept its work, and still runs on the folder.
    EXPECT_EQ(a.P->state(), QProcess::Running);
    EXPECT_TRUE(FutoPeldany(nev(k)).MasikPeldanyFut());
    EXPECT_EQ(pillanatkep(k), elotte);

    // Asked again, its user lets it go this time.
    EXPECT_EQ(bezar(k), BezarasEredmeny::Bezart);
    ASSERT_TRUE(a.vege());
    EXPECT_EQ(a.P->exitCode(), 0);
    const QStringList aDobozok = a.sorok(QStringLiteral("DOBOZ "));
    ASSERT_EQ(aDobozok.size(), 2) << aDobozok.join(u'\n').toStdString();
    for (const QString& d : aDobozok)
        EXPECT_TRUE(d.contains(QString::fromUtf8("Biztos törli"))) << d.toStdString();
}

// An earlier instance that closes: the new one waits for its end (the
// earlier one's event loop ended before the new one's window showed), then
// runs alone on the folder.
TEST_F(PeldanyFolyamatTest, EarlierInstanceThatClosesIsWaitedForAndTakenOver)
{
    const QString k = konyvtar("prog1");
    Peldany& a = indit(k, {});
    ASSERT_TRUE(a.var(QStringLiteral("KESZ")));
    const qint64 bIndul = QDateTime::currentMSecsSinceEpoch();
    Peldany& b = indit(k, {QStringLiteral("Igen")});
    ASSERT_TRUE(b.var(QStringLiteral("KESZ")));
    ASSERT_TRUE(a.vege());
    EXPECT_EQ(a.P->exitCode(), 0);
    EXPECT_TRUE(a.sorok(QStringLiteral("DOBOZ ")).isEmpty());
    const qint64 aKilep = a.ido(QStringLiteral("KILEP"));
    ASSERT_GE(aKilep, 0);
    EXPECT_LT(bIndul, aKilep);
    EXPECT_LT(aKilep, b.ido(QStringLiteral("KESZ")));
    EXPECT_EQ(b.P->state(), QProcess::Running);

    EXPECT_EQ(bezar(k), BezarasEredmeny::Bezart);
    ASSERT_TRUE(b.vege());
    EXPECT_EQ(b.P->exitCode(), 0);
    const QStringList bDobozok = b.sorok(QStringLiteral("DOBOZ "));
    ASSERT_EQ(bDobozok.size(), 1) << bDobozok.join(u'\n').toStdString();
    EXPECT_TRUE(bDobozok[0].startsWith(QStringLiteral("DOBOZ ") + kKerdesEleje));
}

// What the user changed in the earlier instance reaches its INI file only
// at its close, which comes after the new instance was started: the new one
// starts from those settings, and its own close later keeps them.
TEST_F(PeldanyFolyamatTest, SettingsTheEarlierInstanceWroteAtItsCloseAreTakenOverAndKept)
{
    const QString k = konyvtar("prog1");
    const QString sajat = QDir(k).filePath(QStringLiteral("sajat/"));
    const QString ini = QDir(k).filePath(QStringLiteral("kavarex.ini"));
    Peldany& a = indit(k, {}, QStringLiteral("beallitas"));
    ASSERT_TRUE(a.var(QStringLiteral("KESZ")));
    const std::string beallitasok = (QStringLiteral("1 ") + sajat).toStdString();
    ASSERT_EQ(a.kesz().mid(3).join(u' ').toStdString(), beallitasok);
    {
        // The start wrote the file; the changes are not in it yet.
        kvx::IniFile f;
        ASSERT_TRUE(f.LoadFromFile(ini.toStdString()));
        ASSERT_EQ(f.ReadInteger("Kavarex", "Game", -1), 0);
    }

    Peldany& b = indit(k, {QStringLiteral("Igen")});
    ASSERT_TRUE(b.var(QStringLiteral("KESZ")));
    ASSERT_TRUE(a.vege());
    EXPECT_EQ(a.P->exitCode(), 0);
    // The new instance comes up with the earlier one's last settings.
    EXPECT_EQ(b.kesz().mid(3).join(u' ').toStdString(), beallitasok);

    EXPECT_EQ(bezar(k), BezarasEredmeny::Bezart);
    ASSERT_TRUE(b.vege());
    EXPECT_EQ(b.P->exitCode(), 0);
    kvx::IniFile f;
    ASSERT_TRUE(f.LoadFromFile(ini.toStdString()));
    EXPECT_EQ(f.ReadInteger("Kavarex", "Game", -1), 1);
    EXPECT_EQ(f.ReadString("Kavarex", "DirTO1", ""), sajat.toStdString());
}

// A restart ("-r 10") that still finds the earlier instance after its wait
// asks like any other start. Refused either way (its own "Nem", or the
// earlier one's user keeps it), it ends with code 4 and leaves every file
// as it was: the text size it brought is not stored.
TEST_F(PeldanyFolyamatTest, RestartThatFindsTheEarlierInstanceAndIsRefusedLeavesEveryFileAsItWas)
{
    const QString k = konyvtar("prog1");
    Peldany& a = indit(k, {QStringLiteral("Nem"), QStringLiteral("Igen")}, QStringLiteral("jeloles"));
    ASSERT_TRUE(a.var(QStringLiteral("KESZ")));
    const QMap<QString, QString> elotte = pillanatkep(k);
    ASSERT_TRUE(elotte.contains(QStringLiteral("kavarex.ini")));

    const struct {
        const char* eset;
        QStringList valaszok;
        int dobozok;
    } esetek[] = {
        {"its own No", {QStringLiteral("Nem")}, 1},
        {"the earlier one stays", {QStringLiteral("Igen"), QStringLiteral("OK")}, 2},
    };
    for (const auto& e : esetek) {
        SCOPED_TRACE(e.eset);
        Peldany& b = indit(k, e.valaszok, {}, {QStringLiteral("-r"), QStringLiteral("10")});
        ASSERT_TRUE(b.vege());
        EXPECT_EQ(b.P->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(b.P->exitCode(), kvx::kMasikPeldanyKilepesiKod);
        const QStringList bDobozok = b.sorok(QStringLiteral("DOBOZ "));
        ASSERT_EQ(bDobozok.size(), e.dobozok) << bDobozok.join(u'\n').toStdString();
        EXPECT_TRUE(bDobozok[0].startsWith(QStringLiteral("DOBOZ ") + kKerdesEleje));
        EXPECT_TRUE(b.sorok(QStringLiteral("KESZ")).isEmpty());
        EXPECT_EQ(a.P->state(), QProcess::Running);
        EXPECT_EQ(pillanatkep(k), elotte);
    }

    EXPECT_EQ(bezar(k), BezarasEredmeny::Bezart);
    ASSERT_TRUE(a.vege());
    EXPECT_EQ(a.P->exitCode(), 0);
}

// Two installations in two folders never see each other: neither asks,
// both run.
TEST_F(PeldanyFolyamatTest, InstancesOfTwoFoldersRunSideBySide)
{
    const QString k1 = konyvtar("prog1");
    const QString k2 = konyvtar("prog2");
    EXPECT_NE(nev(k1), nev(k2));
    // Another spelling of one folder is the same installation.
    EXPECT_EQ(nev(k1), nev(k1 + QStringLiteral("/../prog1/")));
    Peldany& a = indit(k1, {});
    ASSERT_TRUE(a.var(QStringLiteral("KESZ")));
    Peldany& b = indit(k2, {});
    ASSERT_TRUE(b.var(QStringLiteral("KESZ")));
    EXPECT_EQ(a.P->state(), QProcess::Running);
    EXPECT_EQ(bezar(k1), BezarasEredmeny::Bezart);
    EXPECT_EQ(bezar(k2), BezarasEredmeny::Bezart);
    ASSERT_TRUE(a.vege());
    ASSERT_TRUE(b.vege());
    EXPECT_TRUE(a.sorok(QStringLiteral("DOBOZ ")).isEmpty());
    EXPECT_TRUE(b.sorok(QStringLiteral("DOBOZ ")).isEmpty());
}

// The restart the program asks for itself ("-r 16") still comes up alone,
// without a question, at the new text size.
TEST_F(PeldanyFolyamatTest, RestartStillComesUpAloneWithoutAQuestion)
{
    const QString k = konyvtar("prog1");
    Peldany& a = indit(k, {QStringLiteral("Igen")}, QStringLiteral("ujrainditas"));
    ASSERT_TRUE(a.var(QStringLiteral("KESZ")));
    ASSERT_TRUE(a.vege());
    EXPECT_EQ(a.P->exitCode(), 0);
    const QStringList aDobozok = a.sorok(QStringLiteral("DOBOZ "));
    ASSERT_EQ(aDobozok.size(), 1) << aDobozok.join(u'\n').toStdString();
    EXPECT_TRUE(aDobozok[0].contains(QString::fromUtf8("Program újraindítása")));

    // The restarted instance writes its lines into a file of its own.
    QFile ki(dir_.filePath(QStringLiteral("ujra.txt")));
    QString kimenet;
    const bool kesz = kvx::teszt::varj(
        [&] {
            if (ki.open(QIODevice::ReadOnly)) {
                kimenet = QString::fromUtf8(ki.readAll());
                ki.close();
            }
            return kimenet.contains(QStringLiteral("KESZ "));
        },
        60000);
    ASSERT_TRUE(kesz) << kimenet.toStdString();
    const QString keszSor = kimenet.section(QStringLiteral("KESZ "), 1).section(u'\n', 0, 0);
    kulsoPidek_.push_back(keszSor.section(u' ', 1, 1).toLongLong());
    kvx::IniFile ini;
    ASSERT_TRUE(ini.LoadFromFile(QDir(k).filePath(QStringLiteral("kavarex.ini")).toStdString()));
    EXPECT_EQ(ini.ReadInteger("Kavarex", "Size", 0), 16);

    EXPECT_EQ(bezar(k), BezarasEredmeny::Bezart);
    // It is not this process's child: it has ended once its id is gone.
    const auto pid = static_cast<pid_t>(kulsoPidek_.back());
    ASSERT_TRUE(kvx::teszt::varj([&] { return ::kill(pid, 0) != 0; }, 30000));
    kulsoPidek_.clear();
    ASSERT_TRUE(ki.open(QIODevice::ReadOnly));
    kimenet = QString::fromUtf8(ki.readAll());
    EXPECT_TRUE(kimenet.contains(QStringLiteral("KILEP "))) << kimenet.toStdString();
    EXPECT_FALSE(kimenet.contains(QStringLiteral("DOBOZ "))) << kimenet.toStdString();
}

}  // namespace

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zip.h>

#include <filesystem>
#include <fstream>
#include <future>
#include <thread>

#include "http_szerver.h"
#include "platform/web_access.h"
#include "platform/zip_unpack.h"

namespace kvx::platform {
namespace {

using teszt::HttpSzerver;
namespace fs = std::filesystem;

std::string olvas(const QString& ut)
{
    QFile f(ut);
    if (!f.open(QIODevice::ReadOnly))
        return "<missing>";
    return f.readAll().toStdString();
}

void ir(const QString& ut, const std::string& s)
{
    QFile f(ut);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(s.data(), static_cast<qint64>(s.size()));
}

// Everything in the folder except the given file names.
QStringList egyebek(const QString& konyvtar, const QStringList& nevek)
{
    QStringList l = QDir(konyvtar).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& n : nevek)
        l.removeAll(n);
    return l;
}

WebKorlatok rovid()
{
    WebKorlatok k;
    k.CsendMs = 700;
    k.OsszesMs = 5000;
    k.MaxMeret = 4096;
    return k;
}

TEST(WebAccessTest, ProbeAnswersForAnyStatusAndFailsWithoutServer)
{
    HttpSzerver sz;
    EXPECT_TRUE(InternetElerheto(QUrl(QString::fromStdString(sz.cim("/")))));  // a 404 is an answer too
    int szabad = 0;
    {
        HttpSzerver masik;
        szabad = masik.port();
    }
    EXPECT_FALSE(InternetElerheto(QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(szabad)), 2000));
    EXPECT_FALSE(InternetElerheto(QUrl(QStringLiteral("file:///etc/hostname"))));
}

TEST(WebAccessTest, TextIsReadWholeOnlyFromA2xxAnswerWithinTheCap)
{
    HttpSzerver sz;
    sz.beallit("/v.txt", {200, "2817"});
    sz.beallit("/hiba.txt", {500, "2999"});
    sz.beallit("/nagy.txt", {200, std::string(5000, '1')});
    const WebValasz jo = SzovegLetoltes(QUrl(QString::fromStdString(sz.cim("/v.txt"))), rovid());
    ASSERT_TRUE(jo.ok());
    EXPECT_EQ(jo.Torzs, "2817");
    EXPECT_EQ(jo.Statusz, 200);

    const WebValasz h = SzovegLetoltes(QUrl(QString::fromStdString(sz.cim("/hiba.txt"))), rovid());
    EXPECT_EQ(h.Hiba, WebHiba::Statusz);
    EXPECT_EQ(h.Statusz, 500);
    EXPECT_TRUE(h.Torzs.empty());
    EXPECT_EQ(SzovegLetoltes(QUrl(QString::fromStdString(sz.cim("/nagy.txt"))), rovid()).Hiba, WebHiba::Tul_nagy);
}

// A download that fails in any way leaves the old file byte for byte and no
// temporary file beside it.
TEST(WebAccessTest, FailedDownloadsKeepTheOldFileAndLeaveNoTemporary)
{
    HttpSzerver sz;
    const std::string test(3000, 'x');
    sz.beallit("/404", {404, "<html>not here</html>"});
    sz.beallit("/500", {500, "<html>broken</html>"});
    sz.beallit("/csonka", {200, test, HttpSzerver::Mod::Csonka});
    sz.beallit("/nagy", {200, std::string(10000, 'y')});
    sz.beallit("/akad", {200, test, HttpSzerver::Mod::Akad});
    const struct {
        const char* ut;
        WebHiba hiba;
    } esetek[] = {
        {"/404", WebHiba::Statusz},   {"/500", WebHiba::Statusz},    {"/csonka", WebHiba::Csonka},
        {"/nagy", WebHiba::Tul_nagy}, {"/akad", WebHiba::Idotullepes}, {"/nincs", WebHiba::Statusz},
    };
    QTemporaryDir d;
    const QString cel = d.filePath(QStringLiteral("Online.zip"));
    for (const auto& e : esetek) {
        SCOPED_TRACE(e.ut);
        ir(cel, "the old content");
        const WebValasz v = AllomanyLetoltes(QUrl(QString::fromStdString(sz.cim(e.ut))), cel, rovid());
        EXPECT_EQ(v.Hiba, e.hiba);
        EXPECT_EQ(olvas(cel), "the old content");
        EXPECT_TRUE(egyebek(d.path(), {QStringLiteral("Online.zip")}).isEmpty()) << egyebek(d.path(), {}).join(' ').toStdString();
    }
}

TEST(WebAccessTest, CompleteDownloadReplacesTheFileAndReportsProgress)
{
    HttpSzerver sz;
    std::string tartalom;
    for (int i = 0; i < 3000; ++i)
        tartalom.push_back(static_cast<char>(i * 7));
    sz.beallit("/Database/Otos.ldb", {200, tartalom, HttpSzerver::Mod::Lassu, 1});
    QTemporaryDir d;
    const QString cel = d.filePath(QStringLiteral("Otos.ldb"));
    ir(cel, "old");
    std::int64_t utolso = 0, osszes = 0;
    // From a worker thread, as the internet actions call it.
    auto f = std::async(std::launch::async, [&] {
        return AllomanyLetoltes(QUrl(QString::fromStdString(sz.cim("/Database/Otos.ldb"))), cel, rovid(),
                                [&](std::int64_t k, std::int64_t o) {
                                    utolso = k;
                                    osszes = o;
                                });
    });
    const WebValasz v = f.get();
    ASSERT_TRUE(v.ok()) << static_cast<int>(v.Hiba);
    EXPECT_EQ(olvas(cel), tartalom);
    EXPECT_EQ(utolso, 3000);
    EXPECT_EQ(osszes, 3000);
    EXPECT_EQ(egyebek(d.path(), {QStringLiteral("Otos.ldb")}), QStringList());
}

TEST(WebAccessTest, StopFlagEndsADownloadWithoutTouchingTheTarget)
{
    HttpSzerver sz;
    sz.beallit("/akad", {200, std::string(3000, 'a'), HttpSzerver::Mod::Akad});
    QTemporaryDir d;
    const QString cel = d.filePath(QStringLiteral("a.bin"));
    std::atomic<bool> stop{false};
    std::thread t([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        stop = true;
    });
    WebKorlatok k = rovid();
    k.CsendMs = 20000;
    const WebValasz v = AllomanyLetoltes(QUrl(QString::fromStdString(sz.cim("/akad"))), cel, k, {}, &stop);
    t.join();
    EXPECT_EQ(v.Hiba, WebHiba::Megszakitva);
    EXPECT_FALSE(QFile::exists(cel));
    EXPECT_TRUE(egyebek(d.path(), {}).isEmpty());
}

TEST(WebAccessTest, OnlyHttpAndHttpsAddressesAreFetched)
{
    QTemporaryDir d;
    for (const char* c : {"file:///etc/passwd", "ftp://127.0.0.1/x", "javascript:alert(1)", "http:///nohost"}) {
        SCOPED_TRACE(c);
        EXPECT_EQ(AllomanyLetoltes(QUrl(QString::fromUtf8(c)), d.filePath(QStringLiteral("x")), rovid()).Hiba,
                  WebHiba::Cim);
    }
    EXPECT_TRUE(WebCimEngedett(QUrl(QStringLiteral("https://example.invalid/a"))));
}

// ---- ZIP ----

struct ZipTag {
    std::string nev;
    std::string tartalom;
    bool link = false;
};

// Builds an archive with libzip.
void zipKeszit(const std::string& ut, const std::vector<ZipTag>& tagok)
{
    int err = 0;
    zip_t* z = zip_open(ut.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &err);
    ASSERT_NE(z, nullptr);
    for (const ZipTag& t : tagok) {
        zip_source_t* s = zip_source_buffer(z, t.tartalom.data(), t.tartalom.size(), 0);
        const zip_int64_t i = zip_file_add(z, t.nev.c_str(), s, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
        ASSERT_GE(i, 0) << t.nev;
        if (t.link)
            zip_file_set_external_attributes(z, static_cast<zip_uint64_t>(i), 0, ZIP_OPSYS_UNIX,
                                             static_cast<zip_uint32_t>(S_IFLNK | 0777) << 16);
    }
    ASSERT_EQ(zip_close(z), 0);
}

TEST(ZipUnpackTest, ExpectedPlainMemberIsUnpacked)
{
    QTemporaryDir d;
    const std::string arch = d.filePath(QStringLiteral("Online.zip")).toStdString();
    zipKeszit(arch, {{"Online.odb", std::string(124752, 'o')}});
    fs::create_directory(d.filePath(QStringLiteral("cel")).toStdString());
    const std::string cel = d.filePath(QStringLiteral("cel")).toStdString();
    ir(QString::fromStdString(cel + "/Online.odb"), "old");
    ZipKorlatok k;
    k.Nevek = {"Online.odb"};
    const ZipEredmeny e = Kicsomagolas(arch, cel, k);
    ASSERT_TRUE(e.ok()) << static_cast<int>(e.Hiba);
    EXPECT_EQ(e.Kibontott, std::vector<std::string>{"Online.odb"});
    EXPECT_EQ(olvas(QString::fromStdString(cel + "/Online.odb")), std::string(124752, 'o'));
    EXPECT_EQ(egyebek(QString::fromStdString(cel), {QStringLiteral("Online.odb")}), QStringList());
}

// Every bad archive is refused whole: nothing is written in the target or
// beside it, and a file already there stays.
TEST(ZipUnpackTest, HostileOrBrokenArchivesWriteNothing)
{
    const std::string nagy(300000, '\0');
    const struct {
        const char* eset;
        std::vector<ZipTag> tagok;
        ZipHiba hiba;
    } esetek[] = {
        {"climbing path", {{"Online.odb", "a"}, {"../x", "evil"}}, ZipHiba::Tagnev},
        {"absolute path", {{"/abs", "evil"}}, ZipHiba::Tagnev},
        {"sub folder", {{"sub/Online.odb", "a"}}, ZipHiba::Tagnev},
        {"folder entry", {{"dir/", ""}}, ZipHiba::Tagnev},
        {"symbolic link", {{"Online.odb", "/etc/passwd", true}}, ZipHiba::Hivatkozas},
        {"unexpected name", {{"Online.odb", "a"}, {"autorun.sh", "b"}}, ZipHiba::Tagnev},
        {"huge member", {{"Online.odb", nagy}}, ZipHiba::Tul_nagy},
        {"too many members", {{"a", ""}, {"b", ""}, {"c", ""}, {"d", ""}}, ZipHiba::Tul_nagy},
    };
    ZipKorlatok k;
    k.Nevek = {"Online.odb", "a", "b", "c", "d"};
    k.MaxTagok = 3;
    k.MaxKibontott = 200000;
    for (const auto& e : esetek) {
        SCOPED_TRACE(e.eset);
        QTemporaryDir d;
        const std::string arch = d.filePath(QStringLiteral("in.zip")).toStdString();
        zipKeszit(arch, e.tagok);
        const QString cel = d.filePath(QStringLiteral("cel/belso"));
        QDir().mkpath(cel);
        ir(cel + QStringLiteral("/Online.odb"), "old");
        const ZipEredmeny r = Kicsomagolas(arch, cel.toStdString(), k);
        EXPECT_EQ(r.Hiba, e.hiba);
        EXPECT_TRUE(r.Kibontott.empty());
        EXPECT_EQ(olvas(cel + QStringLiteral("/Online.odb")), "old");
        EXPECT_EQ(egyebek(cel, {QStringLiteral("Online.odb")}), QStringList());
        EXPECT_EQ(egyebek(d.filePath(QStringLiteral("cel")), {}), QStringList());
        EXPECT_EQ(egyebek(d.path(), {QStringLiteral("in.zip")}), QStringList());
        EXPECT_FALSE(fs::exists("/abs"));
    }
}

// The members replace their files all together or not at all: when a later
// member cannot take its name (a folder stands there, which no rename can
// replace, not even as root), the earlier members' files keep their old
// content, and nothing new is left beside them.
TEST(ZipUnpackTest, MembersReplaceTheirFilesAllOrNone)
{
    QTemporaryDir d;
    const std::string arch = d.filePath(QStringLiteral("res.zip")).toStdString();
    zipKeszit(arch, {{"a.txt", "new a"}, {"b.txt", "new b"}, {"c.txt", "new c"}});
    const QString cel = d.filePath(QStringLiteral("cel"));
    QDir().mkpath(cel);
    ir(cel + QStringLiteral("/a.txt"), "old a");
    QDir().mkpath(cel + QStringLiteral("/c.txt"));
    ir(cel + QStringLiteral("/c.txt/benne"), "kept");
    ZipKorlatok k;
    k.Nevek = {"a.txt", "b.txt", "c.txt"};
    const ZipEredmeny r = Kicsomagolas(arch, cel.toStdString(), k);
    EXPECT_EQ(r.Hiba, ZipHiba::Iras);
    EXPECT_TRUE(r.Kibontott.empty());
    EXPECT_EQ(olvas(cel + QStringLiteral("/a.txt")), "old a");
    EXPECT_FALSE(QFile::exists(cel + QStringLiteral("/b.txt")));
    EXPECT_EQ(olvas(cel + QStringLiteral("/c.txt/benne")), "kept");
    EXPECT_EQ(egyebek(cel, {QStringLiteral("a.txt")}), QStringList());

    // With the way clear, every member takes its name.
    QDir(cel + QStringLiteral("/c.txt")).removeRecursively();
    const ZipEredmeny jo = Kicsomagolas(arch, cel.toStdString(), k);
    ASSERT_TRUE(jo.ok()) << static_cast<int>(jo.Hiba);
    EXPECT_EQ(jo.Kibontott, (std::vector<std::string>{"a.txt", "b.txt", "c.txt"}));
    for (const char* n : {"a", "b", "c"})
        EXPECT_EQ(olvas(cel + QStringLiteral("/%1.txt").arg(QLatin1String(n))), std::string("new ") + n);
    EXPECT_EQ(egyebek(cel, {QStringLiteral("a.txt"), QStringLiteral("b.txt"), QStringLiteral("c.txt")}), QStringList());
}

TEST(ZipUnpackTest, CorruptOrMissingArchiveIsRefused)
{
    QTemporaryDir d;
    const std::string arch = d.filePath(QStringLiteral("a.zip")).toStdString();
    zipKeszit(arch, {{"Online.odb", std::string(5000, 'q')}});
    // A flipped byte in the stored data fails the CRC check; a cut archive
    // loses its central directory.
    std::string bajt = olvas(QString::fromStdString(arch));
    const std::size_t hol = bajt.find("Online.odb") + 10 + 5;
    bajt[hol] = static_cast<char>(bajt[hol] ^ 0x55);
    ir(QString::fromStdString(arch), bajt);
    ZipKorlatok k;
    const std::string cel = d.path().toStdString();
    EXPECT_NE(Kicsomagolas(arch, cel, k).Hiba, ZipHiba::Nincs);
    ir(QString::fromStdString(arch), bajt.substr(0, bajt.size() / 2));
    EXPECT_EQ(Kicsomagolas(arch, cel, k).Hiba, ZipHiba::Megnyitas);
    EXPECT_EQ(Kicsomagolas(cel + "/nincs.zip", cel, k).Hiba, ZipHiba::Megnyitas);
    EXPECT_EQ(egyebek(d.path(), {QStringLiteral("a.zip")}), QStringList());
}

}  // namespace
}  // namespace kvx::platform

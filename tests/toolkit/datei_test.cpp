// Export-file I/O, provoked for real: replaced whole or not at all, written
// in place where it must be, never blocking, every failure with its reason.
#include "aufzeichnung.h"
#include "seams.h"
#include "toolkit_kern.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

const uid_t NIEMAND = 65534;  // an unprivileged user and group

// Writes @p inhalt as an export does: open, reserve, write, close. 0, or
// -1 (open), -2 (reserve or write), -3 (close).
int Exportieren(const std::string &pfad, const std::string &inhalt)
{
    const int f = CVI_OpenFile(pfad.c_str(), 2, 0, 1), n = static_cast<int>(inhalt.size());
    if (f < 0)
        return -1;
    if (TK_DateiReservieren(f, n) != 0 || TK_ZeilenSchreiben(f, inhalt.data(), n) != n)
        return CVI_CloseFile(f), -2;
    return CVI_CloseFile(f) == 0 ? 0 : -3;
}

// Runs @p schritt in a child process; its wait status.
template <class F> int ImKind(F schritt)
{
    const pid_t kind = fork();
    if (kind == 0)
        _exit(schritt());
    int status = -1;
    waitpid(kind, &status, 0);
    return status;
}

struct stat Status(const std::string &pfad)
{
    struct stat st = {};
    stat(pfad.c_str(), &st);
    return st;
}

std::string Attribut(const std::string &pfad, const char *name)
{
    char wert[256];
    const ssize_t n = getxattr(pfad.c_str(), name, wert, sizeof wert);
    return n < 0 ? "-" : std::string(wert, static_cast<size_t>(n));
}

bool IstVerweis(const std::string &pfad)
{
    struct stat st;
    return lstat(pfad.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}


}  // namespace

TEST(Exportdatei, ErsetztGanzErstBeimSchliessenRechteUndVerweisBleiben)
{
    const std::string ordner = TestOrdner(), pfad = ordner + "/a.txt";
    DateiSchreiben(pfad, "alt\n");
    chmod(pfad.c_str(), 0640);
    symlink("a.txt", (ordner + "/verweis").c_str());
    const int f = CVI_OpenFile((ordner + "/verweis").c_str(), 2, 0, 1);
    ASSERT_GT(f, 0);
    const std::string lang(1000, 'q');
    EXPECT_EQ(WriteLine(f, "abc", 3), 3);
    EXPECT_EQ(WriteLine(f, "xyz", 2), 2);
    EXPECT_EQ(WriteLine(f, "nie", 0), 0) << "an empty line";
    EXPECT_EQ(WriteLine(f, lang.c_str(), 1000), 1000);
    EXPECT_EQ(TK_ZeilenSchreiben(f, "1\n2\n", 4) + TK_ZeilenSchreiben(f, nullptr, 0), 4);
    EXPECT_EQ(DateiLesen(pfad), "alt\n") << "the old file stands until the new one is whole";
    EXPECT_EQ(CVI_CloseFile(f), 0);
    EXPECT_EQ(DateiLesen(pfad), "abc\nxy\n\n" + lang + "\n1\n2\n");
    EXPECT_EQ(CVI_CloseFile(f) + WriteLine(f, "x", 1) + TK_ZeilenSchreiben(f, "x\n", 2), -3) << "a closed handle is gone";
    EXPECT_TRUE(IstVerweis(ordner + "/verweis"));
    EXPECT_EQ(Status(pfad).st_mode & 07777, 0640u);
    EXPECT_EQ(Eintraege(ordner), 2u) << "no temporary file is left";

    symlink("neu/../b.txt", (ordner + "/haengt").c_str());  // a link to no file yet names it
    mkdir((ordner + "/neu").c_str(), 0755);
    EXPECT_EQ(CVI_CloseFile(CVI_OpenFile((ordner + "/haengt").c_str(), 2, 0, 1)), 0);
    EXPECT_TRUE(std::filesystem::exists(ordner + "/b.txt") && IstVerweis(ordner + "/haengt"));
    const mode_t maske = umask(022);  // a new file: 0666 less the umask
    EXPECT_EQ(CVI_CloseFile(CVI_OpenFile((ordner + "/neu.txt").c_str(), 2, 0, 1)), 0);
    umask(maske);
    EXPECT_EQ(Status(ordner + "/neu.txt").st_mode & 07777, 0644u);
}

TEST(Exportdatei, FehlschlaegeLassenDieAlteDateiUndNennenDenGrund)
{
    const std::string ordner = TestOrdner(), pfad = ordner + "/a.txt";
    DateiSchreiben(pfad, "alt\n");
    {
        const Dateigrenze grenze(10);  // the first line fits, the second not
        const int f = CVI_OpenFile(pfad.c_str(), 2, 0, 1), a = WriteLine(f, "1234", 4);
        EXPECT_EQ(a + WriteLine(f, "123456", 6) + CVI_CloseFile(f), 2);
        EXPECT_EQ(TK_DateiFehler(), EFBIG);
    }
    int f = CVI_OpenFile(pfad.c_str(), 2, 0, 1);
    EXPECT_EQ(WriteLine(f, "neu", 3), 3);
    gCloseVersagt = true;
    EXPECT_EQ(CVI_CloseFile(f), -1);
    gCloseVersagt = false;
    EXPECT_STREQ(TK_FehlerGrund(TK_DateiFehler()), "Speicherkontingent überschritten");
    f = CVI_OpenFile(pfad.c_str(), 2, 0, 1);  // discarded on purpose
    EXPECT_EQ(WriteLine(f, "neu", 3) + TK_DateiVerwerfen(f), 3);
    EXPECT_EQ(DateiLesen(pfad), "alt\n");
    EXPECT_EQ(Eintraege(ordner), 1u) << "no temporary file, no new file";

}

TEST(Exportdatei, OeffnenScheitertSofortMitGrund)
{
    const std::string ordner = TestOrdner(), fifo = ordner + "/fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string sock = ordner + "/sock";
    sockaddr_un adresse = {};
    adresse.sun_family = AF_UNIX;
    sock.copy(adresse.sun_path, sizeof adresse.sun_path - 1);
    const int s = socket(AF_UNIX, SOCK_STREAM, 0), nurLesen = open("/dev/null", O_RDONLY);
    ASSERT_EQ(bind(s, reinterpret_cast<sockaddr *>(&adresse), sizeof adresse), 0);
    const struct { std::string pfad; const char *grund; } faelle[] = {
        {ordner + "/fehlt/a.txt", "Ordner nicht gefunden"}, {ordner, "Ist ein Ordner"},
        {"", "Ordner nicht gefunden"}, {ordner + "/" + std::string(300, 'n'), "Pfad zu lang"},
        {fifo, "Kein Leser an der Pipe"}, {sock, "Ist ein Socket, keine Datei"},
        {"/dev/fd/999", "Deskriptor nicht zum Schreiben offen"},
        {"/dev/fd/" + std::to_string(nurLesen), "Deskriptor nicht zum Schreiben offen"},
    };
    for (const auto &f : faelle) {
        const auto beginn = std::chrono::steady_clock::now();
        EXPECT_EQ(CVI_OpenFile(f.pfad.c_str(), 2, 0, 1), -1) << f.pfad;
        EXPECT_STREQ(TK_DateiGrund(), f.grund) << f.pfad;
        EXPECT_LT(std::chrono::steady_clock::now() - beginn, std::chrono::seconds(1)) << "never blocks";
    }
    close(s), close(nurLesen);
    EXPECT_EQ(Eintraege(ordner), 2u);
    EXPECT_STREQ(TK_FehlerGrund(EPERM), "Keine Berechtigung");
    EXPECT_STREQ(TK_FehlerGrund(12345), "Systemfehler 12345");
}

TEST(Exportdatei, GeraeteWerdenBeschriebenWieSieSind)
{
    int f = CVI_OpenFile("/dev/null", 2, 0, 1);
    EXPECT_EQ(WriteLine(f, "abc", 3) + CVI_CloseFile(f), 3);
    EXPECT_EQ(WriteLine(f = CVI_OpenFile("/dev/full", 2, 0, 1), "abc", 3), -1);
    EXPECT_STREQ(TK_FehlerGrund(TK_DateiFehler()), "Kein Speicherplatz mehr auf dem Datenträger");
    EXPECT_EQ(WriteLine(f, "", 0), -1) << "nothing more after a failure";
    EXPECT_EQ(CVI_CloseFile(f), -1);
    EXPECT_EQ(WriteLine(f, "abc", 3), -1) << "a closed handle";
}

TEST(Exportdatei, ErsetzungBehaeltBesitzRechteAclUndAttribute)
{
    const std::string ordner = TestOrdner(), pfad = ordner + "/a.txt";
    DateiSchreiben(pfad, "alt\n");
    // user::rw- user:65534:r-- group::r-- mask::r-- other::---
    const uint32_t acl[] = {2, 0x00060001, 0xffffffff, 0x00040002, NIEMAND, 0x00040004, 0xffffffff,
                            0x00040010, 0xffffffff, 0x00000020, 0xffffffff};
    if (setxattr(pfad.c_str(), "system.posix_acl_access", acl, sizeof acl, 0) != 0 ||
        setxattr(pfad.c_str(), "user.herkunft", "rig7", 4, 0) != 0)
        GTEST_SKIP() << "the test folder's file system keeps no ACL or user attributes";
    ASSERT_EQ(chown(pfad.c_str(), NIEMAND, NIEMAND), 0);
    const struct stat vorher = Status(pfad);
    const std::string aclVorher = Attribut(pfad, "system.posix_acl_access");
    ASSERT_EQ(Exportieren(pfad, "neu\n"), 0);
    const struct stat nachher = Status(pfad);
    EXPECT_NE(nachher.st_ino, vorher.st_ino) << "replaced by rename";
    EXPECT_TRUE(nachher.st_uid == NIEMAND && nachher.st_gid == NIEMAND && nachher.st_mode == vorher.st_mode);
    EXPECT_EQ(Attribut(pfad, "system.posix_acl_access") + Attribut(pfad, "user.herkunft"), aclVorher + "rig7");

    gRechteVersagt = true;  // a mode that cannot be kept fails the export
    EXPECT_EQ(Exportieren(pfad, "nie\n"), -1);
    gRechteVersagt = false;
    EXPECT_EQ(DateiLesen(pfad) + std::to_string(Eintraege(ordner)), "neu\n1");
}

TEST(Exportdatei, AnOrtKommtDasAlteBeiJedemFehlerZurueck)
{
    const std::string ordner = TestOrdner(), pfad = ordner + "/a.txt", zweit = ordner + "/zweit.txt";
    const std::string alt(3000, 'a'), neu(5000, 'n');
    DateiSchreiben(pfad, alt);
    ASSERT_EQ(link(pfad.c_str(), zweit.c_str()), 0);  // a second name: a rename would not reach it
    const struct {
        rlim_t grenze;
        bool voll, sync;
        long rest;
        const char *grund;
    } faelle[] = {
        {100, false, false, -1, "Datei zu groß"},
        {0, true, false, -1, "Kein Speicherplatz mehr auf dem Datenträger"},
        {0, false, false, 1000, "Kein Speicherplatz mehr auf dem Datenträger (alter Inhalt wiederhergestellt)"},
        {0, false, true, -1, "Ein-/Ausgabefehler (alter Inhalt wiederhergestellt)"},
    };
    for (const auto &f : faelle) {
        {
            const Dateigrenze grenze(f.grenze);
            gReservierenVersagt = f.voll, gSyncVersagt = f.sync, gSchreibRest = f.rest;
            EXPECT_LT(Exportieren(pfad, neu), 0);
            gReservierenVersagt = gSyncVersagt = false, gSchreibRest = -1;
        }
        EXPECT_EQ(DateiLesen(zweit), alt) << f.grund;
        EXPECT_STREQ(TK_DateiGrund(), f.grund);
    }
    ASSERT_EQ(Exportieren(pfad, "kurz\n"), 0);
    EXPECT_EQ(DateiLesen(zweit), "kurz\n") << "both names, cut to the new length";
    gTempVersagt = true;  // a folder that takes no new file: in place too
    EXPECT_EQ(Exportieren(pfad, "z\n") + Exportieren(ordner + "/neu.txt", "z\n"), -1);
    gTempVersagt = false;
    EXPECT_EQ(DateiLesen(zweit) + std::to_string(Eintraege(ordner)), "z\n2");
}

TEST(Exportdatei, DeskriptorpfadeSindDerDeskriptorSelbst)
{
    const std::string ordner = TestOrdner(), log = ordner + "/log.txt";
    DateiSchreiben(log, "L1\n");
    const ino_t knoten = Status(log).st_ino;
    const int fd = open(log.c_str(), O_WRONLY | O_APPEND), mitte = open(log.c_str(), O_RDWR);
    const std::string n = std::to_string(fd);
    symlink(("/dev/fd/" + n).c_str(), (ordner + "/verweis").c_str());
    for (const std::string &pfad : {"/dev/fd/" + n, "/proc/self/fd/" + n, ordner + "/verweis"})
        EXPECT_EQ(Exportieren(pfad, "x\n"), 0) << pfad;
    EXPECT_EQ(DateiLesen(log), "L1\nx\nx\nx\n") << "appended where it stands, never renamed over";
    EXPECT_EQ(Status(log).st_ino, knoten);
    // A failed write: the file is as it was, appended to or written from
    // its middle (1<>file).
    lseek(mitte, 2, SEEK_SET);
    for (int d : {fd, mitte}) {
        gSchreibRest = 3;
        EXPECT_EQ(Exportieren("/dev/fd/" + std::to_string(d), "yyyyyyyy\n"), -2);
        gSchreibRest = -1;
        EXPECT_EQ(DateiLesen(log), "L1\nx\nx\nx\n");
        EXPECT_STREQ(TK_DateiGrund(), "Kein Speicherplatz mehr auf dem Datenträger (alter Inhalt wiederhergestellt)");
    }
    close(fd);
    close(mitte);
}

TEST(Exportdatei, GestoppterLaufHinterlaesstKeineTemporaereDatei)
{
    for (bool unbenannt : {true, false})
        for (int sig : {SIGTERM, SIGINT, SIGHUP, SIGKILL}) {
            if (!unbenannt && sig == SIGKILL)
                continue;  // nothing can clean up after SIGKILL: that is what unnamed files are for
            const std::string ordner = TestOrdner(), pfad = ordner + "/a.txt";
            DateiSchreiben(pfad, "alt\n");
            gUnbenanntFehlt = !unbenannt;
            const int status = ImKind([&] {
                const int f = CVI_OpenFile(pfad.c_str(), 2, 0, 1);
                WriteLine(f, "neu", 3);
                raise(sig);
                return 0;
            });
            gUnbenanntFehlt = false;
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig) << sig;
            EXPECT_EQ(DateiLesen(pfad) + std::to_string(Eintraege(ordner)), "alt\n1") << sig << unbenannt;
        }
}

TEST(Exportdatei, ZweiExporterAnOrtWartenAufeinander)
{
    const std::string ordner = TestOrdner(), pfad = ordner + "/a.txt", a(100000, 'a'), b(100000, 'b');
    DateiSchreiben(pfad, "alt\n");
    link(pfad.c_str(), (ordner + "/zweit").c_str());
    int los[2], halb[2];
    ASSERT_EQ(pipe(los) + pipe(halb), 0);
    char c = 0;
    const pid_t erster = fork();
    if (erster == 0) {  // holds the file half written until told to go on
        const int f = CVI_OpenFile(pfad.c_str(), 2, 0, 1);
        TK_ZeilenSchreiben(f, a.data(), 50000);
        (void)!write(halb[1], &c, 1), (void)!read(los[0], &c, 1);
        TK_ZeilenSchreiben(f, a.data() + 50000, 50000);
        _exit(CVI_CloseFile(f) == 0 ? 0 : 1);
    }
    ASSERT_EQ(read(halb[0], &c, 1), 1);
    const pid_t zweiter = fork();
    if (zweiter == 0)
        _exit(Exportieren(pfad, b) == 0 ? 0 : 1);
    ASSERT_EQ(write(los[1], &c, 1), 1);
    int s1 = -1, s2 = -1;
    waitpid(erster, &s1, 0), waitpid(zweiter, &s2, 0);
    EXPECT_EQ(s1 + s2, 0);
    EXPECT_TRUE(DateiLesen(pfad) == b) << "the second waited for the first and wrote all of its own";
    for (int fd : {los[0], los[1], halb[0], halb[1]})
        close(fd);
}

TEST(Exportdatei, AlsAndererBenutzerBleibenBesitzUndAlteDatei)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can act as another user here";
    const std::string ordner = TestOrdner(), zu = ordner + "/zu/k.txt", offen = ordner + "/offen/k.txt";
    chmod(ordner.c_str(), 0755);
    mkdir((ordner + "/zu").c_str(), 0755);    // takes no new file from that user
    mkdir((ordner + "/offen").c_str(), 0);
    chmod((ordner + "/offen").c_str(), 0777);  // shared: a replacement would change the owner
    DateiSchreiben(zu, "alt\n");
    DateiSchreiben(offen, "alt\n");
    chown(zu.c_str(), NIEMAND, NIEMAND);
    chmod(offen.c_str(), 0666);
    const int status = ImKind([&] {
        if (setgroups(0, nullptr) != 0 || setgid(NIEMAND) != 0 || setuid(NIEMAND) != 0)
            return 9;
        int ergebnis;
        {
            const Dateigrenze grenze(10);
            ergebnis = Exportieren(zu, "neu und zu lang\n") == -2 && DateiLesen(zu) == "alt\n" ? 0 : 1;
        }
        return ergebnis | (Exportieren(zu, "neu\n") == 0 ? 0 : 2) | (Exportieren(offen, "neu\n") == 0 ? 0 : 4) |
               (Exportieren(offen + ".neu", "neu\n") == 0 ? 0 : 8);
    });
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(DateiLesen(zu) + DateiLesen(offen), "neu\nneu\n");
    EXPECT_EQ(Status(offen).st_uid + Eintraege(ordner + "/zu") + Eintraege(ordner + "/offen"), 3u);
    EXPECT_EQ(Status(offen + ".neu").st_uid, NIEMAND);
}

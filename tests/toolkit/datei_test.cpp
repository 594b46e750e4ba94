// Export-file I/O, provoked for real: replaced whole or not at all, written
// in place where it must be, never blocking, every failure with its reason,
// concurrent writers and stop signals included.
#include "aufzeichnung.h"
#include "seams.h"
#include "toolkit_kern.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <thread>
#include <unistd.h>

namespace {

// Writes @p inhalt as an export does: open, reserve, write, close. 0, or
// -1 (open), -2 (reserve or write), -3 (close).
int Exportieren(const std::string &pfad, const std::string &inhalt)
{
    const int f = CVI_OpenFile(pfad.c_str(), 2, 0, 1), n = static_cast<int>(inhalt.size());
    if (f < 0) return -1;
    if (TK_DateiReservieren(f, n) != 0 || TK_ZeilenSchreiben(f, inhalt.data(), n) != n)
        return CVI_CloseFile(f), -2;
    return CVI_CloseFile(f) == 0 ? 0 : -3;
}

// Runs @p schritt in a child process; its wait status.
template <class F> int ImKind(F schritt)
{
    const pid_t kind = fork();
    if (kind == 0) _exit(schritt());
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

// Whether process @p pid comes to wait for a flock (polled, at most 10 s).
bool WartetAufSperre(pid_t pid)
{
    const std::string kennung = " " + std::to_string(pid) + " ";
    for (int runde = 0; runde < 10000; ++runde, usleep(1000)) {
        std::ifstream locks("/proc/locks");
        for (std::string zeile; std::getline(locks, zeile);)
            if (zeile.find("->") != std::string::npos && zeile.find(kennung) != std::string::npos)
                return true;
    }
    return false;
}

long OffeneDeskriptoren()
{
    return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), std::filesystem::directory_iterator());
}

// The reason of the last failure, as a caller reads it into its own area.
std::string Grund()
{
    char grund[TK_DATEIGRUND_GROESSE];
    return TK_DateiGrund(grund, sizeof grund);
}

const char NICHT_RUECKBAR[] = "Alter Inhalt nicht lesbar und Platz nicht reservierbar, Datei unverändert";

int gSignalRohr = -1;
void SignalMelden(int) { (void)!write(gSignalRohr, "s", 1); }

// In a child: drops to the ordinary user (where the test runs as root) and
// runs @p schritt; its wait status. 99: the drop failed.
template <class F> int AlsNiemand(F schritt)
{
    return ImKind([&] {
        if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setresgid(NIEMAND, NIEMAND, NIEMAND) != 0 ||
                               setresuid(NIEMAND, NIEMAND, NIEMAND) != 0))
            return 99;
        return schritt();
    });
}

// A file of the ordinary user with @p modus (set after the owner, which
// clears set-id bits).
void DateiVonNiemand(const std::string &pfad, const std::string &inhalt, mode_t modus)
{
    DateiSchreiben(pfad, inhalt);
    if (geteuid() == 0) (void)!chown(pfad.c_str(), NIEMAND, NIEMAND);
    chmod(pfad.c_str(), modus);
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
    EXPECT_EQ(CVI_CloseFile(f) + WriteLine(f, "x", 1) + TK_ZeilenSchreiben(f, "x\n", 2) + TK_DateiVerwerfen(f), -4)
        << "a closed handle is gone";
    EXPECT_TRUE(IstVerweis(ordner + "/verweis"));
    EXPECT_EQ(Status(pfad).st_mode & 07777, 0640u);
    EXPECT_EQ(Eintraege(ordner), 2u) << "no temporary file is left";

    symlink("neu/../b.txt", (ordner + "/haengt").c_str());  // a link to no file yet names it
    mkdir((ordner + "/neu").c_str(), 0755);
    EXPECT_EQ(CVI_CloseFile(CVI_OpenFile((ordner + "/haengt").c_str(), 2, 0, 1)), 0);
    EXPECT_TRUE(std::filesystem::exists(ordner + "/b.txt") && IstVerweis(ordner + "/haengt"));
    // A new file: 0666 less the umask, or in a folder with a default ACL
    // what that ACL gives; also where the file system has no unnamed
    // temporary files.
    mkdir((ordner + "/erbt").c_str(), 0755);
    // default: user::rw- group::rw- other::r-x
    const uint32_t standard[] = {2, 0x00060001, 0xffffffff, 0x00060004, 0xffffffff, 0x00050020, 0xffffffff};
    const bool erbt = setxattr((ordner + "/erbt").c_str(), "system.posix_acl_default", standard, sizeof standard, 0) == 0;
    const mode_t maske = umask(022);
    // Each way a file system says it has no unnamed files.
    const std::pair<const char *, int> ohneUnbenannt[] = {
        {"/neu1.txt", 0}, {"/neu2.txt", EOPNOTSUPP}, {"/neu3.txt", EISDIR}, {"/neu4.txt", EINVAL}};
    for (const auto &[neu, fehlt] : ohneUnbenannt) {
        gUnbenanntFehlt = fehlt;
        EXPECT_EQ(Exportieren(ordner + neu, "") + Exportieren(ordner + "/erbt" + neu, ""), 0);
        gUnbenanntFehlt = 0;
        EXPECT_EQ(Status(ordner + neu).st_mode & 07777, 0644u) << neu;
        EXPECT_EQ(Status(ordner + "/erbt" + neu).st_mode & 07777, erbt ? 0664u : 0644u) << neu;
    }
    umask(maske);

    // As many links as the kernel follows (40) lead to the file, which gets
    // the content; one more is refused as the kernel refuses it, and every
    // link stays a link.
    DateiSchreiben(ordner + "/k0", "alt\n");
    for (int i = 1; i <= 41; ++i)
        symlink(("k" + std::to_string(i - 1)).c_str(), (ordner + "/k" + std::to_string(i)).c_str());
    EXPECT_EQ(Exportieren(ordner + "/k40", "40\n"), 0);
    EXPECT_EQ(Exportieren(ordner + "/k41", "41\n"), -1);
    EXPECT_EQ(Grund(), "Zu viele symbolische Verknüpfungen");
    EXPECT_EQ(DateiLesen(ordner + "/k0"), "40\n");
    for (int i = 1; i <= 41; ++i) EXPECT_TRUE(IstVerweis(ordner + "/k" + std::to_string(i))) << i;

    std::string tief = ordner;  // a valid path of 4,088 bytes, new and then replaced
    while (tief.size() + 1 + NAME_MAX < 4088)
        mkdir((tief += "/" + std::string(250, 't')).c_str(), 0755);
    tief += "/" + std::string(4087 - tief.size(), 'k');
    EXPECT_EQ(Exportieren(tief, "1\n") + Exportieren(tief, "2\n"), 0);
    EXPECT_EQ(DateiLesen(tief), "2\n");
}

// A series syncs each file before its rename, and each folder once at its end.
TEST(Exportdatei, EineSerieSynctJedenOrdnerEinmal)
{
    const std::string ordner = TestOrdner();
    mkdir((ordner + "/b").c_str(), 0755);
    gSyncAufrufe = 0;
    EXPECT_EQ(Exportieren(ordner + "/einzeln.txt", "1\n"), 0);
    EXPECT_EQ(gSyncAufrufe, 2) << "alone: the file, then its folder";
    TK_OrdnerSyncAufschieben(1);
    gSyncAufrufe = 0;
    for (const char *name : {"/a1.txt", "/a2.txt", "/b/b1.txt", "/a3.txt"})
        EXPECT_EQ(Exportieren(ordner + name, "2\n"), 0);
    EXPECT_EQ(gSyncAufrufe, 4) << "each file's bytes before its rename";
    EXPECT_EQ(DateiLesen(ordner + "/a3.txt"), "2\n");
    TK_OrdnerSyncAufschieben(0);
    EXPECT_EQ(TK_OrdnerSyncen(), 0);
    EXPECT_EQ(gSyncAufrufe, 6) << "then each of the two folders once";
    EXPECT_EQ(TK_OrdnerSyncen(), 0);
    EXPECT_EQ(gSyncAufrufe, 6) << "nothing left to sync";
    TK_OrdnerSyncAufschieben(1);
    EXPECT_EQ(Exportieren(ordner + "/a4.txt", "3\n"), 0);
    TK_OrdnerSyncAufschieben(0);
    gSyncVersagt = true;
    EXPECT_EQ(TK_OrdnerSyncen(), -1);
    gSyncVersagt = false;
    EXPECT_EQ(Eintraege(ordner), 6u) << "five files and a folder, no temporary file";
    // A series over more folders than it keeps open (64) syncs those it
    // holds before it takes the next.
    const long vorher = OffeneDeskriptoren();
    TK_OrdnerSyncAufschieben(1);
    for (int i = 0; i < 65; ++i) {
        const std::string unter = ordner + "/v" + std::to_string(i);
        mkdir(unter.c_str(), 0755);
        EXPECT_EQ(Exportieren(unter + "/k.txt", "4\n"), 0);
        EXPECT_LE(OffeneDeskriptoren(), vorher + 64) << i;
    }
    TK_OrdnerSyncAufschieben(0);
    EXPECT_EQ(TK_OrdnerSyncen(), 0);
    EXPECT_EQ(OffeneDeskriptoren(), vorher);
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
    EXPECT_EQ(CVI_CloseFile(CVI_OpenFile("/dev/null", 2, 0, 1)), -1) << "a stream's close too";
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
    int rohr[2];  // a pipe's reading end: no flag set at all
    ASSERT_EQ(pipe(rohr), 0);
    ASSERT_EQ(bind(s, reinterpret_cast<sockaddr *>(&adresse), sizeof adresse), 0);
    const struct { std::string pfad; const char *grund; } faelle[] = {
        {ordner + "/fehlt/a.txt", "Ordner nicht gefunden"}, {ordner, "Ist ein Ordner"},
        {"", "Ordner nicht gefunden"}, {ordner + "/" + std::string(300, 'n'), "Pfad zu lang"},
        {fifo, "Kein Leser an der Pipe"}, {sock, "Ist ein Socket, keine Datei"},
        {"/dev/fd/999", "Deskriptor nicht offen"}, {"/proc/self/fd/999", "Deskriptor nicht offen"},
        {"/dev/fd/" + std::to_string(nurLesen), "Deskriptor nicht zum Schreiben offen"},
        {"/dev/fd/" + std::to_string(rohr[0]), "Deskriptor nicht zum Schreiben offen"}};
    for (const auto &f : faelle) {
        const auto beginn = std::chrono::steady_clock::now();
        EXPECT_EQ(CVI_OpenFile(f.pfad.c_str(), 2, 0, 1), -1) << f.pfad;
        EXPECT_EQ(Grund(), f.grund) << f.pfad;
        EXPECT_LT(std::chrono::steady_clock::now() - beginn, std::chrono::seconds(1)) << "never blocks";
    }
    close(s), close(nurLesen), close(rohr[0]), close(rohr[1]);
    // The caller's area: cut to fit, at the smallest an empty text.
    char klein[5] = "xxxx", leer[1] = {'x'};
    EXPECT_STREQ(TK_DateiGrund(klein, sizeof klein), "Desk");
    EXPECT_STREQ(TK_DateiGrund(leer, sizeof leer), "");
    EXPECT_STREQ(TK_DateiGrund(nullptr, 0), "");
    const std::string neu = ordner + "/neu.txt";  // only written, and whole
    EXPECT_EQ(CVI_OpenFile(neu.c_str(), 1, 0, 1) + CVI_OpenFile(neu.c_str(), 2, 1, 1) + CVI_OpenFile(nullptr, 2, 0, 1), -3);
    std::vector<int> handles;  // eight files at once; the ninth fails
    for (int i = 0; i < 9; ++i)
        handles.push_back(CVI_OpenFile((neu + std::to_string(i)).c_str(), 2, 0, 1));
    EXPECT_TRUE(handles[7] > 0 && handles[8] == -1 && TK_DateiFehler() == EMFILE) << handles[7];
    for (int h : handles) EXPECT_EQ(TK_DateiVerwerfen(h), h > 0 ? 0 : -1);
    EXPECT_EQ(Eintraege(ordner), 2u);
    EXPECT_STREQ(TK_FehlerGrund(EPERM), "Keine Berechtigung");
    EXPECT_STREQ(TK_FehlerGrund(12345), "Systemfehler 12345");
}

TEST(Exportdatei, GeraeteWerdenBeschriebenWieSieSind)
{
    // A pipe its parent made non-blocking: the export waits for a slow
    // reader instead of failing, and every byte arrives.
    int rohr[2];
    ASSERT_EQ(pipe(rohr), 0);
    fcntl(rohr[1], F_SETFL, O_NONBLOCK);
    const std::string viel(300000, 'p');
    std::string angekommen;
    std::thread leser([&] {
        char block[4096];
        for (ssize_t n; (n = read(rohr[0], block, sizeof block)) > 0; usleep(100))
            angekommen.append(block, static_cast<size_t>(n));
    });
    EXPECT_EQ(Exportieren("/dev/fd/" + std::to_string(rohr[1]), viel), 0);
    close(rohr[1]);
    leser.join();
    close(rohr[0]);
    EXPECT_TRUE(angekommen == viel) << angekommen.size();

    int f = CVI_OpenFile("/dev/null", 2, 0, 1);
    EXPECT_EQ(WriteLine(f, "abc", 3) + CVI_CloseFile(f), 3);
    EXPECT_EQ(WriteLine(f = CVI_OpenFile("/dev/full", 2, 0, 1), "abc", 3), -1);
    EXPECT_STREQ(TK_FehlerGrund(TK_DateiFehler()), "Kein Speicherplatz mehr auf dem Datenträger");
    EXPECT_EQ(WriteLine(f, "", 0), -1) << "nothing more after a failure";
    EXPECT_EQ(CVI_CloseFile(f), -1);
}

TEST(Exportdatei, AnOrtKommtDasAlteBeiJedemFehlerZurueck)
{
    const std::string ordner = TestOrdner(), pfad = ordner + "/a.txt", zweit = ordner + "/zweit.txt";
    const std::string alt(3000, 'a');
    DateiSchreiben(pfad, alt);
    ASSERT_EQ(link(pfad.c_str(), zweit.c_str()), 0);  // a second name: a rename would not reach it
    const struct {
        rlim_t grenze;
        bool voll, sync, sperre;
        long rest;
        const char *grund;
    } faelle[] = {
        {100, false, false, false, -1, "Datei zu groß"},
        {0, true, false, false, -1, "Kein Speicherplatz mehr auf dem Datenträger"},
        {0, false, false, true, -1, "Datei nicht sperrbar"},
        {0, false, false, false, 500, "Kein Speicherplatz mehr auf dem Datenträger (alter Inhalt wiederhergestellt)"},
        {0, false, true, false, -1, "Ein-/Ausgabefehler (alter Inhalt wiederhergestellt)"}};
    for (const std::string &neu : {std::string(1000, 'k'), std::string(5000, 'n')}) {
        for (const auto &f : faelle) {
            {
                const Dateigrenze grenze(f.grenze);
                gReservierenVersagt = f.voll, gSyncVersagt = f.sync, gSperreVersagt = f.sperre, gSchreibRest = f.rest;
                EXPECT_LT(Exportieren(pfad, neu), 0);
                gReservierenVersagt = gSyncVersagt = gSperreVersagt = false, gSchreibRest = -1;
            }
            EXPECT_EQ(DateiLesen(zweit), alt) << f.grund << neu.size();
            EXPECT_EQ(Grund(), f.grund);
        }
        gCloseVersagt = true;  // after the sync the file is complete: a failing close changes nothing
        EXPECT_EQ(Exportieren(pfad, neu), 0);
        gCloseVersagt = false;
        EXPECT_EQ(DateiLesen(zweit), neu);
        DateiSchreiben(pfad, alt);
    }
    gLesenVersagt = true;  // old bytes that cannot be read back are not overwritten
    EXPECT_EQ(Exportieren(pfad, "neu\n"), -2);
    gLesenVersagt = false;
    EXPECT_EQ(DateiLesen(zweit) + "|" + Grund(), alt + "|Ein-/Ausgabefehler");
    gSchreibRest = 500, gZurueckVersagt = true;  // and where they cannot be put back, the message says so
    EXPECT_EQ(Exportieren(pfad, "neu\n" + alt), -2);
    gSchreibRest = -1, gZurueckVersagt = false;
    EXPECT_EQ(Grund(), "Kein Speicherplatz mehr auf dem Datenträger (alter Inhalt nicht wiederhergestellt)");
    DateiSchreiben(pfad, alt);
    gSchreibRest = 500, gZurueckUnterbrochen = 2;  // a signal while putting them back only delays it
    EXPECT_EQ(Exportieren(pfad, "neu\n" + alt), -2);
    gSchreibRest = -1, gZurueckUnterbrochen = 0;
    EXPECT_EQ(DateiLesen(zweit) + "|" + Grund(), alt + "|Kein Speicherplatz mehr auf dem Datenträger (alter Inhalt wiederhergestellt)");
    DateiSchreiben(pfad, "a");  // the smallest old content, overwritten and put back
    gSchreibRest = 2;
    EXPECT_EQ(Exportieren(pfad, "neu\n"), -2);
    gSchreibRest = -1;
    EXPECT_EQ(DateiLesen(zweit) + " " + Grund(), "a Kein Speicherplatz mehr auf dem Datenträger (alter Inhalt wiederhergestellt)");
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
    symlink(("/proc/self/./fd/" + n).c_str(), (ordner + "/verweis2").c_str());
    const std::string pfade[] = {"/dev/fd/" + n, "/proc/self/fd/" + n, ordner + "/verweis", ordner + "/verweis2",
                                 "/proc/thread-self/fd/" + n, "/proc/self/fd//" + n, "/dev/fd/../fd/" + n,
                                 "/proc/" + std::to_string(getpid()) + "/task/" + std::to_string(gettid()) +
                                     "/fd/" + n,
                                 "/dev/fd/" + std::string(9 - n.size(), '0') + n};  // as many digits as read
    std::string erwartet = "L1\n";
    for (const std::string &pfad : pfade) {
        EXPECT_EQ(Exportieren(pfad, "x\n"), 0) << pfad;
        erwartet += "x\n";
    }
    // A lock the parent or its parent holds (flock FILE sh -c ...) is the
    // caller's own: not waited for.
    const int halter = open(log.c_str(), O_RDONLY);
    flock(halter, LOCK_EX);
    const auto schreiben = [&] {
        const long offen = (alarm(10), OffeneDeskriptoren());  // and none left open
        const int r = -Exportieren("/dev/fd/" + n, "w\n");
        return r + (OffeneDeskriptoren() != offen);
    };
    EXPECT_EQ(ImKind(schreiben) + ImKind([&] { return ImKind(schreiben); }), 0);
    close(halter);
    EXPECT_EQ(DateiLesen(log), (erwartet += "w\nw\n")) << "appended where it stands, never renamed over";
    EXPECT_EQ(Status(log).st_ino, knoten);
    // A failed write: the file is as it was, appended to or written from
    // its middle (1<>file).
    lseek(mitte, 2, SEEK_SET);
    for (int d : {fd, mitte}) {
        gSchreibRest = 3;
        EXPECT_EQ(Exportieren("/dev/fd/" + std::to_string(d), "yyyyyyyy\n"), -2);
        gSchreibRest = -1;
        EXPECT_EQ(DateiLesen(log), erwartet);
        EXPECT_EQ(Grund(), "Kein Speicherplatz mehr auf dem Datenträger (alter Inhalt wiederhergestellt)");
    }
    EXPECT_EQ(lseek(mitte, 0, SEEK_CUR), 2) << "the descriptor stands where it stood";
    // Written from inside without the right to read and without a
    // reservation: refused before the first byte.
    const std::string nurSchreiben = "/dev/fd/" + std::to_string(open(log.c_str(), O_WRONLY));
    gReservierenFehlt = true;
    EXPECT_EQ(Exportieren(nurSchreiben, "zz\n") + Exportieren(nurSchreiben, erwartet + "zz\n"), -4);
    gReservierenFehlt = false;
    EXPECT_EQ(Grund(), NICHT_RUECKBAR);
    // Past its reservation such a file takes no more of the run's bytes.
    const std::string eng = ordner + "/eng.txt";
    DateiSchreiben(eng, std::string(100, 'a'));
    const int engFd = open(eng.c_str(), O_WRONLY), e = CVI_OpenFile(("/dev/fd/" + std::to_string(engFd)).c_str(), 2, 0, 1);
    EXPECT_EQ(TK_DateiReservieren(e, 10), 0);
    EXPECT_EQ(TK_ZeilenSchreiben(e, "bbbbbbbb", 8), 8);
    EXPECT_EQ(TK_ZeilenSchreiben(e, "cccccccc", 8), -1);
    EXPECT_EQ(CVI_CloseFile(e), -1);
    close(engFd);
    EXPECT_EQ(DateiLesen(eng), "bbbbbbbb" + std::string(92, 'a'));
    // Another writer appended between the opening and the first line: this
    // run's bytes start after it, and only they are taken back.
    const int f = CVI_OpenFile(("/dev/fd/" + n).c_str(), 2, 0, 1), anderer = open(log.c_str(), O_WRONLY | O_APPEND);
    EXPECT_EQ(write(anderer, "X\n", 2), 2);
    close(anderer);
    gSchreibRest = 3;
    EXPECT_EQ(TK_ZeilenSchreiben(f, "yyyyyyyy\n", 9), -1);
    gSchreibRest = -1;
    EXPECT_EQ(CVI_CloseFile(f), -1);
    EXPECT_EQ(DateiLesen(log), (erwartet += "X\n"));
    EXPECT_EQ(Grund(), "Kein Speicherplatz mehr auf dem Datenträger (alter Inhalt wiederhergestellt)");
    // Without the lock nobody can prove that no one appended after this
    // run's bytes: they stay, and the message says which they are.
    gSperreVersagt = true, gSchreibRest = 3;
    EXPECT_EQ(Exportieren("/dev/fd/" + n, "yyyyyyyy\n"), -2);
    gSperreVersagt = false, gSchreibRest = -1;
    EXPECT_EQ(DateiLesen(log), erwartet + "yyy");
    EXPECT_EQ(Grund(), "Kein Speicherplatz mehr auf dem Datenträger (alter Inhalt nicht "
              "wiederhergestellt: 3 Byte dieses Laufs stehen ab Byte " + std::to_string(erwartet.size()) +
              " in der Datei, denn die Datei ließ sich nicht sperren)");
    close(fd);
    close(mitte);
    close(std::atoi(nurSchreiben.c_str() + 8));
}

TEST(Exportdatei, GestoppterLaufHinterlaesstKeineTemporaereDatei)
{
    for (bool unbenannt : {true, false})
        for (int sig : {SIGTERM, SIGINT, SIGHUP, SIGKILL}) {
            if (!unbenannt && sig == SIGKILL)
                continue;  // nothing can clean up after SIGKILL: that is what unnamed files are for
            const std::string ordner = TestOrdner(), pfad = ordner + "/a.txt";
            DateiSchreiben(pfad, "alt\n");
            gUnbenanntFehlt = unbenannt ? 0 : EOPNOTSUPP;
            const int status = ImKind([&] {
                // A long-running process (the window) wrote and discarded
                // more files before than it can have open at once.
                for (int i = 0; i < 10; ++i)
                    TK_DateiVerwerfen(CVI_OpenFile(pfad.c_str(), 2, 0, 1)), Exportieren(ordner + "/b.txt", "b\n");
                const int f = CVI_OpenFile(pfad.c_str(), 2, 0, 1);
                WriteLine(f, "neu", 3);
                raise(sig);
                return 0;
            });
            gUnbenanntFehlt = 0;
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig) << sig;
            EXPECT_EQ(DateiLesen(pfad) + std::to_string(Eintraege(ordner)), "alt\n2") << sig << unbenannt;
        }
    // Between naming and renaming every stop signal waits for the rename;
    // the name a SIGKILL leaves there is removed by the next run.
    for (int sig : {SIGHUP, SIGINT, SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM, SIGTERM, SIGVTALRM, SIGPROF, SIGXCPU, SIGPWR,
                    SIGKILL}) {
        const std::string ordner = TestOrdner(), pfad = ordner + "/a.txt";
        DateiSchreiben(pfad, "alt\n");
        const int status = ImKind([&] {
            const struct rlimit keinAbbild = {0, 0};
            setrlimit(RLIMIT_CORE, &keinAbbild);
            gSignalNachLink = sig;
            return -Exportieren(pfad, "neu\n");
        });
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig) << sig;
        EXPECT_EQ(DateiLesen(pfad) + std::to_string(Eintraege(ordner)), sig == SIGKILL ? "alt\n2" : "neu\n1") << sig;
        EXPECT_EQ(Exportieren(pfad, "neuer\n") + Eintraege(ordner), 1u) << sig;
    }
}

// A temporary name another file took meanwhile is skipped, and that file
// stays; when no name is free the export fails and the old file stays.
TEST(Exportdatei, BelegteTemporaereNamenWerdenUebersprungen)
{
    for (bool unbenannt : {true, false}) {
        const std::string ordner = TestOrdner(), pfad = ordner + "/a.txt";
        DateiSchreiben(pfad, "alt\n");
        gUnbenanntFehlt = unbenannt ? 0 : EOPNOTSUPP;
        gNamenVergeben = 3;
        EXPECT_EQ(Exportieren(pfad, "neu\n"), 0) << unbenannt;
        EXPECT_EQ(gNamenVergeben, 0);
        std::string fremde;
        for (const auto &e : std::filesystem::directory_iterator(ordner))
            if (e.path() != pfad) fremde += DateiLesen(e.path());
        EXPECT_EQ(DateiLesen(pfad) + fremde, "neu\nfremd\nfremd\nfremd\n") << unbenannt;
        gNamenVergeben = 1000;
        EXPECT_LT(Exportieren(pfad, "nie\n"), 0) << unbenannt;
        gNamenVergeben = 0;
        gUnbenanntFehlt = 0;
        EXPECT_EQ(DateiLesen(pfad), "neu\n") << unbenannt;
        const std::string lang = ordner + "/" + std::string(NAME_MAX, 'l');  // the longest name: a shorter temporary one
        const size_t da = Eintraege(ordner);
        EXPECT_EQ(Exportieren(lang, "1\n") + Exportieren(lang, "2\n") + Eintraege(ordner), da + 1) << unbenannt;
    }
}

TEST(Exportdatei, AnOrtWartenStoppsignaleBisDieDateiFertigIst)
{
  // By its name (a second name keeps it in place) and by a descriptor the process holds (written where it stands).
  for (bool deskriptor : {false, true}) {
    const std::string ordner = TestOrdner(), pfad = ordner + "/a.txt", neu(100000, 'n');
    DateiSchreiben(pfad, std::string(150000, 'a'));
    link(pfad.c_str(), (ordner + "/zweit").c_str());
    const int status = ImKind([&] {
        std::thread([] {
            for (;;) pause();
        }).detach();  // a second thread, as in the window: it may take the signal
        const int fd = open(pfad.c_str(), O_RDWR);
        const int f = CVI_OpenFile((deskriptor ? "/dev/fd/" + std::to_string(fd) : pfad).c_str(), 2, 0, 1);
        TK_ZeilenSchreiben(f, neu.data(), 50000);
        kill(getpid(), SIGTERM);
        TK_ZeilenSchreiben(f, neu.data() + 50000, 50000);
        return CVI_CloseFile(f) == 0 ? 0 : 1;
    });
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    EXPECT_TRUE(DateiLesen(pfad) == neu + (deskriptor ? std::string(50000, 'a') : "")) << "finished, then stopped";
  }
}

// The second exporter writes in place too, or replaces the file by rename:
// either way it waits until the first has finished, through a signal whose
// handler restarts no call (a window's timer) coming again and again, and
// its content is the end.
TEST(Exportdatei, ZweiExporterWartenAufeinanderAuchUnterSignalen)
{
  for (bool umbenennen : {false, true}) {
    const std::string ordner = TestOrdner(), pfad = ordner + "/a.txt", a(100000, 'a'), b(60000, 'b');
    DateiSchreiben(pfad, "alt\n");
    if (!umbenennen) link(pfad.c_str(), (ordner + "/zweit").c_str());
    int los[2], halb[2], signale[2];
    ASSERT_EQ(pipe(los) + pipe(halb) + pipe(signale), 0);
    char c = 0;
    const pid_t erster = fork();
    if (erster == 0) {  // in place, holds the file half written until told to go on
        gTempVersagt = true;
        const int f = CVI_OpenFile(pfad.c_str(), 2, 0, 1);
        TK_ZeilenSchreiben(f, a.data(), 50000);
        (void)!write(halb[1], &c, 1), (void)!read(los[0], &c, 1);
        TK_ZeilenSchreiben(f, a.data() + 50000, 50000);
        _exit(CVI_CloseFile(f) == 0 ? 0 : 1);
    }
    ASSERT_EQ(read(halb[0], &c, 1), 1);
    const pid_t zweiter = fork();
    if (zweiter == 0) {
        gSignalRohr = signale[1];
        struct sigaction sa = {};
        sa.sa_handler = SignalMelden;
        sigaction(SIGALRM, &sa, nullptr);
        const struct itimerval takt = {{0, 20000}, {0, 20000}}, aus = {};
        setitimer(ITIMER_REAL, &takt, nullptr);
        const int r = Exportieren(pfad, b);
        setitimer(ITIMER_REAL, &aus, nullptr);
        _exit(r == 0 ? 0 : 1);
    }
    close(signale[1]);
    EXPECT_TRUE(WartetAufSperre(zweiter)) << umbenennen;
    for (int n = 0; n < 3 && read(signale[0], &c, 1) == 1;)  // three signals while it waits
        ++n;
    ASSERT_EQ(write(los[1], &c, 1), 1);
    int s1 = -1, s2 = -1;
    waitpid(erster, &s1, 0), waitpid(zweiter, &s2, 0);
    EXPECT_EQ(s1 + s2, 0);
    EXPECT_TRUE(DateiLesen(pfad) == b) << "the second waited for the first and wrote all of its own";
    for (int fd : {los[0], los[1], halb[0], halb[1], signale[0]}) close(fd);
  }
}

// Another program renames a new file over the one an export waits to lock:
// the export lets go of the old one, locks the new one and replaces it.
TEST(Exportdatei, WaehrendDesWartensErsetzteDateiWirdNeuGesperrt)
{
    const std::string ordner = TestOrdner(), pfad = ordner + "/a.txt", anders = ordner + "/b.txt";
    DateiSchreiben(pfad, "alt\n");
    DateiSchreiben(anders, "anders\n");
    int los[2], bereit[2];
    ASSERT_EQ(pipe(los) + pipe(bereit), 0);
    char c = 0;
    const pid_t halter = fork();
    if (halter == 0) {  // another program's lock, held until told
        flock(open(pfad.c_str(), O_RDONLY), LOCK_EX);
        (void)!write(bereit[1], &c, 1), (void)!read(los[0], &c, 1);
        _exit(0);
    }
    ASSERT_EQ(read(bereit[0], &c, 1), 1);
    const pid_t exporter = fork();
    if (exporter == 0) {
        const long offen = (alarm(10), OffeneDeskriptoren());
        const int r = Exportieren(pfad, "neu\n");
        _exit(r != 0 ? 1 : OffeneDeskriptoren() != offen ? 2 : 0);
    }
    EXPECT_TRUE(WartetAufSperre(exporter));
    ASSERT_EQ(rename(anders.c_str(), pfad.c_str()), 0);
    ASSERT_EQ(write(los[1], &c, 1), 1);
    int s1 = -1, s2 = -1;
    waitpid(halter, &s1, 0), waitpid(exporter, &s2, 0);
    EXPECT_EQ(std::make_pair(s1, s2), std::make_pair(0, 0)) << "no descriptor of the old file left open";
    EXPECT_EQ(DateiLesen(pfad), "neu\n");
    for (int fd : {los[0], los[1], bereit[0], bereit[1]}) close(fd);
}

TEST(Exportdatei, AlsAndererBenutzerBleibenBesitzUndAlteDatei)
{
    if (geteuid() != 0) GTEST_SKIP() << "only root can act as another user here";
    const std::string ordner = TestOrdner(), zu = ordner + "/zu/k.txt", offen = ordner + "/offen/k.txt";
    chmod(ordner.c_str(), 0755);
    mkdir((ordner + "/zu").c_str(), 0755);    // takes no new file from that user
    mkdir((ordner + "/offen").c_str(), 0);
    chmod((ordner + "/offen").c_str(), 0777);  // shared: a replacement would change the owner
    const std::string nurSchreiben = ordner + "/zu/w.txt", eigen = ordner + "/offen/e.txt";
    DateiSchreiben(zu, "alt\n");
    DateiSchreiben(offen, "alt\n");
    DateiSchreiben(nurSchreiben, "alt alt alt\n");  // write-only, on a file system without fallocate
    DateiSchreiben(eigen, "alt\n");                 // the user's own, with an attribute only root sees
    for (const std::string &p : {zu, nurSchreiben, eigen}) chown(p.c_str(), NIEMAND, NIEMAND);
    chmod(offen.c_str(), 0666);
    chmod(nurSchreiben.c_str(), 0200);
    const bool vertraut = setxattr(eigen.c_str(), "trusted.wlr7", "rig", 3, 0) == 0;
    const int status = AlsNiemand([&] {
        int ergebnis = 0;
        gReservierenFehlt = true;
        for (const char *neu : {"kurz\n", "viel länger als vorher\n"})
            ergebnis |= Exportieren(nurSchreiben, neu) == -2 && Grund() == NICHT_RUECKBAR ? 0 : 16;
        gReservierenFehlt = false;
        return ergebnis | (Exportieren(zu, "neu\n") == 0 ? 0 : 2) | (Exportieren(offen, "neu\n") == 0 ? 0 : 4) |
               (Exportieren(offen + ".neu", "neu\n") == 0 ? 0 : 8) | (Exportieren(eigen, "neu\n") == 0 ? 0 : 32);
    });
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    // An attribute the user cannot see is no reason to write in place: the
    // new file carries what its writer sees, as every tool's replacement.
    EXPECT_EQ(DateiLesen(nurSchreiben) + DateiLesen(eigen) + Attribut(eigen, "trusted.wlr7"), "alt alt alt\nneu\n-")
        << vertraut;
    EXPECT_EQ(DateiLesen(zu) + DateiLesen(offen), "neu\nneu\n");
    EXPECT_EQ(Status(offen).st_uid + Eintraege(ordner + "/zu") + Eintraege(ordner + "/offen"), 5u);
    EXPECT_EQ(Status(offen + ".neu").st_uid, NIEMAND);
}

// An overwrite, by root or by the owner, an ordinary user, is a rename: a
// plain file (its file flags kept), and one with set-id bits, an ACL and
// user attributes (an empty value among them), which all survive. Only
// where a rename would lose something the writer sees (a second name) is the
// file written in place, its set-id bits kept. A mode that cannot be kept
// fails the export.
TEST(Exportdatei, ErsetzungUmbenennenMitAllemWasDerSchreiberSieht)
{
  for (bool alsRoot : {true, false}) {
    const std::string ordner = OrdnerVonNiemand(), schlicht = ordner + "/schlicht.txt", reich = ordner + "/reich.txt",
                      verlinkt = ordner + "/verlinkt.txt";
    DateiVonNiemand(schlicht, "alt alt alt alt\n", 0644);
    DateiVonNiemand(reich, "alt alt alt alt\n", 0640);
    if (alsRoot)  // only the owner, or only the group, differs from that of the writer's new file
        (void)!(chown(schlicht.c_str(), NIEMAND, 0) + chown(reich.c_str(), 0, NIEMAND));
    // user::rw- user:0:r-- group::r-x mask::r-x other::---
    const uint32_t acl[] = {2, 0x00060001, 0xffffffff, 0x00040002, 0, 0x00050004, 0xffffffff,
                            0x00050010, 0xffffffff, 0x00000020, 0xffffffff};
    const bool acls = setxattr(reich.c_str(), "system.posix_acl_access", acl, sizeof acl, 0) == 0;
    const bool attribute = setxattr(reich.c_str(), "user.herkunft", "rig7", 4, 0) == 0 &&
                           setxattr(reich.c_str(), "user.leer", "", 0, 0) == 0;
    chmod(reich.c_str(), 06750);
    DateiVonNiemand(verlinkt, std::string(5000, 'a'), 06755);
    ASSERT_EQ(link(verlinkt.c_str(), (ordner + "/zweit").c_str()), 0);
    int flags = 0;  // chattr +d, where the file system has file flags
    const int fd = open(schlicht.c_str(), O_RDONLY);
    const bool flagsDa = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 &&
                         (flags |= FS_NODUMP_FL, ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0);
    close(fd);
    const struct stat vorher[] = {Status(schlicht), Status(reich), Status(verlinkt)};
    const std::string aclVorher = Attribut(reich, "system.posix_acl_access");
    const auto exportieren = [&] {
        return (Exportieren(schlicht, "neu\n") == 0 ? 0 : 1) | (Exportieren(reich, "neu\n") == 0 ? 0 : 2) |
               (Exportieren(verlinkt, "neu\n") == 0 ? 0 : 4);
    };
    const int status = alsRoot ? ImKind(exportieren) : AlsNiemand(exportieren);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(DateiLesen(schlicht) + DateiLesen(reich) + DateiLesen(ordner + "/zweit"), "neu\nneu\nneu\n");
    const struct stat nachher[] = {Status(schlicht), Status(reich), Status(verlinkt)};
    EXPECT_NE(nachher[0].st_ino, vorher[0].st_ino) << "a plain file: replaced by rename";
    EXPECT_NE(nachher[1].st_ino, vorher[1].st_ino) << "with everything the writer sees: replaced by rename";
    EXPECT_EQ(nachher[2].st_ino, vorher[2].st_ino) << "a second name: written in place";
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(nachher[i].st_mode == vorher[i].st_mode && nachher[i].st_uid == vorher[i].st_uid &&
                    nachher[i].st_gid == vorher[i].st_gid)
            << i << ": " << std::oct << nachher[i].st_mode << " was " << vorher[i].st_mode;
    EXPECT_EQ(Attribut(reich, "system.posix_acl_access"), aclVorher) << acls;
    EXPECT_TRUE(!attribute || Attribut(reich, "user.herkunft") + "|" + Attribut(reich, "user.leer") == "rig7|")
        << "an empty value is a value";
    const int neuFd = open(schlicht.c_str(), O_RDONLY);
    EXPECT_TRUE(!flagsDa || (ioctl(neuFd, FS_IOC_GETFLAGS, &flags) == 0 && (flags & FS_NODUMP_FL))) << flags;
    close(neuFd);
    gRechteVersagt = true;
    EXPECT_EQ(Exportieren(schlicht, "nie\n"), -1);
    gRechteVersagt = false;
    EXPECT_EQ(DateiLesen(schlicht) + std::to_string(Eintraege(ordner)), "neu\n4") << "no temporary file is left";
  }
}

// The reservation asks the file system once for what it has not yet set
// aside: the same size again, or none, asks nothing; more asks again; a
// pipe or a device is never asked.
TEST(Exportdatei, ReservierungNurFuerWasNochFehlt)
{
    const std::string ordner = TestOrdner();
    const int f = CVI_OpenFile((ordner + "/a.txt").c_str(), 2, 0, 1), strom = CVI_OpenFile("/dev/null", 2, 0, 1);
    ASSERT_GT(f, 0);
    EXPECT_EQ(TK_DateiReservieren(f, 100), 0);
    gReservierenVersagt = true;
    EXPECT_EQ(TK_DateiReservieren(f, 100) + TK_DateiReservieren(f, 0) + TK_DateiReservieren(f, 99), 0);
    EXPECT_EQ(TK_DateiReservieren(strom, 100), 0);
    EXPECT_EQ(TK_DateiReservieren(f, 101), -1) << "one byte more is asked for";
    gReservierenVersagt = false;
    EXPECT_EQ(TK_DateiReservieren(f, -1), -1);
    EXPECT_EQ(CVI_CloseFile(f) + CVI_CloseFile(strom), -1) << "the failed reservation discards the file";
    EXPECT_EQ(Eintraege(ordner), 0u);
    // Discarded in place, a file gives back what its reservation took past its end.
    const std::string pfad = ordner + "/b.txt";
    DateiSchreiben(pfad, "alt\n");
    ASSERT_EQ(link(pfad.c_str(), (ordner + "/zweit").c_str()), 0);
    const int g = CVI_OpenFile(pfad.c_str(), 2, 0, 1);
    EXPECT_EQ(TK_DateiReservieren(g, 1 << 24), 0);
    EXPECT_GE(Status(pfad).st_blocks * 512, 1 << 24);
    EXPECT_EQ(TK_DateiVerwerfen(g), 0);
    EXPECT_LT(Status(pfad).st_blocks * 512, 1 << 20);
    EXPECT_EQ(DateiLesen(pfad), "alt\n");
}

// A later run removes the temporary names that dead runs left for the same
// target, and nothing else: not a live process's (another user's too), not
// another target's, not a name that only looks alike.
TEST(Exportdatei, NurToteTemporaereNamenWerdenEntfernt)
{
    const std::string ordner = OrdnerVonNiemand(), pfad = ordner + "/a.txt";
    const pid_t toter = fork();  // a process that has ended
    if (toter == 0) _exit(0);
    waitpid(toter, nullptr, 0);
    const std::string t = std::to_string(toter);
    const std::string bleiben[] = {".a.txt." + t + "-2x", ".a.txt." + t, ".b.txt." + t + "-1", ".a.txt.1-1",
                                   ".a.txt." + std::to_string(getpid()) + "-3", ".a.txt.99999999999-1", "a.txt"};
    for (const std::string &name : bleiben) DateiVonNiemand(ordner + "/" + name, "x", 0644);
    DateiVonNiemand(ordner + "/.a.txt." + t + "-1", "x", 0600);
    for (bool unbenannt : {true, false}) {
        gUnbenanntFehlt = unbenannt ? 0 : EOPNOTSUPP;
        const int status = AlsNiemand([&] { return Exportieren(pfad, "neu\n") == 0 ? 0 : 1; });
        gUnbenanntFehlt = 0;
        EXPECT_EQ(status, 0) << unbenannt;
        std::vector<std::string> da;
        for (const auto &e : std::filesystem::directory_iterator(ordner))
            da.push_back(e.path().filename());
        std::sort(da.begin(), da.end());
        std::vector<std::string> erwartet(std::begin(bleiben), std::end(bleiben));
        std::sort(erwartet.begin(), erwartet.end());
        EXPECT_EQ(da, erwartet) << unbenannt;
        EXPECT_EQ(DateiLesen(pfad), "neu\n");
        DateiVonNiemand(ordner + "/.a.txt." + t + "-1", "x", 0600);
    }
}

// Whatever way an export ends, written, refused, failed at any step or
// discarded, it leaves no descriptor open: a window exports all day.
TEST(Exportdatei, JederAusgangSchliesstAlleDeskriptoren)
{
    const std::string ordner = TestOrdner(), pfad = ordner + "/a.txt";
    DateiSchreiben(pfad, std::string(3000, 'a'));
    const long vorher = OffeneDeskriptoren();
    bool ohne = false;  // the export that succeeds
    bool *const schalter[] = {&ohne, &gReservierenVersagt, &gSyncVersagt, &gSperreVersagt, &gCloseVersagt,
                              &gTempVersagt, &gRechteVersagt, &gReservierenFehlt};
    for (const char *anOrt : {"", "in place"}) {
        if (*anOrt)  // a second name keeps the file in place
            link(pfad.c_str(), (ordner + "/zweit.txt").c_str());
        for (size_t i = 0; i < std::size(schalter); ++i) {
            *schalter[i] = true;
            Exportieren(pfad, std::string(5000, 'n'));
            *schalter[i] = false;
            EXPECT_EQ(OffeneDeskriptoren(), vorher) << "failure " << i << anOrt;
        }
        gUnbenanntFehlt = EOPNOTSUPP;
        Exportieren(pfad, std::string(5000, 'n'));
        gUnbenanntFehlt = 0;
        EXPECT_EQ(OffeneDeskriptoren(), vorher) << "no unnamed files" << anOrt;
        gSchreibRest = 100;
        EXPECT_LT(Exportieren(pfad, std::string(5000, 'r')), 0);
        gSchreibRest = -1;
        EXPECT_EQ(TK_DateiVerwerfen(CVI_OpenFile(pfad.c_str(), 2, 0, 1)) + Exportieren(ordner + "/f/b.txt", "x\n"), -1);
        EXPECT_EQ(OffeneDeskriptoren(), vorher) << anOrt;
    }
}

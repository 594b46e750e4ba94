// Export-file I/O, provoked for real: replaced whole or not at all, written
// in place where it must be, never blocking, every failure with its reason.
#include "aufzeichnung.h"
#include "seams.h"
#include "toolkit_kern.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Under a file size limit of @p bytes: a first line of 5 bytes, then a line
// (or, given @p block, a block of lines) that crosses the limit. True when
// the first went out, the second failed with EFBIG and the close reported it.
bool MitGrenze(const std::string &pfad, rlim_t bytes, const char *block = nullptr)
{
    const Dateigrenze grenze(bytes);
    const int f = CVI_OpenFile(pfad.c_str(), 2, 0, 1), a = WriteLine(f, "1234", 4),
              b = block ? TK_ZeilenSchreiben(f, block, 9) : WriteLine(f, "123456", 6), c = CVI_CloseFile(f);
    return a == 4 && b == -1 && c == -1 && TK_DateiFehler() == EFBIG;
}

bool IstVerweis(const std::string &pfad)
{
    struct stat st;
    return lstat(pfad.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

unsigned Rechte(const std::string &pfad)
{
    struct stat st;
    return stat(pfad.c_str(), &st) == 0 ? st.st_mode & 07777 : 01000;
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
    EXPECT_TRUE(IstVerweis(ordner + "/verweis"));
    EXPECT_EQ(Rechte(pfad), 0640u);
    EXPECT_EQ(Eintraege(ordner), 2u) << "no temporary file is left";

    symlink("neu/../b.txt", (ordner + "/haengt").c_str());  // a link to no file yet names it
    mkdir((ordner + "/neu").c_str(), 0755);
    EXPECT_EQ(CVI_CloseFile(CVI_OpenFile((ordner + "/haengt").c_str(), 2, 0, 1)), 0);
    EXPECT_TRUE(std::filesystem::exists(ordner + "/b.txt") && IstVerweis(ordner + "/haengt"));
    const mode_t maske = umask(022);  // a new file: 0666 less the umask
    EXPECT_EQ(CVI_CloseFile(CVI_OpenFile((ordner + "/neu.txt").c_str(), 2, 0, 1)), 0);
    umask(maske);
    EXPECT_EQ(Rechte(ordner + "/neu.txt"), 0644u);
}

TEST(Exportdatei, FehlschlaegeLassenDieAlteDateiUndNennenDenGrund)
{
    const std::string ordner = TestOrdner(), pfad = ordner + "/a.txt";
    DateiSchreiben(pfad, "alt\n");
    EXPECT_TRUE(MitGrenze(pfad, 10));
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

    // Where the folder takes no temporary file: in place, cut back to the
    // last whole line on failure.
    gTempVersagt = true;
    DateiSchreiben(pfad, std::string(100, 'x'));
    EXPECT_TRUE(MitGrenze(pfad, 10));
    EXPECT_EQ(DateiLesen(pfad), "1234\n");
    EXPECT_TRUE(MitGrenze(pfad, 12, "ab\ncd\nef\n"));
    EXPECT_EQ(DateiLesen(pfad), "1234\nab\ncd\n") << "a block keeps its whole lines";
    f = CVI_OpenFile(pfad.c_str(), 2, 0, 1);
    EXPECT_EQ(WriteLine(f, "ganz", 4), 4);
    EXPECT_EQ(CVI_CloseFile(f), 0);
    EXPECT_EQ(DateiLesen(pfad), "ganz\n");
    gCloseVersagt = true;  // in place too, a failed close is reported
    EXPECT_EQ(CVI_CloseFile(CVI_OpenFile(pfad.c_str(), 2, 0, 1)), -1);
    gCloseVersagt = gTempVersagt = false;
}

TEST(Exportdatei, OeffnenScheitertSofortMitGrund)
{
    const std::string ordner = TestOrdner(), fifo = ordner + "/fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const struct { std::string pfad; const char *grund; } faelle[] = {
        {ordner + "/fehlt/a.txt", "Ordner nicht gefunden"}, {ordner, "Ist ein Ordner"},
        {"", "Ordner nicht gefunden"}, {ordner + "/" + std::string(300, 'n'), "Pfad zu lang"},
        {fifo, "Kein Leser an der Pipe"},
    };
    for (const auto &f : faelle) {
        const auto beginn = std::chrono::steady_clock::now();
        EXPECT_EQ(CVI_OpenFile(f.pfad.c_str(), 2, 0, 1), -1) << f.pfad;
        EXPECT_STREQ(TK_FehlerGrund(TK_DateiFehler()), f.grund) << f.pfad;
        EXPECT_LT(std::chrono::steady_clock::now() - beginn, std::chrono::seconds(1)) << "never blocks";
    }
    EXPECT_EQ(Eintraege(ordner), 1u);
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

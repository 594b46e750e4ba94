#include "aufzeichnung.h"
#include "toolkit.h"

#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

TEST(Exportdatei, ZeilenGehenMitZeilenendeUndUngepuffertHinaus)
{
    const std::string pfad = TestOrdner() + "/a.txt";
    int f = CVI_OpenFile(pfad.c_str(), 2, 0, 1);
    ASSERT_GE(f, 0);
    EXPECT_EQ(WriteLine(f, "abc", 3), 3);
    EXPECT_EQ(DateiLesen(pfad), "abc\n") << "on disk before the file is closed";
    EXPECT_EQ(WriteLine(f, "", 0), 0);
    EXPECT_EQ(WriteLine(f, "xyz", 2), 2);
    std::string lang(1000, 'q');
    EXPECT_EQ(WriteLine(f, lang.c_str(), 1000), 1000);
    EXPECT_EQ(CVI_CloseFile(f), 0);
    EXPECT_EQ(DateiLesen(pfad), "abc\n\nxy\n" + lang + "\n");

    // Opening again with truncation empties the file.
    f = CVI_OpenFile(pfad.c_str(), 2, 0, 1);
    CVI_CloseFile(f);
    EXPECT_EQ(DateiLesen(pfad), "");
}

TEST(Exportdatei, FehlerWerdenSichtbar)
{
    EXPECT_EQ(CVI_OpenFile("/proc/wlr7-nicht-anlegbar.txt", 2, 0, 1), -1);
    EXPECT_EQ(CVI_OpenFile((TestOrdner() + "/fehlt/a.txt").c_str(), 2, 0, 1), -1);
    EXPECT_EQ(CVI_OpenFile("", 2, 0, 1), -1);

    int voll = CVI_OpenFile("/dev/full", 2, 0, 1);
    ASSERT_GE(voll, 0);
    EXPECT_EQ(WriteLine(voll, "abc", 3), -1);
    EXPECT_EQ(WriteLine(voll, "", 0), -1);
    CVI_CloseFile(voll);
    EXPECT_EQ(WriteLine(-1, "abc", 3), -1);
}

TEST(Exportdatei, DateigroessenGrenzeMeldetDieZeileDieSieTrifft)
{
    const std::string pfad = TestOrdner() + "/grenze.txt";
    pid_t kind = fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        struct rlimit grenze = {10, 10};
        setrlimit(RLIMIT_FSIZE, &grenze);
        int f = CVI_OpenFile(pfad.c_str(), 2, 0, 1);
        int a = WriteLine(f, "1234", 4);   // 5 bytes
        int b = WriteLine(f, "123456", 6); // would end at 12: cut at 10
        _exit(a == 4 && b == -1 ? 0 : 1);
    }
    int status = 0;
    waitpid(kind, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "not killed by the size limit";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(DateiLesen(pfad), "1234\n12345");
}

// The error library: lookup by key, languages, the user string, popups and
// the bounds of its text areas. The catalogue is checked by spot rows and
// by what must hold for every key, not by a second copy of it.
#include "ZEM_errorV3.h"
#include "aufzeichnung.h"

#include <algorithm>
#include <climits>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

const char *const UNBEKANNT = "Ein unbekannter Fehler ist aufgetreten";

class Fehler : public ::testing::Test {
protected:
    void SetUp() override
    {
        ZEM_Fehlersprache(1);
        ZEM_Fehleruserstring("");
        MeldungenLeeren();
    }
    void TearDown() override { SetUp(); }
};

std::string Text(int code) { return ZEM_Fehlermeldung(code); }
long Zeilen(const std::string &s) { return std::count(s.begin(), s.end(), '\n'); }

}  // namespace

TEST_F(Fehler, KatalogStichprobenUndJederSchluessel)
{
    const struct { int code; const char *deutsch, *englisch; } zeilen[] = {
        {0, "Es ist kein Fehler aufgetreten", "No error"},
        {-2999, "Ein Fehler ist aufgetreten", "A error occured"},
        {-9999, "", ""},
        {-100000, "Fehler beim öffnen der seriellen Schnittstelle", nullptr},
        {-301204, "Fehler beim Schreiben auf Datei", "Error writing to file"},
        {-350000, "Timeout:\nDruck konnte nicht aufgebaut werden.", nullptr}};
    for (const auto &z : zeilen) {
        EXPECT_EQ(Text(z.code), z.deutsch) << z.code;
        ZEM_Fehlersprache(2);
        EXPECT_EQ(Text(z.code), z.englisch ? z.englisch : Text(z.code)) << z.code;
        ZEM_Fehlersprache(1);
    }
    EXPECT_EQ(Text(-1002000).size(), 196u) << "the longest: 192 characters, four two-byte umlauts";
    EXPECT_EQ(Text(-1012000), Text(-359000));

    // Every key: 171 with a text of their own in both languages, an English
    // text with the German one's line breaks, the same for every site.
    int schluessel = 0;
    std::set<std::string> englische;
    for (int k = 0; k >= -1100; --k) {
        const std::string de = Text(k * 1000);
        ZEM_Fehlersprache(2);
        const std::string en = Text(k * 1000 - 999);
        ZEM_Fehlersprache(1);
        if (de == UNBEKANNT) {
            EXPECT_EQ(en, "A unknown error occured") << k;
            continue;
        }
        ++schluessel;
        EXPECT_EQ(Text(k * 1000 - 999), de) << k;
        EXPECT_EQ(Zeilen(en), Zeilen(de)) << k;
        englische.insert(en);
    }
    EXPECT_EQ(schluessel, 171);
    EXPECT_EQ(englische.size(), 171u - 3) << "shared: the empty text (-6, -9), -359/-1012, -360/-1013";
    for (int code : {-1999, -121000, -599000, -1006000, -2000000, 1500, 999999, INT_MIN})
        EXPECT_EQ(Text(code), UNBEKANNT) << code;
}

TEST_F(Fehler, UserstringEinmalAngehaengtSpracheNurMitZwei)
{
    ZEM_Fehleruserstring("abc");
    EXPECT_EQ(Text(-600201), "Speicherreservierung fehlgeschlagen\nabc");
    EXPECT_EQ(Text(-600201), "Speicherreservierung fehlgeschlagen") << "appended once";
    ZEM_Fehleruserstring("abc");
    EXPECT_EQ(Text(-6000), "\nabc") << "to an empty text too";

    // Key 0 in English and the silent popups leave it pending.
    ZEM_Fehleruserstring("xyz");
    ZEM_Fehlersprache(2);
    EXPECT_EQ(Text(-42), "No error");
    ZEM_Fehlerpopup(-6500);
    ZEM_Fehlerpopup2(-6000, "Export");
    EXPECT_TRUE(gMeldungen.empty());
    EXPECT_EQ(Text(-308202), "Error opening file\nxyz");
    ZEM_Fehleruserstring("weg");
    ZEM_Fehleruserstring(nullptr);
    EXPECT_EQ(Text(-308202), "Error opening file");

    for (int sprache : {1, 3, 0, -2})
        EXPECT_EQ((ZEM_Fehlersprache(sprache), Text(-308202)), "Fehler beim Öffnen der Datei") << sprache;
}

TEST_F(Fehler, PopupsTragenDieNummer)
{
    const struct { int sprache, code; const char *prefix, *titel, *text; } faelle[] = {
        {1, -600201, nullptr, "Fehler #600201", "Speicherreservierung fehlgeschlagen"},
        {1, 5, nullptr, "Fehler #-5", "Es ist kein Fehler aufgetreten"},
        {1, INT_MIN, nullptr, "Fehler #2147483648", UNBEKANNT},
        {1, -7000, nullptr, "Fehler #7000", "Ein unerwarteter Fehler ist aufgetreten"},
        {2, -301204, "Export", "Export #301204", "Error writing to file"},
        {1, -301204, "", " #301204", "Fehler beim Schreiben auf Datei"}};
    for (const auto &f : faelle) {
        ZEM_Fehlersprache(f.sprache);
        ZEM_Fehlerpopup(-6999);  // -6000 to -6999 stay silent
        if (f.prefix)
            ZEM_Fehlerpopup2(f.code, *f.prefix ? f.prefix : nullptr);
        else
            ZEM_Fehlerpopup(f.code);
        ASSERT_EQ(gMeldungen.size(), static_cast<size_t>(&f - faelle + 1)) << f.titel;
        EXPECT_EQ(gMeldungen.back().titel + "|" + gMeldungen.back().text, std::string(f.titel) + "|" + f.text);
    }
}

TEST_F(Fehler, UeberlangeTexteWerdenAnZeichengrenzenGekuerzt)
{
    std::string lang;
    for (int i = 0; i < 200; ++i)
        lang += "ä";  // 400 bytes
    ZEM_Fehleruserstring(lang.c_str());
    EXPECT_EQ(Text(-600201), "Speicherreservierung fehlgeschlagen\n" + lang.substr(0, 298))
        << "299 bytes hold 149 whole umlauts";
    ZEM_Fehlerpopup2(-301204, lang.c_str());
    EXPECT_EQ(gMeldungen.back().titel, lang.substr(0, 90) + " #301204") << "99 bytes, no umlaut cut in half";
    // The message area holds the longest text and a full user string.
    ZEM_Fehleruserstring(std::string(299, 'x').c_str());
    EXPECT_EQ(Text(-1002000).size(), 196u + 1 + 299);
}

// A reason the caller hands over goes under the message, in the caller's
// area, cut at a character; the pending user string stays pending. The
// title keeps its number whole down to an area of one byte.
TEST_F(Fehler, GrundInDenBereichDesAufrufersUndKleinsteTitel)
{
    char text[ZEM_MELDUNG_GROESSE], klein[12];
    ZEM_Fehleruserstring("offen");
    EXPECT_STREQ(ZEM_FehlermeldungGrund(-301204, "Datei zu groß: /k.txt", text, sizeof text),
                 "Fehler beim Schreiben auf Datei\nDatei zu groß: /k.txt");
    EXPECT_STREQ(ZEM_FehlermeldungGrund(-301204, "", text, sizeof text), "Fehler beim Schreiben auf Datei");
    EXPECT_STREQ(ZEM_FehlermeldungGrund(-308202, nullptr, klein, sizeof klein), "Fehler beim");
    EXPECT_STREQ(ZEM_FehlermeldungGrund(-308202, "x", klein, 0), "");
    EXPECT_EQ(Text(-308202), "Fehler beim Öffnen der Datei\noffen") << "still pending";
    ZEM_FehlerpopupGrund(-301205, "Ein-/Ausgabefehler: -");
    ZEM_FehlerpopupGrund(-6001, "still");
    ASSERT_EQ(gMeldungen.size(), 1u);
    EXPECT_EQ(gMeldungen.back().titel + "|" + gMeldungen.back().text,
              "Fehler #301205|Fehler beim Schreiben auf Datei\nEin-/Ausgabefehler: -");

    const struct { size_t groesse; const char *titel; } titel[] = {
        {1, ""}, {8, " #30120"}, {9, " #301204"}, {10, "F #301204"}, {15, "Fehler #301204"}};
    for (const auto &t : titel) {
        char sz[16];
        std::fill(sz, sz + sizeof sz, 'x');
        EXPECT_EQ(ZEM_Fehlertitel(-301204, nullptr, sz, t.groesse), 1) << t.groesse;
        EXPECT_STREQ(sz, t.titel) << t.groesse;
        EXPECT_EQ(sz[t.groesse], 'x') << "nothing past the area, at " << t.groesse;
    }
    char sz[2] = "x";
    EXPECT_EQ(ZEM_Fehlertitel(-301204, nullptr, sz, 0), 0);
    EXPECT_STREQ(sz, "x") << "no area: nothing written";
}

#include "ZEM_errorV3.h"
#include "aufzeichnung.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <iterator>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

struct Erwartet {
    int schluessel;
    const char *deutsch;
};
const Erwartet gErwartet[] = {
#include "katalog_erwartet.inc"
};

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

}  // namespace

TEST_F(Fehler, JederSchluesselGibtSeinenDeutschenText)
{
    ASSERT_EQ(std::size(gErwartet), 171u);
    for (const Erwartet &e : gErwartet) {
        EXPECT_EQ(Text(e.schluessel * 1000), e.deutsch) << e.schluessel;
        EXPECT_EQ(Text(e.schluessel * 1000 - 999), e.deutsch) << "site 999 of " << e.schluessel;
    }
    EXPECT_EQ(Text(-1012000), Text(-359000));
    EXPECT_EQ(Text(-1002000).size(), 196u) << "192 characters, four of them two-byte umlauts";
}

TEST_F(Fehler, JederSchluesselHatEinenEigenenEnglischenText)
{
    ZEM_Fehlersprache(2);
    std::set<std::string> gesehen;
    for (const Erwartet &e : gErwartet) {
        std::string en = Text(e.schluessel * 1000);
        EXPECT_NE(en, "A unknown error occured") << e.schluessel;
        EXPECT_EQ(std::count(en.begin(), en.end(), '\n'), std::count(e.deutsch, e.deutsch + std::strlen(e.deutsch), '\n'))
            << e.schluessel;
        gesehen.insert(en);
    }
    EXPECT_EQ(gesehen.size(), 171u - 3) << "shared only by -6/-9 (empty), -359/-1012 and -360/-1013";
    EXPECT_EQ(Text(-600201), "Error allocating memory");
    EXPECT_EQ(Text(-301204), "Error writing to file");
}

TEST_F(Fehler, FehlendeSchluesselGebenDenVorgabetext)
{
    for (int code : {-1000, -1999, -121000, -599000, -1006000, -1009000, -1035000, -2000000, 1500, 999999, INT_MIN})
        EXPECT_EQ(Text(code), "Ein unbekannter Fehler ist aufgetreten") << code;
    ZEM_Fehlersprache(2);
    EXPECT_EQ(Text(-1000), "A unknown error occured");
    EXPECT_EQ(Text(-1035000), "A unknown error occured");
    EXPECT_EQ(Text(-1034000), "No answer from the balance.\nThe weight may not have stabilised.");
}

TEST_F(Fehler, SchluesselNullUndLeereTexte)
{
    for (int code : {0, -5, -999, 5, 999})
        EXPECT_EQ(Text(code), "Es ist kein Fehler aufgetreten") << code;
    EXPECT_EQ(Text(-6123), "");
    EXPECT_EQ(Text(-9001), "");
    EXPECT_EQ(Text(-5000), "Datum/Zeit Funktion fehlgeschlagen");
    EXPECT_EQ(Text(-7000), "Ein unerwarteter Fehler ist aufgetreten");
    ZEM_Fehlersprache(2);
    EXPECT_EQ(Text(0), "No error");
    EXPECT_EQ(Text(-6000), "");
}

TEST_F(Fehler, UserstringWirdEinmalAngehaengt)
{
    ZEM_Fehleruserstring("abc");
    EXPECT_EQ(Text(-600201), "Speicherreservierung fehlgeschlagen\nabc");
    EXPECT_EQ(Text(-600201), "Speicherreservierung fehlgeschlagen");

    ZEM_Fehleruserstring("abc");
    EXPECT_EQ(Text(-6000), "\nabc") << "an empty text too";

    // Key 0 in English and the silent popup leave it pending.
    ZEM_Fehleruserstring("xyz");
    ZEM_Fehlersprache(2);
    EXPECT_EQ(Text(-42), "No error");
    ZEM_Fehlerpopup(-6500);
    ZEM_Fehlerpopup2(-6000, "Export");
    EXPECT_TRUE(gMeldungen.empty());
    EXPECT_EQ(Text(-308202), "Error opening file\nxyz");

    ZEM_Fehleruserstring("weg");
    ZEM_Fehleruserstring("");
    EXPECT_EQ(Text(-308202), "Error opening file");
    ZEM_Fehleruserstring(nullptr);
    EXPECT_EQ(Text(-308202), "Error opening file");
}

TEST_F(Fehler, SpracheWechseltMitZweiUndNurMitZwei)
{
    for (int sprache : {1, 3, 0, -2}) {
        ZEM_Fehlersprache(sprache);
        ZEM_Fehlerpopup(-308202);
        EXPECT_EQ(gMeldungen.back().titel, "Fehler #308202");
        EXPECT_EQ(gMeldungen.back().text, "Fehler beim Öffnen der Datei");
    }
    ZEM_Fehlersprache(2);
    ZEM_Fehlerpopup(-308202);
    EXPECT_EQ(gMeldungen.back().titel, "Error #308202");
    EXPECT_EQ(gMeldungen.back().text, "Error opening file");
}

TEST_F(Fehler, PopupTitelTragenDieNummer)
{
    struct Fall {
        int code;
        const char *titel;
        const char *text;
    };
    const Fall faelle[] = {
        {-600201, "Fehler #600201", "Speicherreservierung fehlgeschlagen"},
        {5, "Fehler #-5", "Es ist kein Fehler aufgetreten"},
        {-5, "Fehler #5", "Es ist kein Fehler aufgetreten"},
        {-9001, "Fehler #9001", ""},
        {INT_MIN, "Fehler #2147483648", "Ein unbekannter Fehler ist aufgetreten"},
    };
    for (const Fall &f : faelle) {
        ZEM_Fehlerpopup(f.code);
        ASSERT_FALSE(gMeldungen.empty());
        EXPECT_EQ(gMeldungen.back().titel, f.titel);
        EXPECT_EQ(gMeldungen.back().text, f.text);
    }
    EXPECT_EQ(gMeldungen.size(), 5u);
    ZEM_Fehlerpopup(-6123);
    ZEM_Fehlerpopup(-6999);
    EXPECT_EQ(gMeldungen.size(), 5u) << "codes -6000 to -6999 stay silent";
    ZEM_Fehlerpopup(-7000);
    EXPECT_EQ(gMeldungen.size(), 6u);
}

TEST_F(Fehler, PopupMitPrefix)
{
    ZEM_Fehlerpopup2(-301204, "Export");
    EXPECT_EQ(gMeldungen.back().titel, "Export #301204");
    EXPECT_EQ(gMeldungen.back().text, "Fehler beim Schreiben auf Datei");
    ZEM_Fehlersprache(2);
    ZEM_Fehlerpopup2(-301204, "Export");
    EXPECT_EQ(gMeldungen.back().titel, "Export #301204") << "no language word in the title";
    EXPECT_EQ(gMeldungen.back().text, "Error writing to file");
    ZEM_Fehlerpopup2(-301204, nullptr);
    EXPECT_EQ(gMeldungen.back().titel, " #301204");
}

TEST_F(Fehler, UeberlangeTexteWerdenAnZeichengrenzenGekuerzt)
{
    std::string lang;
    for (int i = 0; i < 200; ++i)
        lang += "ä";  // 400 bytes
    ZEM_Fehleruserstring(lang.c_str());
    std::string m = Text(-600201);
    const std::string kopf = "Speicherreservierung fehlgeschlagen\n";
    ASSERT_EQ(m.compare(0, kopf.size(), kopf), 0);
    EXPECT_EQ(m.size() - kopf.size(), 298u) << "299 bytes hold 149 whole umlauts";
    EXPECT_EQ(m.substr(kopf.size()), lang.substr(0, 298));

    ZEM_Fehlerpopup2(-301204, lang.c_str());
    const std::string &titel = gMeldungen.back().titel;
    EXPECT_LE(titel.size(), 99u);
    EXPECT_EQ(titel.substr(titel.size() - 8), " #301204");
    EXPECT_EQ(titel.substr(0, titel.size() - 8), lang.substr(0, titel.size() - 8));
    EXPECT_EQ((titel.size() - 8) % 2, 0u) << "no umlaut cut in half";

    // The message area holds the longest text and a full user string.
    ZEM_Fehleruserstring(std::string(299, 'x').c_str());
    EXPECT_EQ(Text(-1002000).size(), 196u + 1 + 299);
}

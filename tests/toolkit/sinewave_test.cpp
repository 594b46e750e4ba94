// The sine generator's contract, bounded text and where popups go.
#include "aufzeichnung.h"
#include "toolkit_kern.h"

#include <cmath>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

TEST(SineWave, FortsetzungUeberDiePhaseUndExakteViertel)
{
    const double f = 1.0 / 7.0, amp = 3.0;
    std::vector<double> ganz(51, 77.0), teile(50);
    double phase = 0.0;
    SineWave(50, amp, f, &phase, ganz.data());
    EXPECT_EQ(ganz[50], 77.0) << "exactly n values";
    phase = 0.0;
    SineWave(13, amp, f, &phase, teile.data());
    SineWave(30, amp, f, &phase, teile.data() + 13);
    SineWave(7, amp, f, &phase, teile.data() + 43);
    for (int k = 0; k < 50; ++k) {
        EXPECT_NEAR(teile[k], ganz[k], 1e-12) << k;
        EXPECT_NEAR(ganz[k], amp * std::sin(2 * M_PI * f * k), 1e-12) << k;
    }
    double w[21];
    phase = 0.0;
    SineWave(21, 50.0, 1.0 / 20.0, &phase, w);
    EXPECT_EQ(std::make_tuple(w[0], w[5], w[10], w[15]), std::make_tuple(0.0, 50.0, 0.0, -50.0));
    EXPECT_NEAR(phase, 0.05, 1e-12) << "the phase goes on in cycles, below one";
    EXPECT_EQ(SineWave(-1, 1.0, f, &phase, w) + SineWave(1, 1.0, f, nullptr, w), 2 * TK_FEHLER_ARGUMENT);
    EXPECT_EQ(SineWave(1, 1.0, f, &phase, nullptr), TK_FEHLER_ARGUMENT) << "no room for one value";
    EXPECT_EQ(SineWave(0, 1.0, f, &phase, nullptr), 0);
}

TEST(Text, KopienBleibenInIhrerFlaecheUndTeilenKeinZeichen)
{
    char z[6];
    EXPECT_EQ(TK_TextKopieren(z, sizeof z, "abcdefgh"), 5u);
    EXPECT_STREQ(z, "abcde");
    TK_TextKopieren(z, sizeof z, "abcdö");  // ö is two bytes: it does not fit whole
    EXPECT_STREQ(z, "abcd");
    TK_TextKopieren(z, sizeof z, "ab");
    TK_TextAnhaengen(z, sizeof z, "€x");  // three bytes fit exactly
    EXPECT_STREQ(z, "ab€");
    TK_TextKopieren(z, sizeof z, "abcde");  // a full area takes nothing more
    EXPECT_EQ(TK_TextAnhaengen(z, sizeof z, "x"), 0u);
    EXPECT_STREQ(z, "abcde");
    TK_TextKopieren(z, sizeof z, nullptr);
    EXPECT_STREQ(z, "");
    EXPECT_EQ(TK_TextKopieren(z, 0, "a"), 0u);
}

TEST(Text, MeldungAufEinerZeile)
{
    const struct { const char *text, *zeile; } faelle[] = {
        {"a\nb", "a b"},     {"a\n\n\nb", "a b"}, {"\nab\n", "ab"}, {"a \nb", "a b"},
        {"\n\n", ""},       {"", ""},           {"ab", "ab"},     {"a\nb\nc", "a b c"}};
    for (const auto &f : faelle) {
        char sz[16];
        TK_TextKopieren(sz, sizeof sz, f.text);
        TK_TextEineZeile(sz);
        EXPECT_STREQ(sz, f.zeile) << f.text;
    }
}

namespace {
std::string gGezeigt, gAbgefangen;
void Zeigen(const char *titel, const char *text) { gGezeigt += std::string(titel) + "|" + text + ";"; }
void Abfangen(const char *titel, const char *text) { gAbgefangen += std::string(titel) + "|" + text + ";"; }
}  // namespace

// A popup goes to automation's handler first, else to the window's display,
// else to standard error as one line.
TEST(Meldung, AbfangenVorAnzeigeVorFehlerausgabe)
{
    TK_MeldungsanzeigeSetzen(Zeigen);
    TK_MeldungenAbfangen(Abfangen);
    EXPECT_EQ(MessagePopup("T", "M"), 0);
    TK_MeldungenAbfangen(nullptr);
    MessagePopup(nullptr, nullptr);
    EXPECT_EQ(gAbgefangen + "/" + gGezeigt, "T|M;/|;");
    TK_MeldungsanzeigeSetzen(nullptr);
    testing::internal::CaptureStderr();
    MessagePopup("Fehler #301204", "Datei zu groß");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Fehler #301204: Datei zu groß\n");
    MeldungenAufzeichnen();
}


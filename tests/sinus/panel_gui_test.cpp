// The sine curve on the real panel: the first curve, coupling, refusal,
// the status line and marks, a failed allocation, and the export button.
#include "Sinuserzeugung_gui.h"
#include "graph_gui.h"
#include "intern_gui.h"
#include "panel_fixture.h"
#include "wlr7sinus_uir.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <sys/stat.h>

extern bool gReallocVersagt;  // makes the next resizes of the sample array fail

namespace {

class SinusPanel : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::memset(&gEingabe, 0, sizeof gEingabe);
        std::memset(&gSinus, 0, sizeof gSinus);
        const CallbackEntry rueckrufe[] = {gTestRueckrufe[2], gTestRueckrufe[3], {"Eingabe", Eingabe, nullptr, nullptr},
                                           {"Speichern", Speichern, nullptr, nullptr}};
        SetCallbackTable(rueckrufe, 4);
        gPanelMain = LoadPanel(0, "wlr7sinus_uir.uir", PNLMAIN);
        ASSERT_GT(gPanelMain, 0);
        Sinus_Initialisieren();
        MeldungenLeeren();
        gDateiauswahlTitel.clear();
    }
    void TearDown() override
    {
        gReallocVersagt = false;
        Sinus_Freigeben();
        DiscardPanel(gPanelMain);
    }
    static double W(int c) { return Wert(gPanelMain, c); }
    static std::string A(int c) { return Anzeige(gPanelMain, c); }
    static double Gain(int attribut) { return GetCtrlAttribute(gPanelMain, GRAPH, attribut, &gGain), gGain; }
    static std::vector<double> Plot()
    {
        std::vector<double> w(static_cast<size_t>(std::max(0, TK_PlotWerte(gPanelMain, GRAPH, nullptr, 0))));
        return TK_PlotWerte(gPanelMain, GRAPH, w.data(), static_cast<int>(w.size())), w;
    }
    static inline double gGain = 0.0;
};

}  // namespace

TEST_F(SinusPanel, ErsteKurveAchsenUndKopplung)
{
    ASSERT_EQ(gSinus.iAnzahlPunkte, 22);
    EXPECT_EQ(Plot(), std::vector<double>(gSinus.pdWerte, gSinus.pdWerte + 22)) << "the graph's own copy";
    EXPECT_NEAR(gSinus.pdWerte[6], 100.0, 1e-9);
    EXPECT_DOUBLE_EQ(Gain(ATTR_YAXIS_GAIN), 0.1);
    EXPECT_DOUBLE_EQ(Gain(ATTR_XAXIS_GAIN), 0.01);
    EXPECT_EQ(A(STATUSZEILE), "20 von 16358 Punkten · 20 Punkte je Periode · Schritt 10 ms · Dauer 200 ms");

    TK_Tippen(gPanelMain, AMPLITUDEDACH, "5");
    EXPECT_EQ(W(AMPLITUDEEFF), 3.5355339059327373);
    TK_Tippen(gPanelMain, AMPLITUDEEFF, "2");
    EXPECT_EQ(gSinus.dAmplitude, std::sqrt(2.0) * 2.0 * 10.0);
    TK_Tippen(gPanelMain, AMPLITUDEDACH, "-4");  // negative peaks are accepted
    EXPECT_EQ(A(AMPLITUDEEFF), "-2.828");
    TK_Tippen(gPanelMain, PERIODENDAUER, "0.05");
    EXPECT_EQ(A(FREQUENZ), "20000.00");
    TK_Tippen(gPanelMain, FREQUENZ, "8");
    EXPECT_EQ(W(PERIODENDAUER), 125.0);
    EXPECT_EQ(gSinus.iPunkteProPeriode, 13);  // 12.5 rounds up
    TK_RingWaehlen(gPanelMain, ZEITBASIS, 5);  // 2ms: 3 ms are 2 samples
    TK_Tippen(gPanelMain, PERIODENDAUER, "3");
    EXPECT_DOUBLE_EQ(Gain(ATTR_XAXIS_GAIN), 0.0015) << "the period divided, not the time base";
    TK_Tippen(gPanelMain, WLR7UMAX, "20");
    EXPECT_DOUBLE_EQ(Gain(ATTR_YAXIS_GAIN), 0.2);
    EXPECT_EQ(TK_AnzahlPlots(gPanelMain, GRAPH), 1) << "every commit leaves exactly one plot";
    EXPECT_TRUE(gMeldungen.empty());

    // A partner that is no finite number: refused like text that is no number.
    const std::vector<double> vorher = Plot();
    TK_Tippen(gPanelMain, AMPLITUDEEFF, "1.7e308");
    EXPECT_EQ(W(AMPLITUDEEFF), -4.0 / std::sqrt(2.0));
    EXPECT_EQ(W(AMPLITUDEDACH), -4.0);
    EXPECT_EQ(Plot(), vorher);
}

TEST_F(SinusPanel, AbgelehnteEingabenStellenAllesWiederHer)
{
    TK_RingWaehlen(gPanelMain, ZEITBASIS, 0);         // 50us: 4000 per period
    TK_Tippen(gPanelMain, ANZAHLPERIODEN, "4.0895");  // 16358: accepted
    ASSERT_EQ(gSinus.iAnzahlPunkte, 16360);
    Eingabewerte eingabe = gEingabe;
    Sinuskurve sinus = gSinus;
    const std::vector<double> kurve = Plot();

    SetCtrlVal(gPanelMain, OFFSET, 1.0);  // a refused read: records byte for byte, panel as it was
    SetCtrlVal(gPanelMain, PERIODENDAUER, 250.0);
    Sinus_EingabenLesen();
    ASSERT_EQ(gMeldungen.size(), 1u);
    EXPECT_EQ(gMeldungen[0].titel, "Fehler");
    EXPECT_EQ(gMeldungen[0].text, "Die Kurve besteht aus zu vielen Punkten.\nReduzieren Sie die Perioden oder die\n"
                                  "Periodendauer oder erhöhen Sie\ndie Zeitbasis.");
    EXPECT_EQ(std::memcmp(&eingabe, &gEingabe, sizeof eingabe), 0);
    EXPECT_EQ(std::memcmp(&sinus, &gSinus, sizeof sinus), 0);
    EXPECT_EQ(W(OFFSET), 5.0);
    EXPECT_EQ(W(PERIODENDAUER), 200.0);

    TK_Tippen(gPanelMain, FREQUENZ, "4");  // coupled to 250 ms: too many points
    EXPECT_EQ(gMeldungen.size(), 2u);
    EXPECT_EQ(W(FREQUENZ), 5.0);
    EXPECT_EQ(W(PERIODENDAUER), 200.0) << "the coupled partner too";
    EXPECT_EQ(Plot(), kurve);

    for (int ereignis : {0, 2, 8, 9, 11}) {  // only the commit counts
        EXPECT_EQ(Eingabe(gPanelMain, OFFSET, ereignis, nullptr, 0, 0), 0);
        EXPECT_EQ(Speichern(gPanelMain, SPEICHERN, ereignis, nullptr, 0, 0), 0);
    }
    EXPECT_TRUE(gDateiauswahlTitel.empty());
    TK_RingWaehlen(gPanelMain, KURVENNUMMER, 2);
    EXPECT_EQ(gEingabe.iKurvennummer, 3);
    EXPECT_EQ(gMeldungen.size(), 2u);
}

TEST_F(SinusPanel, StatuszeileMarkenUndFehlgeschlageneSpeicheranforderung)
{
    TK_Tippen(gPanelMain, AMPLITUDEDACH, "8");
    EXPECT_NE(A(STATUSZEILE).find("\nBegrenzt: 5 von 20 Punkten bei 100 % und 5 bei 0 %"), std::string::npos);
    const auto &marken = tk::graph(gPanelMain, GRAPH)->marken();
    ASSERT_EQ(marken.size(), 2u);
    EXPECT_EQ(marken[0].von, 4);
    EXPECT_TRUE(marken[0].oben);

    const double *alt = gSinus.pdWerte;
    gReallocVersagt = true;
    TK_Tippen(gPanelMain, ANZAHLPERIODEN, "2");
    ASSERT_EQ(gMeldungen.size(), 1u);
    EXPECT_EQ(gMeldungen[0].titel, "Fehler #600201");
    EXPECT_EQ(gMeldungen[0].text, "Speicherreservierung fehlgeschlagen");
    EXPECT_EQ(gSinus.iAnzahlPunkte, 0);
    EXPECT_EQ(gSinus.pdWerte, alt) << "the old block stays owned";
    EXPECT_EQ(W(ANZAHLPERIODEN), 2.0) << "the panel keeps the committed value";
    EXPECT_EQ(Plot().size(), 22u) << "the previous curve stays, with its marks";
    EXPECT_EQ(marken.size(), 2u);
    gReallocVersagt = false;
    TK_Tippen(gPanelMain, AMPLITUDEDACH, "5");
    EXPECT_EQ(gSinus.iAnzahlPunkte, 42);
    EXPECT_TRUE(marken.empty());
}

TEST_F(SinusPanel, ExportUeberDenDialogUndSeineFehler)
{
    const std::string ordner = TestOrdner(), pfad = ordner + "/kurve.txt", fifo = ordner + "/fifo";
    std::fclose(std::fopen(pfad.c_str(), "w"));
    DateiauswahlAntwort(pfad, 1);
    TK_Klicken(gPanelMain, SPEICHERN);
    ASSERT_EQ(gDateiauswahlTitel, std::vector<std::string>{"Kurve exportieren"});
    const std::string inhalt = DateiLesen(pfad);
    EXPECT_EQ(std::count(inhalt.begin(), inhalt.end(), '\n'), 28);
    DateiauswahlAntwort("", 0);  // cancelled: nothing touched, nothing shown
    TK_Klicken(gPanelMain, SPEICHERN);
    EXPECT_EQ(DateiLesen(pfad), inhalt);
    EXPECT_TRUE(gMeldungen.empty());

    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const struct { std::string pfad, titel, text; } faelle[] = {
        {fifo, "Fehler #308202", "Fehler beim Öffnen der Datei\nKein Leser an der Pipe: " + fifo},
        // Too long for the path area: refused whole, never shortened.
        {ordner + "/" + std::string(300, 'a'), "Fehler #308202", "Fehler beim Öffnen der Datei\nPfad zu lang"},
    };
    for (const auto &fall : faelle) {
        MeldungenLeeren();
        DateiauswahlAntwort(fall.pfad, 2);
        const auto beginn = std::chrono::steady_clock::now();
        TK_Klicken(gPanelMain, SPEICHERN);
        EXPECT_LT(std::chrono::steady_clock::now() - beginn, std::chrono::seconds(1)) << "never blocks";
        ASSERT_EQ(gMeldungen.size(), 1u) << fall.pfad;
        EXPECT_EQ(gMeldungen[0].titel, fall.titel);
        EXPECT_EQ(gMeldungen[0].text, fall.text);
    }
}

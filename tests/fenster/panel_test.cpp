// The sine curve on the real panel: the first curve, coupling, refusal, the
// status line and marks, a failed allocation, and the export button.
#include "lauf.h"
#include "bedienung.h"
#include "Sinuseingaben.h"
#include "Sinuserzeugung_gui.h"
#include "graph_gui.h"
#include "intern_gui.h"
#include "fenster_fixture.h"
#include "seams.h"
#include "wlr7sinus_uir.h"

#include <QAction>
#include <QLabel>
#include <QtCharts/QChart>
#include <QtTest/QTest>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <sys/stat.h>

namespace {

using SinusPanel = FensterTest;
using PhaseFeld = FensterTest;

// Undo (-1) or redo (+1); the offset of the step reached, -1 for none.
double Gehen(int iRichtung)
{
    Eingabewerte e{};
    return Fenster_VerlaufGehen(iRichtung, &e) ? e.dOffset : -1.0;
}

}  // namespace

TEST_F(SinusPanel, ErsteKurveAchsenUndKopplung)
{
    ASSERT_EQ(gSinus.iAnzahlPunkte, 22);
    EXPECT_EQ(Plot(), std::vector<double>(gSinus.pdWerte + 1, gSinus.pdWerte + 22)) << "the graph's own copy of the file's lines";
    EXPECT_EQ(Gains(), std::make_pair(0.01, 0.1));
    EXPECT_EQ(A(STATUSZEILE), "21 von 16359\u00a0Datenzeilen · 20\u00a0Punkte je Periode · Schritt 10\u00a0ms · Dauer "
                              "200\u00a0ms");
    EXPECT_EQ(A(WARNZEILE), "") << "the default curve warns of nothing";
    // Tooltip and What's This give the range and unit of each input.
    for (int attribut : {ATTR_TOOLTIP_TEXT, ATTR_WHATS_THIS}) {
        char sz[200] = "";
        GetCtrlAttribute(gPanelMain, FREQUENZ, attribut, sz, sizeof sz);
        EXPECT_STREQ(sz, "Frequenz in Hertz (0.02 bis 20000 Hz); Einheiten Hz, kHz, mHz; Vorsätze µ (u), m, k, M");
    }

    Tippen(AMPLITUDEEFF, "2");
    EXPECT_EQ(gSinus.dAmplitude, std::sqrt(2.0) * 2.0 * 10.0);
    Tippen(AMPLITUDEDACH, "-4");  // negative peaks are accepted
    EXPECT_EQ(A(AMPLITUDEEFF), "-2.828");
    Tippen(FREQUENZ, "8");
    EXPECT_EQ(W(PERIODENDAUER), 125.0);
    EXPECT_EQ(gSinus.iPunkteProPeriode, 13);   // 12.5 rounds up
    TK_RingWaehlen(gPanelMain, ZEITBASIS, 5);  // 2ms: 3 ms are 2 samples
    Tippen(PERIODENDAUER, "3");
    Tippen(WLR7UMAX, "20");
    EXPECT_DOUBLE_EQ(Gains().first, 0.002) << "as exported: the time base";
    Fenster_ZeitachseSetzen(0);
    EXPECT_DOUBLE_EQ(Gains().first, 0.0015) << "as designed: the period divided, not the time base";
    EXPECT_DOUBLE_EQ(Gains().second, 0.2);
    EXPECT_EQ(TK_AnzahlPlots(gPanelMain, GRAPH), 2) << "every commit leaves the samples and the ideal sine";
    EXPECT_TRUE(gMeldungen.empty());

    // A partner that is no finite number: refused like text that is no number.
    const std::vector<double> vorher = Plot();
    Tippen(AMPLITUDEEFF, "1.7e308");
    EXPECT_EQ(std::make_pair(W(AMPLITUDEEFF), W(AMPLITUDEDACH)), std::make_pair(-4.0 / std::sqrt(2.0), -4.0));
    EXPECT_EQ(Plot(), vorher);
    // A peak whose percent is infinite: refused with a message, never 100 % at the zeros.
    Tippen(AMPLITUDEDACH, "1e308");
    EXPECT_EQ(MeldungenText().rfind("Fehler: Amplitude oder Offset sind in Prozent", 0), 0u) << MeldungenText();
    EXPECT_EQ(std::make_pair(W(AMPLITUDEDACH), Plot()), std::make_pair(-4.0, vorher));
}

TEST_F(SinusPanel, AbgelehnteEingabenStellenAllesWiederHer)
{
    TK_RingWaehlen(gPanelMain, ZEITBASIS, 0);  // 50us: 4000 per period
    Tippen(ANZAHLPERIODEN, "4.0895");          // 16358: accepted
    ASSERT_EQ(gSinus.iAnzahlPunkte, 16360);
    const Eingabewerte eingabe = gEingabe;
    const Sinuskurve sinus = gSinus;
    const std::vector<double> kurve = Plot();

    Tippen(FREQUENZ, "4");  // coupled to 250 ms: too many points; records byte for byte, panel as it was
    EXPECT_EQ(MeldungenText(), "Fehler: Die Kurve besteht aus zu vielen Punkten.\nReduzieren Sie die Perioden "
                               "oder die\nPeriodendauer oder erhöhen Sie\ndie Zeitbasis.\n\n20447.5 Punkte, höchstens 16358\n");
    EXPECT_EQ(std::memcmp(&eingabe, &gEingabe, sizeof eingabe), 0);
    EXPECT_EQ(std::memcmp(&sinus, &gSinus, sizeof sinus), 0);
    EXPECT_EQ(std::make_pair(W(FREQUENZ), W(PERIODENDAUER)), std::make_pair(5.0, 200.0)) << "the partner too";
    EXPECT_EQ(Plot(), kurve);
    EXPECT_NE(A(STATUSZEILE).find("\nAbgelehnt, die vorigen Eingaben gelten: Die Kurve besteht aus zu vielen "
                                  "Punkten. Reduzieren"), std::string::npos) << A(STATUSZEILE);
    EXPECT_NE(A(STATUSZEILE).find("Zeitbasis. 20447.5 Punkte, höchstens 16358"), std::string::npos);
    // A value pulled into its range and then refused is no range note: the old value is back.
    Tippen(ANZAHLPERIODEN, "1000");
    EXPECT_EQ(W(ANZAHLPERIODEN), 4.0895);
    EXPECT_EQ(A(STATUSZEILE).find("begrenzt"), std::string::npos) << A(STATUSZEILE);
    EXPECT_NE(A(STATUSZEILE).find("Abgelehnt"), std::string::npos);
    Tippen(OFFSET, "5");
    EXPECT_EQ(A(STATUSZEILE).find("Abgelehnt"), std::string::npos) << "only until the next commit";

    for (int ereignis : {0, 2, 8, 9, 11})  // only the commit counts
        EXPECT_EQ(Eingabe(gPanelMain, OFFSET, ereignis, nullptr, 0, 0) |
                      Speichern(gPanelMain, SPEICHERN, ereignis, nullptr, 0, 0), 0);
    EXPECT_TRUE(gDateiauswahl.titel.empty());
    TK_RingWaehlen(gPanelMain, KURVENNUMMER, 2);
    EXPECT_EQ(gEingabe.iKurvennummer, 3);
    EXPECT_EQ(gMeldungen.size(), 2u);
}

TEST_F(SinusPanel, StatuszeileMarkenUndFehlgeschlageneSpeicheranforderung)
{
    Tippen(AMPLITUDEDACH, "8");
    EXPECT_EQ(A(WARNZEILE), "\u26a0 begrenzt: 5 von 21 Werten bei 100\u00a0% und 5 bei 0\u00a0%");
    const auto &marken = tk::graph(gPanelMain, GRAPH)->marken();
    ASSERT_EQ(marken.size(), 2u);
    EXPECT_EQ(std::make_tuple(marken[0].von, marken[0].bis, marken[0].oben, marken[1].von, marken[1].oben),
              std::make_tuple(3, 7, true, 13, false));
    Fenster_ZeitachseSetzen(0);  // element 0 goes before data line 1: the marks move with the curve
    ASSERT_EQ(marken.size(), 2u);
    EXPECT_TRUE(marken[0].von == 4 && marken[0].oben);
    Fenster_ZeitachseSetzen(1);

    const double *alt = gSinus.pdWerte;
    gReallocVersagt = true;
    Tippen(ANZAHLPERIODEN, "2");
    gReallocVersagt = false;
    EXPECT_EQ(MeldungenText(), "Fehler #600201: Speicherreservierung fehlgeschlagen\n");
    EXPECT_EQ(gSinus.iAnzahlPunkte, 0);
    EXPECT_EQ(A(STATUSZEILE), "Keine Kurve") << "nothing to export, and the status says so";
    EXPECT_EQ(gSinus.pdWerte, alt) << "the old block stays owned";
    EXPECT_EQ(W(ANZAHLPERIODEN), 2.0) << "the panel keeps the committed value";
    EXPECT_EQ(std::make_pair(Plot().size(), marken.size()), std::make_pair(size_t{21}, size_t{2}))
        << "the previous curve stays, with its marks";
    Tippen(AMPLITUDEDACH, "5");
    EXPECT_EQ(gSinus.iAnzahlPunkte, 42);
    EXPECT_TRUE(marken.empty());
}

TEST_F(SinusPanel, ExportUeberDenDialogUndSeineFehler)
{
    const std::string ordner = TestOrdner(), pfad = ordner + "/kurve.txt", fifo = ordner + "/fifo";
    DateiSchreiben(pfad, "alt\n");
    Exportieren(pfad, 1);
    ASSERT_EQ(gDateiauswahl.titel, std::vector<std::string>{"Kurve exportieren"});
    const std::string inhalt = DateiLesen(pfad);
    EXPECT_EQ(inhalt, Ausfuehren({"--output", "-"}).aus) << "the batch exporter's file";
    EXPECT_NE(A(STATUSZEILE).find("\nExportiert: kurve.txt (21 Datenzeilen)"), std::string::npos);
    Exportieren("", 0);  // cancelled: nothing touched, nothing shown
    EXPECT_EQ(DateiLesen(pfad), inhalt);
    EXPECT_TRUE(gMeldungen.empty());

    // A path longer than 260 bytes is written as the exporter writes it.
    std::string tief = ordner;
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(mkdir((tief += "/" + std::string(100, 'd')).c_str(), 0700), 0);
    Exportieren(tief + "/k.txt");
    EXPECT_EQ(DateiLesen(tief + "/k.txt"), inhalt);

    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    // Too long for the path area: refused whole, never shortened.
    for (const auto &[ziel, grund] : {std::pair{fifo, "Kein Leser an der Pipe: " + fifo},
                                      {ordner + "/" + std::string(5000, 'a'), std::string("Pfad zu lang")}}) {
        MeldungenLeeren();
        const auto beginn = std::chrono::steady_clock::now();
        Exportieren(ziel);
        EXPECT_LT(std::chrono::steady_clock::now() - beginn, std::chrono::seconds(1)) << "never blocks";
        EXPECT_EQ(MeldungenText(), "Fehler #308202: Fehler beim Öffnen der Datei\n" + grund + "\n");
        EXPECT_EQ(A(STATUSZEILE).find("Exportiert"), std::string::npos) << "a failed export confirms nothing";
    }
}

TEST_F(SinusPanel, KurveWieDasGeraetSieAbspielt)
{
    Tippen(FREQUENZ, "8");
    Tippen(AMPLITUDEDACH, "8");
    EXPECT_NE(A(STATUSZEILE).find("Dauer 130\u00a0ms · Frequenz in der Datei 7.692\u00a0Hz"), std::string::npos);

    // As designed: the period divided by its samples, the ideal sine behind.
    Fenster_ZeitachseSetzen(0);
    tk::GraphCtrl *g = tk::graph(gPanelMain, GRAPH);
    EXPECT_DOUBLE_EQ(Gains().first, 0.125 / 13);
    EXPECT_EQ(g->accessibleName(), QStringLiteral("Grafik"));
    EXPECT_EQ(g->beschreibung(), QStringLiteral("Zeit 0 bis 0.1346 s, Spannung 0 bis 10 V"));
    const std::vector<double> *ideal = g->werte(0);
    ASSERT_TRUE(ideal && ideal->size() > 64u);
    EXPECT_NEAR(*std::max_element(ideal->begin(), ideal->end()), 130.0, 0.01) << "5 + 8 V of 10 V, not cut at 100 %";

    // As exported: the file's lines, one time base apart; the readout in its terms.
    Fenster_ZeitachseSetzen(1);
    EXPECT_DOUBLE_EQ(Gains().first, 0.01);
    EXPECT_EQ(g->beschreibung(), QStringLiteral("Zeit wie exportiert 0 bis 0.13 s, Spannung 0 bis 10 V"));
    DisplayPanel(gPanelMain);
    QTest::mouseMove(g->viewport(), QPoint(1, 1));
    QTest::mouseMove(g->viewport(), g->chart()->mapToPosition(QPointF(0.025, 5.0)).toPoint());
    QLabel *anzeige = g->findChild<QLabel *>();
    ASSERT_TRUE(anzeige && anzeige->isVisible());
    EXPECT_EQ(anzeige->text().toStdString(), "Datenzeile 3: 0.02000\u00a0s, 100.00\u00a0%, 10\u00a0V");
    Tippen(ANZAHLPERIODEN, "1");  // a commit keeps the chosen axis
    EXPECT_DOUBLE_EQ(Gains().first, 0.01);
}

TEST_F(SinusPanel, KurvendateiAlsReferenz)
{
    const std::string ordner = TestOrdner(), datei = ordner + "/k.txt", kaputt = ordner + "/kaputt.txt";
    DateiSchreiben(datei, Ausfuehren({"--output", "-"}).aus);
    Waehlen(datei);
    TK_MenuWaehlen(gPanelMain, KURVEOEFFNEN);
    EXPECT_EQ(gDateiauswahl.titel, std::vector<std::string>{"Kurve öffnen"});
    EXPECT_TRUE(gMeldungen.empty()) << "a clean file has nothing to say";
    EXPECT_EQ(TK_AnzahlPlots(gPanelMain, GRAPH), 3);
    EXPECT_NE(A(STATUSZEILE).find("\nReferenz k.txt: keine Befunde; 21 Datenzeilen, Zeitbasis 10ms, Kurve 1, Dauer "
                                  "0.20000 s; Frequenz 5 Hz (20 Punkte je Periode) · ist Byte für Byte der Export der Eingaben"),
              std::string::npos)
        << A(STATUSZEILE);
    // The curve on the file's own axis while the reference is there: an equal file lies on it.
    tk::GraphCtrl *g = tk::graph(gPanelMain, GRAPH);
    EXPECT_DOUBLE_EQ(Gains().first, 0.01);
    ASSERT_TRUE(g->werte(1) && g->werte(2));
    ASSERT_EQ(g->werte(1)->size(), g->werte(2)->size()) << "the same lines at the same times";
    for (size_t i = 0; i < g->werte(1)->size(); ++i)
        EXPECT_NEAR((*g->werte(1))[i], (*g->werte(2))[i], 0.005) << i;
    QAction *achse = Aktion("ZEITACHSE");
    EXPECT_EQ(std::make_pair(achse->isChecked(), achse->isEnabled()), std::make_pair(true, false));
    // Compared as it was read: a commit reads no file, however slow its folder, and a file that
    // changed or went since does not change the reference shown.
    DateiSchreiben(datei, "anders\n");
    Tippen(AMPLITUDEDACH, "4");  // the first line stays 50.00, the second differs
    EXPECT_NE(A(STATUSZEILE).find("weicht ab Datenzeile 2 vom Export der Eingaben ab"), std::string::npos)
        << A(STATUSZEILE);
    std::remove(datei.c_str());
    Tippen(AMPLITUDEDACH, "5");
    EXPECT_NE(A(STATUSZEILE).find("ist Byte für Byte der Export der Eingaben"), std::string::npos) << A(STATUSZEILE);
    Fenster_ReferenzEntfernen();
    EXPECT_EQ(TK_AnzahlPlots(gPanelMain, GRAPH), 2);
    EXPECT_EQ(std::make_pair(achse->isChecked(), achse->isEnabled()), std::make_pair(true, true));
    EXPECT_DOUBLE_EQ(Gains().first, 0.01) << "the chosen axis is back, the file's by default";
    EXPECT_EQ(A(STATUSZEILE).find("Referenz"), std::string::npos);

    // A file cut off: its findings in one message, the reference shown all the same.
    DateiSchreiben(kaputt, Ausfuehren({"--output", "-"}).aus.substr(0, 200));
    Waehlen(kaputt);
    Fenster_KurveOeffnen();
    EXPECT_EQ(MeldungenText().rfind("Kurve öffnen: kaputt.txt: 1 Befund\n\nZeile ", 0), 0u) << MeldungenText();
    EXPECT_TRUE((gFenster.iReferenzen > 0));
    Fenster_ReferenzEntfernen();
}

TEST_F(SinusPanel, ZeitbasisAnpassenUndEingabenAusEinerKurve)
{
    ASSERT_TRUE(Aktion("ZEITBASISANPASSEN"));
    EXPECT_FALSE(Aktion("ZEITBASISANPASSEN")->isEnabled()) << "the default curve plays what was typed";
    EXPECT_EQ(Fenster_ZeitbasisAnpassen(), 0);
    Tippen(FREQUENZ, "8");  // 10ms plays 7.692 Hz; 5ms plays 8 Hz exactly
    EXPECT_EQ(Aktion("ZEITBASISANPASSEN")->text().toStdString(), "&Zeitbasis anpassen: 5ms");
    EXPECT_TRUE(Aktion("ZEITBASISANPASSEN")->isEnabled());
    TK_MenuWaehlen(gPanelMain, ZEITBASISANPASSEN);
    EXPECT_EQ(std::make_pair(std::string(gEingabe.szZeitbasis), A(ZEITBASIS)), std::make_pair(std::string("5ms"), std::string("5ms")));
    EXPECT_EQ(A(WARNZEILE), "") << "the file now plays 8 Hz";
    EXPECT_EQ(Fenster_Rueckgaengig(), 1) << "one undo step";
    EXPECT_STREQ(gEingabe.szZeitbasis, "10ms");

    // A file of other inputs: the window takes them over, the typed phase too.
    Tippen(PHASE, "120");
    const std::string ordner = TestOrdner(), datei = ordner + "/fremd.txt";
    DateiSchreiben(datei, Ausfuehren({"--umax", "10", "--rms", "2", "--frequency", "4", "--periods", "1,5",
                                      "--timebase", "5ms", "--curve", "3", "--output", "-"}).aus);
    Waehlen(datei);
    TK_MenuWaehlen(gPanelMain, EINGABENAUSKURVE);
    ASSERT_TRUE(gMeldungen.empty()) << MeldungenText();
    EXPECT_EQ(std::make_tuple(std::string(gEingabe.szZeitbasis), gEingabe.iKurvennummer, gEingabe.dPeriodendauer),
              std::make_tuple(std::string("5ms"), 3, 250.0));
    // One step, named for what it did: every input it changed goes back with it.
    EXPECT_EQ(Aktion("RUECKGAENGIG")->text().toStdString(), "&Rückgängig: Eingaben aus fremd.txt");
    EXPECT_EQ(Fenster_Rueckgaengig(), 1);
    EXPECT_EQ(gEingabe.iKurvennummer, 1) << "the whole design was one step";
    EXPECT_EQ(Aktion("WIEDERHOLEN")->text().toStdString(), "&Wiederholen: Eingaben aus fremd.txt");
    EXPECT_EQ(Aktion("RUECKGAENGIG")->text().toStdString(), "&Rückgängig: Phase 120 \u2192 0 \u00b0")
        << "the step before it is a commit of one input";
}

// The phase field as a user meets it: reached by its mnemonic, typed with
// its unit, committed, exported byte for byte as the exporter's --phase
// writes it, one undo step.
TEST_F(PhaseFeld, TippenUebernehmenExportierenRueckgaengig)
{
    const std::string ordner = TestOrdner();
    ASSERT_EQ(TK_Tasten(gPanelMain, "Alt+S"), 0);
    EXPECT_EQ(TK_FokusControl(gPanelMain), PHASE) << "Alt+S reaches the field";
    EXPECT_NE(tk::control(gPanelMain, PHASE)->toolTip().toStdString().find("Startwinkel"), std::string::npos);
    Tippen(PHASE, "120\u00b0");
    Tippen(PHASE, "-37,5");
    EXPECT_EQ(std::make_pair(gEingabe.dPhase, A(PHASE)), std::make_pair(-37.5, std::string("-37.50")));
    Exportieren(ordner + "/q.txt");
    ASSERT_TRUE(gMeldungen.empty()) << MeldungenText();
    EXPECT_EQ(DateiLesen(ordner + "/q.txt"), Ausfuehren({"--phase=-37.5", "--output", "-"}).aus);
    EXPECT_EQ(Aktion("RUECKGAENGIG")->text().toStdString(), "&Rückgängig: Phase -37.5 \u2192 120 \u00b0");
    EXPECT_EQ(Fenster_Rueckgaengig(), 1);
    EXPECT_EQ(std::make_pair(gEingabe.dPhase, W(PHASE)), std::make_pair(120.0, 120.0));
    // Out of range: the field holds its limit.
    Tippen(PHASE, "400");
    EXPECT_EQ(gEingabe.dPhase, 360.0);
}

TEST_F(PhaseFeld, IdealkurveBeginntBeimStartwinkel)
{
    Tippen(PHASE, "90");
    // The samples start at the crest (offset 50 % + amplitude 50 %).
    EXPECT_EQ(Plot().at(0), 100.0);
    const std::vector<double> *ideal = tk::graph(gPanelMain, GRAPH)->werte(0);
    ASSERT_TRUE(ideal && !ideal->empty());
    EXPECT_NEAR(ideal->front(), 100.0, 1e-9) << "the ideal sine drawn starts where the samples do";
}

// The undo history in the window's state record: a ring of steps, each
// knowing what made it.
TEST(Verlauf, ZurueckVorUndNeuerZweigUeberDenRingHinweg)
{
    Fenster_VerlaufLeeren();
    EXPECT_EQ(Gehen(-1), -1.0);
    Eingabewerte e{};
    for (int i = 0; i < 3; ++i) {
        e.dOffset = i;
        Fenster_VerlaufMerken(&e, i == 2 ? "Eingaben aus k.txt" : nullptr);
    }
    ASSERT_TRUE(Fenster_VerlaufNachbar(0));
    EXPECT_STREQ(Fenster_VerlaufNachbar(0)->szAnlass, "Eingaben aus k.txt") << "the current step knows its cause";
    EXPECT_STREQ(Fenster_VerlaufNachbar(-1)->szAnlass, "");
    EXPECT_EQ((std::vector<double>{Gehen(-1), Gehen(-1), Gehen(-1), Gehen(+1)}), (std::vector<double>{1, 0, -1, 1}));
    e.dOffset = 9;  // a commit after undo drops what redo would bring back
    Fenster_VerlaufMerken(&e, nullptr);
    EXPECT_EQ((std::vector<double>{Gehen(+1), Gehen(-1), Gehen(-1), Gehen(-1)}), (std::vector<double>{-1, 1, 0, -1}));

    Fenster_VerlaufLeeren();
    const int iSchritte = FENSTER_VERLAUF_GROESSE + 30;  // the oldest steps drop out of the ring
    for (int i = 0; i < iSchritte; ++i) {
        e.dOffset = i;
        Fenster_VerlaufMerken(&e, nullptr);
    }
    int iZurueck = 0;
    double dAeltester = 0.0;
    for (double d; (d = Gehen(-1)) >= 0.0; ++iZurueck) dAeltester = d;
    EXPECT_EQ(iZurueck, FENSTER_VERLAUF_GROESSE - 1);
    EXPECT_EQ(dAeltester, iSchritte - FENSTER_VERLAUF_GROESSE);
    EXPECT_GE(iZurueck, 100);
}

// The sine curve on the real panel: the first curve, coupling, refusal, the
// status line and marks, a failed allocation, and the export button.
#include "lauf.h"
#include "Sinuseingaben.h"
#include "Sinuserzeugung_gui.h"
#include "graph_gui.h"
#include "intern_gui.h"
#include "fenster_fixture.h"
#include "seams.h"
#include "wlr7sinus_uir.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QtCharts/QLineSeries>
#include <QLabel>
#include <QtCharts/QChart>
#include <QtTest/QTest>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <sstream>
#include <sys/stat.h>

namespace {

std::string Feld(double d, const char *format = "%.2f")
{
    char sz[32];
    std::snprintf(sz, sizeof sz, format, d);
    return sz;
}

using SinusPanel = FensterTest;

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
    for (const auto &[control, text] :
         {std::pair{FREQUENZ, "Frequenz in Hertz (0.02 bis 20000 Hz); Einheiten Hz, kHz, mHz; Vorsätze µ (u), m, k, M"},
          {ZEITBASIS, "Abstand zweier Stützpunkte (50us bis 1std)"},
          {AMPLITUDEDACH, "Scheitelwert der Amplitude in Volt (ohne Grenzen); Einheiten V, mV, kV, Veff, Vrms, Vss, "
                          "Vpp; Vorsätze µ (u), m, k, M"},
          {ANZAHLPERIODEN, "Anzahl der Perioden (0.01 bis 100); Vorsätze µ (u), m, k, M"}})
        for (int attribut : {ATTR_TOOLTIP_TEXT, ATTR_WHATS_THIS}) {
            char sz[200] = "";
            GetCtrlAttribute(gPanelMain, control, attribut, sz, sizeof sz);
            EXPECT_STREQ(sz, text);
        }

    Tippen(AMPLITUDEDACH, "5");
    EXPECT_EQ(W(AMPLITUDEEFF), 3.5355339059327373);
    Tippen(AMPLITUDEEFF, "2");
    EXPECT_EQ(gSinus.dAmplitude, std::sqrt(2.0) * 2.0 * 10.0);
    Tippen(AMPLITUDEDACH, "-4");  // negative peaks are accepted
    EXPECT_EQ(A(AMPLITUDEEFF), "-2.828");
    Tippen(PERIODENDAUER, "0.05");
    EXPECT_EQ(A(FREQUENZ), "20000.00");
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

    SetCtrlVal(gPanelMain, OFFSET, 1.0);  // a refused read: records byte for byte, panel as it was
    SetCtrlVal(gPanelMain, PERIODENDAUER, 250.0);
    Sinus_EingabenLesen();
    EXPECT_EQ(MeldungenText(), "Fehler: Die Kurve besteht aus zu vielen Punkten.\nReduzieren Sie die Perioden "
                               "oder die\nPeriodendauer oder erhöhen Sie\ndie Zeitbasis.\n\n20447.5 Punkte, höchstens 16358\n");
    EXPECT_EQ(std::memcmp(&eingabe, &gEingabe, sizeof eingabe), 0);
    EXPECT_EQ(std::memcmp(&sinus, &gSinus, sizeof sinus), 0);
    EXPECT_EQ(std::make_pair(W(OFFSET), W(PERIODENDAUER)), std::make_pair(5.0, 200.0));

    Tippen(FREQUENZ, "4");  // coupled to 250 ms: too many points
    EXPECT_EQ(gMeldungen.size(), 2u);
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
    EXPECT_EQ(gMeldungen.size(), 3u);
}

TEST_F(SinusPanel, StatuszeileMarkenUndFehlgeschlageneSpeicheranforderung)
{
    Tippen(AMPLITUDEDACH, "8");
    EXPECT_EQ(A(WARNZEILE), "\u26a0 begrenzt: 5 von 21 Werten bei 100\u00a0% und 5 bei 0\u00a0%");
    const auto &marken = tk::graph(gPanelMain, GRAPH)->marken();
    ASSERT_EQ(marken.size(), 2u);
    EXPECT_EQ(std::make_tuple(marken[0].von, marken[0].bis, marken[1].von), std::make_tuple(3, 7, 13));
    EXPECT_TRUE(marken[0].oben);
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
    // An export changes nothing drawn: the graph keeps the part the user looks at.
    tk::GraphCtrl *g = tk::graph(gPanelMain, GRAPH);
    g->zoomen(5.0, 12.0);
    const double dVon = g->von();
    ASSERT_GT(dVon, 0.0);
    Exportieren(pfad, 1);
    EXPECT_EQ(g->von(), dVon);
    g->ganzZeigen();
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
    // The window's warnings are the exporter's, word for word.
    Tippen(FREQUENZ, "8");
    Tippen(AMPLITUDEDACH, "8");
    std::string batch = Ausfuehren({"--frequency", "8", "--peak", "8", "--output", "/dev/null"}).fehler, fenster;
    for (size_t i; (i = batch.find("wlr7sinus-export: Warnung: ")) != std::string::npos;)
        batch.replace(i, 27, "\u26a0 ");
    std::string zeile = A(WARNZEILE);  // the window holds each number to its unit
    for (size_t i; (i = zeile.find("\u00a0")) != std::string::npos;)
        zeile.replace(i, 2, " ");
    EXPECT_EQ(zeile + "\n", batch);
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
    EXPECT_EQ(anzeige->text().toStdString(), "Datenzeile 3: 0.02000\u00a0s, " +
                                                 Feld(gSinus.pdWerte[3]) + "\u00a0%, " + Feld(gSinus.pdWerte[3] * 0.1, "%.4g") + "\u00a0V");
    Tippen(ANZAHLPERIODEN, "1");  // a commit keeps the chosen axis
    EXPECT_EQ(gFenster.bWieExportiert, 1);
    EXPECT_DOUBLE_EQ(Gains().first, 0.01);
    Fenster_ZeitachseSetzen(0);
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
    QAction *achse = tk::panel(gPanelMain)->fenster->findChild<QAction *>(QStringLiteral("ZEITACHSE"));
    ASSERT_TRUE(achse);
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
    Tippen(AMPLITUDEDACH, "4");
    DateiSchreiben(datei, Ausfuehren({"--output", "-"}).aus);
    Fenster_ReferenzEntfernen();
    EXPECT_EQ(TK_AnzahlPlots(gPanelMain, GRAPH), 2);
    EXPECT_EQ(std::make_pair(achse->isChecked(), achse->isEnabled()), std::make_pair(true, true));
    EXPECT_DOUBLE_EQ(Gains().first, 0.01) << "the chosen axis is back, the file's by default";
    EXPECT_EQ(A(STATUSZEILE).find("Referenz"), std::string::npos);

    // A file cut off: its findings in one message, the reference shown all the same.
    DateiSchreiben(kaputt, DateiLesen(datei).substr(0, 200));
    Waehlen(kaputt);
    Fenster_KurveOeffnen();
    EXPECT_EQ(MeldungenText().rfind("Kurve öffnen: kaputt.txt: 1 Befund\n\nZeile ", 0), 0u) << MeldungenText();
    EXPECT_TRUE((gFenster.iReferenzen > 0));
    MeldungenLeeren();
    Waehlen(ordner + "/fehlt.txt");
    Fenster_KurveOeffnen();
    EXPECT_NE(MeldungenText().find("Datei nicht gefunden: " + ordner + "/fehlt.txt"), std::string::npos)
        << "the folder is there: " << MeldungenText();
    EXPECT_NE(A(STATUSZEILE).find("Referenz kaputt.txt"), std::string::npos) << "the reference shown stays";
    MeldungenLeeren();
    Waehlen("/dev/zero");  // bytes without end: refused, never read
    Fenster_KurveOeffnen();
    EXPECT_NE(MeldungenText().find("Keine gewöhnliche Datei: /dev/zero"), std::string::npos) << MeldungenText();
    Fenster_ReferenzEntfernen();
}

TEST_F(SinusPanel, ZeitbasisAnpassenUndEingabenAusEinerKurve)
{
    auto aktion = [](const char *name) {
        return tk::panel(gPanelMain)->fenster->findChild<QAction *>(QString::fromLatin1(name));
    };
    ASSERT_TRUE(aktion("ZEITBASISANPASSEN"));
    EXPECT_FALSE(aktion("ZEITBASISANPASSEN")->isEnabled()) << "the default curve plays what was typed";
    EXPECT_EQ(Fenster_ZeitbasisAnpassen(), 0);
    Tippen(FREQUENZ, "8");  // 10ms plays 7.692 Hz; 5ms plays 8 Hz exactly
    EXPECT_EQ(aktion("ZEITBASISANPASSEN")->text().toStdString(), "&Zeitbasis anpassen: 5ms");
    EXPECT_TRUE(aktion("ZEITBASISANPASSEN")->isEnabled());
    TK_MenuWaehlen(gPanelMain, ZEITBASISANPASSEN);
    EXPECT_EQ(std::make_pair(std::string(gEingabe.szZeitbasis), A(ZEITBASIS)), std::make_pair(std::string("5ms"), std::string("5ms")));
    EXPECT_EQ(A(WARNZEILE), "") << "the file now plays 8 Hz";
    EXPECT_EQ(Fenster_Rueckgaengig(), 1) << "one undo step";
    EXPECT_STREQ(gEingabe.szZeitbasis, "10ms");

    // A file of other inputs: the window takes them over, the typed phase too, and exports the same bytes.
    Tippen(PHASE, "120");
    const std::string ordner = TestOrdner(), datei = ordner + "/fremd.txt";
    DateiSchreiben(datei, Ausfuehren({"--umax", "10", "--rms", "2", "--frequency", "4", "--periods", "1,5",
                                      "--timebase", "5ms", "--curve", "3", "--output", "-"}).aus);
    Waehlen(datei);
    TK_MenuWaehlen(gPanelMain, EINGABENAUSKURVE);
    ASSERT_TRUE(gMeldungen.empty()) << MeldungenText();
    EXPECT_EQ(std::make_tuple(std::string(gEingabe.szZeitbasis), gEingabe.iKurvennummer, gEingabe.dPeriodendauer),
              std::make_tuple(std::string("5ms"), 3, 250.0));
    EXPECT_NE(A(STATUSZEILE).find("Eingaben aus fremd.txt übernommen: ihr Export ist Byte für Byte die Datei"),
              std::string::npos) << A(STATUSZEILE);
    Exportieren(ordner + "/wieder.txt");
    EXPECT_EQ(DateiLesen(ordner + "/wieder.txt"), DateiLesen(datei));
    // One step, named for what it did: every input it changed goes back with it.
    EXPECT_EQ(aktion("RUECKGAENGIG")->text().toStdString(), "&Rückgängig: Eingaben aus fremd.txt");
    EXPECT_EQ(Fenster_Rueckgaengig(), 1);
    EXPECT_EQ(gEingabe.iKurvennummer, 1) << "the whole design was one step";
    EXPECT_EQ(aktion("WIEDERHOLEN")->text().toStdString(), "&Wiederholen: Eingaben aus fremd.txt");
    EXPECT_EQ(aktion("RUECKGAENGIG")->text().toStdString(), "&Rückgängig: Phase 120 \u2192 0 \u00b0")
        << "the step before it is a commit of one input";

}

// The window finds each input of the table on the control labelled for it,
// and the control's input again.
TEST_F(SinusPanel, JedeEingabeAufIhremControl)
{
    EXPECT_EQ(Fenster_Eingabe(GRAPH), -1);
    EXPECT_EQ(Fenster_Control(Eingaben_Anzahl()), 0);
    for (int i = 0; i < Eingaben_Anzahl(); ++i) {
        const int iControl = Fenster_Control(i);
        ASSERT_GT(iControl, 0) << i;
        EXPECT_EQ(Fenster_Eingabe(iControl), i);
        char sz[200] = "";
        ASSERT_EQ(GetCtrlAttribute(gPanelMain, iControl, ATTR_LABEL_TEXT, sz, sizeof sz), 0);
        EXPECT_STREQ(sz, Eingaben_Feld(i)->szLabel);
    }
}

// The graph draws each sample where the file puts it: a step from the
// file's time with the file's value, over as long as the file lasts; the
// ideal sine starts at the offset where the wave starts, in both views.
TEST_F(SinusPanel, GraphZeigtDieZeitspalteDerDatei)
{
    tk::GraphCtrl *g = tk::graph(gPanelMain, GRAPH);
    auto serie = [g](const char *farbe) {
        for (QAbstractSeries *s : g->chart()->series())
            if (auto *linie = qobject_cast<QLineSeries *>(s); linie && linie->pen().color() == QColor(farbe))
                return linie->points();
        return QList<QPointF>();
    };
    EXPECT_EQ(g->beschreibung(), QStringLiteral("Zeit wie exportiert 0 bis 0.2 s, Spannung 0 bis 10 V"))
        << "as long as the file lasts, as the status says";
    const std::string ordner = TestOrdner();
    const struct { int control; const char *text; } entwuerfe[] = {
        {0, ""}, {FREQUENZ, "8"}, {AMPLITUDEDACH, "8"}, {FREQUENZ, "1000"}, {ZEITBASIS, "5"}};
    for (const auto &e : entwuerfe) {
        if (e.control == ZEITBASIS)
            TK_RingWaehlen(gPanelMain, ZEITBASIS, 5);
        else if (e.control)
            Tippen(e.control, e.text);
        Exportieren(ordner + "/g.txt");
        std::istringstream datei(DateiLesen(ordner + "/g.txt"));
        std::vector<std::pair<double, double>> zeilen;  // time in s, value in V
        for (std::string zeile; std::getline(datei, zeile);) {
            double t, wert;
            if (zeile.empty() || zeile[0] == '#' || std::sscanf(zeile.c_str(), "%lf\t%lf", &t, &wert) != 2)
                continue;
            zeilen.emplace_back(t, wert * gEingabe.dUmax / 100.0);
        }
        ASSERT_GE(zeilen.size(), 2u) << e.text;
        const QList<QPointF> kurve = serie("#0099ff");
        for (const auto &[t, v] : zeilen) {
            const bool da = std::any_of(kurve.begin(), kurve.end(), [&, t = t, v = v](const QPointF &p) {
                return std::fabs(p.x() - t) < 1e-9 && std::fabs(p.y() - v) <= 0.00005 * gEingabe.dUmax + 1e-12;
            });
            EXPECT_TRUE(da) << e.text << ": line at " << t << " s, " << v << " V";
        }
        EXPECT_NEAR(kurve.back().x(), zeilen.back().first, 1e-9) << e.text << ": the axis ends with the file";
        const QList<QPointF> ideal = serie("#a0a0a0");
        ASSERT_FALSE(ideal.isEmpty()) << e.text;
        EXPECT_NEAR(ideal.front().x(), 0.0, 1e-12) << e.text;
        EXPECT_NEAR(ideal.front().y(), gEingabe.dOffset, 1e-9) << e.text << ": the ideal starts at the offset";
        // As designed: element 0 repeats the first sample before it; the wave and the ideal start one step on.
        Fenster_ZeitachseSetzen(0);
        EXPECT_NEAR(serie("#a0a0a0").front().x(), Gains().first, 1e-12) << e.text;
        EXPECT_NEAR(serie("#a0a0a0").front().y(), gEingabe.dOffset, 1e-9) << e.text;
        Fenster_ZeitachseSetzen(1);
    }

    // The view is a checkable item that assistive technology reads as checked.
    QAction *achse = tk::panel(gPanelMain)->fenster->findChild<QAction *>(QStringLiteral("ZEITACHSE"));
    ASSERT_TRUE(achse && achse->isCheckable() && achse->isChecked());
    QMenu *ansicht = tk::panel(gPanelMain)->fenster->findChild<QMenu *>(QStringLiteral("ANSICHT"));
    ASSERT_TRUE(ansicht);
    QAccessibleInterface *menu = QAccessible::queryAccessibleInterface(ansicht);
    ASSERT_TRUE(menu && menu->childCount() > 0);
    QAccessibleInterface *eintrag = menu->child(ansicht->actions().indexOf(achse));
    ASSERT_TRUE(eintrag);
    EXPECT_TRUE(eintrag->state().checkable && eintrag->state().checked);
    TK_MenuWaehlen(gPanelMain, ZEITACHSE);
    EXPECT_EQ(gFenster.bWieExportiert, 0);
    EXPECT_FALSE(eintrag->state().checked);
}

// At the edge: a single sample at the limit is marked over exactly its own
// step, from its data line's time to the next one's, in both views.
TEST_F(SinusPanel, EinWertAnDerGrenzeEinSchrittBreitMarkiert)
{
    Tippen(OFFSET, "5.0001");  // only the crest, k = 5, reaches past 100 %, the trough stays above 0 %
    tk::GraphCtrl *g = tk::graph(gPanelMain, GRAPH);
    for (int bWieExportiert : {1, 0}) {
        Fenster_ZeitachseSetzen(bWieExportiert);
        ASSERT_EQ(g->marken().size(), 1u);
        const long iErwartet = bWieExportiert ? 5 : 6;  // data line 6 at 0.05 s; element 6 as designed
        EXPECT_EQ(std::make_pair(g->marken()[0].von, g->marken()[0].bis), std::make_pair(iErwartet, iErwartet));
        QApplication::processEvents();
        const QImage bild = g->grab().toImage();
        const QRectF flaeche = g->chart()->plotArea();
        const double dt = Gains().first;
        const double a = g->chart()->mapToPosition(QPointF(iErwartet * dt, 0.0)).x();
        const double b = g->chart()->mapToPosition(QPointF((iErwartet + 1) * dt, 0.0)).x();
        auto band = [&](double x) {
            const QColor c = bild.pixelColor(QPoint(int(std::lround(x)), int(flaeche.top()) + 3));
            return c.red() > c.green() + 40;
        };
        EXPECT_TRUE(band((a + b) / 2)) << bWieExportiert;
        EXPECT_TRUE(band(a + 2) && band(b - 2)) << "over the whole step: " << a << " to " << b;
        EXPECT_FALSE(band(a - 3) || band(b + 3)) << "and no further: " << a << " to " << b;
    }
}

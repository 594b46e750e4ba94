// The graph: its own copy, axes through the gains, drawing reduced to the
// pixels, zoom, readout, marks, legend, the report picture, plain-text popups.
#include "graph_gui.h"
#include "intern_gui.h"
#include "panel_fixture.h"
#include "seams.h"
#include "texte_gui.h"

#include <QFile>
#include <QPolygonF>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <QtTest/QTest>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <sstream>

namespace {

QValueAxis *Achse(tk::GraphCtrl *g, Qt::Orientation o)
{
    return static_cast<QValueAxis *>(g->chart()->axes(o).constFirst());
}

}  // namespace

TEST_F(PanelTest, PlotsAchsenUndLoeschen)
{
    std::vector<double> werte(22, 50.0);
    EXPECT_EQ(SetCtrlAttribute(h, 12, ATTR_YAXIS_GAIN, 0.1) + SetCtrlAttribute(h, 12, ATTR_XAXIS_GAIN, 0.01), 0);
    const int plot = PlotY(h, 12, werte.data(), 22, 4, 6, 24, 0, 1, MakeColor(0, 153, 255));
    EXPECT_GT(plot, 0);
    werte.assign(22, -1.0);  // the graph keeps its own copy
    double kopie[22];
    ASSERT_EQ(TK_PlotWerte(h, 12, kopie, 22), 22);
    EXPECT_EQ(kopie[21], 50.0);
    tk::GraphCtrl *g = tk::graph(h, 12);
    QValueAxis *x = Achse(g, Qt::Horizontal), *y = Achse(g, Qt::Vertical);
    double gain = 0.0;
    EXPECT_EQ(GetCtrlAttribute(h, 12, ATTR_XAXIS_GAIN, &gain), 0);
    EXPECT_EQ(gain, 0.01);
    EXPECT_EQ((std::vector<int>{GetCtrlAttribute(h, 12, ATTR_YAXIS_GAIN, static_cast<double *>(nullptr)),
                                GetCtrlAttribute(h, 12, ATTR_MIN_VALUE, &gain), GetCtrlAttribute(h, 2, ATTR_XAXIS_GAIN, &gain),
                                SetCtrlAttribute(h, 12, ATTR_MIN_VALUE, 1.0)}),
              (std::vector<int>{TK_FEHLER_ARGUMENT, TK_FEHLER_ATTRIBUT, TK_FEHLER_ATTRIBUT, TK_FEHLER_ATTRIBUT}));
    EXPECT_DOUBLE_EQ(x->max(), 0.21);
    EXPECT_DOUBLE_EQ(y->max(), 10.0);
    EXPECT_EQ(x->tickType(), QValueAxis::TicksDynamic) << "ticks on round numbers";
    EXPECT_EQ(std::make_tuple(x->tickInterval(), x->labelFormat(), y->tickInterval()),
              std::make_tuple(0.05, QStringLiteral("%.2f"), 2.0));
    EXPECT_DOUBLE_EQ(g->gezeichnet()[0].y(), 5.0) << "drawn in volts, kept in percent";
    SetCtrlAttribute(h, 12, ATTR_XAXIS_GAIN, 0.02);
    EXPECT_DOUBLE_EQ(x->max(), 0.42) << "the axes follow a gain at once";
    SetCtrlAttribute(h, 12, ATTR_XAXIS_GAIN, 0.01);
    auto *serie = static_cast<QLineSeries *>(g->chart()->series().constFirst());
    EXPECT_EQ(serie->pen().color(), QColor(0, 153, 255));
    EXPECT_EQ(PlotY(h, 12, nullptr, 0, 4, 6, 24, 0, 1, 0), 2) << "an empty plot needs no data";
    EXPECT_EQ(PlotY(h, 12, nullptr, 1, 4, 6, 24, 0, 1, 0), TK_FEHLER_ARGUMENT);
    EXPECT_EQ(PlotY(h, 12, kopie, 3, 2, 6, 24, 0, 1, 0), TK_FEHLER_ARGUMENT) << "only doubles";
    // Values beyond 0..100 % made visible, and an axis named anew.
    EXPECT_EQ(TK_GraphYBereich(h, 12, -20.0, 120.0) + SetCtrlAttribute(h, 12, ATTR_XNAME, "Zeit [s] wie exportiert"), 0);
    EXPECT_DOUBLE_EQ(y->min(), -2.0);
    EXPECT_DOUBLE_EQ(y->max(), 12.0);
    EXPECT_EQ(g->beschreibung(), QStringLiteral("Zeit wie exportiert 0 bis 0.21 s, Spannung -2 bis 12 V"));
    EXPECT_EQ(TK_GraphYBereich(h, 12, 5.0, 5.0), TK_FEHLER_ARGUMENT);
    EXPECT_EQ(DeleteGraphPlot(h, 12, plot, 1), 0);
    EXPECT_EQ(TK_AnzahlPlots(h, 12), 1);
    EXPECT_EQ(DeleteGraphPlot(h, 12, -1, 1) + g->chart()->series().size(), 0);
}

TEST_F(PanelTest, ReduziertOhneSpornUndZoomtMitMindestspanne)
{
    Zeigen();
    std::vector<double> werte(16360);
    for (size_t i = 0; i < werte.size(); ++i) werte[i] = static_cast<double>(i % 100);
    PlotY(h, 12, werte.data(), 16360, 4, 6, 24, 0, 1, 0);
    tk::GraphCtrl *g = tk::graph(h, 12);
    auto spalten = [g] { return std::max(50, static_cast<int>(std::ceil(g->devicePixelRatioF() * g->chart()->plotArea().width()))); };
    QList<QPointF> p = g->gezeichnet();
    EXPECT_LE(p.size(), 2 * spalten());
    auto [lo, hi] = std::minmax_element(p.begin(), p.end(), [](QPointF a, QPointF b) { return a.y() < b.y(); });
    EXPECT_EQ(std::make_pair(lo->y(), hi->y()), std::make_pair(0.0, 99.0)) << "each column's lowest and highest";
    EXPECT_EQ(p.front().x(), 0.0) << "from the first column on";
    double luecke = 0.0;  // the widest between neighbouring drawn columns, in device pixels
    for (int i = 1; i < p.size(); ++i)
        luecke = std::max(luecke, (g->chart()->mapToPosition(p[i]).x() - g->chart()->mapToPosition(p[i - 1]).x()) *
                                      g->devicePixelRatioF());
    EXPECT_LE(luecke, 1.0) << "no empty pixel column through a dense curve";

    SetCtrlAttribute(h, 12, ATTR_XAXIS_GAIN, 0.01);
    Achse(g, Qt::Horizontal)->setRange(1.0, 1.1);  // a drag, read in seconds: full detail
    EXPECT_DOUBLE_EQ(g->von(), 100.0);
    EXPECT_DOUBLE_EQ(Achse(g, Qt::Horizontal)->tickInterval(), 0.02) << "ticks of the shown stretch";
    EXPECT_EQ(g->gezeichnet().size(), 2 * 11 - 1);
    SetCtrlAttribute(h, 12, ATTR_XAXIS_GAIN, 1.0);
    Achse(g, Qt::Horizontal)->setRange(500.0, 500.5);  // half a sample
    EXPECT_DOUBLE_EQ(g->bis() - g->von(), tk::GraphCtrl::MIN_SPANNE);
    Achse(g, Qt::Vertical)->setRange(40.0, 40.001);  // a rectangle in volts: down to four steps of 0.01 %
    EXPECT_NEAR(g->yBis() - g->yVon(), tk::GraphCtrl::MIN_Y_SPANNE, 1e-9);
    EXPECT_NEAR(Achse(g, Qt::Vertical)->min(), 40.0005 - 0.02, 1e-9);
    g->zoomen(5000.0, 15000.0);  // a wide stretch: reduced, and only that stretch
    p = g->gezeichnet();
    EXPECT_LE(p.size(), 2 * spalten());
    EXPECT_TRUE(p.front().x() >= 5000.0 && p.back().x() <= 15000.0);
    g->zoomen(16350.0, 16362.0);  // past the end: shifted inside
    EXPECT_DOUBLE_EQ(g->bis(), 16359.0);
    g->ganzZeigen();
    EXPECT_DOUBLE_EQ(Achse(g, Qt::Horizontal)->max(), 16359.0);

    double gleich[6] = {50, 50, 50, 60, 60, 40};
    PlotY(h, 12, gleich, 6, 4, 6, 24, 0, 1, 0);
    DeleteGraphPlot(h, 12, 1, 1);
    p = g->gezeichnet();
    for (int i = 1; i < p.size(); ++i)
        EXPECT_NE(p[i], p[i - 1]) << "a repeated point draws a stray pixel, at " << i;
    EXPECT_EQ(g->focusPolicy(), Qt::NoFocus) << "no Tab stop without a keyboard part";
}

TEST_F(PanelTest, AnzeigeUeberDerFlaecheUndMarkenEntlangDerGrenzen)
{
    Zeigen();
    double w[5] = {100, 100, 50, 100.0 / 3.0, 0};
    PlotY(h, 12, w, 5, 4, 6, 24, 0, 1, 0);
    tk::GraphCtrl *g = tk::graph(h, 12);
    const QPoint oben = g->chart()->plotArea().topRight().toPoint() + QPoint(-3, 3);
    EXPECT_EQ(g->toolTip(), QString::fromUtf8(TK_TEXT_GRAFIK_TIPP)) << "the mouse's ways are told";
    QLabel *anzeige = g->findChild<QLabel *>();
    ASSERT_TRUE(anzeige && !anzeige->isVisible()) << "nothing to read before the mouse comes";
    QTest::mouseMove(g->viewport(), QPoint(1, 1));  // from outside: a move to where it stands is no move
    QTest::mouseMove(g->viewport(), oben);
    ASSERT_TRUE(anzeige->isVisible());
    EXPECT_TRUE(anzeige->text().endsWith(QStringLiteral(": 33.3333"))) << anzeige->text().toStdString();
    EXPECT_LT(anzeige->geometry().bottom(), g->chart()->plotArea().top()) << "never over the curve";
    TK_GraphAblesungSetzen(h, 12, [](int i, char *text, std::size_t groesse) { std::snprintf(text, groesse, "Punkt %d", i); });
    QTest::mouseMove(g->viewport(), oben - QPoint(1, 0));
    EXPECT_EQ(anzeige->text(), QStringLiteral("Punkt 3")) << "the program's own readout, of the sample under the mouse";
    const int zweiter = PlotY(h, 12, w, 5, 4, 6, 24, 0, 1, 0);
    EXPECT_FALSE(anzeige->isVisible()) << "it spoke of the previous curve";
    QTest::mouseMove(g->viewport(), oben);
    ASSERT_TRUE(anzeige->isVisible());
    g->ganzZeigen();
    EXPECT_FALSE(anzeige->isVisible()) << "it spoke of the old view";

    const int von[] = {0, 3}, bis[] = {1, 3}, obenAn[] = {1, 0};
    EXPECT_EQ(TK_GraphMarkieren(h, 12, von, bis, obenAn, 2), 0);
    ASSERT_EQ(g->marken().size(), 2u);
    EXPECT_TRUE(g->marken()[0].oben && g->marken()[1].von == 3);
    // Drawn as bands inside the plot area: orange under the top line over
    // samples 0 and 1, over the bottom line under sample 3, nowhere else.
    const QImage bild = g->viewport()->grab().toImage();
    const QRectF f = g->chart()->plotArea();
    const double dpr = bild.devicePixelRatio();
    auto orange = [&](double x, double y) {
        const QColor c = bild.pixelColor(QPointF(g->chart()->mapToPosition(QPointF(x, 0)).x(), y).toPoint() * dpr);
        return c.red() > c.blue() + 40;
    };
    EXPECT_TRUE(orange(0.5, f.top() + 3.5) && orange(1.5, f.top() + 3.5));
    EXPECT_FALSE(orange(2.5, f.top() + 3.5) || orange(0.5, f.bottom() - 3.5) || orange(2.5, f.bottom() - 3.5));
    EXPECT_TRUE(orange(3.5, f.bottom() - 3.5));
    EXPECT_TRUE(orange(3.5, f.bottom() - 5.5) && !orange(3.5, f.bottom() - 0.5)) << "five rows, one above the line";
    EXPECT_FALSE(orange(3.5, f.bottom() + 3.5)) << "never outside the plot area";
    EXPECT_EQ(TK_GraphMarkieren(h, 12, nullptr, bis, obenAn, 1), TK_FEHLER_ARGUMENT);
    EXPECT_EQ(TK_GraphMarkieren(h, 12, von, bis, obenAn, -1), TK_FEHLER_ARGUMENT);
    EXPECT_EQ(TK_GraphMarkieren(h, 12, nullptr, nullptr, nullptr, 0), 0);
    EXPECT_TRUE(g->marken().empty()) << "none marks nothing";
    TK_GraphMarkieren(h, 12, von, bis, obenAn, 2);
    DeleteGraphPlot(h, 12, zweiter, 1);
    EXPECT_EQ(g->marken().size(), 2u) << "one plot of several goes, the marks stay";
    DeleteGraphPlot(h, 12, -1, 1);
    EXPECT_TRUE(g->marken().empty()) << "the marks belong to the curve";
}

namespace {

int gSpeichernAufrufe = 0;
void SpeichernZaehlen() { ++gSpeichernAufrufe; }

}  // namespace

TEST_F(PanelTest, BerichtsbildInFesterFormUndFormatNachName)
{
    Zeigen();
    double w[3] = {10, 90, 10};
    PlotY(h, 12, w, 3, 4, 6, 24, 0, 1, 0);
    const int benannt = PlotY(h, 12, w, 3, 4, 6, 24, 0, 1, MakeColor(204, 0, 102));
    SetPlotAttribute(h, 12, benannt, ATTR_PLOT_LG_TEXT, "referenz.txt");
    const std::string o = TestOrdner();
    QWidget *fenster = tk::panel(h)->fenster;
    const char *titel = "WLR-7 max. 10 V · Amplitude 5 V^ (3.536 Veff) · Offset 5 V · Frequenz 7.692 Hz · "
                        "Zeitbasis 10ms · Kurve 1 · Perioden 2 · Referenz mit einem langen Namen.txt · "
                        "eine Anmerkung, die den Titel sicher über eine Zeile hinaus verlängert";
    // The same page whatever the window's shape.
    fenster->resize(711, 380);
    ASSERT_EQ(TK_BerichtSpeichern(h, 12, titel, "Status · a\n\u26a0 eins\n\u26a0 zwei", (o + "/a.png").c_str()), 0);
    fenster->resize(711, 3000);
    ASSERT_EQ(TK_BerichtSpeichern(h, 12, titel, "Status · a\n\u26a0 eins\n\u26a0 zwei", (o + "/b.PNG").c_str()), 0);
    const QImage a(QString::fromStdString(o + "/a.png")), b(QString::fromStdString(o + "/b.PNG"));
    EXPECT_EQ(a.size(), b.size());
    EXPECT_EQ(a.width(), TK_BERICHT_BREITE);
    EXPECT_LT(a.height(), a.width()) << "a landscape page, not the window's tall shape";
    EXPECT_EQ(QSize(fenster->size()), QSize(711, 3000)) << "the window keeps its own";
    EXPECT_EQ(tk::graph(h, 12)->chart()->size(), QSizeF(tk::graph(h, 12)->viewport()->size())) << "and the graph its layout";

    // Each format by its ending; a title line breaks only between items,
    // with the separator at the end of the line; each text line and the legend below.
    ASSERT_EQ(TK_BerichtSpeichern(h, 12, titel, "Status · a\n\u26a0 eins\n\u26a0 zwei", (o + "/c.svg").c_str()), 0);
    const std::string svg = DateiLesen(o + "/c.svg");
    // Each curve one line through all its points, in one unit of the page.
    std::vector<long> punkte;
    for (size_t i = 0; (i = svg.find("non-scaling-stroke\" points=\"", i)) != std::string::npos; ++i)
        punkte.push_back(std::count(svg.begin() + i, svg.begin() + svg.find('"', i + 29), ','));
    EXPECT_EQ(punkte, std::vector<long>(2, 5));
    EXPECT_NE(svg.find("stroke=\"#cc0066\" stroke-opacity=\"1\" stroke-width=\"1\" stroke-linecap=\"butt\""),
              std::string::npos);
    for (const char *teil : {"<svg", ">Status · a<", ">\u26a0 eins<", ">\u26a0 zwei<", ">referenz.txt<", "Spannung [V]"})
        EXPECT_NE(svg.find(teil), std::string::npos) << teil;
    std::string zeilen;  // the title's lines, joined again
    for (size_t i = svg.find("</title>"), n = 0; zeilen.size() < std::strlen(titel) && n < 9; ++n) {
        const size_t anfang = svg.find("</text>", i), ende = svg.rfind('>', anfang);
        const std::string zeile = svg.substr(ende + 1, anfang - ende - 1);
        zeilen += (zeilen.empty() ? "" : " ") + zeile;
        for (size_t fest; (fest = zeilen.find("\u00a0\u00b7")) != std::string::npos;)
            zeilen.replace(fest, 2, " ");
        EXPECT_TRUE(zeilen.size() == std::strlen(titel) || zeile.substr(zeile.size() - 4) == "\u00a0\u00b7")
            << "broken between items only: " << zeile;
        i = anfang + 1;
    }
    EXPECT_EQ(zeilen, titel);
    EXPECT_NE(svg.find(std::string("<title>") + titel + "</title>"), std::string::npos) << "the picture's own title";
    ASSERT_EQ(TK_BerichtSpeichern(h, 12, titel, "", (o + "/d.pdf").c_str()), 0);
    EXPECT_EQ(DateiLesen(o + "/d.pdf").substr(0, 5), "%PDF-");
    // Other endings are refused, and a failure says why, the old file kept.
    for (const char *name : {"/e.bmp", "/e", "/png"}) {
        EXPECT_NE(TK_BerichtSpeichern(h, 12, titel, "", (o + name).c_str()), 0) << name;
        EXPECT_STREQ(TK_BerichtGrund(), "Der Dateiname muss auf .png, .svg oder .pdf enden");
        EXPECT_FALSE(QFile::exists(QString::fromStdString(o + name)));
    }
    // No name at all: refused before anything is drawn, with no reason to show.
    EXPECT_EQ(TK_BerichtSpeichern(h, 12, titel, "", nullptr), TK_FEHLER_ARGUMENT);
    EXPECT_EQ(TK_BerichtSpeichern(h, 12, titel, "", ""), TK_FEHLER_ARGUMENT);
    EXPECT_STREQ(TK_BerichtGrund(), "");
    EXPECT_NE(TK_BerichtSpeichern(h, 12, titel, "", (o + "/fehlt/f.png").c_str()), 0);
    EXPECT_STREQ(TK_BerichtGrund(), "Ordner nicht gefunden");
    // A quota the close reports says why, and the old picture stays.
    const std::string altesBild = DateiLesen(o + "/a.png");
    gCloseVersagt = true;
    EXPECT_EQ(TK_BerichtSpeichern(h, 12, "", "", (o + "/a.png").c_str()), TK_FEHLER_ARGUMENT);
    gCloseVersagt = false;
    EXPECT_STREQ(TK_BerichtGrund(), "Speicherkontingent überschritten");
    EXPECT_TRUE(DateiLesen(o + "/a.png") == altesBild);
}

TEST_F(PanelTest, GrafikmenueSpeichertWasDasProgrammSagt)
{
    Zeigen();
    SetPanelAttribute(h, ATTR_TITLE, "Titel des Programms");
    double w[3] = {10, 90, 10};
    PlotY(h, 12, w, 3, 4, 6, 24, 0, 1, 0);
    tk::GraphCtrl *g = tk::graph(h, 12);
    const std::string o = TestOrdner();
    gDateiauswahl = {o + "/g.svg", 2, {}};
    g->speichernFragen();  // by default the report picture, titled as the window
    EXPECT_NE(DateiLesen(o + "/g.svg").find("Titel des Programms"), std::string::npos);
    gDateiauswahl = {o + "/g.bmp", 1, {}};  // an existing file chosen goes on as a new one does
    g->speichernFragen();
    EXPECT_EQ(MeldungenText(), "Fehler: Die Grafik konnte nicht gespeichert werden:\n" + o +
                                   "/g.bmp\nDer Dateiname muss auf .png, .svg oder .pdf enden\n");
    EXPECT_EQ(TK_GraphSpeichernSetzen(h, 12, SpeichernZaehlen), 0);
    gDateiauswahl.titel.clear();
    g->speichernFragen();
    EXPECT_EQ(gSpeichernAufrufe, 1) << "the program's own picture";
    EXPECT_TRUE(gDateiauswahl.titel.empty()) << "the program asks for the file itself";
    EXPECT_EQ(TK_GraphSpeichernSetzen(h, 99, nullptr), TK_FEHLER_CONTROL);

    bool klartext = false;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        klartext = box && box->textFormat() == Qt::PlainText;
        if (box) box->accept();
    });
    tk::meldungZeigen("Fehler", "<b>kein Markup</b>");
    EXPECT_TRUE(klartext);
}

TEST_F(PanelTest, LegendeNurFuerBenanntePlotsUndFlaecheZurueck)
{
    Zeigen();
    double w[3] = {10, 90, 10};
    tk::GraphCtrl *g = tk::graph(h, 12);
    PlotY(h, 12, w, 3, 4, 6, 24, 0, 1, 0);
    QApplication::processEvents();
    const QRectF voll = g->chart()->plotArea();
    const int ref = PlotY(h, 12, w, 3, 4, 6, 24, 0, 1, 0);
    SetPlotAttribute(h, 12, ref, ATTR_PLOT_LG_TEXT, "referenz.txt");
    PlotY(h, 12, w, 3, 4, 6, 24, 0, 1, 0);  // unnamed, after a named one
    QApplication::processEvents();
    EXPECT_TRUE(g->chart()->legend()->isVisible());
    int sichtbar = 0;
    for (QLegendMarker *m : g->chart()->legend()->markers()) sichtbar += m->isVisible();
    EXPECT_EQ(sichtbar, 1) << "only the named plot";
    EXPECT_LT(g->chart()->plotArea().height(), voll.height());
    DeleteGraphPlot(h, 12, ref, 1);
    QApplication::processEvents();
    EXPECT_FALSE(g->chart()->legend()->isVisible()) << "the legend goes with its plot";
    EXPECT_EQ(g->chart()->plotArea(), voll) << "and the plot gets its room back";
    EXPECT_TRUE(g->legende().empty());
}

// The curves of the report picture stay inside the plot, in every format:
// an SVG keeps no clip of its own. A sine from -50 to 150 % lies within the
// extent of a step line from 0 to 100 %, both running on past the shown x
// range, to half a unit of the page. The picture's extent against what it
// holds: the PNG is the SVG's page at its own scale, to the pixel, and its
// last text (the legend) lies inside it with a white margin below. The page
// is white in every format, whatever the viewer's background (an SVG has no
// page of its own), and a named plot's legend entry shows a stretch of its
// line in its colour.
TEST_F(PanelTest, BerichtsbildSchneidetKurvenUndHatSeineGanzeHoeheAufWeisserSeite)
{
    Zeigen();
    const QColor farbe(204, 0, 102);
    double rand[8] = {0, 100, 0, 100, 0, 100, 0, 100};
    const int plot = PlotY(h, 12, rand, 8, 4, 6, 24, 0, 1, MakeColor(farbe.red(), farbe.green(), farbe.blue()));
    std::vector<double> weit(600);
    for (size_t i = 0; i < weit.size(); ++i)
        weit[i] = 50.0 + 100.0 * std::sin(2.0 * M_PI * static_cast<double>(i) / 100.0);
    PlotWaveform(h, 12, weit.data(), static_cast<int>(weit.size()), 4, 1.0, 0.0, -0.5, 0.01, 0, 0, 0, 1,
                 MakeColor(160, 160, 160));
    tk::graph(h, 12)->zoomen(1.0, 4.0);  // both run on past both ends
    const std::string o = TestOrdner();
    ASSERT_EQ(TK_BerichtSpeichern(h, 12, "Titel", "Status", (o + "/s.svg").c_str()), 0);
    const std::string kurven = DateiLesen(o + "/s.svg");
    // The points of the lines in a stroke colour, in page units (each group's matrix applied).
    auto punkte = [&](const std::string &strich) {
        QPolygonF alle;
        QTransform matrix;
        bool gesucht = false;
        for (size_t i = 0; (i = kurven.find('<', i)) != std::string::npos; ++i) {
            const size_t ende = kurven.find('>', i);
            const std::string tag = kurven.substr(i, ende - i);
            if (tag.rfind("<g ", 0) == 0) {
                gesucht = tag.find("stroke=\"" + strich + "\"") != std::string::npos;
                double m[6] = {1, 0, 0, 1, 0, 0};
                const size_t t = tag.find("transform=\"matrix(");
                if (t != std::string::npos)
                    std::sscanf(tag.c_str() + t + 18, "%lf,%lf,%lf,%lf,%lf,%lf", &m[0], &m[1], &m[2], &m[3], &m[4], &m[5]);
                matrix = QTransform(m[0], m[1], m[2], m[3], m[4], m[5]);
            } else if (gesucht && tag.rfind("<polyline", 0) == 0) {
                const size_t p = tag.find("points=\"") + 8;
                std::istringstream zahlen(tag.substr(p, tag.find('"', p) - p));
                double x, y;
                char komma;
                while (zahlen >> x >> komma >> y)
                    alle << matrix.map(QPointF(x, y));
            }
        }
        return alle;
    };
    const QRectF flaeche = punkte("#cc0066").boundingRect(), ideal = punkte("#a0a0a0").boundingRect();
    ASSERT_GT(flaeche.height(), 50.0);
    ASSERT_FALSE(ideal.isEmpty()) << "the sine is drawn where it lies inside";
    EXPECT_TRUE(flaeche.adjusted(-0.5, -0.5, 0.5, 0.5).contains(ideal));
    EXPECT_NEAR(ideal.height(), flaeche.height(), 0.5) << "cut at both edges, not left out";

    SetPlotAttribute(h, 12, plot, ATTR_PLOT_LG_TEXT, "ref.txt");
    for (const char *fuss : {"", "Status · a\n\u26a0 eins\n\u26a0 zwei\n\u26a0 drei"}) {
        ASSERT_EQ(TK_BerichtSpeichern(h, 12, "Titel", fuss, (o + "/h.svg").c_str()), 0);
        ASSERT_EQ(TK_BerichtSpeichern(h, 12, "Titel", fuss, (o + "/h.png").c_str()), 0);
        const std::string svg = DateiLesen(o + "/h.svg");
        double breite = 0.0, hoehe = 0.0, rx = -1.0, ry = -1.0, rb = 0.0, rh = 0.0;
        const size_t box = svg.find("viewBox=\""), weiss = svg.find("<g fill=\"#ffffff\""), rechteck = svg.find("<rect", weiss);
        ASSERT_NE(box, std::string::npos);
        ASSERT_EQ(std::sscanf(svg.c_str() + box + 9, "0 0 %lf %lf", &breite, &hoehe), 2);
        ASSERT_NE(rechteck, std::string::npos) << "a white area";
        EXPECT_LT(rechteck, svg.find("<text")) << "under everything else";
        ASSERT_EQ(std::sscanf(svg.c_str() + rechteck, "<rect x=\"%lf\" y=\"%lf\" width=\"%lf\" height=\"%lf\"", &rx, &ry, &rb, &rh), 4);
        EXPECT_EQ(QRectF(rx, ry, rb, rh), QRectF(0, 0, breite, hoehe)) << "the whole page";
        const QImage bild(QString::fromStdString(o + "/h.png"));
        const double faktor = TK_BERICHT_BREITE / breite;
        EXPECT_EQ(bild.height(), std::lround(hoehe * faktor)) << fuss;
        // The last row that is not white: the legend's text, above a margin.
        int letzte = -1;
        for (int y = bild.height() - 1; y >= 0 && letzte < 0; --y)
            for (int x = 0; x < bild.width() && letzte < 0; ++x)
                if (bild.pixelColor(x, y) != Qt::white) letzte = y;
        EXPECT_GT(letzte, bild.height() - 60 * faktor) << fuss << ": the legend near the bottom";
        EXPECT_LT(letzte, bild.height() - 4 * faktor) << fuss << ": and a margin below it";
        // The legend's row, in the last 40 units of the page: a line in the
        // plot's colour, at least as long as the entry's stretch.
        int farbig = 0;
        for (int zeile = static_cast<int>(bild.height() - 40 * faktor); zeile < bild.height(); ++zeile)
            for (int spalte = 0; spalte < bild.width(); ++spalte)
                farbig += bild.pixelColor(spalte, zeile) == farbe;
        EXPECT_GE(farbig, 24 * faktor) << fuss << ": the legend's line";
    }
}

// What the mouse does on the graph: a double click and the menu's first
// item show the whole curve again (the item only when zoomed), the right
// button opens the menu and never zooms out, and the readout goes when the
// mouse leaves the plot area or the graph, and never comes without a curve.
TEST_F(PanelTest, MausZeigtGanzeKurveRechtsklickZoomtNichtAblesungGehtMit)
{
    Zeigen();
    std::vector<double> werte(200);
    for (size_t i = 0; i < werte.size(); ++i) werte[i] = static_cast<double>(i % 100);
    PlotY(h, 12, werte.data(), static_cast<int>(werte.size()), 4, 6, 24, 0, 1, 0);
    tk::GraphCtrl *g = tk::graph(h, 12);
    const QPoint mitte = g->chart()->plotArea().center().toPoint();
    // The menu as shown: whether "whole curve" can be chosen; chosen if asked.
    auto menue = [g, mitte](bool waehlen) {
        int frei = -1;
        QTimer::singleShot(0, [&] {
            auto *m = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!m) return;
            frei = m->actions().constFirst()->isEnabled();
            if (waehlen) m->actions().constFirst()->trigger();
            m->close();
        });
        QContextMenuEvent e(QContextMenuEvent::Mouse, mitte, g->viewport()->mapToGlobal(mitte));
        QApplication::sendEvent(g->viewport(), &e);
        return frei;
    };
    EXPECT_EQ(menue(false), 0) << "the whole curve is shown already";

    g->zoomen(50.0, 70.0);
    // Any menu a right click brings is closed at once, whatever the platform does.
    QTimer zu;
    QObject::connect(&zu, &QTimer::timeout, [] {
        if (QWidget *m = QApplication::activePopupWidget()) m->close();
    });
    zu.start(0);
    QTest::mouseClick(g->viewport(), Qt::RightButton, {}, mitte);
    zu.stop();
    EXPECT_DOUBLE_EQ(g->von(), 50.0) << "a right click does not zoom out";
    EXPECT_DOUBLE_EQ(g->bis(), 70.0);
    EXPECT_EQ(menue(true), 1);
    EXPECT_DOUBLE_EQ(g->von(), 0.0);
    EXPECT_DOUBLE_EQ(g->bis(), 199.0) << "the menu's item shows the whole curve";

    g->zoomen(50.0, 70.0);
    QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, mitte);
    EXPECT_DOUBLE_EQ(g->von(), 0.0);
    EXPECT_DOUBLE_EQ(g->bis(), 199.0) << "a double click shows the whole curve";

    QLabel *anzeige = g->findChild<QLabel *>();
    ASSERT_NE(anzeige, nullptr);
    QTest::mouseMove(g->viewport(), mitte);
    ASSERT_TRUE(anzeige->isVisible());
    QTest::mouseMove(g->viewport(), g->chart()->plotArea().bottomLeft().toPoint() + QPoint(-5, 5));
    EXPECT_FALSE(anzeige->isVisible()) << "off the plot area, no value to read";
    QTest::mouseMove(g->viewport(), mitte + QPoint(1, 0));
    ASSERT_TRUE(anzeige->isVisible());
    QEvent weg(QEvent::Leave);
    QApplication::sendEvent(g, &weg);
    EXPECT_FALSE(anzeige->isVisible()) << "the mouse left the graph";
    DeleteGraphPlot(h, 12, -1, 1);
    PlotY(h, 12, nullptr, 0, 4, 6, 24, 0, 1, 0);
    QTest::mouseMove(g->viewport(), mitte);
    EXPECT_FALSE(anzeige->isVisible()) << "an empty curve has no value to read";
    DeleteGraphPlot(h, 12, -1, 1);
    QTest::mouseMove(g->viewport(), mitte + QPoint(1, 0));
    EXPECT_FALSE(anzeige->isVisible()) << "nor has a graph without a curve";
}

// A curve the program scales on its way in (gain, offset, start and step on
// the x axis) is kept as scaled, the x axis reaches its last sample; plain
// lines go behind the step line whatever the order they came in; a plot
// that is not there can be neither named nor deleted.
TEST_F(PanelTest, WellenformSkaliertUndStufenlinieVorn)
{
    Zeigen();
    tk::GraphCtrl *g = tk::graph(h, 12);
    const double roh[5] = {1, 2, 3, 4, 5};
    const int stufen = PlotWaveform(h, 12, roh, 5, 4, 2.0, 1.0, 2.0, 0.5, TK_STIL_STUFEN, 0, 0, 1, MakeColor(0, 0, 255));
    ASSERT_GT(stufen, 0);
    EXPECT_EQ(Plotwerte(h, 12), (std::vector<double>{3, 5, 7, 9, 11}));
    EXPECT_DOUBLE_EQ(Achse(g, Qt::Horizontal)->max(), 4.0) << "2 + 4 steps of 0.5";
    const int linie = PlotWaveform(h, 12, roh, 5, 4, 1.0, 0.0, 0.0, 1.0, 0, 0, 0, 1, 0);
    ASSERT_GT(linie, 0);
    PlotWaveform(h, 12, roh, 5, 4, 1.0, 0.0, 0.0, 1.0, 0, 0, 0, 1, MakeColor(160, 160, 160));
    const QList<QAbstractSeries *> folge = g->chart()->series();
    ASSERT_EQ(folge.size(), 3);
    EXPECT_EQ(static_cast<QLineSeries *>(folge.back())->pen().color(), QColor(0, 0, 255)) << "drawn last, in front";
    EXPECT_EQ(Plotwerte(h, 12), (std::vector<double>{3, 5, 7, 9, 11})) << "the step line is the main curve";
    EXPECT_EQ(PlotWaveform(h, 12, roh, 5, 4, 1.0, 0.0, 0.0, 0.0, 0, 0, 0, 1, 0), TK_FEHLER_ARGUMENT) << "no step";

    EXPECT_EQ(SetPlotAttribute(h, 12, 999, ATTR_PLOT_LG_TEXT, "x"), TK_FEHLER_ARGUMENT);
    EXPECT_TRUE(g->legende().empty());
    EXPECT_EQ(DeleteGraphPlot(h, 12, 999, 1), TK_FEHLER_ARGUMENT);
    EXPECT_EQ(g->chart()->series().size(), 3);
    EXPECT_EQ(DeleteGraphPlot(h, 12, linie, 1), 0);
    EXPECT_EQ(g->chart()->series().size(), 2);
    EXPECT_EQ(DeleteGraphPlot(h, 12, -1, 1), 0);
    EXPECT_EQ(DeleteGraphPlot(h, 12, -1, 1), 0) << "all of none is no error";
    EXPECT_EQ(PlotWaveform(h, 12, nullptr, 1, 4, 1.0, 0.0, 0.0, 1.0, 0, 0, 0, 1, 0), TK_FEHLER_ARGUMENT);
    EXPECT_EQ(DeleteGraphPlot(h, 12, PlotWaveform(h, 12, nullptr, 0, 4, 1.0, 0.0, 0.0, 1.0, 0, 0, 0, 1, 0), 1), 0)
        << "an empty curve needs no values";
    // Plots told apart by their dashes; colours outside 0..255 held at the edge.
    for (auto [linie, stil] : {std::pair{TK_LINIE_STRICHE, Qt::DashLine}, {TK_LINIE_PUNKTE, Qt::DotLine},
                               {TK_LINIE_STRICHPUNKTE, Qt::DashDotLine}, {TK_LINIE_DURCHGEHEND, Qt::SolidLine}}) {
        PlotWaveform(h, 12, roh, 5, 4, 1.0, 0.0, 0.0, 1.0, 0, 0, linie, 1, MakeColor(-1, 256, 255));
        const QPen stift = static_cast<QLineSeries *>(g->chart()->series().constFirst())->pen();
        EXPECT_EQ(std::make_pair(stift.style(), stift.color()), std::make_pair(stil, QColor(0, 255, 255))) << linie;
        DeleteGraphPlot(h, 12, -1, 1);
    }
}

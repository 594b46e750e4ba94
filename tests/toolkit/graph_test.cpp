#include "graph_gui.h"
#include "intern_gui.h"
#include "panel_fixture.h"
#include "seam_gui.h"

#include "aufzeichnung.h"
#include "dateiauswahl_gui.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <vector>

namespace {

QValueAxis *Achse(tk::GraphCtrl *g, Qt::Orientation o)
{
    return static_cast<QValueAxis *>(g->chart()->axes(o).constFirst());
}

QLineSeries *Serie(tk::GraphCtrl *g)
{
    return static_cast<QLineSeries *>(g->chart()->series().constFirst());
}

}  // namespace

TEST_F(PanelTest, PlotBehaeltSeineKopie)
{
    std::vector<double> werte = {10, 20, 30, 40};
    int plot = PlotY(h, 12, werte.data(), 4, 4, 6, 24, 0, 1, MakeColor(0, 153, 255));
    EXPECT_GT(plot, 0);
    werte.assign(4, -1.0);
    double kopie[4] = {};
    ASSERT_EQ(TK_PlotWerte(h, 12, kopie, 4), 4);
    EXPECT_EQ(kopie[0], 10.0);
    EXPECT_EQ(kopie[3], 40.0);
    EXPECT_EQ(Serie(tk::graph(h, 12))->pen().color(), QColor(0, 153, 255));
}

TEST_F(PanelTest, LoeschenAllerPlotsLaesstKeinen)
{
    double w[3] = {1, 2, 3};
    int a = PlotY(h, 12, w, 3, 4, 6, 24, 0, 1, 0);
    PlotY(h, 12, w, 3, 4, 6, 24, 0, 1, 0);
    EXPECT_EQ(TK_AnzahlPlots(h, 12), 2);
    EXPECT_EQ(DeleteGraphPlot(h, 12, a, 1), 0);
    EXPECT_EQ(TK_AnzahlPlots(h, 12), 1);
    EXPECT_EQ(DeleteGraphPlot(h, 12, -1, 1), 0);
    EXPECT_EQ(TK_AnzahlPlots(h, 12), 0);
    EXPECT_EQ(tk::graph(h, 12)->chart()->series().size(), 0);
    EXPECT_EQ(DeleteGraphPlot(h, 12, -1, 1), 0);
    EXPECT_EQ(PlotY(h, 12, w, 3, 2, 6, 24, 0, 1, 0), TK_FEHLER_ARGUMENT) << "only doubles";
}

TEST_F(PanelTest, AchsenLesenDurchDieGains)
{
    std::vector<double> werte(22, 50.0);
    SetCtrlAttribute(h, 12, ATTR_YAXIS_GAIN, 0.1);
    SetCtrlAttribute(h, 12, ATTR_XAXIS_GAIN, 0.01);
    PlotY(h, 12, werte.data(), 22, 4, 6, 24, 0, 1, 0);
    tk::GraphCtrl *g = tk::graph(h, 12);
    EXPECT_DOUBLE_EQ(Achse(g, Qt::Horizontal)->min(), 0.0);
    EXPECT_DOUBLE_EQ(Achse(g, Qt::Horizontal)->max(), 0.21);
    EXPECT_DOUBLE_EQ(Achse(g, Qt::Vertical)->min(), 0.0);
    EXPECT_DOUBLE_EQ(Achse(g, Qt::Vertical)->max(), 10.0);
    double gain = 0.0;
    GetCtrlAttribute(h, 12, ATTR_XAXIS_GAIN, &gain);
    EXPECT_EQ(gain, 0.01);
    // Drawn in volts, stored in percent.
    EXPECT_DOUBLE_EQ(Serie(g)->at(0).y(), 5.0);
    double kopie[1];
    TK_PlotWerte(h, 12, kopie, 1);
    EXPECT_EQ(kopie[0], 50.0);
}

TEST_F(PanelTest, GrosseKurvenWerdenAufDiePixelReduziertUndZoombar)
{
    DisplayPanel(h);
    QApplication::processEvents();
    std::vector<double> werte(16360);
    for (size_t i = 0; i < werte.size(); ++i)
        werte[i] = static_cast<double>(i % 100);
    PlotY(h, 12, werte.data(), 16360, 4, 6, 24, 0, 1, 0);
    tk::GraphCtrl *g = tk::graph(h, 12);
    const int breite = static_cast<int>(g->chart()->plotArea().width());
    EXPECT_LE(Serie(g)->count(), 2 * std::max(50, breite));
    EXPECT_DOUBLE_EQ(Achse(g, Qt::Horizontal)->max(), 16359.0);
    // Every column still shows its lowest and highest value.
    double lo = 1e9, hi = -1e9;
    for (const QPointF &p : Serie(g)->points()) {
        lo = std::min(lo, p.y());
        hi = std::max(hi, p.y());
    }
    EXPECT_EQ(lo, 0.0);
    EXPECT_EQ(hi, 99.0);

    // Zooming into a stretch draws it at full detail; the whole comes back.
    Achse(g, Qt::Horizontal)->setRange(100.0, 110.0);
    EXPECT_EQ(Serie(g)->count(), 2 * 11 - 1);
    EXPECT_EQ(Serie(g)->at(0).y(), 0.0);
    g->ganzZeigen();
    EXPECT_DOUBLE_EQ(Achse(g, Qt::Horizontal)->max(), 16359.0);
    EXPECT_EQ(TK_PlotWerte(h, 12, nullptr, 0), 16360);
}


TEST_F(PanelTest, GleicheNachbarnOhneSpornUndZoomMitMindestspanne)
{
    DisplayPanel(h);
    QApplication::processEvents();
    double w[6] = {50, 50, 50, 60, 60, 40};
    PlotY(h, 12, w, 6, 4, 6, 24, 0, 1, 0);
    tk::GraphCtrl *g = tk::graph(h, 12);
    const QList<QPointF> p = g->gezeichnet();
    for (int i = 1; i < p.size(); ++i)
        EXPECT_NE(p[i], p[i - 1]) << "a repeated point draws a stray pixel, at " << i;
    EXPECT_EQ(p.size(), 8);

    std::vector<double> lang(1000, 1.0);
    PlotY(h, 12, lang.data(), 1000, 4, 6, 24, 0, 1, 0);
    Achse(g, Qt::Horizontal)->setRange(500.0, 500.5);  // a drag of half a sample
    EXPECT_DOUBLE_EQ(g->bis() - g->von(), tk::GraphCtrl::MIN_SPANNE);
    EXPECT_GE(Achse(g, Qt::Horizontal)->max() - Achse(g, Qt::Horizontal)->min(), tk::GraphCtrl::MIN_SPANNE);
    g->zoomen(997.0, 999.0);  // at the end: shifted inside the curve
    EXPECT_DOUBLE_EQ(g->bis(), 999.0);
    EXPECT_EQ(g->focusPolicy(), Qt::NoFocus) << "no Tab stop without a keyboard part";
}

TEST_F(PanelTest, AnzeigeUeberDerKurveVerschwindetBeimZuruecksetzen)
{
    DisplayPanel(h);
    QApplication::processEvents();
    std::vector<double> w(100, 100.0);
    PlotY(h, 12, w.data(), 100, 4, 6, 24, 0, 1, 0);
    tk::GraphCtrl *g = tk::graph(h, 12);
    const QPoint oben = g->chart()->plotArea().topRight().toPoint() + QPoint(-3, 3);
    QMouseEvent bewegung(QEvent::MouseMove, oben, g->viewport()->mapToGlobal(oben), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
    QApplication::sendEvent(g->viewport(), &bewegung);
    QLabel *anzeige = g->findChild<QLabel *>();
    ASSERT_TRUE(anzeige && anzeige->isVisible());
    EXPECT_LE(anzeige->geometry().bottom(), g->chart()->plotArea().top()) << "never over the curve";
    g->zoomen(10.0, 20.0);
    EXPECT_FALSE(anzeige->isVisible());
    QApplication::sendEvent(g->viewport(), &bewegung);
    g->ganzZeigen();
    EXPECT_FALSE(anzeige->isVisible()) << "it spoke of the old view";
}

TEST_F(PanelTest, MarkenUndGrafikAlsBild)
{
    DisplayPanel(h);
    QApplication::processEvents();
    double w[4] = {100, 100, 50, 0};
    PlotY(h, 12, w, 4, 4, 6, 24, 0, 1, 0);
    const int von[] = {0, 3}, bis[] = {1, 3}, oben[] = {1, 0};
    EXPECT_EQ(TK_GraphMarkieren(h, 12, von, bis, oben, 2), 0);
    tk::GraphCtrl *g = tk::graph(h, 12);
    ASSERT_EQ(g->marken().size(), 2u);
    EXPECT_TRUE(g->marken()[0].oben);
    EXPECT_EQ(g->marken()[1].von, 3);
    EXPECT_EQ(TK_GraphMarkieren(h, 12, nullptr, bis, oben, 1), TK_FEHLER_ARGUMENT);

    // Saved through the file dialog as PNG or, by its ending, as SVG.
    const std::string ordner = TestOrdner();
    for (const char *name : {"/g.png", "/g.svg"}) {
        DateiauswahlAntwort(ordner + name, 2);
        g->speichernFragen();
        const std::string bild = DateiLesen(ordner + name);
        EXPECT_EQ(bild.find(name[3] == 'p' ? "PNG" : "<svg"), name[3] == 'p' ? 1u : bild.find("<svg")) << name;
        EXPECT_FALSE(bild.empty()) << name;
    }
    EXPECT_NE(DateiLesen(ordner + "/g.svg").find("Spannung"), std::string::npos) << "the axes as shown";
    MeldungenLeeren();
    DateiauswahlAntwort(ordner + "/fehlt/g.png", 2);
    g->speichernFragen();
    ASSERT_EQ(gMeldungen.size(), 1u);
    EXPECT_EQ(gMeldungen[0].text, "Die Grafik konnte nicht gespeichert werden:\n" + ordner + "/fehlt/g.png");

    DeleteGraphPlot(h, 12, -1, 1);
    EXPECT_TRUE(g->marken().empty()) << "the marks belong to the curve";
}

TEST_F(PanelTest, MeldungenAlsKlartext)
{
    QString format;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box) {
            format = box->textFormat() == Qt::PlainText ? QStringLiteral("klar") : QStringLiteral("anders");
            box->accept();
        }
    });
    tk::meldungZeigen("Fehler", "<b>kein Markup</b>");
    EXPECT_EQ(format, QStringLiteral("klar"));
}

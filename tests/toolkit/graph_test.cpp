// The graph: its own copy, axes through the gains, drawing reduced to the
// pixels, zoom, readout, marks, saving as a picture, plain-text popups.
#include "graph_gui.h"
#include "intern_gui.h"
#include "panel_fixture.h"

#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QtTest/QTest>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

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
    EXPECT_DOUBLE_EQ(x->max(), 0.21);
    EXPECT_DOUBLE_EQ(y->max(), 10.0);
    EXPECT_EQ(x->tickType(), QValueAxis::TicksDynamic) << "ticks on round numbers";
    EXPECT_EQ(std::make_tuple(x->tickInterval(), x->labelFormat(), y->tickInterval()),
              std::make_tuple(0.05, QStringLiteral("%.2f"), 2.0));
    EXPECT_DOUBLE_EQ(g->gezeichnet()[0].y(), 5.0) << "drawn in volts, kept in percent";
    auto *serie = static_cast<QLineSeries *>(g->chart()->series().constFirst());
    EXPECT_EQ(serie->pen().color(), QColor(0, 153, 255));
    EXPECT_EQ(PlotY(h, 12, nullptr, 0, 4, 6, 24, 0, 1, 0), 2) << "an empty plot needs no data";
    EXPECT_EQ(PlotY(h, 12, nullptr, 1, 4, 6, 24, 0, 1, 0), TK_FEHLER_ARGUMENT);
    EXPECT_EQ(PlotY(h, 12, kopie, 3, 2, 6, 24, 0, 1, 0), TK_FEHLER_ARGUMENT) << "only doubles";
    EXPECT_EQ(DeleteGraphPlot(h, 12, plot, 1), 0);
    EXPECT_EQ(TK_AnzahlPlots(h, 12), 1);
    EXPECT_EQ(DeleteGraphPlot(h, 12, -1, 1) + g->chart()->series().size(), 0);
}

TEST_F(PanelTest, ReduziertOhneSpornUndZoomtMitMindestspanne)
{
    Zeigen();
    std::vector<double> werte(16360);
    for (size_t i = 0; i < werte.size(); ++i)
        werte[i] = static_cast<double>(i % 100);
    PlotY(h, 12, werte.data(), 16360, 4, 6, 24, 0, 1, 0);
    tk::GraphCtrl *g = tk::graph(h, 12);
    auto spalten = [g] { return std::max(50, static_cast<int>(g->chart()->plotArea().width())); };
    QList<QPointF> p = g->gezeichnet();
    EXPECT_LE(p.size(), 2 * spalten());
    auto [lo, hi] = std::minmax_element(p.begin(), p.end(), [](QPointF a, QPointF b) { return a.y() < b.y(); });
    EXPECT_EQ(std::make_pair(lo->y(), hi->y()), std::make_pair(0.0, 99.0)) << "each column's lowest and highest";
    EXPECT_EQ(p.front().x(), 0.0) << "from the first column on";

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
    QLabel *anzeige = g->findChild<QLabel *>();
    ASSERT_TRUE(anzeige && !anzeige->isVisible()) << "nothing to read before the mouse comes";
    QTest::mouseMove(g->viewport(), QPoint(1, 1));  // from outside: a move to where it stands is no move
    QTest::mouseMove(g->viewport(), oben);
    ASSERT_TRUE(anzeige->isVisible());
    EXPECT_TRUE(anzeige->text().endsWith(QStringLiteral(": 33.3333"))) << anzeige->text().toStdString();
    EXPECT_LT(anzeige->geometry().bottom(), g->chart()->plotArea().top()) << "never over the curve";
    g->ganzZeigen();
    EXPECT_FALSE(anzeige->isVisible()) << "it spoke of the old view";

    const int von[] = {0, 3}, bis[] = {1, 3}, obenAn[] = {1, 0};
    EXPECT_EQ(TK_GraphMarkieren(h, 12, von, bis, obenAn, 2), 0);
    ASSERT_EQ(g->marken().size(), 2u);
    EXPECT_TRUE(g->marken()[0].oben && g->marken()[1].von == 3);
    EXPECT_EQ(TK_GraphMarkieren(h, 12, nullptr, bis, obenAn, 1), TK_FEHLER_ARGUMENT);
    DeleteGraphPlot(h, 12, -1, 1);
    EXPECT_TRUE(g->marken().empty()) << "the marks belong to the curve";
}

TEST_F(PanelTest, GrafikAlsBildUndMeldungenAlsKlartext)
{
    Zeigen();
    double w[3] = {10, 90, 10};
    PlotY(h, 12, w, 3, 4, 6, 24, 0, 1, 0);
    tk::GraphCtrl *g = tk::graph(h, 12);
    const std::string ordner = TestOrdner();
    gDateiauswahl = {ordner + "/g.png", 2, {}};
    g->speichernFragen();
    EXPECT_EQ(DateiLesen(ordner + "/g.png").substr(1, 3), "PNG");
    gDateiauswahl.pfad = ordner + "/g.svg";  // by its ending
    g->speichernFragen();
    EXPECT_NE(DateiLesen(ordner + "/g.svg").find("Spannung [V]"), std::string::npos) << "the axes as shown";
    gDateiauswahl.pfad = ordner + "/fehlt/g.png";
    g->speichernFragen();
    EXPECT_EQ(MeldungenText(), "Fehler: Die Grafik konnte nicht gespeichert werden:\n" + ordner + "/fehlt/g.png\n");

    bool klartext = false;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        klartext = box && box->textFormat() == Qt::PlainText;
        if (box)
            box->accept();
    });
    tk::meldungZeigen("Fehler", "<b>kein Markup</b>");
    EXPECT_TRUE(klartext);
}

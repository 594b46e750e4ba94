#include "graph_gui.h"

#include "texte_gui.h"
#include "toolkit_gui.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QFile>
#include <QGraphicsLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QtCharts/QChart>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>
#include <cmath>

namespace tk {

namespace {

// Ticks from the core's round numbers, as many decimals as the span needs
// and no more labels than the axis has room for. Set before a range grows:
// the old interval over the new range could make thousands of tick labels.
void ticksSetzen(QValueAxis *a, double von, double bis, double zeichen)
{
    double schritt;
    int stellen;
    if (TK_GraphTicksPlatz(von, bis, zeichen, &schritt, &stellen) != 0)
        return;
    const QString format = QStringLiteral("%.") + QString::number(stellen) + QStringLiteral("f");
    if (a->tickInterval() == schritt && a->labelFormat() == format && a->tickAnchor() == 0.0)
        return;
    a->setTickAnchor(0.0);
    a->setTickInterval(schritt);
    a->setLabelFormat(format);
}

// Above the plot area, room for the readout, so that it never covers the curve.
const int RAND_OBEN = 18;
const int RAND_LINKS = 4, RAND_RECHTS = 8, RAND_UNTEN = 4;
const double SCHRIFT_PUNKTE = 8.0;       // axis labels and titles
const long MIN_SPALTEN = 50;             // columns the reduction assumes at the least
const double BAND_HOEHE = 5.0;           // marks of limited stretches
const QColor BAND_FARBE(217, 76, 26, 110);  // translucent orange, over white and the curve
const std::size_t PFAD_GROESSE = 4096;   // a picture's path
const std::size_t TEXT_RESERVE = 300;    // the words of a message around a path
const std::size_t ABLESUNG_GROESSE = 200; // the readout's text
const int BESCHREIBUNG_STELLEN = 4;      // significant digits a reader hears

}  // namespace

// The view owns the chart it is constructed with; a chart handed over later
// by setChart() would leave the first one without an owner.
GraphCtrl::GraphCtrl(QWidget *parent) : QChartView(new QChart(), parent)
{
    QChart *c = chart();
    c->legend()->hide();
    // Each marker a stretch of its line: plots told apart by their dashes too.
    c->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    c->setMargins(QMargins(RAND_LINKS, RAND_OBEN, RAND_RECHTS, RAND_UNTEN));
    c->setBackgroundRoundness(0);
    c->setBackgroundVisible(false);
    c->setPlotAreaBackgroundBrush(Qt::white);
    c->setPlotAreaBackgroundVisible(true);
    m_x = new QValueAxis(c);
    m_y = new QValueAxis(c);
    for (QValueAxis *a : {m_x, m_y}) {
        a->setTickType(QValueAxis::TicksDynamic);
        QFont f = a->labelsFont();
        f.setPointSizeF(SCHRIFT_PUNKTE);
        a->setLabelsFont(f);
        a->setTitleFont(f);
    }
    c->addAxis(m_x, Qt::AlignBottom);
    c->addAxis(m_y, Qt::AlignLeft);
    setRenderHint(QPainter::Antialiasing, false);
    setRubberBand(QChartView::RectangleRubberBand);
    viewport()->setMouseTracking(true);
    // Mouse only: zoom, readout and menu have no keyboard part, so the
    // graph is no Tab stop.
    setFocusPolicy(Qt::NoFocus);
    setToolTip(QString::fromUtf8(TK_TEXT_GRAFIK_TIPP));

    m_anzeige = new QLabel(this);
    m_anzeige->setStyleSheet(QStringLiteral("background: rgba(255,255,255,220); padding: 1px 4px;"));
    m_anzeige->hide();

    // A narrower plot area has room for fewer x labels, and needs its
    // points reduced to its own width (the axes' labels change it, not only
    // a resize).
    connect(c, &QChart::plotAreaChanged, this, [this] {
        if (!m_setzt && m_x->max() > m_x->min())
            ticksSetzen(m_x, m_x->min(), m_x->max(), xZeichen());
        if (spalten() != m_spalten && !m_punkteVeraltet) {
            m_punkteVeraltet = true;
            QMetaObject::invokeMethod(this, [this] {
                if (m_punkteVeraltet)
                    serienFuellen();
            }, Qt::QueuedConnection);
        }
    });
    connect(m_x, &QValueAxis::rangeChanged, this, &GraphCtrl::xBereichGeaendert);
    connect(m_y, &QValueAxis::rangeChanged, this, &GraphCtrl::yBereichGeaendert);
    achsenSetzen(true);
}

QString GraphCtrl::xTitel() const { return m_x->titleText(); }
QString GraphCtrl::yTitel() const { return m_y->titleText(); }
void GraphCtrl::setzeXTitel(const QString &t)
{
    m_x->setTitleText(t);
    beschreibungSetzen();
}

void GraphCtrl::setzeYTitel(const QString &t)
{
    m_y->setTitleText(t);
    beschreibungSetzen();
}

int GraphCtrl::plotHinzufuegen(const double *werte, int anzahl, QColor farbe, bool stufen, double x0, double dx,
                               Qt::PenStyle stil)
{
    auto *serie = new QLineSeries();
    QPen stift(farbe);
    stift.setStyle(stil);
    // One logical pixel, so that on a scaled screen the curve grows with the
    // grid instead of staying one device pixel thin; cosmetic, which the
    // painter draws without stroking a path.
    stift.setWidthF(devicePixelRatioF());
    stift.setCosmetic(true);
    stift.setCapStyle(Qt::FlatCap);
    serie->setPen(stift);
    chart()->addSeries(serie);
    serie->attachAxis(m_x);
    serie->attachAxis(m_y);
    m_plots.push_back({m_naechsterHandle, std::vector<double>(werte, werte + anzahl), serie, stufen, x0, dx});
    // The chart draws its series in the order they came: plain lines go
    // behind the step lines by moving those to the end.
    if (!stufen)
        for (Plot &p : m_plots)
            if (p.stufen) {
                chart()->removeSeries(p.serie);
                chart()->addSeries(p.serie);
                p.serie->attachAxis(m_x);
                p.serie->attachAxis(m_y);
            }
    legendeAnpassen();  // a new plot has no name yet
    m_anzeige->hide();  // it spoke of the previous curve
    // Where the shown stretch stays as it was, only the new plot needs its points.
    const double vonVorher = m_von, bisVorher = m_bis;
    const bool warGezoomt = m_gezoomt;
    m_gezoomt = false;
    achsenSetzen(false);
    if (!warGezoomt && m_von == vonVorher && m_bis == bisVorher && m_plots.size() > 1)
        serienFuellen(&m_plots.back());
    else
        serienFuellen();
    return m_naechsterHandle++;
}

bool GraphCtrl::plotBenennen(int plot, const QString &name)
{
    bool gefunden = false;
    for (Plot &p : m_plots)
        if (p.handle == plot) {
            p.serie->setName(name);
            gefunden = true;
        }
    legendeAnpassen();
    return gefunden;
}

// Only named plots have a marker; the legend shows while one has, and the
// plot area takes its room back when none has.
void GraphCtrl::legendeAnpassen()
{
    bool benannt = false;
    for (Plot &p : m_plots) {
        for (QLegendMarker *m : chart()->legend()->markers(p.serie))
            m->setVisible(!p.serie->name().isEmpty());
        benannt = benannt || !p.serie->name().isEmpty();
    }
    chart()->legend()->setVisible(benannt);
}

std::vector<GraphCtrl::Legendeneintrag> GraphCtrl::legende() const
{
    std::vector<Legendeneintrag> eintraege;
    for (const Plot &p : m_plots)
        if (!p.serie->name().isEmpty())
            eintraege.push_back({p.serie->name(), p.serie->pen().color(), p.serie->pen().style()});
    return eintraege;
}

bool GraphCtrl::plotLoeschen(int plot)
{
    auto weg = std::remove_if(m_plots.begin(), m_plots.end(), [&](const Plot &p) {
        if (plot != -1 && p.handle != plot)
            return false;
        chart()->removeSeries(p.serie);
        delete p.serie;
        return true;
    });
    bool gefunden = weg != m_plots.end();
    m_plots.erase(weg, m_plots.end());
    legendeAnpassen();
    if (plot == -1 && !m_marken.empty()) {
        m_marken.clear();
        viewport()->update();
    }
    return gefunden;
}

// The axes follow at once; the drawn points are refilled once the caller is
// done, since a new plot usually follows the gains and refills them anyway.
void GraphCtrl::setzeGain(bool xAchse, double gain)
{
    (xAchse ? m_xGain : m_yGain) = gain;
    achsenSetzen(false);
    if (m_punkteVeraltet)
        return;  // a refill is already on its way
    m_punkteVeraltet = true;
    QMetaObject::invokeMethod(this, [this] {
        if (m_punkteVeraltet)
            serienFuellen();
    }, Qt::QueuedConnection);
}

const std::vector<double> *GraphCtrl::werte(int i) const
{
    if (i < 0 || i >= anzahlPlots())
        return nullptr;
    return &m_plots[static_cast<size_t>(i)].werte;
}

double GraphCtrl::letztesX() const
{
    double x = 0.0;
    for (const Plot &p : m_plots)
        if (!p.werte.empty())
            x = std::max(x, p.x0 + static_cast<double>(p.werte.size() - 1) * p.dx);
    return x;
}

const std::vector<double> *GraphCtrl::hauptWerte() const
{
    const Plot *p = hauptPlot();
    return p ? &p->werte : nullptr;
}

const GraphCtrl::Plot *GraphCtrl::hauptPlot() const
{
    for (const Plot &p : m_plots)
        if (p.stufen)
            return &p;
    return nullptr;
}

void GraphCtrl::setzeMarken(std::vector<Marke> marken)
{
    m_marken = std::move(marken);
    viewport()->update();
}

void GraphCtrl::zoomenY(double von, double bis)
{
    const double mitte = (von + bis) / 2.0, spanne = std::max(std::fabs(bis - von), MIN_Y_SPANNE);
    m_yVon = mitte - spanne / 2.0;
    m_yBis = mitte + spanne / 2.0;
    m_gezoomt = true;
    m_anzeige->hide();
    achsenSetzen(true);
}

void GraphCtrl::ganzZeigen()
{
    m_gezoomt = false;
    m_anzeige->hide();  // it spoke of the old view
    achsenSetzen(true);
}

void GraphCtrl::zoomen(double von, double bis)
{
    const double n = letztesX();
    double spanne = std::max(std::fabs(bis - von), MIN_SPANNE);
    if (n > 0.0)
        spanne = std::min(spanne, n);
    double anfang = (von + bis) / 2.0 - spanne / 2.0;
    anfang = std::clamp(anfang, 0.0, std::max(0.0, n - spanne));
    m_von = anfang;
    m_bis = anfang + spanne;
    m_gezoomt = true;
    m_anzeige->hide();
    achsenSetzen(true);
}

QList<QPointF> GraphCtrl::gezeichnet() const
{
    const Plot *p = hauptPlot();
    return p ? p->serie->points() : QList<QPointF>();
}

// Sets both axes (x: the plotted index range or the zoomed stretch, y: 0 to
// 100 or the zoomed values, each read through its gain) and, if asked,
// refills the series to match.
void GraphCtrl::achsenSetzen(bool fuellen)
{
    if (!m_gezoomt) {
        m_von = 0.0;
        m_bis = m_plots.empty() ? 100.0 : std::max(1.0, letztesX());
        m_yVon = m_yGanzVon;
        m_yBis = m_yGanzBis;
    }
    auto setzen = [](QValueAxis *a, double von, double bis, double zeichen) {
        if (!(von < bis) && !(von > bis))
            bis = von + 1.0;
        ticksSetzen(a, std::min(von, bis), std::max(von, bis), zeichen);
        a->setRange(std::min(von, bis), std::max(von, bis));
    };
    m_setzt = true;
    setzen(m_x, m_von * m_xGain, m_bis * m_xGain, xZeichen());
    setzen(m_y, m_yVon * m_yGain, m_yBis * m_yGain, 0.0);
    m_setzt = false;
    beschreibungSetzen();
    if (fuellen)
        serienFuellen();
}

// The characters of the x labels' font that fit across the plot area.
double GraphCtrl::xZeichen() const
{
    const double ziffer = QFontMetricsF(m_x->labelsFont()).horizontalAdvance(QLatin1Char('0'));
    return ziffer > 0.0 ? chart()->plotArea().width() / ziffer : 0.0;
}

void GraphCtrl::xBereichGeaendert(qreal von, qreal bis)
{
    if (m_setzt || m_xGain == 0.0)
        return;
    // A zoom by the rubber band: draw the stretch at full detail, never
    // narrower than a few samples.
    zoomen(std::min(von, bis) / std::fabs(m_xGain), std::max(von, bis) / std::fabs(m_xGain));
}

void GraphCtrl::yBereichGeaendert(qreal von, qreal bis)
{
    if (m_setzt || m_yGain == 0.0)
        return;
    zoomenY(std::min(von, bis) / std::fabs(m_yGain), std::max(von, bis) / std::fabs(m_yGain));
}

// A reader hears the span the axes show, in their numbers to four
// digits: "Zeit 0 bis 0.2596 s, Spannung 0 bis 10 V" from the titles
// "Zeit [s]" and "Spannung [V]".
QString GraphCtrl::beschreibung() const
{
    auto spanne = [](const QValueAxis *a) {
        // "Zeit [s] wie exportiert": the unit goes after the numbers.
        QString titel = a->titleText(), einheit;
        const qsizetype klammer = titel.indexOf(QLatin1String(" [")), zu = titel.indexOf(QLatin1Char(']'), klammer);
        if (klammer >= 0 && zu > klammer) {
            einheit = QLatin1Char(' ') + titel.mid(klammer + 2, zu - klammer - 2);
            titel.remove(klammer, zu - klammer + 1);
        }
        return QString::fromUtf8(TK_TEXT_SPANNE).arg(titel, QString::number(a->min(), 'g', BESCHREIBUNG_STELLEN),
                                                      QString::number(a->max(), 'g', BESCHREIBUNG_STELLEN), einheit);
    };
    return spanne(m_x) + QStringLiteral(", ") + spanne(m_y);
}

// Announced once the program is done: a commit sets both gains and the
// plots, each of which moves the axes.
void GraphCtrl::beschreibungSetzen()
{
    if (m_ansageFaellig)
        return;
    m_ansageFaellig = true;
    QMetaObject::invokeMethod(this, [this] {
        m_ansageFaellig = false;
        const QString text = beschreibung();
        if (text == m_angesagt)
            return;
        m_angesagt = text;
        QAccessibleEvent e(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&e);
        emit angesagt();
    }, Qt::QueuedConnection);
}

// A column for each device pixel, rounded up so that columns are never
// more than a pixel apart.
long GraphCtrl::spalten() const
{
    return std::max(MIN_SPALTEN, static_cast<long>(std::ceil(devicePixelRatioF() * chart()->plotArea().width())));
}

// Refills the drawn points from the core's reduction of the shown stretch,
// read through the gains.
void GraphCtrl::serienFuellen(Plot *nur)
{
    if (!nur)
        m_punkteVeraltet = false;
    const long spalten = this->spalten();
    m_spalten = spalten;
    // Room for the most a reduction gives: two points a sample where there
    // are at most two samples a column.
    static std::vector<TK_Punkt> punkte;
    punkte.resize(static_cast<std::size_t>(4 * spalten + 4));
    for (Plot &p : m_plots) {
        if (nur && &p != nur)
            continue;
        const long n = static_cast<long>(p.werte.size());
        const double von = (m_von - p.x0) / p.dx, bis = (m_bis - p.x0) / p.dx;
        const long anzahl = std::min(static_cast<long>(punkte.size()),
                                     TK_GraphPunkte(p.werte.data(), n, von, bis, spalten, p.stufen, punkte.data(),
                                                    static_cast<long>(punkte.size())));
        QList<QPointF> liste;
        liste.reserve(anzahl);
        for (long i = 0; i < anzahl; ++i)
            liste.append(QPointF((p.x0 + punkte[static_cast<std::size_t>(i)].x * p.dx) * m_xGain,
                                 punkte[static_cast<std::size_t>(i)].y * m_yGain));
        p.serie->replace(liste);
    }
}

void GraphCtrl::resizeEvent(QResizeEvent *e)
{
    QChartView::resizeEvent(e);
    serienFuellen();
}

void GraphCtrl::mouseMoveEvent(QMouseEvent *e)
{
    QChartView::mouseMoveEvent(e);
    const Plot *p = hauptPlot();
    if (!p || p->werte.empty() || m_xGain == 0.0 || !chart()->plotArea().contains(e->position())) {
        m_anzeige->hide();
        return;
    }
    // The sample whose step the cursor is over.
    const QPointF wert = chart()->mapToValue(e->position());
    long i = static_cast<long>(std::floor((wert.x() / m_xGain - p->x0) / p->dx));
    i = std::clamp(i, 0L, static_cast<long>(p->werte.size()) - 1);
    char text[ABLESUNG_GROESSE] = "";
    if (m_ablesung)
        m_ablesung(static_cast<int>(i), text, sizeof text);
    m_anzeige->setText(m_ablesung ? QString::fromUtf8(text)
                                  : QStringLiteral("%1: %2    %3: %4")
                                        .arg(xTitel(), QString::number((p->x0 + i * p->dx) * m_xGain, 'g', 6), yTitel(),
                                             QString::number(p->werte[static_cast<size_t>(i)] * m_yGain, 'g', 6)));
    m_anzeige->adjustSize();
    QRectF flaeche = chart()->plotArea();
    m_anzeige->move(static_cast<int>(flaeche.right()) - m_anzeige->width(),
                    std::max(0, static_cast<int>(flaeche.top()) - m_anzeige->height() - 1));
    m_anzeige->show();
}

void GraphCtrl::mouseReleaseEvent(QMouseEvent *e)
{
    // The right button opens the menu; Qt Charts would zoom out on it.
    if (e->button() == Qt::RightButton) {
        e->accept();
        return;
    }
    QChartView::mouseReleaseEvent(e);
}

void GraphCtrl::mouseDoubleClickEvent(QMouseEvent *e)
{
    ganzZeigen();
    e->accept();
}

void GraphCtrl::contextMenuEvent(QContextMenuEvent *e)
{
    QMenu menue(this);
    QAction *ganz = menue.addAction(QString::fromUtf8(TK_TEXT_GANZE_KURVE), this, &GraphCtrl::ganzZeigen);
    ganz->setEnabled(m_gezoomt);
    menue.addAction(QString::fromUtf8(TK_TEXT_GRAFIK_SPEICHERN) + QStringLiteral(" \u2026"), this, &GraphCtrl::speichernFragen);
    menue.exec(e->globalPos());
}

// The program's report picture where it gave one; else the graph's own,
// titled with its window's title.
void GraphCtrl::speichernFragen()
{
    m_anzeige->hide();
    if (m_speichern) {
        m_speichern();
        return;
    }
    char pfad[PFAD_GROESSE];
    if (FileSelectPopup("", "*.png", TK_TEXT_BILDFILTER, TK_TEXT_GRAFIK_SPEICHERN, TK_KNOPF_SPEICHERN, 0, 0, 1, 1,
                        pfad, sizeof pfad) <= 0)
        return;
    char grund[TEXT_RESERVE];
    if (berichtSchreiben(this, window()->windowTitle(), QString(), pfad, grund, sizeof grund) != 0) {
        char text[PFAD_GROESSE + 2 * TEXT_RESERVE];
        TK_TextKopieren(text, sizeof text, TK_TEXT_GRAFIK_FEHLER);
        TK_TextAnhaengen(text, sizeof text, pfad);
        TK_TextAnhaengen(text, sizeof text, "\n");
        TK_TextAnhaengen(text, sizeof text, grund);
        MessagePopup(TK_TEXT_FEHLER, text);
    }
}

// Marks run along the edge they belong to, inside the plot area, under
// the line at 100 % or above the line at 0 %, in a translucent band.
void GraphCtrl::drawForeground(QPainter *maler, const QRectF &rect)
{
    QChartView::drawForeground(maler, rect);
    markenZeichnen(maler);
}

void GraphCtrl::markenZeichnen(QPainter *maler)
{
    if (m_marken.empty())
        return;
    const QRectF flaeche = chart()->plotArea();
    maler->save();
    maler->setPen(Qt::NoPen);
    maler->setBrush(BAND_FARBE);
    QAbstractSeries *serie = hauptPlot() ? hauptPlot()->serie : nullptr;
    for (const Marke &m : m_marken) {
        // Sample i of the step line spans [i, i + 1).
        const double a = chart()->mapToPosition(QPointF(m.von * m_xGain, 0.0), serie).x();
        const double b = chart()->mapToPosition(QPointF((m.bis + 1) * m_xGain, 0.0), serie).x();
        const double x0 = std::clamp(std::min(a, b), flaeche.left(), flaeche.right());
        const double x1 = std::clamp(std::max(a, b), flaeche.left(), flaeche.right());
        if (x1 <= x0)
            continue;
        const double y = m.oben ? flaeche.top() + 1.0 : flaeche.bottom() - 1.0 - BAND_HOEHE;
        maler->drawRect(QRectF(x0, y, x1 - x0, BAND_HOEHE));
    }
    maler->restore();
}

// The chart laid out at the page's size for the picture, whatever the
// window's, then back as it was; the legend goes below the picture's graph.
void GraphCtrl::seiteZeichnen(QPainter *maler, const QSizeF &groesse)
{
    QChart *c = chart();
    const QRectF vorher = c->geometry();
    const bool legende = c->legend()->isVisible();
    auto auslegen = [&](const QRectF &r) {
        c->setGeometry(r);
        c->layout()->activate();
        serienFuellen();
    };
    c->legend()->setVisible(false);
    auslegen(QRectF(vorher.topLeft(), groesse));
    // Axes, grid and labels from the scene; the curves drawn here, cut at
    // the plot area point by point, since not every format keeps a clip
    // (an SVG drew the ideal sine over the labels).
    for (Plot &p : m_plots)
        p.serie->setVisible(false);
    scene()->render(maler, QRectF(QPointF(0, 0), groesse), QRectF(vorher.topLeft(), groesse));
    for (Plot &p : m_plots)
        p.serie->setVisible(true);
    maler->save();
    maler->translate(-vorher.topLeft());
    for (const Plot *p : zeichenfolge())
        kurveZeichnen(maler, *p);
    markenZeichnen(maler);
    maler->restore();
    c->legend()->setVisible(legende);
    auslegen(vorher);
}

// The order in which the chart draws them: plain lines behind step lines.
std::vector<const GraphCtrl::Plot *> GraphCtrl::zeichenfolge() const
{
    std::vector<const Plot *> folge;
    for (bool stufen : {false, true})
        for (const Plot &p : m_plots)
            if (p.stufen == stufen)
                folge.push_back(&p);
    return folge;
}

void GraphCtrl::kurveZeichnen(QPainter *maler, const Plot &p)
{
    const QRectF flaeche = chart()->plotArea();
    const QList<QPointF> punkte = p.serie->points();
    QPen stift = p.serie->pen();
    stift.setWidthF(1.0);  // one unit of the page
    maler->setPen(stift);
    maler->setBrush(Qt::NoBrush);
    QPolygonF zug;
    auto absetzen = [&] {
        if (zug.size() > 1)
            maler->drawPolyline(zug);
        zug.clear();
    };
    for (qsizetype i = 0; i + 1 < punkte.size(); ++i) {
        QPointF a = chart()->mapToPosition(punkte[i], p.serie), b = chart()->mapToPosition(punkte[i + 1], p.serie);
        if (!streckeBeschneiden(flaeche, &a, &b)) {
            absetzen();
            continue;
        }
        if (!zug.isEmpty() && zug.back() != a)
            absetzen();
        if (zug.isEmpty())
            zug << a;
        zug << b;
    }
    absetzen();
}

// Liang-Barsky: cuts the segment from *a to *b to the rectangle; false where none of it lies inside.
bool GraphCtrl::streckeBeschneiden(const QRectF &r, QPointF *a, QPointF *b)
{
    const double dx = b->x() - a->x(), dy = b->y() - a->y();
    double t0 = 0.0, t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a->x() - r.left(), r.right() - a->x(), a->y() - r.top(), r.bottom() - a->y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF start = *a;
    *a = start + QPointF(dx, dy) * t0;
    *b = start + QPointF(dx, dy) * t1;
    return true;
}

void GraphCtrl::leaveEvent(QEvent *e)
{
    m_anzeige->hide();
    QChartView::leaveEvent(e);
}

}  // namespace tk

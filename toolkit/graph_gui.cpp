#include "graph_gui.h"

#include "toolkit_gui.h"

#include <QContextMenuEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgGenerator>
#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>
#include <cmath>

namespace tk {

namespace {

// Ticks on round numbers (1, 2 or 5 times a power of ten), about five of
// them. Set before a range grows: the old interval over the new range could
// make thousands of tick labels.
void ticksSetzen(QValueAxis *a, double spanne)
{
    if (!(spanne > 0.0) || !std::isfinite(spanne))
        return;
    double roh = spanne / 5.0;
    double zehner = std::pow(10.0, std::floor(std::log10(roh)));
    double schritt = zehner * (roh / zehner < 1.5 ? 1.0 : roh / zehner < 3.5 ? 2.0 : roh / zehner < 7.5 ? 5.0 : 10.0);
    a->setTickAnchor(0.0);
    a->setTickInterval(schritt);
    // As many decimals as the step needs: 0.05, 2e-05 as 0.00002, 3600 as 3600.
    int stellen = std::clamp(static_cast<int>(std::ceil(-std::log10(schritt) - 1e-9)), 0, 9);
    a->setLabelFormat(QStringLiteral("%.") + QString::number(stellen) + QStringLiteral("f"));
}

// Appends a point unless it repeats the last one: a zero-length segment
// would leave a stray pixel below the line.
void anhaengen(QList<QPointF> &punkte, QPointF p)
{
    if (punkte.isEmpty() || punkte.constLast() != p)
        punkte.append(p);
}

// Above the plot area, room for the readout, so that it never covers the curve.
const int RAND_OBEN = 18;

}  // namespace

// The view owns the chart it is constructed with; a chart handed over later
// by setChart() would leave the first one without an owner.
GraphCtrl::GraphCtrl(QWidget *parent) : QChartView(new QChart(), parent)
{
    QChart *c = chart();
    c->legend()->hide();
    c->setMargins(QMargins(4, RAND_OBEN, 8, 4));
    c->setBackgroundRoundness(0);
    c->setBackgroundVisible(false);
    c->setPlotAreaBackgroundBrush(Qt::white);
    c->setPlotAreaBackgroundVisible(true);
    m_x = new QValueAxis(c);
    m_y = new QValueAxis(c);
    for (QValueAxis *a : {m_x, m_y}) {
        a->setTickType(QValueAxis::TicksDynamic);
        QFont f = a->labelsFont();
        f.setPointSizeF(8);
        a->setLabelsFont(f);
        a->setTitleFont(f);
    }
    c->addAxis(m_x, Qt::AlignBottom);
    c->addAxis(m_y, Qt::AlignLeft);
    setRenderHint(QPainter::Antialiasing, false);
    setRubberBand(QChartView::HorizontalRubberBand);
    viewport()->setMouseTracking(true);
    // Mouse only: zoom, readout and menu have no keyboard part, so the
    // graph is no Tab stop.
    setFocusPolicy(Qt::NoFocus);
    setToolTip(tr("Ziehen: Ausschnitt vergrößern \u2013 Doppelklick: ganze Kurve \u2013 Rechtsklick: Menü"));

    m_anzeige = new QLabel(this);
    m_anzeige->setStyleSheet(QStringLiteral("background: rgba(255,255,255,220); padding: 1px 4px;"));
    m_anzeige->hide();

    connect(m_x, &QValueAxis::rangeChanged, this, &GraphCtrl::xBereichGeaendert);
    achsenSetzen(true);
}

QString GraphCtrl::xTitel() const { return m_x->titleText(); }
QString GraphCtrl::yTitel() const { return m_y->titleText(); }
void GraphCtrl::setzeXTitel(const QString &t) { m_x->setTitleText(t); }
void GraphCtrl::setzeYTitel(const QString &t) { m_y->setTitleText(t); }

int GraphCtrl::plotHinzufuegen(const double *werte, int anzahl, QColor farbe)
{
    auto *serie = new QLineSeries();
    QPen stift(farbe);
    stift.setWidth(1);
    stift.setCosmetic(true);
    stift.setCapStyle(Qt::FlatCap);
    serie->setPen(stift);
    chart()->addSeries(serie);
    serie->attachAxis(m_x);
    serie->attachAxis(m_y);
    m_plots.push_back({m_naechsterHandle, std::vector<double>(werte, werte + anzahl), serie});
    m_anzeige->hide();  // it spoke of the previous curve
    m_gezoomt = false;
    achsenSetzen(true);
    return m_naechsterHandle++;
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

long GraphCtrl::letzterIndex() const
{
    long n = 0;
    for (const Plot &p : m_plots)
        n = std::max(n, static_cast<long>(p.werte.size()) - 1);
    return n;
}

void GraphCtrl::setzeMarken(std::vector<Marke> marken)
{
    m_marken = std::move(marken);
    viewport()->update();
}

void GraphCtrl::ganzZeigen()
{
    m_gezoomt = false;
    m_anzeige->hide();  // it spoke of the old view
    achsenSetzen(true);
}

void GraphCtrl::zoomen(double von, double bis)
{
    const double n = static_cast<double>(letzterIndex());
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
    return m_plots.empty() ? QList<QPointF>() : m_plots.front().serie->points();
}

// Sets both axes (x: the plotted index range or the zoomed stretch, y: 0 to
// 100, each read through its gain) and, if asked, refills the series to match.
void GraphCtrl::achsenSetzen(bool fuellen)
{
    if (!m_gezoomt) {
        m_von = 0.0;
        m_bis = m_plots.empty() ? 100.0 : std::max(1.0, static_cast<double>(letzterIndex()));
    }
    auto setzen = [](QValueAxis *a, double von, double bis) {
        if (!(von < bis) && !(von > bis))
            bis = von + 1.0;
        ticksSetzen(a, std::fabs(bis - von));
        a->setRange(std::min(von, bis), std::max(von, bis));
    };
    m_setzt = true;
    setzen(m_x, m_von * m_xGain, m_bis * m_xGain);
    setzen(m_y, 0.0, 100.0 * m_yGain);
    m_setzt = false;
    if (fuellen)
        serienFuellen();
}

void GraphCtrl::xBereichGeaendert(qreal von, qreal bis)
{
    if (m_setzt || m_xGain == 0.0)
        return;
    // A zoom by the rubber band: draw the stretch at full detail, never
    // narrower than a few samples.
    zoomen(std::min(von, bis) / std::fabs(m_xGain), std::max(von, bis) / std::fabs(m_xGain));
}

// Builds the drawn points: a step line through every sample of the shown
// stretch, or, where there are more samples than pixel columns, the minimum
// and maximum of each column, so the cost follows the width, not the count.
void GraphCtrl::serienFuellen()
{
    m_punkteVeraltet = false;
    const long spalten = std::max(50L, static_cast<long>(chart()->plotArea().width()));
    for (Plot &p : m_plots) {
        const long n = static_cast<long>(p.werte.size());
        QList<QPointF> punkte;
        if (n > 0) {
            long i0 = std::clamp(static_cast<long>(std::floor(m_von)), 0L, n - 1);
            long i1 = std::clamp(static_cast<long>(std::ceil(m_bis)), i0, n - 1);
            long anzahl = i1 - i0 + 1;
            const double *w = p.werte.data();
            if (anzahl <= 2 * spalten) {
                punkte.reserve(2 * anzahl);
                for (long i = i0; i <= i1; ++i) {
                    anhaengen(punkte, QPointF(i * m_xGain, w[i] * m_yGain));
                    if (i < i1)
                        anhaengen(punkte, QPointF((i + 1) * m_xGain, w[i] * m_yGain));
                }
            } else {
                punkte.reserve(2 * spalten);
                for (long c = 0; c < spalten; ++c) {
                    long s = i0 + c * anzahl / spalten;
                    long e = i0 + (c + 1) * anzahl / spalten;
                    long iMin = s, iMax = s;
                    for (long i = s + 1; i < e; ++i) {
                        if (w[i] < w[iMin])
                            iMin = i;
                        if (w[i] > w[iMax])
                            iMax = i;
                    }
                    double x = s * m_xGain;
                    long a = std::min(iMin, iMax), b = std::max(iMin, iMax);
                    anhaengen(punkte, QPointF(x, w[a] * m_yGain));
                    anhaengen(punkte, QPointF(x, w[b] * m_yGain));
                }
            }
        }
        p.serie->replace(punkte);
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
    const std::vector<double> *w = werte(0);
    if (!w || w->empty() || m_xGain == 0.0 || !chart()->plotArea().contains(e->position())) {
        m_anzeige->hide();
        return;
    }
    QPointF wert = chart()->mapToValue(e->position());
    long i = std::lround(wert.x() / m_xGain);
    i = std::clamp(i, 0L, static_cast<long>(w->size()) - 1);
    m_anzeige->setText(QStringLiteral("%1: %2    %3: %4")
                           .arg(xTitel(), QString::number(i * m_xGain, 'g', 6), yTitel(),
                                QString::number((*w)[static_cast<size_t>(i)] * m_yGain, 'g', 6)));
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
    QAction *ganz = menue.addAction(tr("Ganze Kurve"), this, &GraphCtrl::ganzZeigen);
    ganz->setEnabled(m_gezoomt);
    menue.addAction(tr("Grafik speichern \u2026"), this, &GraphCtrl::speichernFragen);
    menue.exec(e->globalPos());
}

bool GraphCtrl::speichern(const QString &pfad)
{
    m_anzeige->hide();
    if (pfad.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setFileName(pfad);
        svg.setSize(size());
        svg.setViewBox(rect());
        svg.setTitle(QStringLiteral("WLR7-Dovarizuz"));
        QPainter maler;
        if (!maler.begin(&svg))
            return false;
        render(&maler);
        return maler.end() && QFile(pfad).size() > 0;
    }
    return grab().save(pfad, "PNG");
}

void GraphCtrl::speichernFragen()
{
    char pfad[4096];
    if (FileSelectPopup("", "*.png", "*.png;*.svg", "Grafik speichern", 1, 0, 0, 1, 1, pfad, sizeof pfad) <= 0)
        return;
    if (!speichern(QFile::decodeName(pfad))) {
        char text[4200];
        TK_TextKopieren(text, sizeof text, "Die Grafik konnte nicht gespeichert werden:\n");
        TK_TextAnhaengen(text, sizeof text, pfad);
        MessagePopup("Fehler", text);
    }
}

// Marks run along the edge they belong to, inside the plot area, under
// the line at 100 % or above the line at 0 %, in a translucent band.
void GraphCtrl::drawForeground(QPainter *maler, const QRectF &rect)
{
    QChartView::drawForeground(maler, rect);
    if (m_marken.empty())
        return;
    const QRectF flaeche = chart()->plotArea();
    const double band = 5.0;
    maler->save();
    maler->setPen(Qt::NoPen);
    maler->setBrush(QColor(217, 76, 26, 110));
    QAbstractSeries *serie = m_plots.empty() ? nullptr : m_plots[0].serie;
    for (const Marke &m : m_marken) {
        // Sample i of the step line spans [i, i + 1).
        const double a = chart()->mapToPosition(QPointF(m.von * m_xGain, 0.0), serie).x();
        const double b = chart()->mapToPosition(QPointF((m.bis + 1) * m_xGain, 0.0), serie).x();
        const double x0 = std::clamp(std::min(a, b), flaeche.left(), flaeche.right());
        const double x1 = std::clamp(std::max(a, b), flaeche.left(), flaeche.right());
        if (x1 <= x0)
            continue;
        const double y = m.oben ? flaeche.top() + 1.0 : flaeche.bottom() - 1.0 - band;
        maler->drawRect(QRectF(x0, y, x1 - x0, band));
    }
    maler->restore();
}

void GraphCtrl::leaveEvent(QEvent *e)
{
    m_anzeige->hide();
    QChartView::leaveEvent(e);
}

}  // namespace tk

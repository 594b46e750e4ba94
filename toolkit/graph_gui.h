// Graph control on Qt Charts: keeps its own copy of every plot, draws a thin
// step line reduced to what the pixels can show, reads its axes through
// the gains, shows the value under the cursor above the plot area, zooms
// into a stretch, marks stretches along the top or bottom edge, and saves
// itself as a picture.
#ifndef TOOLKIT_GRAPH_GUI_H
#define TOOLKIT_GRAPH_GUI_H

#include <QtCharts/QChartView>
#include <vector>

QT_BEGIN_NAMESPACE
class QLabel;
class QLineSeries;
class QValueAxis;
QT_END_NAMESPACE

namespace tk {

class GraphCtrl : public QChartView {
    Q_OBJECT
    // Axis titles, set in the panel form.
    Q_PROPERTY(QString xTitel READ xTitel WRITE setzeXTitel)
    Q_PROPERTY(QString yTitel READ yTitel WRITE setzeYTitel)

public:
    /// A stretch of plotted indices marked along the top or bottom edge.
    struct Marke {
        long von, bis;
        bool oben;
    };

    explicit GraphCtrl(QWidget *parent = nullptr);

    int plotHinzufuegen(const double *werte, int anzahl, QColor farbe);
    /// Removes one plot by handle, or every plot (and every mark) for -1;
    /// false if none matched.
    bool plotLoeschen(int plot);
    void setzeGain(bool xAchse, double gain);
    double gain(bool xAchse) const { return xAchse ? m_xGain : m_yGain; }
    int anzahlPlots() const { return static_cast<int>(m_plots.size()); }
    const std::vector<double> *werte(int i) const;
    void setzeMarken(std::vector<Marke> marken);
    const std::vector<Marke> &marken() const { return m_marken; }

    QString xTitel() const;
    QString yTitel() const;
    void setzeXTitel(const QString &t);
    void setzeYTitel(const QString &t);

    /// Shows the whole curve again after a zoom.
    void ganzZeigen();
    /// Shows the stretch of indices [von, bis], at least MIN_SPANNE wide.
    void zoomen(double von, double bis);
    double von() const { return m_von; }
    double bis() const { return m_bis; }
    /// The drawn points of the first plot (what the pixels show).
    QList<QPointF> gezeichnet() const;
    /// Writes the graph as shown to a PNG or (by the ending .svg) SVG file.
    bool speichern(const QString &pfad);
    /// Asks for a file and saves the graph there ("Grafik speichern …").
    void speichernFragen();

    static constexpr double MIN_SPANNE = 4.0;  // fewest samples a zoom shows

protected:
    void resizeEvent(QResizeEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void contextMenuEvent(QContextMenuEvent *e) override;
    void leaveEvent(QEvent *e) override;
    void drawForeground(QPainter *painter, const QRectF &rect) override;

private:
    struct Plot {
        int handle;
        std::vector<double> werte;
        QLineSeries *serie;
    };

    void achsenSetzen(bool fuellen);
    void serienFuellen();
    void xBereichGeaendert(qreal von, qreal bis);
    long letzterIndex() const;

    std::vector<Plot> m_plots;
    std::vector<Marke> m_marken;
    QValueAxis *m_x;
    QValueAxis *m_y;
    QLabel *m_anzeige;
    double m_xGain = 1.0;
    double m_yGain = 1.0;
    double m_von = 0.0;  // shown index range
    double m_bis = 1.0;
    bool m_gezoomt = false;
    bool m_setzt = false;  // the graph itself is moving the axes
    bool m_punkteVeraltet = false;
    int m_naechsterHandle = 1;
};

}  // namespace tk

#endif

// Graph control on Qt Charts: keeps its own copy of every plot, draws a thin
// step line reduced to what the pixels can show, reads its axes through
// the gains, shows the value under the cursor above the plot area, zooms
// into a stretch, marks stretches along the top or bottom edge, and saves
// itself as a picture.
#ifndef TOOLKIT_GRAPH_GUI_H
#define TOOLKIT_GRAPH_GUI_H

#include "toolkit_gui.h"

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

    /// Adds a plot: a step line over x = x0, x0 + dx, ... (@p stufen), or a
    /// plain line through the points, which is drawn behind the step lines;
    /// @p stil tells plots of near colours apart (and without colour).
    int plotHinzufuegen(const double *werte, int anzahl, QColor farbe, bool stufen = true, double x0 = 0.0,
                        double dx = 1.0, Qt::PenStyle stil = Qt::SolidLine);
    /// Names a plot in the legend, which shows while a plot has a name.
    bool plotBenennen(int plot, const QString &name);
    /// Removes one plot by handle, or every plot (and every mark) for -1;
    /// false if none matched.
    bool plotLoeschen(int plot);
    void setzeGain(bool xAchse, double gain);
    /// The values (before the y gain) the whole view shows, 0 to 100 at first.
    void setzeYBereich(double von, double bis)
    {
        if (von == m_yGanzVon && bis == m_yGanzBis)
            return;  // every redraw sets it: only a change lays the plots out anew
        m_yGanzVon = von;
        m_yGanzBis = bis;
        achsenSetzen(true);
    }
    double gain(bool xAchse) const { return xAchse ? m_xGain : m_yGain; }
    int anzahlPlots() const { return static_cast<int>(m_plots.size()); }
    const std::vector<double> *werte(int i) const;
    /// The values of the first step line, which the readout and marks follow.
    const std::vector<double> *hauptWerte() const;
    void setzeMarken(std::vector<Marke> marken);
    /// What the readout says of a sample of the first step line; null: x and y.
    void setzeAblesung(TK_Ablesung ablesung) { m_ablesung = ablesung; }
    const std::vector<Marke> &marken() const { return m_marken; }

    /// What a screen reader hears of it: the span of both axes.
    QString beschreibung() const;

    QString xTitel() const;
    QString yTitel() const;
    void setzeXTitel(const QString &t);
    void setzeYTitel(const QString &t);

    /// Shows the whole curve again after a zoom.
    void ganzZeigen();
    /// Shows the stretch of indices [von, bis], at least MIN_SPANNE wide.
    void zoomen(double von, double bis);
    /// Shows the values [von, bis] (before the y gain), at least MIN_Y_SPANNE wide.
    void zoomenY(double von, double bis);
    double von() const { return m_von; }
    double bis() const { return m_bis; }
    double yVon() const { return m_yVon; }
    double yBis() const { return m_yBis; }
    /// The drawn points of the first plot (what the pixels show).
    QList<QPointF> gezeichnet() const;
    /// "Grafik speichern …" of its menu: the program's own action, or
    /// (null) a dialog and the report picture without texts below.
    void setzeSpeichern(void (*speichern)(void)) { m_speichern = speichern; }
    void speichernFragen();

    /// A named plot as the legend shows it.
    struct Legendeneintrag {
        QString name;
        QColor farbe;
        Qt::PenStyle stil;
    };
    std::vector<Legendeneintrag> legende() const;
    /// Draws the graph laid out at @p groesse, from the painter's origin.
    void seiteZeichnen(QPainter *maler, const QSizeF &groesse);

    static constexpr double MIN_SPANNE = 4.0;  // fewest samples a zoom shows
    static constexpr double MIN_Y_SPANNE = 0.04;  // four steps of the two decimals plotted values keep

signals:
    /// A screen reader was told of a new description.
    void angesagt();

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
        bool stufen;
        double x0, dx;
    };

    void achsenSetzen(bool fuellen);
    void serienFuellen(Plot *nur = nullptr);
    void xBereichGeaendert(qreal von, qreal bis);
    void yBereichGeaendert(qreal von, qreal bis);
    void beschreibungSetzen();
    void legendeAnpassen();
    void markenZeichnen(QPainter *maler);
    double xZeichen() const;
    long spalten() const;
    const Plot *hauptPlot() const;
    std::vector<const Plot *> zeichenfolge() const;
    void kurveZeichnen(QPainter *maler, const Plot &p);
    static bool streckeBeschneiden(const QRectF &r, QPointF *a, QPointF *b);
    double letztesX() const;

    std::vector<Plot> m_plots;
    std::vector<Marke> m_marken;
    QValueAxis *m_x;
    QValueAxis *m_y;
    QLabel *m_anzeige;
    double m_xGain = 1.0;
    double m_yGain = 1.0;
    double m_von = 0.0;  // shown index range
    double m_bis = 1.0;
    double m_yVon = 0.0;  // shown values, before the y gain
    double m_yBis = 100.0;
    double m_yGanzVon = 0.0;  // the values the whole view shows
    double m_yGanzBis = 100.0;
    TK_Ablesung m_ablesung = nullptr;
    void (*m_speichern)(void) = nullptr;
    bool m_gezoomt = false;
    bool m_setzt = false;  // the graph itself is moving the axes
    bool m_punkteVeraltet = false;
    long m_spalten = 0;  // the columns the drawn points were reduced to
    bool m_ansageFaellig = false;  // a change of the description is to be announced
    QString m_angesagt;
    int m_naechsterHandle = 1;
};

/**
 * Writes the report picture of @p g to @p pfad in the format its ending
 * names: the title line, the graph at a fixed page shape, the text lines
 * below it and the legend of the named plots. Returns 0, or a negative code
 * with the German reason in @p grund.
 */
int berichtSchreiben(GraphCtrl *g, const QString &titel, const QString &text, const char *pfad, char *grund,
                     std::size_t groesse);

}  // namespace tk

#endif

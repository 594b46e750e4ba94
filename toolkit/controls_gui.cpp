// Control values, rings and the graph's operations.
#include "graph_gui.h"
#include "intern_gui.h"
#include "numeric_gui.h"
#include "text_gui.h"

#include <QComboBox>
#include <cmath>
#include <QLabel>

namespace {

const QString WARNZEICHEN = QStringLiteral("\u26a0 ");
const int HALBE_HELLIGKEIT = 128;
const QColor WARNFARBE_AUF_HELL(166, 77, 0);
const QColor WARNFARBE_AUF_DUNKEL(255, 179, 71);

QComboBox *ring(int panel, int control) { return qobject_cast<QComboBox *>(tk::control(panel, control)); }

int fehlendesControl(int panel)
{
    return tk::panel(panel) ? TK_FEHLER_CONTROL : TK_FEHLER_HANDLE;
}

}  // namespace

int GetCtrlVal(int panel, int control, double *value)
{
    tk::NumericCtrl *n = tk::numerisch(panel, control);
    if (!n)
        return fehlendesControl(panel);
    if (!value)
        return TK_FEHLER_ARGUMENT;
    *value = n->wert();
    return 0;
}

int GetCtrlVal(int panel, int control, int *value)
{
    QComboBox *r = ring(panel, control);
    if (!r)
        return fehlendesControl(panel);
    if (!value || r->currentIndex() < 0)
        return TK_FEHLER_ARGUMENT;
    *value = r->currentData().toInt();
    return 0;
}

int SetCtrlVal(int panel, int control, double value)
{
    tk::NumericCtrl *n = tk::numerisch(panel, control);
    if (!n)
        return fehlendesControl(panel);
    n->setzeWert(value);
    return 0;
}

int SetCtrlVal(int panel, int control, int value)
{
    QComboBox *r = ring(panel, control);
    if (!r)
        return fehlendesControl(panel);
    int i = r->findData(value);
    if (i < 0)
        return TK_FEHLER_ARGUMENT;
    r->setCurrentIndex(i);
    return 0;
}

int SetCtrlVal(int panel, int control, const char *value)
{
    auto *l = qobject_cast<tk::TextCtrl *>(tk::control(panel, control));
    if (!l)
        return fehlendesControl(panel);
    QString text = QString::fromUtf8(value ? value : "");
    if (l->property("cviWarnung").toBool()) {
        // A warning line: a sign before each warning, in an orange that
        // stands out from the panel's background whether that is light or dark.
        if (!text.isEmpty())
            text = WARNZEICHEN + text.replace(QLatin1Char('\n'), QLatin1Char('\n') + WARNZEICHEN);
        QPalette p = l->palette();
        const bool dunkel = p.color(QPalette::Window).lightness() < HALBE_HELLIGKEIT;
        p.setColor(QPalette::WindowText, dunkel ? WARNFARBE_AUF_DUNKEL : WARNFARBE_AUF_HELL);
        l->setPalette(p);
        // No warning, no line: it takes no room and is not read out.
        l->setVisible(!text.isEmpty());
    }
    l->setzeText(text);
    return 0;
}

int GetCtrlVal(int panel, int control, char *value, std::size_t size)
{
    auto *l = qobject_cast<tk::TextCtrl *>(tk::control(panel, control));
    if (!l)
        return fehlendesControl(panel);
    if (!value || size == 0)
        return TK_FEHLER_ARGUMENT;
    TK_TextKopieren(value, size, l->anzeige().toUtf8().constData());
    return 0;
}

int TK_Getippt(int panel, int control, char *text, std::size_t size)
{
    tk::NumericCtrl *n = tk::numerisch(panel, control);
    if (!n)
        return fehlendesControl(panel);
    if (!text || size == 0)
        return TK_FEHLER_ARGUMENT;
    TK_TextKopieren(text, size, n->getippterText().toUtf8().constData());
    return n->getippterText().isEmpty() ? 0 : 1;
}

int TK_Begrenzt(int panel, int control, double *typed, double *minimum, double *maximum)
{
    tk::NumericCtrl *n = tk::numerisch(panel, control);
    if (!n)
        return fehlendesControl(panel);
    double getippt = 0.0;
    if (!n->begrenzt(&getippt))
        return 0;
    if (typed)
        *typed = getippt;
    if (minimum)
        *minimum = n->minimum();
    if (maximum)
        *maximum = n->maximum();
    return 1;
}

int TK_GraphYBereich(int panel, int control, double von, double bis)
{
    tk::GraphCtrl *g = tk::graph(panel, control);
    if (!g)
        return fehlendesControl(panel);
    if (!(von < bis) || !std::isfinite(von) || !std::isfinite(bis))
        return TK_FEHLER_ARGUMENT;
    g->setzeYBereich(von, bis);
    return 0;
}

int TK_GraphGanz(int panel, int control)
{
    tk::GraphCtrl *g = tk::graph(panel, control);
    if (!g)
        return fehlendesControl(panel);
    g->ganzZeigen();
    return 0;
}

int GetCtrlIndex(int panel, int control, int *index)
{
    QComboBox *r = ring(panel, control);
    if (!r)
        return fehlendesControl(panel);
    if (!index)
        return TK_FEHLER_ARGUMENT;
    *index = r->currentIndex();
    return 0;
}

int SetCtrlIndex(int panel, int control, int index)
{
    QComboBox *r = ring(panel, control);
    if (!r)
        return fehlendesControl(panel);
    if (index < 0 || index >= r->count())
        return TK_FEHLER_ARGUMENT;
    r->setCurrentIndex(index);
    return 0;
}

int GetLabelFromIndex(int panel, int control, int index, char *label, std::size_t size)
{
    QComboBox *r = ring(panel, control);
    if (!r)
        return fehlendesControl(panel);
    if (!label || size == 0 || index < 0 || index >= r->count())
        return TK_FEHLER_ARGUMENT;
    TK_TextKopieren(label, size, r->itemText(index).toUtf8().constData());
    return 0;
}

int SetCtrlAttribute(int panel, int control, int attribute, double value)
{
    tk::GraphCtrl *g = tk::graph(panel, control);
    if (!g)
        return fehlendesControl(panel);
    if (attribute != ATTR_XAXIS_GAIN && attribute != ATTR_YAXIS_GAIN)
        return TK_FEHLER_ATTRIBUT;
    g->setzeGain(attribute == ATTR_XAXIS_GAIN, value);
    return 0;
}

int GetCtrlAttribute(int panel, int control, int attribute, double *value)
{
    if (!value)
        return TK_FEHLER_ARGUMENT;
    if (tk::NumericCtrl *n = tk::numerisch(panel, control)) {
        switch (attribute) {
        case ATTR_MIN_VALUE: *value = n->minimum(); return 0;
        case ATTR_MAX_VALUE: *value = n->maximum(); return 0;
        case ATTR_PRECISION: *value = n->stellen(); return 0;
        default: return TK_FEHLER_ATTRIBUT;
        }
    }
    tk::GraphCtrl *g = tk::graph(panel, control);
    if (!g)
        return fehlendesControl(panel);
    if (attribute != ATTR_XAXIS_GAIN && attribute != ATTR_YAXIS_GAIN)
        return TK_FEHLER_ATTRIBUT;
    *value = g->gain(attribute == ATTR_XAXIS_GAIN);
    return 0;
}

int GetCtrlAttribute(int panel, int control, int attribute, char *value, std::size_t size)
{
    QWidget *w = tk::control(panel, control);
    if (!w)
        return fehlendesControl(panel);
    if (!value || size == 0)
        return TK_FEHLER_ARGUMENT;
    QString text;
    if (attribute == ATTR_LABEL_TEXT) {
        // The label whose buddy the control is, as a reader sees it.
        if (QLabel *l = tk::label(panel, control))
            text = tk::labelName(l->text(), true);
    } else if (attribute == ATTR_TOOLTIP_TEXT) {
        text = w->toolTip();
    } else if (attribute == ATTR_WHATS_THIS) {
        text = w->whatsThis();
    } else {
        return TK_FEHLER_ATTRIBUT;
    }
    TK_TextKopieren(value, size, text.toUtf8().constData());
    return 0;
}

int SetCtrlAttribute(int panel, int control, int attribute, const char *value)
{
    QWidget *w = tk::control(panel, control);
    if (!w)
        return fehlendesControl(panel);
    const QString text = QString::fromUtf8(value ? value : "");
    if (tk::GraphCtrl *g = tk::graph(panel, control); g && (attribute == ATTR_XNAME || attribute == ATTR_YNAME)) {
        attribute == ATTR_XNAME ? g->setzeXTitel(text) : g->setzeYTitel(text);
        return 0;
    }
    if (attribute == ATTR_WHATS_THIS) {
        w->setWhatsThis(text);
        return 0;
    }
    if (attribute != ATTR_TOOLTIP_TEXT)
        return TK_FEHLER_ATTRIBUT;
    w->setToolTip(text);
    tk::beschreibungSetzen(w);
    return 0;
}

int MakeColor(int red, int green, int blue)
{
    auto kanal = [](int v) { return v < 0 ? 0 : v > 255 ? 255 : v; };
    return (kanal(red) << 16) | (kanal(green) << 8) | kanal(blue);
}

int DeleteGraphPlot(int panel, int control, int plot, int)
{
    tk::GraphCtrl *g = tk::graph(panel, control);
    if (!g)
        return fehlendesControl(panel);
    return g->plotLoeschen(plot) || plot == -1 ? 0 : TK_FEHLER_ARGUMENT;
}

int PlotY(int panel, int control, const void *data, int count, int dataType, int, int, int, int, int color)
{
    tk::GraphCtrl *g = tk::graph(panel, control);
    if (!g)
        return fehlendesControl(panel);
    const int doubles = 4;  // the only data type the program plots
    if (dataType != doubles || count < 0 || (count > 0 && !data))
        return TK_FEHLER_ARGUMENT;
    return g->plotHinzufuegen(static_cast<const double *>(data), count,
                              QColor((color >> 16) & 0xff, (color >> 8) & 0xff, color & 0xff));
}

int PlotWaveform(int panel, int control, const void *data, int count, int dataType, double yGain, double yOffset,
                 double initialX, double xIncrement, int plotStyle, int, int lineStyle, int, int color)
{
    tk::GraphCtrl *g = tk::graph(panel, control);
    if (!g)
        return fehlendesControl(panel);
    const int doubles = 4;
    if (dataType != doubles || count < 0 || (count > 0 && !data) || !(xIncrement > 0.0))
        return TK_FEHLER_ARGUMENT;
    std::vector<double> werte(static_cast<const double *>(data), static_cast<const double *>(data) + count);
    for (double &w : werte)
        w = w * yGain + yOffset;
    const Qt::PenStyle stil = lineStyle == TK_LINIE_STRICHE ? Qt::DashLine
                              : lineStyle == TK_LINIE_PUNKTE ? Qt::DotLine
                              : lineStyle == TK_LINIE_STRICHPUNKTE ? Qt::DashDotLine
                                                                   : Qt::SolidLine;
    return g->plotHinzufuegen(werte.data(), count, QColor((color >> 16) & 0xff, (color >> 8) & 0xff, color & 0xff),
                              plotStyle == TK_STIL_STUFEN, initialX, xIncrement, stil);
}

int SetPlotAttribute(int panel, int control, int plot, int attribute, const char *value)
{
    tk::GraphCtrl *g = tk::graph(panel, control);
    if (!g)
        return fehlendesControl(panel);
    if (attribute != ATTR_PLOT_LG_TEXT)
        return TK_FEHLER_ATTRIBUT;
    return g->plotBenennen(plot, QString::fromUtf8(value ? value : "")) ? 0 : TK_FEHLER_ARGUMENT;
}

int TK_GraphSpeichernSetzen(int panel, int control, void (*speichern)(void))
{
    tk::GraphCtrl *g = tk::graph(panel, control);
    if (!g)
        return fehlendesControl(panel);
    g->setzeSpeichern(speichern);
    return 0;
}

int TK_GraphAblesungSetzen(int panel, int control, TK_Ablesung ablesung)
{
    tk::GraphCtrl *g = tk::graph(panel, control);
    if (!g)
        return fehlendesControl(panel);
    g->setzeAblesung(ablesung);
    return 0;
}

int TK_GraphMarkieren(int panel, int control, const int *von, const int *bis, const int *oben, int count)
{
    tk::GraphCtrl *g = tk::graph(panel, control);
    if (!g)
        return fehlendesControl(panel);
    if (count < 0 || (count > 0 && (!von || !bis || !oben)))
        return TK_FEHLER_ARGUMENT;
    std::vector<tk::GraphCtrl::Marke> marken;
    for (int i = 0; i < count; ++i)
        marken.push_back({von[i], bis[i], oben[i] != 0});
    g->setzeMarken(std::move(marken));
    return 0;
}

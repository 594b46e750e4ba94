// The report picture of a graph: on a white page of fixed shape, whatever
// the window's size, the title line, the graph, the text lines below it and
// the legend of its named plots; for test reports, independent of the
// desktop theme. PNG, SVG or PDF by the file's ending, written as safely as
// an export.
#include "graph_gui.h"
#include "intern_gui.h"
#include "texte_gui.h"

#include <QBuffer>
#include <QFontInfo>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <string>

namespace {

// Laid out in logical units on a page of this width (points in a PDF); a
// PNG has TK_BERICHT_BREITE pixels across it.
const double SEITE = 800.0;
const double GRAFIK_HOEHE = 450.0;
const double RAND = 16.0;
const double ABSTAND = 8.0;
const double TITEL_FAKTOR = 1.2;
const double MUSTER = 24.0;  // a legend entry's line
const std::size_t GRUND_GROESSE = 300;

char s_grund[GRUND_GROESSE] = "";

enum Format { PNG, SVG, PDF, UNBEKANNT };

Format formatAusName(const QString &pfad)
{
    const QString name = pfad.section(QLatin1Char('/'), -1).toLower();
    if (name.endsWith(QLatin1String(".png")))
        return PNG;
    if (name.endsWith(QLatin1String(".svg")))
        return SVG;
    if (name.endsWith(QLatin1String(".pdf")))
        return PDF;
    return UNBEKANNT;
}

// A block of lines, each wrapped only between its items: as many items
// as fit go on a line, the separator stays at its end. An item wider than
// the page still wraps at its blanks rather than being cut.
struct Block {
    QFont schrift;
    QString text;
    QPaintDevice *geraet = nullptr;  // measured as the page draws it, whose resolution is not the screen's

    QFontMetricsF masse() const { return geraet ? QFontMetricsF(schrift, geraet) : QFontMetricsF(schrift); }
    QStringList zeilen() const
    {
        const QString trenner = QStringLiteral(" \u00b7 ");
        // The dot that ends a line holds to the item before it: a wrap never leaves it alone.
        const QString ende = QStringLiteral("\u00a0\u00b7");
        const QFontMetricsF m = masse();
        const double breite = SEITE - 2 * RAND;
        QStringList zeilen;
        for (const QString &absatz : text.split(QLatin1Char('\n'))) {
            const QStringList teile = absatz.split(trenner);
            QString zeile = teile.front();
            for (qsizetype i = 1; i < teile.size(); ++i) {
                // With the separator that ends the line unless it is the last item.
                const QString laenger = zeile + trenner + teile[i];
                if (m.horizontalAdvance(laenger + (i + 1 < teile.size() ? ende : QString())) <= breite) {
                    zeile = laenger;
                    continue;
                }
                zeilen << zeile + ende;
                zeile = teile[i];
            }
            zeilen << zeile;
        }
        return zeilen;
    }
    QRectF rahmen(double y) const { return QRectF(RAND, y, SEITE - 2 * RAND, 1e6); }
    double zeilenHoehe(const QString &z) const
    {
        return masse().boundingRect(rahmen(0), Qt::TextWordWrap, z).height();
    }
    double hoehe() const
    {
        double h = 0.0;
        for (const QString &z : text.isEmpty() ? QStringList() : zeilen())
            h += zeilenHoehe(z);
        return h;
    }
    void zeichnen(QPainter &maler, double y) const
    {
        maler.setFont(schrift);
        for (const QString &z : text.isEmpty() ? QStringList() : zeilen()) {
            maler.drawText(rahmen(y), Qt::TextWordWrap, z);
            y += zeilenHoehe(z);
        }
    }
};

struct Bericht {
    Block titel, text;
    std::vector<tk::GraphCtrl::Legendeneintrag> legende;
    double legendeHoehe() const { return legende.empty() ? 0.0 : ABSTAND + text.masse().height(); }
    void geraetSetzen(QPaintDevice *geraet) { titel.geraet = text.geraet = geraet; }
    double hoehe() const
    {
        return RAND + titel.hoehe() + ABSTAND + GRAFIK_HOEHE + ABSTAND + text.hoehe() + legendeHoehe() + RAND;
    }
};

void zeichnen(QPainter &maler, tk::GraphCtrl *g, const Bericht &b)
{
    maler.setRenderHint(QPainter::Antialiasing);
    maler.fillRect(QRectF(0, 0, SEITE, b.hoehe()), Qt::white);
    maler.setPen(Qt::black);
    b.titel.zeichnen(maler, RAND);
    double y = RAND + b.titel.hoehe() + ABSTAND;
    maler.save();
    maler.translate(RAND, y);
    g->seiteZeichnen(&maler, QSizeF(SEITE - 2 * RAND, GRAFIK_HOEHE));
    maler.restore();
    y += GRAFIK_HOEHE + ABSTAND;
    maler.setPen(Qt::black);
    b.text.zeichnen(maler, y);
    y += b.text.hoehe() + ABSTAND;
    // The legend in one row: a stretch of each plot's line, then its name.
    const QFontMetricsF m = b.text.masse();
    double x = RAND;
    for (const auto &e : b.legende) {
        const double mitte = y + m.height() / 2.0;
        maler.setPen(QPen(QBrush(e.farbe), 2.0, e.stil));
        maler.drawLine(QPointF(x, mitte), QPointF(x + MUSTER, mitte));
        maler.setPen(Qt::black);
        x += MUSTER + ABSTAND / 2;
        maler.drawText(QPointF(x, y + m.ascent()), e.name);
        x += m.horizontalAdvance(e.name) + 2 * ABSTAND;
    }
}

// Renders into memory in the format the name asks for.
bool erzeugen(Format format, tk::GraphCtrl *g, Bericht &b, QByteArray *bytes)
{
    QBuffer puffer(bytes);
    puffer.open(QIODevice::WriteOnly);
    QPainter maler;
    if (format == SVG) {
        QSvgGenerator svg;
        b.geraetSetzen(&svg);
        svg.setOutputDevice(&puffer);
        svg.setSize(QSize(int(SEITE), int(b.hoehe() + 0.5)));
        svg.setViewBox(QRectF(0, 0, SEITE, b.hoehe()));
        svg.setTitle(b.titel.text);
        if (!maler.begin(&svg))
            return false;
        zeichnen(maler, g, b);
        return maler.end();
    }
    if (format == PDF) {
        QPdfWriter pdf(&puffer);
        pdf.setResolution(72);  // one unit a point
        b.geraetSetzen(&pdf);
        pdf.setPageSize(QPageSize(QSizeF(SEITE, b.hoehe()), QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(b.titel.text);
        if (!maler.begin(&pdf))
            return false;
        zeichnen(maler, g, b);
        return maler.end();
    }
    const double faktor = TK_BERICHT_BREITE / SEITE;
    QImage muster(1, 1, QImage::Format_RGB32);  // the picture's resolution, before its height is known
    muster.setDevicePixelRatio(faktor);
    b.geraetSetzen(&muster);
    QImage bild(TK_BERICHT_BREITE, int(b.hoehe() * faktor + 0.5), QImage::Format_RGB32);
    bild.setDevicePixelRatio(faktor);
    bild.fill(Qt::white);  // a last row that the rounded height adds is page, not noise
    b.geraetSetzen(&bild);
    if (!maler.begin(&bild))
        return false;
    zeichnen(maler, g, b);
    maler.end();
    return bild.save(&puffer, "PNG");
}

// Written as an export is: into a file beside it that replaces it only
// when complete, so a failure leaves the old picture.
int schreiben(const char *pfad, const QByteArray &bytes, char *grund, std::size_t groesse)
{
    const int datei = CVI_OpenFile(pfad, 2, 0, 1);
    if (datei < 0) {
        TK_DateiGrund(grund, groesse);
        return TK_FEHLER_ARGUMENT;
    }
    char puffer[TK_DATEIGRUND_GROESSE];
    std::string fehler;
    if (TK_ZeilenSchreiben(datei, bytes.constData(), int(bytes.size())) < 0)
        fehler = TK_DateiGrund(puffer, sizeof puffer);
    if (CVI_CloseFile(datei) != 0 && fehler.empty())
        fehler = TK_DateiGrund(puffer, sizeof puffer);
    if (!fehler.empty()) {
        TK_TextKopieren(grund, groesse, fehler.c_str());
        return TK_FEHLER_ARGUMENT;
    }
    return 0;
}

}  // namespace

namespace tk {

int berichtSchreiben(GraphCtrl *g, const QString &titel, const QString &text, const char *pfad, char *grund,
                     std::size_t groesse)
{
    TK_TextKopieren(grund, groesse, "");
    const Format format = formatAusName(QFile::decodeName(pfad));
    if (format == UNBEKANNT) {
        TK_TextKopieren(grund, groesse, TK_TEXT_BILD_ENDUNG);
        return TK_FEHLER_ARGUMENT;
    }
    Bericht b;
    // Sized in units of the page, so that every format lays out the same
    // page: a size in points grows with the resolution of the format.
    b.text.schrift = g->font();
    b.text.schrift.setPixelSize(std::max(1, QFontInfo(g->font()).pixelSize()));
    b.titel.schrift = b.text.schrift;
    b.titel.schrift.setBold(true);
    b.titel.schrift.setPixelSize(int(std::lround(b.text.schrift.pixelSize() * TITEL_FAKTOR)));
    b.titel.text = titel;
    b.text.text = text;
    b.legende = g->legende();
    QByteArray bytes;
    if (!erzeugen(format, g, b, &bytes) || bytes.isEmpty()) {
        TK_TextKopieren(grund, groesse, TK_TEXT_BILD_NICHT_ERZEUGT);
        return TK_FEHLER_ARGUMENT;
    }
    return schreiben(pfad, bytes, grund, groesse);
}

}  // namespace tk

int TK_BerichtSpeichern(int panel, int control, const char *title, const char *footer, const char *path)
{
    s_grund[0] = '\0';
    tk::GraphCtrl *g = tk::graph(panel, control);
    if (!g)
        return tk::panel(panel) ? TK_FEHLER_CONTROL : TK_FEHLER_HANDLE;
    if (!path || !*path)
        return TK_FEHLER_ARGUMENT;
    return tk::berichtSchreiben(g, QString::fromUtf8(title ? title : ""), QString::fromUtf8(footer ? footer : ""),
                                path, s_grund, sizeof s_grund);
}

const char *TK_BerichtGrund(void)
{
    return s_grund;
}

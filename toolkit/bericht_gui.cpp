// The report picture of a graph: white background, a title line above,
// the graph as drawn, a text below; for test reports, independent of the
// desktop theme and the window's size.
#include "graph_gui.h"
#include "intern_gui.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QTextOption>

namespace {

// Laid out in logical units on a page of this width; a PNG has
// TK_BERICHT_BREITE pixels across it.
const double SEITE = 800.0;
const double RAND = 16.0;
const double ABSTAND = 8.0;

// The text block's height at the page's width, and its drawing.
double textHoehe(const QFont &schrift, const QString &text)
{
    QFontMetricsF m(schrift);
    return text.isEmpty() ? 0.0
                          : m.boundingRect(QRectF(0, 0, SEITE - 2 * RAND, 1e6), Qt::TextWordWrap, text).height();
}

void textZeichnen(QPainter &maler, const QFont &schrift, double y, const QString &text)
{
    maler.setFont(schrift);
    maler.drawText(QRectF(RAND, y, SEITE - 2 * RAND, 1e6), Qt::TextWordWrap, text);
}

struct Bericht {
    QFont titelSchrift, textSchrift;
    QString titel, fuss;
    double grafikHoehe;
    double hoehe() const
    {
        return RAND + textHoehe(titelSchrift, titel) + ABSTAND + grafikHoehe + ABSTAND + textHoehe(textSchrift, fuss) +
               RAND;
    }
};

void zeichnen(QPainter &maler, tk::GraphCtrl *g, const Bericht &b)
{
    maler.setRenderHint(QPainter::Antialiasing);
    maler.fillRect(QRectF(0, 0, SEITE, b.hoehe()), Qt::white);
    maler.setPen(Qt::black);
    textZeichnen(maler, b.titelSchrift, RAND, b.titel);
    const double y = RAND + textHoehe(b.titelSchrift, b.titel) + ABSTAND;
    g->render(&maler, QRectF(RAND, y, SEITE - 2 * RAND, b.grafikHoehe), g->viewport()->rect());
    maler.setPen(Qt::black);
    textZeichnen(maler, b.textSchrift, y + b.grafikHoehe + ABSTAND, b.fuss);
}

}  // namespace

int TK_BerichtSpeichern(int panel, int control, const char *title, const char *footer, const char *path)
{
    tk::GraphCtrl *g = tk::graph(panel, control);
    if (!g)
        return tk::panel(panel) ? TK_FEHLER_CONTROL : TK_FEHLER_HANDLE;
    if (!path || !*path)
        return TK_FEHLER_ARGUMENT;
    Bericht b;
    b.textSchrift = g->font();
    b.titelSchrift = b.textSchrift;
    b.titelSchrift.setBold(true);
    b.titelSchrift.setPointSizeF(b.textSchrift.pointSizeF() * 1.2);
    b.titel = QString::fromUtf8(title ? title : "");
    b.fuss = QString::fromUtf8(footer ? footer : "");
    const QSize quelle = g->viewport()->size();
    b.grafikHoehe = (SEITE - 2 * RAND) * (quelle.width() > 0 ? double(quelle.height()) / quelle.width() : 0.6);

    const QString pfad = QFile::decodeName(path);
    QPainter maler;
    if (pfad.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setFileName(pfad);
        svg.setSize(QSize(int(SEITE), int(b.hoehe() + 0.5)));
        svg.setViewBox(QRectF(0, 0, SEITE, b.hoehe()));
        svg.setTitle(b.titel);
        if (!maler.begin(&svg))
            return TK_FEHLER_ARGUMENT;
        zeichnen(maler, g, b);
        return maler.end() && QFile(pfad).size() > 0 ? 0 : TK_FEHLER_ARGUMENT;
    }
    const double faktor = TK_BERICHT_BREITE / SEITE;
    QImage bild(TK_BERICHT_BREITE, int(b.hoehe() * faktor + 0.5), QImage::Format_RGB32);
    bild.setDevicePixelRatio(faktor);
    if (!maler.begin(&bild))
        return TK_FEHLER_ARGUMENT;
    zeichnen(maler, g, b);
    maler.end();
    return bild.save(pfad, "PNG") ? 0 : TK_FEHLER_ARGUMENT;
}

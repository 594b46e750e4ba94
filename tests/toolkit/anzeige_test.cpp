// What a person and a screen reader get from the text lines, the graph and
// the rings: the text itself, one announcement per change, wrapping only
// between items, the graph as a chart, typed text that finds its item.
#include "graph_gui.h"
#include "intern_gui.h"
#include "numeric_gui.h"
#include "panel_fixture.h"
#include "text_gui.h"

#include <QAccessible>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QWhatsThis>
#include <QtTest/QTest>

namespace {

// What a screen reader is told: how often a control announced since last asked, and its texts.
int Angesagt(QSignalSpy &spion)
{
    QApplication::processEvents();
    const int n = static_cast<int>(spion.count());
    spion.clear();
    return n;
}
QString Lies(QWidget *w, QAccessible::Text t) { return QAccessible::queryAccessibleInterface(w)->text(t); }
using Ansagen = PanelTest;

}  // namespace

TEST_F(Ansagen, TextzeileWirdAlsIhrTextGelesenEinmalJeAenderung)
{
    QSignalSpy status(static_cast<tk::TextCtrl *>(tk::control(h, 13)), &tk::TextCtrl::angesagt),
        warnungen(static_cast<tk::TextCtrl *>(tk::control(h, 14)), &tk::TextCtrl::angesagt);
    SetCtrlVal(h, 14, "kein Sinus: nur 1 Punkt je Periode");
    QWidget *warnung = tk::control(h, 14);
    EXPECT_EQ(Lies(warnung, QAccessible::Name), QStringLiteral("\u26a0 kein Sinus: nur 1 Punkt je Periode"));
    EXPECT_TRUE(Lies(warnung, QAccessible::Description).startsWith(QStringLiteral("Warnungen")));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(warnung)->role(), QAccessible::StaticText);
    EXPECT_EQ(Angesagt(warnungen), 1);

    SetCtrlVal(h, 13, "20 von 16358 Punkten");  // a commit writes the line, then adds a note
    SetCtrlVal(h, 13, "20 von 16358 Punkten\n5 auf 2 begrenzt");
    EXPECT_EQ(Angesagt(status), 1);
    EXPECT_EQ(Lies(tk::control(h, 13), QAccessible::Name), QStringLiteral("20 von 16358 Punkten\n5 auf 2 begrenzt"));
    SetCtrlVal(h, 13, "20 von 16358 Punkten\n5 auf 2 begrenzt");
    SetCtrlVal(h, 13, "anders");
    SetCtrlVal(h, 13, "20 von 16358 Punkten\n5 auf 2 begrenzt");  // back to what was said
    EXPECT_EQ(Angesagt(status), 0) << "nothing new to say";
    SetCtrlVal(h, 14, "");
    EXPECT_EQ(Lies(warnung, QAccessible::Name), QStringLiteral("Warnungen")) << "an empty line says what it is";
}

TEST_F(Ansagen, GrafikIstDiagrammMitVierStellenUndEinerAnsageJeNeuzeichnen)
{
    QWidget *g = tk::control(h, 12);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(g)->role(), QAccessible::Chart);
    std::vector<double> w(27, 50.0);
    QSignalSpy ansagen(static_cast<tk::GraphCtrl *>(g), &tk::GraphCtrl::angesagt);
    // A redraw as a commit makes it: both gains, the old plots away, two new ones.
    SetCtrlAttribute(h, 12, ATTR_YAXIS_GAIN, 0.1);
    SetCtrlAttribute(h, 12, ATTR_XAXIS_GAIN, 0.0099852);
    DeleteGraphPlot(h, 12, -1, 1);
    PlotWaveform(h, 12, w.data(), 27, 4, 1.0, 0.0, 0.0, 1.0, 0, 0, 0, 1, 0);
    PlotY(h, 12, w.data(), 27, 4, 6, 24, 0, 1, 0);
    EXPECT_EQ(Angesagt(ansagen), 1);
    EXPECT_EQ(Lies(g, QAccessible::Description), QStringLiteral("Zeit 0 bis 0.2596 s, Spannung 0 bis 10 V"));
}

// A screen reader sets a field's value as the user's commit and edits its
// text as typing would; a ring's list is its one child.
TEST_F(Ansagen, ZahlenfeldUndRingFuerDenBildschirmleser)
{
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(tk::numerisch(h, 5));
    ASSERT_TRUE(a && a->valueInterface() && a->textInterface() && a->editableTextInterface());
    a->valueInterface()->setCurrentValue(7.0);
    EXPECT_EQ(Wert(h, 5), 7.0);
    ASSERT_EQ(gEreignisse.size(), 1u);
    EXPECT_EQ(gEreignisse[0].event, EVENT_COMMIT);
    QAccessibleTextInterface *t = a->textInterface();
    int von = -1, bis = -1;
    t->setSelection(0, 1, 3);
    t->selection(0, &von, &bis);
    EXPECT_EQ(std::make_tuple(t->selectionCount(), von, bis), std::make_tuple(1, 1, 3));
    a->editableTextInterface()->replaceText(0, 1, QStringLiteral("8"));
    EXPECT_EQ(a->text(QAccessible::Value), QStringLiteral("8.000"));
    t->removeSelection(0);
    t->selection(0, &von, &bis);
    EXPECT_EQ(std::make_tuple(t->selectionCount(), von, bis), std::make_tuple(0, 0, 0));
    QAccessibleInterface *ring = QAccessible::queryAccessibleInterface(tk::control(h, 9));
    EXPECT_EQ(ring->indexOfChild(ring->child(0)), 0);
    EXPECT_EQ(ring->indexOfChild(a), -1);
    SetCtrlIndex(h, 9, 16);
    EXPECT_EQ(Lies(tk::control(h, 9), QAccessible::Name), QStringLiteral("1 h")) << "1std, as spoken";
    SetCtrlIndex(h, 10, 0);
    EXPECT_EQ(Lies(tk::control(h, 10), QAccessible::Name), QStringLiteral("Kurve 1")) << "words stay as they are";
}

TEST_F(PanelTest, TextBrichtNurZwischenPunktenUndDieGrafikBehaeltIhreHoehe)
{
    Zeigen();
    auto *status = qobject_cast<tk::TextCtrl *>(tk::control(h, 13));
    ASSERT_TRUE(status);
    const QString text = QStringLiteral("20 von 16358 Punkten \u00b7 20 Punkte je Periode \u00b7 Schritt 10 ms \u00b7 "
                                        "Dauer 200 ms \u00b7 Frequenz in der Datei 7.692 Hz");
    SetCtrlVal(h, 13, text.toUtf8().constData());
    EXPECT_EQ(Anzeige(h, 13), text.toStdString()) << "read back as written";
    EXPECT_FALSE(status->text().contains(QStringLiteral(" \u00b7"))) << "no break before a dot";
    EXPECT_TRUE(status->text().startsWith(QStringLiteral("20\u00a0von\u00a016358"))) << "nor inside an item";

    // Laid out for a width: whole items a line, the dot at its end; an item
    // wider than a line alone breaks between its words instead of running out.
    const QFontMetricsF masse(status->font());
    const QString erste = QStringLiteral("20 von 16358 Punkten \u00b7 20 Punkte je Periode \u00b7");
    const qreal breite = masse.horizontalAdvance(erste);
    const QStringList zeilen = tk::zwischenPunktenUmbrechen(text, masse, breite).split(QLatin1Char('\n'));
    ASSERT_GE(zeilen.size(), 3);
    EXPECT_EQ(QString(zeilen[0]).replace(QChar(0x00a0), QLatin1Char(' ')), erste);
    for (const QString &z : zeilen) {
        EXPECT_LE(masse.horizontalAdvance(z), breite) << z.toStdString();
        EXPECT_FALSE(z.startsWith(QChar(0x00b7)));
    }
    EXPECT_TRUE(zeilen[0].endsWith(QStringLiteral("\u00a0\u00b7")));
    const QString lang = QStringLiteral("Frequenz 7.692\u00a0Hz statt 8\u00a0Hz (-3.8\u00a0%); genau 8\u00a0Hz mit "
                                        "Zeitbasis 5ms (25 Punkte je Periode)");
    const QString gebrochen = tk::zwischenPunktenUmbrechen(lang, masse, breite / 2);
    EXPECT_TRUE(gebrochen.contains(QLatin1Char(' '))) << "its blanks may break";
    EXPECT_EQ(QString(gebrochen).replace(QChar(0x00a0), QLatin1Char(' ')),
              QString(lang).replace(QChar(0x00a0), QLatin1Char(' ')));

    // The lines take the room they need, the warnings first; the graph gives
    // way down to its minimum, and only beyond it do the lines scroll.
    QWidget *graph = tk::control(h, 12);
    auto *bereich = qobject_cast<tk::Textbereich *>(tk::panel(h)->fenster->findChild<QScrollArea *>());
    ASSERT_TRUE(bereich);
    EXPECT_EQ(bereich->focusPolicy(), Qt::NoFocus) << "no Tab stop: its lines are read, not edited";
    // A new line lays out the area, then the column around it.
    auto ausgelegt = [] {
        for (int i = 0; i < 4; ++i) QApplication::processEvents();
    };
    SetCtrlVal(h, 14, "");
    SetCtrlVal(h, 13, "eine Zeile");
    ausgelegt();
    const int hoehe = graph->height(), zeile = bereich->height();
    EXPECT_FALSE(tk::control(h, 14)->isVisible()) << "no warning, no line";
    SetCtrlVal(h, 14, "eins\nzwei");
    ausgelegt();
    EXPECT_EQ(bereich->height(), bereich->inhaltHoehe()) << "two warnings above the status, all in view";
    EXPECT_GE(bereich->height(), 3 * QFontMetrics(graph->font()).height());
    EXPECT_EQ(graph->height() + bereich->height(), hoehe + zeile) << "the graph gives the room";
    EXPECT_EQ(bereich->verticalScrollBar()->maximum(), 0);
    std::string viele;
    for (int i = 0; i < 30; ++i) viele += "Zeile\n";
    SetCtrlVal(h, 13, viele.c_str());
    ausgelegt();
    EXPECT_EQ(graph->height(), graph->minimumHeight()) << "down to its minimum, no further";
    EXPECT_GT(bereich->verticalScrollBar()->maximum(), 0) << "more lines than it shows can be scrolled to";
    EXPECT_EQ(bereich->verticalScrollBar()->value(), 0) << "the warnings stay in view";
    // A window made taller and back: the lines take the new room, then give it back.
    QWidget *fenster = tk::panel(h)->fenster;
    const QSize groesse = fenster->size();
    fenster->resize(groesse + QSize(0, 200));
    ausgelegt();
    EXPECT_EQ(graph->height(), graph->minimumHeight()) << "the lines take the room first";
    EXPECT_GT(bereich->height(), 150);
    fenster->resize(groesse + QSize(0, 1000));
    ausgelegt();
    EXPECT_EQ(bereich->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff) << "all lines in view: no bar";
    fenster->resize(groesse);
    ausgelegt();
    EXPECT_EQ(graph->height(), graph->minimumHeight()) << "and give it back, never the graph's minimum";
    EXPECT_EQ(bereich->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn) << "and the bar is back";
    tk::panel(h)->fenster->resize(tk::panel(h)->fenster->minimumSize());
    QApplication::processEvents();
    EXPECT_GE(graph->height(), 200) << "the smallest window keeps the plot readable";
}

TEST_F(PanelTest, UmschaltF1ZeigtWasDasProgrammSagt)
{
    char text[100];
    ASSERT_EQ(GetCtrlAttribute(h, 6, ATTR_WHATS_THIS, text, sizeof text), 0);
    EXPECT_STREQ(text, "Frequenz in Hertz") << "the tooltip until the program says more";
    EXPECT_EQ(SetCtrlAttribute(h, 6, ATTR_WHATS_THIS, "Frequenz: 0.02 bis 20000 Hz") +
                  SetCtrlAttribute(h, 6, ATTR_TOOLTIP_TEXT, "Frequenz in Hertz, 0.02 bis 20000"), 0);
    EXPECT_EQ(tk::control(h, 6)->accessibleDescription(), QStringLiteral("Hz, Frequenz in Hertz, 0.02 bis 20000"));
    EXPECT_EQ(SetCtrlAttribute(h, 6, ATTR_LABEL_TEXT, "x"), TK_FEHLER_ATTRIBUT);
    for (auto [label, einheit] : {std::pair{"[V] vorn", "V"}, {"Zeit [m&s]", "ms"}, {"ohne ] Einheit [", ""}})
        EXPECT_EQ(tk::labelEinheit(QString::fromUtf8(label)), QString::fromUtf8(einheit)) << label;
    Zeigen();
    tk::control(h, 6)->setFocus();
    QTest::keyClick(tk::control(h, 6), Qt::Key_F1, Qt::ShiftModifier);
    QWidget *gezeigt = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && QByteArray(w->metaObject()->className()) == "QWhatsThat") gezeigt = w;
    ASSERT_TRUE(gezeigt) << "Shift+F1 shows it";
    gezeigt->close();
    tk::control(h, 6)->clearFocus();  // nothing focused: the pointer asks the next control clicked
    QTest::keyClick(tk::control(h, 6)->window(), Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_TRUE(QWhatsThis::inWhatsThisMode());
    QWhatsThis::leaveWhatsThisMode();
}

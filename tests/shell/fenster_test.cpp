// The window for daily work, driven by the keyboard through its menus,
// shortcuts and mnemonics: undo and redo, refused and clamped input, screen-reader names, colours
// under any palette, the report picture and the file dialog's memory.
#include "Sinuserzeugung_gui.h"
#include "bedienung.h"
#include "graph_gui.h"
#include "intern_gui.h"
#include "text_gui.h"
#include "fenster_fixture.h"
#include "wlr7sinus_uir.h"

#include <QAccessible>
#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>

namespace {

class Fenster : public FensterTest {
protected:
    static void Tasten(const char *folge) { ASSERT_EQ(TK_Tasten(gPanelMain, folge), 0) << folge; }
    static void Text(const char *text) { ASSERT_EQ(TK_TextTippen(gPanelMain, text), 0) << text; }
};

double Helligkeit(const QColor &c) { return 0.299 * c.redF() + 0.587 * c.greenF() + 0.114 * c.blueF(); }

}  // namespace

TEST_F(Fenster, TastaturSitzungMitMnemonicsKuerzelnUndExport)
{
    const std::string pfad = TestOrdner() + "/kurve.txt";
    gDateiauswahl.pfad = pfad, gDateiauswahl.ergebnis = 2;
    Text("20");             // the focus starts on the maximum voltage
    Tasten("Alt+E");        // RMS amplitude; leaving the field commits 20
    Text("2");
    Tasten("Alt+R");        // periods
    Text("1,5");
    Tasten("Alt+Z");        // time base: typed, committed on leaving
    Text("5m");
    Tasten("Alt+K 3");      // curve: the digit picks "Kurve 3"
    Tasten("Ctrl+S");       // commits the ring, then exports
    EXPECT_EQ(std::make_tuple(gEingabe.dUmax, gEingabe.dAmplitudeDach, gEingabe.dAnzahlPerioden),
              std::make_tuple(20.0, 2.0 * std::sqrt(2.0), 1.5));
    EXPECT_EQ(std::make_pair(std::string(gEingabe.szZeitbasis), int(gEingabe.iKurvennummer)),
              std::make_pair(std::string("5ms"), 3));
    ASSERT_EQ(gDateiauswahl.titel, std::vector<std::string>{"Kurve exportieren"});
    EXPECT_NE(A(STATUSZEILE).find("\nExportiert: kurve.txt (61 Datenzeilen)"), std::string::npos) << A(STATUSZEILE);
    Tasten("Alt+O");
    Text("4");
    Tasten("Return");
    EXPECT_EQ(A(STATUSZEILE).find("Exportiert"), std::string::npos) << "until the next commit";
    Tasten("Alt+F");
    ASSERT_EQ(TK_FokusControl(gPanelMain), FREQUENZ);
    Text("8");
    Tasten("Alt+X");  // the button by its key: the typed frequency first
    EXPECT_TRUE(QTest::qWaitFor([] { return gDateiauswahl.titel.size() == 2; }));
    EXPECT_EQ(gEingabe.dFrequenz, 8.0);
}

TEST_F(Fenster, RueckgaengigUndWiederholenUeberEinenAbgelehntenSchritt)
{
    const std::vector<double> start = Plotwerte(gPanelMain, GRAPH);
    TK_Tippen(gPanelMain, OFFSET, "1");
    TK_Tippen(gPanelMain, FREQUENZ, "0.5");
    const std::vector<double> zwei = Plotwerte(gPanelMain, GRAPH);
    TK_Tippen(gPanelMain, ANZAHLPERIODEN, "100");  // 20000 points: refused, no step
    ASSERT_EQ(gMeldungen.size(), 1u);
    Tasten("Alt+O");
    Text("7");  // typed, not committed: undo takes it back with the last step
    Tasten("Ctrl+Z");
    EXPECT_EQ(std::make_tuple(W(OFFSET), W(FREQUENZ), W(PERIODENDAUER)), std::make_tuple(1.0, 0.5, 2000.0));
    Tasten("Ctrl+Z Ctrl+Z");
    EXPECT_EQ(std::make_pair(W(OFFSET), Plotwerte(gPanelMain, GRAPH)), std::make_pair(5.0, start));
    const QAction *zurueck = Aktion("RUECKGAENGIG"), *vor = Aktion("WIEDERHOLEN");
    EXPECT_EQ(std::make_pair(zurueck->isEnabled(), vor->isEnabled()), std::make_pair(false, true)) << "nothing left to undo";
    EXPECT_EQ(std::make_pair(zurueck->text(), vor->text()),
              std::make_pair(QStringLiteral("&Rückgängig"), QStringLiteral("&Wiederholen: Offset 5 → 1 V")));
    Tasten("Ctrl+Shift+Z Ctrl+Shift+Z");
    EXPECT_EQ(std::make_tuple(W(OFFSET), W(FREQUENZ), W(PERIODENDAUER), gEingabe.dFrequenz),
              std::make_tuple(1.0, 0.5, 2000.0, 0.5));
    EXPECT_EQ(Plotwerte(gPanelMain, GRAPH), zwei);
}

TEST_F(Fenster, KeineStillenAenderungen)
{
    // Each field's words are the inputs' own, checked with them; here the way to the status line.
    TK_Tippen(gPanelMain, FREQUENZ, "5 5");
    EXPECT_EQ(std::make_pair(W(FREQUENZ), A(FREQUENZ)), std::make_pair(5.0, std::string("5.00")));
    EXPECT_NE(A(STATUSZEILE).find("\n\u201e5 5\u201c ist keine Zahl: 5 bleibt"), std::string::npos) << A(STATUSZEILE);
    TK_Tippen(gPanelMain, AMPLITUDEEFF, "3 Veff");
    EXPECT_EQ(A(AMPLITUDEEFF), "3.536") << "the field keeps its value";
    EXPECT_NE(A(STATUSZEILE).find("\n\u201e3 Veff\u201c passt nicht zu Amplitude: V, mV, kV"), std::string::npos)
        << A(STATUSZEILE);
    TK_Tippen(gPanelMain, FREQUENZ, "30kHz");  // the range holds for the value understood
    EXPECT_NE(A(STATUSZEILE).find("\n30000 auf 20000 begrenzt (0.02 bis 20000 Hz)"), std::string::npos) << A(STATUSZEILE);
    TK_Tippen(gPanelMain, OFFSET, "2");
    EXPECT_EQ(A(STATUSZEILE).find("begrenzt"), std::string::npos) << "only for that commit";
}

// Numbers as engineers type them: the field shows the value it understood
// and the status line how it was read.
TEST_F(Fenster, VorsaetzeUndEinheitenInDenFeldern)
{
    TK_Tippen(gPanelMain, FREQUENZ, "2,5k");
    EXPECT_EQ(std::make_tuple(W(FREQUENZ), A(FREQUENZ), gEingabe.dFrequenz), std::make_tuple(2500.0, std::string("2500.00"), 2500.0));
    EXPECT_NE(A(STATUSZEILE).find("\n2,5k = 2500 Hz"), std::string::npos) << A(STATUSZEILE);
    EXPECT_EQ(W(PERIODENDAUER), 0.4) << "coupled as if 2500 had been typed";
    TK_Tippen(gPanelMain, PERIODENDAUER, "1 ms");
    EXPECT_EQ(A(STATUSZEILE).find(" = "), std::string::npos) << "a field's own unit is no news";
    // An RMS value in the peak field is the RMS value typed into its own field.
    TK_Tippen(gPanelMain, AMPLITUDEEFF, "3.5355339");
    const Eingabewerte eff = gEingabe;
    TK_Tippen(gPanelMain, AMPLITUDEDACH, "1");
    TK_Tippen(gPanelMain, AMPLITUDEDACH, "3,5355339 Veff");
    EXPECT_EQ(std::make_pair(gEingabe.dAmplitudeEff, gEingabe.dAmplitudeDach),
              std::make_pair(eff.dAmplitudeEff, eff.dAmplitudeDach));
    EXPECT_EQ(std::make_pair(W(AMPLITUDEEFF), W(AMPLITUDEDACH)), std::make_pair(3.5355339, eff.dAmplitudeDach));
    EXPECT_NE(A(STATUSZEILE).find("\n3,5355339 Veff = 3.5355339 V (Amplitude [Veff])"), std::string::npos)
        << A(STATUSZEILE);
}

TEST_F(Fenster, BildschirmleserHoertBeschriftungUndStatus)
{
    const struct { int control; const char *name, *beschreibung; } faelle[] = {
        {WLR7UMAX, "WLR-7 Ausgang max.", "V, "}, {AMPLITUDEDACH, "Amplitude Scheitelwert", "V^, "},
        {ANZAHLPERIODEN, "Perioden", "Anzahl"}, {ZEITBASIS, "Zeitbasis", "Abstand"}, {KURVENNUMMER, "Kurve", "Kurvennummer"}};
    // Fields carry the name; rings on Linux name their value and are
    // labelled through the relation to their label, as screen readers read it.
    for (const auto &f : faelle) {
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(tk::control(gPanelMain, f.control));
        ASSERT_TRUE(a);
        const auto beschriftung = a->relations(QAccessible::Label);
        ASSERT_EQ(beschriftung.size(), 1) << f.name;
        const QString name = f.control >= ZEITBASIS ? beschriftung[0].first->text(QAccessible::Name)
                                                    : a->text(QAccessible::Name);
        EXPECT_EQ(name.toStdString(), f.name);
        EXPECT_EQ(a->text(QAccessible::Description).indexOf(QString::fromUtf8(f.beschreibung)), 0) << f.name;
    }
    // The status line is read as its new text after a commit (the change
    // event reaches only a listening screen reader).
    TK_Tippen(gPanelMain, ANZAHLPERIODEN, "2");
    QAccessibleInterface *status = QAccessible::queryAccessibleInterface(tk::control(gPanelMain, STATUSZEILE));
    EXPECT_EQ(status->text(QAccessible::Name).toStdString(), A(STATUSZEILE));
    // No warnings: no line to be read out by the name of its kind.
    EXPECT_FALSE(tk::control(gPanelMain, WARNZEILE)->isVisible());
    // Past Exportieren the keyboard goes on to a named control, never to the text area.
    tk::control(gPanelMain, SPEICHERN)->setFocus();
    ASSERT_EQ(TK_Tabulator(gPanelMain), 0);
    QWidget *fokus = QApplication::focusWidget();
    ASSERT_TRUE(fokus);
    EXPECT_NE(fokus->focusPolicy(), Qt::NoFocus);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(fokus)->text(QAccessible::Name).isEmpty())
        << fokus->metaObject()->className();
    EXPECT_FALSE(qobject_cast<QScrollArea *>(fokus) || qobject_cast<QScrollArea *>(fokus->parentWidget()));
}

// The time base is read as the status says it, its label stays the file's,
// and its list of choices is still there; fields without bounds read none.
TEST_F(Fenster, BildschirmleserHoertZeitbasisWieStatusUndKeineUnendlichenGrenzen)
{
    Tasten("Alt+Z");
    Text("50u");
    Tasten("Return");
    ASSERT_EQ(std::string(gEingabe.szZeitbasis), "50us") << "the file's label";
    EXPECT_NE(A(STATUSZEILE).find("Schritt 50\u00a0µs \u00b7"), std::string::npos) << A(STATUSZEILE);
    const QString gesagt = QStringLiteral("50 µs");
    QAccessibleInterface *ring = QAccessible::queryAccessibleInterface(tk::control(gPanelMain, ZEITBASIS));
    EXPECT_EQ(ring->role(), QAccessible::ComboBox);
    EXPECT_EQ(ring->text(QAccessible::Name), gesagt);
    EXPECT_EQ(ring->text(QAccessible::Value), gesagt);
    // The popup list reads its items the same way and opens by the action.
    ASSERT_EQ(ring->childCount(), 1);
    QAccessibleInterface *liste = ring->child(0);
    ASSERT_TRUE(liste && liste->childCount() > 1);
    EXPECT_EQ(std::make_pair(liste->child(0)->text(QAccessible::Name), liste->child(1)->text(QAccessible::Name)),
              std::make_pair(gesagt, QStringLiteral("100 µs")));
    ASSERT_TRUE(ring->actionInterface());
    ring->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    EXPECT_TRUE(ring->state().expanded);
    ring->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    EXPECT_FALSE(ring->state().expanded);
    EXPECT_EQ(std::string(gEingabe.szZeitbasis), "50us") << "opening and closing chose nothing";
    // Amplitude fields hold any number: no bound is read, least of all "inf".
    for (int feld : {AMPLITUDEDACH, AMPLITUDEEFF}) {
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(tk::control(gPanelMain, feld));
        ASSERT_TRUE(a && a->valueInterface()) << feld;
        EXPECT_FALSE(a->valueInterface()->minimumValue().isValid()) << feld;
        EXPECT_FALSE(a->valueInterface()->maximumValue().isValid()) << feld;
        EXPECT_TRUE(a->text(QAccessible::Description).endsWith(QStringLiteral("ohne Grenzen"))) << feld;
        for (QAccessible::Text t : {QAccessible::Name, QAccessible::Description, QAccessible::Value, QAccessible::Help})
            EXPECT_FALSE(a->text(t).contains(QStringLiteral("inf"))) << feld << ": " << a->text(t).toStdString();
        ASSERT_TRUE(a->textInterface()) << "read and edited as its text";
        EXPECT_EQ(a->textInterface()->text(0, a->textInterface()->characterCount()).toStdString(), A(feld));
    }
    // A bounded field reads its bounds.
    QAccessibleInterface *f = QAccessible::queryAccessibleInterface(tk::control(gPanelMain, FREQUENZ));
    ASSERT_TRUE(f && f->valueInterface());
    EXPECT_EQ(f->valueInterface()->maximumValue().toDouble(), 20000.0);
    EXPECT_EQ(f->valueInterface()->currentValue().toDouble(), W(FREQUENZ));
    EXPECT_FALSE(f->text(QAccessible::Description).contains(QStringLiteral("ohne Grenzen")));
}

// Text and its background come from the same place, whatever the theme:
// the labels, rings, button and status line read on the panel's beige, and
// a warning keeps its colour.
TEST_F(Fenster, FarbenUnterHellerUndDunklerPalette)
{
    const QPalette vorher = QApplication::palette();
    QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    QPalette dunkel(QColor(45, 45, 45), QColor(53, 53, 53));
    dunkel.setColor(QPalette::WindowText, Qt::white), dunkel.setColor(QPalette::ButtonText, Qt::white);
    dunkel.setColor(QPalette::Text, Qt::white), dunkel.setColor(QPalette::Base, QColor(30, 30, 30));
    for (bool bDunkel : {false, true}) {
        if (bDunkel) QApplication::setStyle(fusion), QApplication::setPalette(dunkel);
        Sinus_Freigeben(), DiscardPanel(gPanelMain);
        ASSERT_GT(gPanelMain = LoadPanel(0, "wlr7sinus_uir.uir", PNLMAIN), 0);
        Sinus_Initialisieren();
        const QList<QLabel *> labels = tk::panel(gPanelMain)->fenster->findChildren<QLabel *>();
        std::vector<QWidget *> teile(labels.begin(), labels.end());
        for (int c : {ZEITBASIS, KURVENNUMMER, SPEICHERN})
            teile.push_back(tk::control(gPanelMain, c));
        for (QWidget *w : teile) {
            const bool knopf = !qobject_cast<QLabel *>(w);
            const QPalette &p = w->palette();
            const double abstand = Helligkeit(p.color(knopf ? QPalette::Button : QPalette::Window)) -
                                   Helligkeit(p.color(knopf ? QPalette::ButtonText : QPalette::WindowText));
            // Labels on the beige; rings and button in the desktop's colours, as the fields.
            EXPECT_GT(knopf ? std::fabs(abstand) : abstand, 0.5) << w->objectName().toStdString() << (bDunkel ? " dark" : " light");
            EXPECT_TRUE(!knopf || p.color(QPalette::Button) == QApplication::palette().color(QPalette::Button));
        }
        TK_Tippen(gPanelMain, AMPLITUDEDACH, "8");  // cut at both limits
        const QColor warnung = tk::control(gPanelMain, WARNZEILE)->palette().color(QPalette::WindowText);
        EXPECT_GT(warnung.red(), 2 * warnung.blue()) << "a warm warning colour";
        EXPECT_GT(Helligkeit(tk::control(gPanelMain, WARNZEILE)->palette().color(QPalette::Window)) -
                      Helligkeit(warnung), 0.4);
    }
    QApplication::setPalette(vorher);
}

TEST_F(Fenster, BerichtsbildUndDateidialogMitGedaechtnis)
{
    const std::string ordner = TestOrdner();
    // Every warning below the graph; the graph's own menu writes the window's report picture.
    TK_Tippen(gPanelMain, FREQUENZ, "8");
    TK_Tippen(gPanelMain, AMPLITUDEDACH, "8");
    gDateiauswahl = {ordner + "/warnungen.svg", 2, {}};
    tk::graph(gPanelMain, GRAPH)->speichernFragen();
    ASSERT_TRUE(gMeldungen.empty()) << MeldungenText();
    const std::string mitWarnungen = DateiLesen(ordner + "/warnungen.svg");
    for (const char *teil : {"Frequenz 7.692", "begrenzt:", "Perioden 1.00", "WLR-7 max. 10.000 V"})
        EXPECT_NE(mitWarnungen.find(teil), std::string::npos) << teil;
    // The real dialog opens where the last graph was saved, its name filled in.
    QString gesehen;
    QTimer::singleShot(0, [&] {
        auto *d = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!d) return;
        gesehen = d->directory().absolutePath() + "|" + d->findChild<QLineEdit *>()->text();
        d->reject();
    });
    TK_DateiauswahlAbfangen(nullptr);
    TK_MenuWaehlen(gPanelMain, GRAFIKSPEICHERN);
    TK_DateiauswahlAbfangen(DateiauswahlAntworten);
    EXPECT_EQ(gesehen.toStdString(), ordner + "|warnungen.svg") << "the last name chosen";
}

// Warnings are why the tool exists: at the size the window opens with, each
// warning line lies whole inside the visible part of the text area, above
// the status, alone, beside a reference and beside a refusal's note.
TEST_F(Fenster, WarnungenStehenBeiDerStartgroesseImmerInSicht)
{
    QWidget *fenster = tk::panel(gPanelMain)->fenster;
    const QSize start = fenster->size();
    auto *warnungen = qobject_cast<QLabel *>(tk::control(gPanelMain, WARNZEILE));
    auto *bereich = fenster->findChild<tk::Textbereich *>();
    ASSERT_TRUE(warnungen && bereich);
    auto inSicht = [&](const char *fall) {
        for (int i = 0; i < 4; ++i) QApplication::processEvents();
        ASSERT_EQ(fenster->size(), start) << fall;
        ASSERT_TRUE(warnungen->isVisible()) << fall;
        EXPECT_GE(A(WARNZEILE).find('\n'), 1u) << fall;
        const QRect zeilen(warnungen->mapTo(bereich->viewport(), QPoint(0, 0)), warnungen->size());
        EXPECT_TRUE(bereich->viewport()->rect().contains(zeilen))
            << fall << ": " << zeilen.y() << "+" << zeilen.height() << " in " << bereich->viewport()->height();
        const QRect sichtbar(bereich->viewport()->mapTo(fenster, QPoint(0, 0)), bereich->viewport()->size());
        EXPECT_TRUE(fenster->rect().contains(sichtbar)) << fall << ": the area itself inside the window";
        // Each line as laid out in the label's font and width: all of them fit its height.
        const QFontMetrics masse(warnungen->font());
        const QRect noetig = masse.boundingRect(QRect(0, 0, warnungen->contentsRect().width(), 100000),
                                                Qt::TextWordWrap, warnungen->text());
        EXPECT_LE(noetig.height(), warnungen->contentsRect().height()) << fall;
    };
    Tippen(AMPLITUDEDACH, "6");
    Tippen(PERIODENDAUER, "125");  // cut at 100 % and 0 %, and 7.692 Hz in place of 8 Hz
    inSicht("two warnings");
    const std::string datei = TestOrdner() + "/ref.txt";
    Exportieren(datei);
    Waehlen(datei);
    Fenster_KurveOeffnen();
    ASSERT_TRUE((gFenster.iReferenzen > 0));
    inSicht("beside a reference");
    Tippen(ANZAHLPERIODEN, "100");
    Tippen(PERIODENDAUER, "2000");  // 200 points a period, 100 periods: too many, refused
    ASSERT_EQ(gMeldungen.size(), 1u);
    EXPECT_NE(A(STATUSZEILE).find("Abgelehnt"), std::string::npos) << A(STATUSZEILE);
    inSicht("beside a refusal");
}

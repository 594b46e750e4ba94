// The window for daily work, driven by the keyboard through its menus,
// shortcuts and mnemonics: rings that commit what the user settles on,
// undo and redo, refused and clamped input, screen-reader names, colours
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
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollArea>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>
#include <filesystem>

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
    tk::graph(gPanelMain, GRAPH)->zoomen(2.0, 10.0);
    TK_MenuWaehlen(gPanelMain, GANZEKURVE);
    EXPECT_EQ(tk::graph(gPanelMain, GRAPH)->von(), 0.0);
}

TEST_F(Fenster, RingUebernimmtErstDasGewaehlteUndMeldetDiePunktzahl)
{
    Tasten("Alt+R");
    Text("100");
    Tasten("Alt+P");  // leaving the periods commits them
    Text("130");
    Tasten("Alt+Z");  // 26000 points on 10ms are refused only at "50us"
    Text("50us");
    EXPECT_TRUE(gMeldungen.empty()) << "no item passed on the way is committed";
    EXPECT_EQ(A(ZEITBASIS), "50us");
    Tasten("Return");
    ASSERT_EQ(gMeldungen.size(), 1u);
    EXPECT_NE(gMeldungen[0].text.find("\n\n260000 Punkte, höchstens 16358"), std::string::npos);
    EXPECT_EQ(A(ZEITBASIS), "10ms") << "back to the last accepted item";
    Tasten("Down Escape Alt+Z Down Down Up Alt+K");  // Escape takes back; then 20ms, 50ms, 20ms
    EXPECT_EQ(std::string(gEingabe.szZeitbasis), "20ms");
    EXPECT_EQ(gFenster.verlauf.iAnzahl, 4) << "start, periods, period and one step for the ring";
    EXPECT_EQ(gMeldungen.size(), 1u);
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
    const QAction *zurueck = tk::panel(gPanelMain)->fenster->findChild<QAction *>(QStringLiteral("RUECKGAENGIG"));
    const QAction *vor = tk::panel(gPanelMain)->fenster->findChild<QAction *>(QStringLiteral("WIEDERHOLEN"));
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
    for (const char *keineZahl : {"5 5", "k"}) {
        TK_Tippen(gPanelMain, FREQUENZ, keineZahl);
        EXPECT_EQ(std::make_pair(W(FREQUENZ), A(FREQUENZ)), std::make_pair(5.0, std::string("5.00"))) << keineZahl;
        EXPECT_NE(A(STATUSZEILE).find(std::string("\n\u201e") + keineZahl + "\u201c ist keine Zahl: 5 bleibt"),
                  std::string::npos) << A(STATUSZEILE);
    }
    // A unit the field does not take is refused, naming the ones it does.
    // (Each field's words are the inputs' own, checked with them; here the way to the status line.)
    const struct { int control; const char *getippt, *meldung; } fremd[] = {
        {FREQUENZ, "5 khz", "\u201e5 khz\u201c passt nicht zu Frequenz: Hz, kHz, mHz"},
        {AMPLITUDEEFF, "3 Veff", "\u201e3 Veff\u201c passt nicht zu Amplitude: V, mV, kV"}};
    for (const auto &f : fremd) {
        const double vorher = W(f.control);
        TK_Tippen(gPanelMain, f.control, f.getippt);
        EXPECT_EQ(W(f.control), vorher) << f.getippt;
        EXPECT_NE(A(STATUSZEILE).find(std::string("\n") + f.meldung), std::string::npos) << A(STATUSZEILE);
        TK_Tippen(gPanelMain, ANZAHLPERIODEN, "1");  // a commit writes the status afresh
    }
    const struct { int control; const char *getippt, *hinweis; } faelle[] = {
        {FREQUENZ, "30kHz", "30000 auf 20000 begrenzt (0.02 bis 20000 Hz)"},  // the range holds for the value understood
        {ANZAHLPERIODEN, "0", "0 auf 0.01 begrenzt (0.01 bis 100)"}};
    for (const auto &f : faelle) {
        TK_Tippen(gPanelMain, f.control, f.getippt);
        EXPECT_NE(A(STATUSZEILE).find(std::string("\n") + f.hinweis), std::string::npos) << A(STATUSZEILE);
    }
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
    TK_Tippen(gPanelMain, PERIODENDAUER, "0,2 s");
    EXPECT_EQ(std::make_pair(gEingabe.dPeriodendauer, gEingabe.dFrequenz), std::make_pair(200.0, 5.0));
    TK_Tippen(gPanelMain, PERIODENDAUER, "1 ms");
    EXPECT_EQ(A(STATUSZEILE).find(" = "), std::string::npos) << "a field's own unit is no news";

    TK_Tippen(gPanelMain, AMPLITUDEDACH, "7 Vss");
    EXPECT_EQ(std::make_pair(W(AMPLITUDEDACH), gEingabe.dAmplitudeDach), std::make_pair(3.5, 3.5));
    EXPECT_EQ(A(AMPLITUDEDACH), "3.500");
    EXPECT_NE(A(STATUSZEILE).find("\n7 Vss = 3.5 V"), std::string::npos) << A(STATUSZEILE);

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

// Small values are not hidden behind the field's decimals.
TEST_F(Fenster, KleineWerteBleibenSichtbar)
{
    TK_Tippen(gPanelMain, AMPLITUDEDACH, "0.0004");
    EXPECT_EQ(std::make_pair(A(AMPLITUDEDACH), A(AMPLITUDEEFF)), std::make_pair(std::string("0.0004"), std::string("0.000283")));
    SetCtrlVal(gPanelMain, FREQUENZ, 0.06113);
    EXPECT_EQ(A(FREQUENZ), "0.0611");
    SetCtrlVal(gPanelMain, FREQUENZ, 5.0);
    EXPECT_EQ(A(FREQUENZ), "5.00");
}

TEST_F(Fenster, BildschirmleserHoertBeschriftungUndStatus)
{
    const struct { int control; const char *name, *beschreibung; } faelle[] = {
        {WLR7UMAX, "WLR-7 Ausgang max.", "V, "}, {AMPLITUDEDACH, "Amplitude Scheitelwert", "V^, "},
        {AMPLITUDEEFF, "Amplitude Effektivwert", "Veff, "}, {OFFSET, "Offset", "V, "}, {FREQUENZ, "Frequenz", "Hz, "},
        {PERIODENDAUER, "Periodendauer", "ms, "}, {ANZAHLPERIODEN, "Perioden", "Anzahl"},
        {ZEITBASIS, "Zeitbasis", "Abstand"}, {KURVENNUMMER, "Kurve", "Kurvennummer"}};
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
    const std::string status = A(STATUSZEILE);
    const size_t schritt = status.find("Schritt ");
    ASSERT_NE(schritt, std::string::npos) << status;
    const QString gesagt = QString::fromUtf8(status.substr(schritt + 8, status.find(" \u00b7", schritt) - schritt - 8).c_str())
                               .replace(QChar(0xa0), QLatin1Char(' '));
    EXPECT_EQ(gesagt, QStringLiteral("50 µs"));
    QAccessibleInterface *ring = QAccessible::queryAccessibleInterface(tk::control(gPanelMain, ZEITBASIS));
    ASSERT_TRUE(ring);
    EXPECT_EQ(ring->role(), QAccessible::ComboBox);
    EXPECT_EQ(ring->text(QAccessible::Name), gesagt);
    EXPECT_EQ(ring->text(QAccessible::Value), gesagt);
    // The popup list reads its items the same way and opens by the action.
    ASSERT_EQ(ring->childCount(), 1);
    QAccessibleInterface *liste = ring->child(0);
    ASSERT_TRUE(liste && liste->childCount() > 0);
    const QStringList erwartet = {QStringLiteral("50 µs"), QStringLiteral("100 µs"), QStringLiteral("200 µs")};
    for (int i = 0; i < erwartet.size(); ++i)
        EXPECT_EQ(liste->child(i)->text(QAccessible::Name), erwartet[i]) << i;
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
        if (bDunkel)
            QApplication::setStyle(fusion), QApplication::setPalette(dunkel);
        Sinus_Freigeben(), DiscardPanel(gPanelMain);
        ASSERT_GT(gPanelMain = LoadPanel(0, "wlr7sinus_uir.uir", PNLMAIN), 0);
        Sinus_Initialisieren();
        std::vector<QWidget *> teile;
        for (QLabel *l : tk::panel(gPanelMain)->fenster->findChildren<QLabel *>())
            teile.push_back(l);
        for (int c : {ZEITBASIS, KURVENNUMMER, SPEICHERN})
            teile.push_back(tk::control(gPanelMain, c));
        for (QWidget *w : teile) {
            const bool knopf = !qobject_cast<QLabel *>(w);
            const QPalette &p = w->palette();
            const double abstand = Helligkeit(p.color(knopf ? QPalette::Button : QPalette::Window)) -
                                   Helligkeit(p.color(knopf ? QPalette::ButtonText : QPalette::WindowText));
            // Labels on the beige; rings and button in the desktop's colours, as the fields.
            EXPECT_GT(knopf ? std::fabs(abstand) : abstand, 0.5) << w->objectName().toStdString() << (bDunkel ? " dark" : " light");
            if (knopf) {
                EXPECT_EQ(p.color(QPalette::Button), QApplication::palette().color(QPalette::Button));
            }
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
    for (const char *name : {"/bericht.png", "/bericht.svg"}) {
        gDateiauswahl.pfad = ordner + name, gDateiauswahl.ergebnis = 2;
        TK_MenuWaehlen(gPanelMain, GRAFIKSPEICHERN);
    }
    ASSERT_TRUE(gMeldungen.empty()) << MeldungenText();
    const QImage bild(QString::fromStdString(ordner + "/bericht.png"));
    EXPECT_GE(bild.width(), 1600);
    EXPECT_EQ(bild.pixelColor(2, 2), QColor(Qt::white));
    const std::string svg = DateiLesen(ordner + "/bericht.svg");
    for (const char *teil : {"<svg", "WLR-7 max. 10.000 V", "Amplitude 5.000 V^ (3.536 Veff)", "21 von 16359"})
        EXPECT_NE(svg.find(teil), std::string::npos) << teil;

    // Every warning below the graph, and the graph's own menu writes the same picture.
    TK_Tippen(gPanelMain, FREQUENZ, "8");
    TK_Tippen(gPanelMain, AMPLITUDEDACH, "8");
    gDateiauswahl.pfad = ordner + "/warnungen.svg";
    tk::graph(gPanelMain, GRAPH)->speichernFragen();
    const std::string mitWarnungen = DateiLesen(ordner + "/warnungen.svg");
    for (const char *teil : {"Frequenz 7.692", "begrenzt:", "Perioden 1.00", "WLR-7 max. 10.000 V"})
        EXPECT_NE(mitWarnungen.find(teil), std::string::npos) << teil;
    gDateiauswahl.pfad = ordner + "/bericht.bmp";
    TK_MenuWaehlen(gPanelMain, GRAFIKSPEICHERN);
    EXPECT_NE(MeldungenText().find("Die Grafik konnte nicht gespeichert werden:\n" + ordner + "/bericht.bmp\n"),
              std::string::npos) << MeldungenText();
    EXPECT_FALSE(std::filesystem::exists(ordner + "/bericht.bmp")) << "no PNG bytes under another name";
    MeldungenLeeren();

    // The real dialog opens where the last graph was saved, its name filled in.
    QString gesehen;
    QTimer::singleShot(0, [&] {
        auto *d = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!d)
            return;
        gesehen = d->directory().absolutePath() + "|" + d->findChild<QLineEdit *>()->text();
        d->reject();
    });
    TK_DateiauswahlAbfangen(nullptr);
    TK_MenuWaehlen(gPanelMain, GRAFIKSPEICHERN);
    TK_DateiauswahlAbfangen(DateiauswahlAntworten);
    EXPECT_EQ(gesehen.toStdString(), ordner + "|bericht.bmp") << "the last name chosen, kept to be corrected";
}

// Warnings are why the tool exists: at the size the window opens with, each
// warning line lies whole inside the visible part of the text area, above
// the status, alone, beside a reference, after a take-over and beside a
// refusal's note.
TEST_F(Fenster, WarnungenStehenBeiDerStartgroesseImmerInSicht)
{
    QWidget *fenster = tk::panel(gPanelMain)->fenster;
    const QSize start = fenster->size();
    auto *warnungen = qobject_cast<QLabel *>(tk::control(gPanelMain, WARNZEILE));
    auto *bereich = fenster->findChild<tk::Textbereich *>();
    ASSERT_TRUE(warnungen && bereich);
    auto inSicht = [&](const char *fall) {
        for (int i = 0; i < 4; ++i)
            QApplication::processEvents();
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
    Tippen(AMPLITUDEDACH, "4");
    Fenster_EingabenAusReferenz();
    EXPECT_EQ(gEingabe.dAmplitudeDach, 6.0);
    inSicht("after a take-over");
    Tippen(ANZAHLPERIODEN, "100");
    Tippen(PERIODENDAUER, "2000");  // 200 points a period, 100 periods: too many, refused
    ASSERT_EQ(gMeldungen.size(), 1u);
    EXPECT_NE(A(STATUSZEILE).find("Abgelehnt"), std::string::npos) << A(STATUSZEILE);
    inSicht("beside a refusal");
}

// The help in the message box as it shows it: no line wraps, so that none
// loses its indent.
TEST_F(Fenster, HilfeZeilenBrechenNichtUm)
{
    Tasten("F1");
    ASSERT_EQ(gMeldungen.size(), 1u);
    EXPECT_EQ(gMeldungen[0].titel, "Tasten und Maus");
    const QString text = QString::fromStdString(gMeldungen[0].text);
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(gMeldungen[0].titel), text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.show();
    QApplication::processEvents();
    auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    ASSERT_TRUE(label);
    const QFontMetrics masse(label->font());
    for (const QString &zeile : text.split(QLatin1Char('\n')))
        EXPECT_LE(masse.horizontalAdvance(zeile), label->contentsRect().width()) << zeile.toStdString();
    EXPECT_EQ(label->height(), label->heightForWidth(label->width()));
    EXPECT_LE(label->heightForWidth(label->width()), (text.count(QLatin1Char('\n')) + 1) * masse.lineSpacing() + 2)
        << "one line on the screen for each line of the help";
}

// Panels and controls on the real widgets: loading, events, values, ranges,
// and what a person expects of focus, wheel and keys.
#include "graph_gui.h"
#include "intern_gui.h"
#include "numeric_gui.h"
#include "panel_fixture.h"

#include <QAction>
#include <QAbstractProxyModel>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QSignalSpy>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <functional>
#include <chrono>
#include <clocale>
#include <cmath>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

TEST(Laden, UnbekannteDateiNummerOderRueckrufGebenNegativenHandle)
{
    SetCallbackTable(gTestRueckrufe, 4);
    EXPECT_EQ(LoadPanel(0, "gibtsnicht.uir", 1), TK_FEHLER_DATEI);
    EXPECT_EQ(LoadPanel(0, "wlr7sinus_uir.uir", 2), TK_FEHLER_PANELNUMMER);
    // The button's callback answers to no function; a name bound to a function of the wrong kind.
    const CallbackEntry ohneSpeichern[] = {gTestRueckrufe[0], gTestRueckrufe[2], gTestRueckrufe[3]},
                        falsch[] = {gTestRueckrufe[0], gTestRueckrufe[1], gTestRueckrufe[2],
                                    {"Menu_Main", ControlAufzeichnen, nullptr, nullptr}};
    SetCallbackTable(ohneSpeichern, 3);
    EXPECT_EQ(LoadPanel(0, "wlr7sinus_uir.uir", 1), TK_FEHLER_RUECKRUF);
    SetCallbackTable(falsch, 4);
    EXPECT_EQ(LoadPanel(0, "wlr7sinus_uir.uir", 1), TK_FEHLER_RUECKRUF);
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C") << "printf keeps its point after start-up";
    EXPECT_EQ(SetSystemAttribute(1420, 0), 0) << "accepted, with nothing here to set";
}

TEST_F(PanelTest, TitelSchliessfeldMenuUndFokusereignisse)
{
    char titel[5];
    EXPECT_EQ(SetPanelAttribute(h, ATTR_TITLE, "WLR7-Dovarizuz V 1.0") + SetPanelAttribute(h, 618, 1), 0);
    EXPECT_EQ(GetPanelAttribute(h, ATTR_TITLE, titel, sizeof titel) + DisplayPanel(h), 0);
    EXPECT_STREQ(titel, "WLR7");
    QWidget anderes;
    Zeigen();
    anderes.show(), anderes.activateWindow(), QApplication::processEvents();
    EXPECT_GE(Anzahl(EVENT_LOST_FOCUS), 1);
    TK_Schliessen(h);
    TK_MenuWaehlen(h, 3);
    ASSERT_EQ(Anzahl(EVENT_CLOSE), 1);
    EXPECT_TRUE(gEreignisse.back().panel == h && gEreignisse.back().control == 3) << "Datei > Beenden: item 3";
    EXPECT_EQ(Wert(h, 2), 10.0) << "the panel stays after event 11";
    EXPECT_FALSE(QGuiApplication::quitOnLastWindowClosed()) << "and the program ends only when it says so";
}

TEST_F(PanelTest, WerteVomCodeOhneEreignisVomBenutzerMitEinem)
{
    const double v = 5.0 / std::sqrt(2.0);
    int index = -1;
    EXPECT_EQ((std::vector<int>{SetCtrlVal(h, 4, v), SetCtrlVal(h, 10, 3), SetCtrlIndex(h, 9, 4),
                                GetCtrlIndex(h, 9, &index), SetCtrlVal(h, 13, "Status")}), std::vector<int>(5, 0));
    EXPECT_EQ(index, 4);
    tk::numerisch(h, 4)->setzeStellen(5);
    EXPECT_EQ(Anzeige(h, 4), "3.53553");
    tk::numerisch(h, 4)->setzeStellen(3);
    EXPECT_TRUE(gEreignisse.empty());
    EXPECT_EQ(SetCtrlVal(h, 10, 9), TK_FEHLER_ARGUMENT);
    EXPECT_EQ(SetCtrlIndex(h, 9, 17), TK_FEHLER_ARGUMENT);

    TK_Tippen(h, 4, "");  // Enter on the untouched field commits the held value
    TK_Tippen(h, 3, "1,25");
    EXPECT_EQ(tk::numerisch(h, 3)->findChild<QLineEdit *>()->selectedText(), QStringLiteral("1.250"))
        << "after Enter the next typing replaces the value";
    TK_Tippen(h, 5, "-");  // no number: no commit, the old value stays
    TK_Tippen(h, 5, "1e999");
    EXPECT_EQ(TK_RingWaehlen(h, 10, 3), 0);
    SetCtrlVal(h, 8, 4.0);
    TK_Pfeil(h, 8, -2);
    EXPECT_EQ(Wert(h, 8), 2.0) << "arrows step by 1";
    TK_Pfeil(h, 8, -5);  // 1, then the lower limit; beyond it nothing
    int w = -1, erstes = -1;
    ASSERT_EQ(GetCtrlVal(h, 10, &w), 0);
    EXPECT_EQ(std::make_tuple(Wert(h, 4), Wert(h, 3), Anzeige(h, 5), w, Wert(h, 8)),
              std::make_tuple(v, 1.25, std::string("5.000"), 4, 0.01));
    ASSERT_EQ(gEreignisse.size(), 7u);
    EXPECT_TRUE(gEreignisse[2].control == 10 && gEreignisse[3].event == EVENT_COMMIT);
    // The first item is a value like any other; no area, no value.
    EXPECT_EQ(SetCtrlIndex(h, 10, 0) + GetCtrlVal(h, 10, &erstes), 0);
    EXPECT_EQ(erstes, 1);
    EXPECT_EQ(GetCtrlVal(h, 10, static_cast<int *>(nullptr)), TK_FEHLER_ARGUMENT);
}

TEST_F(PanelTest, BereicheHaltenUndGrosseZahlenPassen)
{
    const struct { int control; const char *zuGross; double max; const char *zuKlein; double min; } faelle[] = {
        {2, "20000", 10000.0, "0", 0.001}, {6, "1e6", 20000.0, "0.001", 0.02}};
    for (const auto &f : faelle) {
        TK_Tippen(h, f.control, f.zuGross);
        const double max = Wert(h, f.control);
        TK_Tippen(h, f.control, f.zuKlein);
        EXPECT_EQ(std::make_pair(max, Wert(h, f.control)), std::make_pair(f.max, f.min)) << f.control;
    }
    tk::numerisch(h, 2)->setzeMinimum(500.0);  // a raised limit pulls the value along
    EXPECT_EQ(Wert(h, 2), 500.0);
    tk::numerisch(h, 2)->setzeMinimum(20000.0);  // and the other limit, past it
    EXPECT_EQ(std::make_pair(Wert(h, 2), tk::numerisch(h, 2)->maximum()), std::make_pair(20000.0, 20000.0));
    tk::numerisch(h, 2)->setzeMaximum(2.0);
    EXPECT_EQ(std::make_pair(Wert(h, 2), tk::numerisch(h, 2)->minimum()), std::make_pair(2.0, 2.0));
    TK_Tippen(h, 3, "-1e300");  // peak, RMS, offset: unlimited
    EXPECT_EQ(Wert(h, 3), -1e300);
    EXPECT_EQ(Anzeige(h, 3), "-1.000e+300") << "too long for the fixed form";
    SetCtrlVal(h, 4, -1234567.0);
    EXPECT_EQ(Anzeige(h, 4), "-1234567.000");
    tk::numerisch(h, 4)->setzeStellen(-1);
    EXPECT_EQ(Anzeige(h, 4), "-1234567") << "no fewer digits than none";
    SetCtrlVal(h, 4, 1.7e308);
    TK_Tippen(h, 4, "");
    EXPECT_EQ(Wert(h, 4), 1.7e308) << "left unedited, the value stays whole";
}

TEST_F(PanelTest, WieEinMenschEsErwartet)
{
    Zeigen();
    EXPECT_EQ(TK_FokusControl(h), 2);
    EXPECT_EQ(tk::numerisch(h, 2)->findChild<QLineEdit *>()->selectedText(), QStringLiteral("10.000"))
        << "typing at start replaces the value";
    for (int c = 3; c <= 11; ++c) {
        TK_Tabulator(h);
        EXPECT_EQ(TK_FokusControl(h), c) << "Tab follows the ids";
    }
    EXPECT_EQ(tk::control(h, 9)->focusPolicy(), Qt::StrongFocus) << "a wheel takes no focus";
    TK_Rad(h, 5, 2);  // the wheel over controls without focus: nothing
    TK_Rad(h, 9, 1);
    EXPECT_EQ(std::make_pair(Anzeige(h, 5), Anzeige(h, 9)), std::make_pair(std::string("5.000"), std::string("10ms")));
    EXPECT_TRUE(gEreignisse.empty());
    tk::numerisch(h, 3)->setFocus(Qt::MouseFocusReason);  // a click places the cursor
    EXPECT_TRUE(tk::numerisch(h, 3)->findChild<QLineEdit *>()->selectedText().isEmpty());
    TK_Eingabetaste(h, 11);  // Enter on the button presses it
    tk::numerisch(h, 5)->setFocus();
    TK_Rad(h, 5, 1);  // on the focused field it steps and commits
    EXPECT_EQ(Wert(h, 5), 6.0);
    ASSERT_EQ(gEreignisse.size(), 2u);
    EXPECT_TRUE(gEreignisse[0].control == 11 && gEreignisse[1].control == 5);
    QLineEdit *feld = tk::numerisch(h, 5)->findChild<QLineEdit *>();
    feld->selectAll();
    QTest::keyClicks(feld, "3");
    QTest::keyClick(tk::numerisch(h, 5), Qt::Key_Up);  // steps from what was typed
    EXPECT_EQ(Wert(h, 5), 4.0);

    QLineEdit *zeile = tk::numerisch(h, 3)->findChild<QLineEdit *>();
    tk::numerisch(h, 3)->setFocus();
    QTest::keyClicks(zeile, "7");
    const auto festgelegt = Anzahl(EVENT_COMMIT);
    QTest::keyClick(tk::numerisch(h, 3), Qt::Key_Escape);  // takes the typing back, nothing to commit
    const std::string gleichDanach = zeile->text().toStdString();
    TK_Tabulator(h);
    EXPECT_EQ(std::make_tuple(gleichDanach, Wert(h, 3), Anzahl(EVENT_COMMIT)),
              std::make_tuple(std::string("5.000"), 5.0, festgelegt));
}

TEST(Dateiauswahl, AbbrechenIstKeinFehlerUndFilterTragenNamen)
{
    QStringList filter;
    QString endung, groesse = "-", ordnerGroesse = "-", datum;
    const std::string ordner = TestOrdner();
    DateiSchreiben(ordner + "/k.txt", std::string(1536, 'k'));
    mkdir((ordner + "/unter").c_str(), 0755);
    QTimer::singleShot(0, [&] {
        auto *d = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        filter = d->nameFilters(), endung = d->defaultSuffix();
        // Sizes and dates as a German reads them, a folder without a size.
        QAbstractProxyModel *angaben = d->proxyModel();
        auto *dateien = angaben ? qobject_cast<QFileSystemModel *>(angaben->sourceModel()) : nullptr;
        if (dateien) {
            QSignalSpy geladen(dateien, &QFileSystemModel::directoryLoaded);
            if (dateien->rowCount(dateien->index(QString::fromStdString(ordner))) < 2)
                geladen.wait(10000);
            auto zelle = [&](const char *name, int spalte) {
                const QModelIndex i = dateien->index(QString::fromStdString(ordner + name), spalte);
                return angaben->data(angaben->mapFromSource(i)).toString();
            };
            groesse = zelle("/k.txt", 1), ordnerGroesse = zelle("/unter", 1), datum = zelle("/k.txt", 3);
        }
        d->close();
    });
    TK_DateiauswahlAbfangen(nullptr);  // the real dialog
    char pfad[300];
    EXPECT_EQ(FileSelectPopup(ordner.c_str(), "*.txt", "Kurvendateien (*.txt)", "Kurve exportieren", 1, 0, 0, 1,
                              1, pfad, sizeof pfad), 0) << "cancelled: no file, and no error either";
    EXPECT_EQ(filter, QStringList({"Kurvendateien (*.txt)", "Alle Dateien (*)"}));
    EXPECT_EQ(endung, QStringLiteral("txt"));
    EXPECT_EQ((groesse + "|" + ordnerGroesse).toStdString(), "1,5 kB|");
    EXPECT_EQ(datum, QLocale(QLocale::German).toString(QFileInfo(QString::fromStdString(ordner + "/k.txt")).lastModified(),
                                                        QLocale::ShortFormat));
    TK_DateiauswahlAbfangen(DateiauswahlAntworten);
}

// A pipe nobody writes to, typed into either dialog: the dialog keeps
// answering the user, since it judges files by their names and never reads
// them. A dialog held in a read is let go through the pipe, and fails.
TEST(Dateiauswahl, EinPfadDerNieAntwortetHaeltKeinenDialog)
{
    const std::string fifo = TestOrdner() + "/leitung";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    TK_DateiauswahlAbfangen(nullptr);  // the real dialog
    for (int knopf : {static_cast<int>(TK_KNOPF_LADEN), 1}) {
        std::atomic<bool> fertig{false}, festgehalten{false};
        std::thread wache([&] {
            // A dialog stuck reading the path is a reader of the pipe: a writer
            // that does not block finds it, frees it and says so. A late timer
            // on a loaded machine finds no reader and keeps waiting.
            const auto frist = std::chrono::steady_clock::now() + std::chrono::seconds(1);
            while (!fertig) {
                std::this_thread::yield();
                if (std::chrono::steady_clock::now() < frist) continue;
                const int fd = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    festgehalten = true;
                    (void)!write(fd, "x", 1);
                    close(fd);
                }
            }
        });
        QTimer::singleShot(0, [&] {
            auto *d = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QTest::keyClicks(d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")), QString::fromStdString(fifo));
            QTest::qWait(200);  // what the dialog does with a typed name happens on its events
            fertig = true;
            d->reject();
        });
        char gewaehlt[300];
        EXPECT_EQ(FileSelectPopup("", "*.txt", "Kurvendateien (*.txt)", "Leitung", knopf, 0, 0, 1, 1, gewaehlt,
                                  sizeof gewaehlt),
                  0);
        fertig = true;
        wache.join();
        EXPECT_FALSE(festgehalten) << (knopf == TK_KNOPF_LADEN ? "to open" : "to save");
    }
    TK_DateiauswahlAbfangen(DateiauswahlAntworten);
}

// What the window reads back of a field after the user typed: the text as
// typed and whether a limit changed the value; the warning line shows in a
// colour readable on light and dark.
TEST_F(PanelTest, GetipptesBegrenztesUndWarnzeile)
{
    Zeigen();
    char text[64] = "x";
    double getippt = 0.0, min = 0.0, max = 0.0;
    TK_Tippen(h, 2, "20000");
    EXPECT_EQ(TK_Begrenzt(h, 2, &getippt, &min, &max), 1);
    EXPECT_EQ(std::make_tuple(getippt, min, max), std::make_tuple(20000.0, 0.001, 10000.0));
    EXPECT_EQ(TK_Getippt(h, 2, text, sizeof text), 1);
    EXPECT_STREQ(text, "20000");
    TK_Tippen(h, 2, "2,5k");
    EXPECT_EQ(TK_Begrenzt(h, 2, &getippt, nullptr, nullptr), 0) << "inside its range";
    EXPECT_EQ(TK_Getippt(h, 2, text, sizeof text), 1);
    EXPECT_STREQ(text, "2,5k") << "the text as typed, unit and comma";
    TK_Pfeil(h, 2, 1);
    EXPECT_EQ(TK_Getippt(h, 2, text, sizeof text), 0) << "an arrow step types nothing";
    EXPECT_STREQ(text, "");
    EXPECT_EQ(TK_Getippt(h, 2, nullptr, 4) + TK_Begrenzt(h, 99, nullptr, nullptr, nullptr), TK_FEHLER_ARGUMENT + TK_FEHLER_CONTROL);

    auto *warnung = qobject_cast<QLabel *>(tk::control(h, 14));
    ASSERT_NE(warnung, nullptr);
    EXPECT_EQ(SetCtrlVal(h, 14, "eins\nzwei"), 0);
    EXPECT_TRUE(warnung->isVisible());
    EXPECT_EQ(warnung->palette().color(QPalette::WindowText), QColor(166, 77, 0)) << "on a light window";
    QPalette dunkel = warnung->palette();
    dunkel.setColor(QPalette::Window, QColor(30, 30, 30));
    warnung->setPalette(dunkel);
    SetCtrlVal(h, 14, "drei");
    EXPECT_EQ(warnung->palette().color(QPalette::WindowText), QColor(255, 179, 71)) << "on a dark window";

    double w[100] = {};
    PlotY(h, 12, w, 100, 4, 6, 24, 0, 1, 0);
    tk::graph(h, 12)->zoomen(10.0, 20.0);
    EXPECT_EQ(TK_GraphGanz(h, 12), 0);
    EXPECT_EQ(std::make_pair(tk::graph(h, 12)->von(), tk::graph(h, 12)->bis()), std::make_pair(0.0, 99.0));
    EXPECT_EQ(TK_GraphGanz(h, 13), TK_FEHLER_CONTROL);
}

// Menu items as the program sets them (a text, a tick without an event, a
// dimmed item), and what a user typed in a field but did not yet commit is
// committed before a menu item acts on it, in that order.
TEST_F(PanelTest, MenuepunkteUndGetipptesVorDemMenue)
{
    Zeigen();
    auto aktion = [this](int item) -> QAction * {
        for (QAction *a : tk::panel(h)->fenster->findChildren<QAction *>())
            if (a->property("cviId").isValid() && a->property("cviId").toInt() == item) return a;
        return nullptr;
    };
    QAction *beenden = aktion(3), *exportieren = aktion(4), *achse = aktion(15);
    ASSERT_TRUE(beenden && exportieren && achse && achse->isCheckable());
    EXPECT_EQ(TK_MenuText(h, 3, "Schluss"), 0);
    EXPECT_EQ(beenden->text(), "Schluss");
    EXPECT_EQ(TK_MenuHaken(h, 15, 1), 0);
    EXPECT_TRUE(achse->isChecked());
    TK_MenuHaken(h, 15, 0);
    EXPECT_FALSE(achse->isChecked());
    EXPECT_EQ(TK_MenuDimmen(h, 4, 1), 0);
    EXPECT_FALSE(exportieren->isEnabled());
    TK_MenuDimmen(h, 4, 0);
    EXPECT_TRUE(exportieren->isEnabled());
    EXPECT_TRUE(gEreignisse.empty()) << "set by the program: no menu event";
    EXPECT_EQ(TK_MenuText(h, 99, "x") + TK_MenuHaken(h + 1000, 15, 1), TK_FEHLER_CONTROL + TK_FEHLER_HANDLE);

    tk::numerisch(h, 3)->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(tk::numerisch(h, 3)->findChild<QLineEdit *>(), "2");
    EXPECT_TRUE(gEreignisse.empty()) << "typed, not yet committed";
    exportieren->trigger();
    ASSERT_EQ(gEreignisse.size(), 2u);
    EXPECT_TRUE(gEreignisse[0].control == 3 && gEreignisse[0].event == EVENT_COMMIT) << "the field first";
    EXPECT_EQ(gEreignisse[1].control, 4) << "then the menu item";
    EXPECT_EQ(Wert(h, 3), 2.0);
}

// Each call answers 0 on its control, TK_FEHLER_CONTROL on a control of
// another kind or none, and TK_FEHLER_HANDLE on a panel that is not there.
TEST_F(PanelTest, JederAufrufMeldetErfolgOderWarumNicht)
{
    double d = 0.0;
    const double w[3] = {10, 90, 10};
    const int von[1] = {0}, bis[1] = {1}, oben[1] = {1};
    const auto Status = [](int plot) { return plot > 0 ? 0 : plot; };  // a plot's handle, or its error
    const int NUMERISCH = 2, RING = 10, GRAPH = 12, KEINES = 999;
    // A control of 0 is the panel's own.
    const struct { std::function<int(int, int)> aufruf; int control; } faelle[] = {
        {[&](int p, int) { return TK_MenuZeigen(p, 3, 1); }, 0},
        {[&](int p, int c) { return GetCtrlVal(p, c, &d); }, NUMERISCH},
        {[&](int p, int c) { return SetCtrlAttribute(p, c, ATTR_YAXIS_GAIN, 0.1); }, GRAPH},
        {[&](int p, int c) { return GetCtrlAttribute(p, c, ATTR_YAXIS_GAIN, &d); }, GRAPH},
        {[&](int p, int c) { return DeleteGraphPlot(p, c, -1, 1); }, GRAPH},
        {[&](int p, int c) { return Status(PlotY(p, c, w, 3, 4, 6, 24, 0, 1, 0)); }, GRAPH},
        {[&](int p, int c) { return Status(PlotWaveform(p, c, w, 3, 4, 1.0, 0.0, 0.0, 1.0, 0, 0, 0, 1, 0)); }, GRAPH},
        {[&](int p, int c) { return SetPlotAttribute(p, c, PlotY(h, GRAPH, w, 3, 4, 6, 24, 0, 1, 0), ATTR_PLOT_LG_TEXT, "r"); },
         GRAPH},
        {[&](int p, int c) { return TK_GraphMarkieren(p, c, von, bis, oben, 1); }, GRAPH},
        {[&](int p, int c) { return TK_GraphYBereich(p, c, -20.0, 120.0); }, GRAPH},
        {[&](int p, int c) { return TK_GraphAblesungSetzen(p, c, nullptr); }, GRAPH},
        {[&](int p, int c) { return TK_GraphSpeichernSetzen(p, c, nullptr); }, GRAPH}};
    for (size_t k = 0; k < std::size(faelle); ++k) {
        const auto &f = faelle[k];
        EXPECT_EQ(f.aufruf(h, f.control), 0) << "call " << k;
        EXPECT_EQ(f.aufruf(h + 100, f.control), TK_FEHLER_HANDLE) << "call " << k;
        if (f.control) {
            EXPECT_EQ(f.aufruf(h, KEINES), TK_FEHLER_CONTROL) << "call " << k;
            EXPECT_EQ(f.aufruf(h, RING), TK_FEHLER_CONTROL) << "call " << k;
        }
    }
    EXPECT_EQ(DiscardPanel(h + 100), TK_FEHLER_HANDLE);
}

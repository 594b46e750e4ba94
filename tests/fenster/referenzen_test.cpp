// Several curve files shown as references at once, in the window at the
// size it opens with: each named in the legend in a colour and line of its
// own, a line each in the status, removed one by one or all together from
// the menu, the oldest making way for a fourth.
#include "fenster_fixture.h"
#include "graph_gui.h"
#include "intern_gui.h"
#include "lauf.h"

#include <QAction>
#include <QMenu>
#include <set>

namespace {

using Referenzen = FensterTest;
using SatzStatus = FensterTest;

std::vector<std::string> LegendenNamen()
{
    std::vector<std::string> namen;
    for (const auto &e : tk::graph(gPanelMain, GRAPH)->legende())
        namen.push_back(e.name.toStdString());
    return namen;
}

// The items that remove a single reference, as the Datei menu shows them.
std::vector<std::string> EinzelneEntfernen()
{
    std::vector<std::string> texte;
    for (const char *name : {"REFERENZENTFERNEN1", "REFERENZENTFERNEN2", "REFERENZENTFERNEN3"})
        if (Aktion(name)->isVisible() && Aktion(name)->isEnabled())
            texte.push_back(Aktion(name)->text().toStdString());
    return texte;
}

// The status line's set, "" without one.
std::string Satz()
{
    const std::string status = Anzeige(gPanelMain, STATUSZEILE);
    const std::size_t von = status.find("\nSatz: ");
    if (von == std::string::npos) return "";
    const std::size_t bis = status.find('\n', von + 1);
    return status.substr(von + 1, bis == std::string::npos ? std::string::npos : bis - von - 1);
}

}  // namespace

TEST_F(Referenzen, DreiZugleichEinzelnUndAlleEntfernenDieVierteVerdraengtDieAelteste)
{
    const QSize groesse = tk::panel(gPanelMain)->fenster->size();
    const std::string ordner = TestOrdner();
    // Three phases of one design, and a fourth file of another design.
    const std::vector<std::pair<std::string, std::vector<std::string>>> dateien = {
        {"l1.txt", {"--phase", "0"}},
        {"l2.txt", {"--phase", "-120"}},
        {"l3.txt", {"--phase", "120"}},
        {"a&b.txt", {"--frequency", "4", "--curve", "3"}}};
    for (const auto &d : dateien) {
        DateiSchreiben(ordner + "/" + d.first, Ausfuehren(d.second, {"--output", "-"}).aus);
    }
    EXPECT_TRUE(EinzelneEntfernen().empty()) << "no item without a reference";
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(Fenster_ReferenzLaden((ordner + "/" + dateien[i].first).c_str()), 1);
    ASSERT_TRUE(gMeldungen.empty()) << MeldungenText();
    EXPECT_EQ(Fenster_ReferenzLaden((ordner + "/fehlt.txt").c_str()), 0) << "a file that is not there";
    EXPECT_EQ(gFenster.iReferenzen, 3) << "leaves those shown";
    EXPECT_EQ(LegendenNamen(), (std::vector<std::string>{"Ideal", "Kurve", "l1.txt", "l2.txt", "l3.txt"}));
    // Colours and lines of the references differ from each other and from the curve.
    std::set<QRgb> farben;
    std::set<int> linien;
    for (const auto &e : tk::graph(gPanelMain, GRAPH)->legende())
        farben.insert(e.farbe.rgb()), linien.insert(e.stil);
    EXPECT_EQ(farben.size(), 5u);
    EXPECT_EQ(tk::panel(gPanelMain)->fenster->size(), groesse);
    EXPECT_GE(linien.size(), 3u) << "told apart without colour too";
    // The status: a line per reference; the first is what the inputs export.
    const std::string status = A(STATUSZEILE);
    for (int i = 0; i < 3; ++i)
        EXPECT_NE(status.find("Referenz " + dateien[i].first + ": "), std::string::npos) << status;
    EXPECT_EQ(EinzelneEntfernen(), (std::vector<std::string>{"Referenz &1 \u201el1.txt\u201c entfernen",
                                                              "Referenz &2 \u201el2.txt\u201c entfernen",
                                                              "Referenz &3 \u201el3.txt\u201c entfernen"}));

    // The middle one goes; the others keep their files and colours, the numbers close up.
    const auto vorher = tk::graph(gPanelMain, GRAPH)->legende();
    TK_MenuWaehlen(gPanelMain, REFERENZENTFERNEN2);
    EXPECT_EQ(LegendenNamen(), (std::vector<std::string>{"Ideal", "Kurve", "l1.txt", "l3.txt"}));
    const auto nachher = tk::graph(gPanelMain, GRAPH)->legende();
    EXPECT_EQ(std::make_pair(nachher[2].farbe, nachher[3].farbe), std::make_pair(vorher[2].farbe, vorher[4].farbe));
    EXPECT_EQ(EinzelneEntfernen().back(), "Referenz &2 \u201el3.txt\u201c entfernen");
    EXPECT_EQ(A(STATUSZEILE).find("l2.txt"), std::string::npos);

    // Opening one shown already reads it anew as the newest, nothing is replaced.
    ASSERT_EQ(Fenster_ReferenzLaden((ordner + "/l1.txt").c_str()), 1);
    EXPECT_EQ(LegendenNamen(), (std::vector<std::string>{"Ideal", "Kurve", "l3.txt", "l1.txt"}));
    ASSERT_EQ(Fenster_ReferenzLaden((ordner + "/l2.txt").c_str()), 1);
    // A fourth: the oldest (l3.txt) makes way, and the status says so; an "&" reads as itself in the menu.
    ASSERT_EQ(Fenster_ReferenzLaden((ordner + "/a&b.txt").c_str()), 1);
    EXPECT_EQ(LegendenNamen(), (std::vector<std::string>{"Ideal", "Kurve", "l1.txt", "l2.txt", "a&b.txt"}));
    farben.clear();
    for (const auto &e : tk::graph(gPanelMain, GRAPH)->legende()) farben.insert(e.farbe.rgb());
    EXPECT_EQ(farben.size(), 5u) << "the newest takes the colour that came free";
    EXPECT_NE(A(STATUSZEILE).find("Referenz \u201el3.txt\u201c nicht mehr gezeigt: h\u00f6chstens 3 Referenzen"),
              std::string::npos) << A(STATUSZEILE);
    EXPECT_EQ(EinzelneEntfernen().back(), "Referenz &3 \u201ea&&b.txt\u201c entfernen");

    // The take-over reads the newest, and says so.
    EXPECT_TRUE(Aktion("EINGABENAUSREFERENZ")->isEnabled());
    EXPECT_EQ(Aktion("EINGABENAUSREFERENZ")->text().toStdString(), "Eingaben aus Referenz \u201ea&&b.txt\u201c über&nehmen");
    TK_MenuWaehlen(gPanelMain, EINGABENAUSREFERENZ);
    ASSERT_EQ(gMeldungen.size(), 1u) << "the missing file's only: " << MeldungenText();
    EXPECT_EQ(std::make_pair(gEingabe.iKurvennummer, gEingabe.dFrequenz), std::make_pair(3, 4.0));

    // All of them go together; the menu has nothing left to remove.
    TK_MenuWaehlen(gPanelMain, REFERENZENTFERNEN);
    EXPECT_EQ(gFenster.iReferenzen, 0);
    EXPECT_TRUE(LegendenNamen().empty());
    EXPECT_TRUE(EinzelneEntfernen().empty());
    EXPECT_FALSE(Aktion("REFERENZENTFERNEN")->isEnabled() || Aktion("EINGABENAUSREFERENZ")->isEnabled());
    EXPECT_EQ(Aktion("EINGABENAUSREFERENZ")->text().toStdString(), "Eingaben aus Referenz über&nehmen");
    EXPECT_EQ(tk::panel(gPanelMain)->fenster->size(), groesse) << "the window keeps the size it opened with";
}

TEST_F(SatzStatus, DreiReferenzenGegenDenEntwurf)
{
    const std::string ordner = TestOrdner();
    const std::vector<std::pair<std::string, std::vector<std::string>>> dateien = {
        {"v.txt", {"--phase", "120", "--curve", "2"}},
        {"w.txt", {"--phase", "240", "--curve", "3"}},
        {"inv.txt", {"--peak", "-5", "--curve", "4"}}};
    for (const auto &d : dateien) {
        ASSERT_EQ(Ausfuehren(d.second, {"--output", ordner + "/" + d.first}).code, 0) << d.first;
    }
    EXPECT_EQ(Satz(), "") << "no set without a reference";
    for (const auto &d : dateien) {
        gDateiauswahl = {ordner + "/" + d.first, 1, {}};
        Fenster_KurveOeffnen();
    }
    ASSERT_TRUE(gMeldungen.empty()) << MeldungenText();
    ASSERT_EQ(gFenster.iReferenzen, 3);
    // The default design: 20 samples a period and the one closing it, 10 ms apart.
    EXPECT_EQ(Satz(), "Satz: Schleife 210 ms (21 Datenzeilen × 10ms) · Entwurf: Kurve 1, 5 Hz, Bezug der Phasen · v.txt: "
                      "Kurve 2, 5 Hz wie Entwurf, Phase +120.0° · w.txt: Kurve 3, 5 Hz wie Entwurf, Phase -120.0° · "
                      "inv.txt: Kurve 4, 5 Hz wie Entwurf, Phase +180.0°");
    // The design turns: the references' phases follow it.
    Tippen(PHASE, "120");
    EXPECT_EQ(Satz(), "Satz: Schleife 210 ms (21 Datenzeilen × 10ms) · Entwurf: Kurve 1, 5 Hz, Bezug der Phasen · v.txt: "
                      "Kurve 2, 5 Hz wie Entwurf, Phase +0.0° · w.txt: Kurve 3, 5 Hz wie Entwurf, Phase +120.0° · "
                      "inv.txt: Kurve 4, 5 Hz wie Entwurf, Phase +60.0°");

    // The design's time base goes with it: the references' differs now.
    TK_RingWaehlen(gPanelMain, ZEITBASIS, 8);
    EXPECT_NE(Satz().find("w.txt: Zeitbasis 10ms, Entwurf hat 5ms"), std::string::npos) << Satz();

    // Without references the set goes.
    Fenster_ReferenzEntfernen();
    EXPECT_EQ(Satz(), "");
}

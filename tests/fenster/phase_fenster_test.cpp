// The phase field as a user meets it: reached by its mnemonic, typed with
// its unit, committed, exported byte for byte as the exporter's --phase
// writes it, one undo step, and named in the report picture's title.
#include "bedienung.h"
#include "fenster_fixture.h"
#include "graph_gui.h"
#include "intern_gui.h"
#include "lauf.h"
#include "Sinustexte.h"

#include <QAction>
#include <QDoubleSpinBox>

namespace {

using PhaseFeld = FensterTest;

QAction *Aktion(const char *name)
{
    return tk::panel(gPanelMain)->fenster->findChild<QAction *>(QString::fromLatin1(name));
}

std::string Titel()
{
    char sz[400];
    Sinus_BerichtTitel(&gEingabe, nullptr, sz, sizeof sz);
    return sz;
}

}  // namespace

TEST_F(PhaseFeld, TippenUebernehmenExportierenRueckgaengig)
{
    const std::string ordner = TestOrdner();
    EXPECT_EQ(Titel().find("Phase"), std::string::npos) << "phase 0 leaves the title as it was";
    ASSERT_EQ(TK_Tasten(gPanelMain, "Alt+S"), 0);
    EXPECT_EQ(TK_FokusControl(gPanelMain), PHASE) << "Alt+S reaches the field";
    EXPECT_NE(tk::control(gPanelMain, PHASE)->toolTip().toStdString().find("Startwinkel"), std::string::npos);

    Tippen(PHASE, "120\u00b0");
    EXPECT_EQ(gEingabe.dPhase, 120.0);
    EXPECT_EQ(A(PHASE), "120.00");
    Exportieren(ordner + "/p.txt");
    ASSERT_TRUE(gMeldungen.empty()) << MeldungenText();
    const std::string datei = DateiLesen(ordner + "/p.txt");
    EXPECT_EQ(datei, Ausfuehren({"--phase", "120", "--output", "-"}).aus);
    EXPECT_NE(datei, Ausfuehren({"--output", "-"}).aus);
    EXPECT_NE(Titel().find("Phase 120.00\u00b0"), std::string::npos) << Titel();

    Tippen(PHASE, "-37,5");
    Exportieren(ordner + "/q.txt");
    EXPECT_EQ(DateiLesen(ordner + "/q.txt"), Ausfuehren({"--phase=-37.5", "--output", "-"}).aus);
    EXPECT_EQ(Aktion("RUECKGAENGIG")->text().toStdString(), "&Rückgängig: Phase -37.5 \u2192 120 \u00b0");
    EXPECT_EQ(Fenster_Rueckgaengig(), 1);
    EXPECT_EQ(std::make_pair(gEingabe.dPhase, W(PHASE)), std::make_pair(120.0, 120.0));
    EXPECT_EQ(Fenster_Rueckgaengig(), 1);
    EXPECT_EQ(std::make_pair(gEingabe.dPhase, W(PHASE)), std::make_pair(0.0, 0.0));

    // Out of range: the field holds its limit and says so.
    Tippen(PHASE, "400");
    EXPECT_EQ(gEingabe.dPhase, 360.0);
}

TEST_F(PhaseFeld, IdealkurveBeginntBeimStartwinkel)
{
    const std::vector<double> vorher = Plot();
    Tippen(PHASE, "90");
    // The samples start at the crest (offset 50 % + amplitude 50 %).
    ASSERT_GT(gSinus.iAnzahlPunkte, 2);
    EXPECT_EQ(gSinus.pdWerte[1], 100.0);
    const std::vector<double> *ideal = tk::graph(gPanelMain, GRAPH)->werte(0);
    ASSERT_TRUE(ideal && !ideal->empty());
    EXPECT_NEAR(ideal->front(), 100.0, 1e-9) << "the ideal sine drawn starts where the samples do";
    EXPECT_NE(Plot(), vorher);
}

// The panel form against the input table: every control's label, tooltip,
// range, default and precision, ring items and values; menus and room.
#include "Sinuseingaben.h"
#include "intern_gui.h"
#include "panel_fixture.h"
#include "wlr7sinus_uir.h"

#include <QMenu>
#include <QMenuBar>
#include <cmath>

TEST_F(PanelTest, FormUndEingabetabelleStimmenUeberein)
{
    Eingabewerte vorgaben;
    Eingaben_Vorgaben(&vorgaben);
    char text[200];
    for (int i = 0; i < Eingaben_Anzahl(); ++i) {
        const Eingabefeld *f = Eingaben_Feld(i);
        SCOPED_TRACE(f->szOption);
        // The form's controls stand in the table's order; the phase, added later, took the next free id.
        const int iControl = i == EINGABE_PHASE ? PHASE : WLR7UMAX + i - (i > EINGABE_PHASE);
        ASSERT_EQ(GetCtrlAttribute(h, iControl, ATTR_LABEL_TEXT, text, sizeof text), 0);
        EXPECT_STREQ(text, f->szLabel);
        ASSERT_EQ(GetCtrlAttribute(h, iControl, ATTR_TOOLTIP_TEXT, text, sizeof text), 0);
        EXPECT_STREQ(text, f->szBeschreibung);
        if (f->iArt != EINGABEN_ZAHL) {
            int wert = 0;
            GetCtrlVal(h, iControl, &wert);
            EXPECT_EQ(wert, f->dVorgabe);
            // Each item's value is its position + 1, up to the table's last.
            for (int k = 0; k < f->dMax; ++k) {
                SetCtrlIndex(h, iControl, k);
                GetCtrlVal(h, iControl, &wert);
                EXPECT_EQ(wert, k + 1);
            }
            EXPECT_EQ(GetLabelFromIndex(h, iControl, static_cast<int>(f->dMax), text, sizeof text), TK_FEHLER_ARGUMENT);
            continue;
        }
        double d = 0.0;
        GetCtrlVal(h, iControl, &d);
        EXPECT_EQ(d, f->dVorgabe);
        EXPECT_EQ(d, *Eingaben_Zahl(&vorgaben, f));
        for (std::pair<int, double> a : {std::pair<int, double>{ATTR_MIN_VALUE, f->dMin}, {ATTR_MAX_VALUE, f->dMax},
                                         {ATTR_PRECISION, f->iStellen}}) {
            ASSERT_EQ(GetCtrlAttribute(h, iControl, a.first, &d), 0);
            EXPECT_EQ(d, a.second) << a.first;
        }
    }
    EXPECT_NEAR(vorgaben.dAmplitudeDach / std::sqrt(2.0), vorgaben.dAmplitudeEff, 0.0005) << "the defaults agree";
    EXPECT_EQ(Sinus_PeriodeAusFrequenz(vorgaben.dFrequenz), vorgaben.dPeriodendauer);

    // The time-base ring holds the curve's labels in their order, the curve ring "Kurve N".
    const Eingabefeld *zeitbasis = Eingaben_Feld(EINGABE_ZEITBASIS);
    EXPECT_STREQ(vorgaben.szZeitbasis, Zeitbasis_Label(static_cast<int>(zeitbasis->dVorgabe) - 1));
    for (int ring : {ZEITBASIS, KURVENNUMMER})
        for (int k = 0; k < Eingaben_Feld(ring == ZEITBASIS ? EINGABE_ZEITBASIS : EINGABE_KURVE)->dMax; ++k) {
            ASSERT_EQ(GetLabelFromIndex(h, ring, k, text, sizeof text), 0);
            EXPECT_EQ(std::string(text), ring == ZEITBASIS ? Zeitbasis_Label(k) : "Kurve " + std::to_string(k + 1));
        }
    EXPECT_EQ(Anzeige(h, WLR7UMAX), "10.000") << "the precision shows";
}

TEST_F(PanelTest, MenuesUndPlatzFuerDieGrafik)
{
    QWidget *fenster = tk::panel(h)->fenster;
    auto ids = [](const QMenu *m) {
        std::vector<int> v;
        for (QAction *a : m->actions())
            if (!a->isSeparator()) v.push_back(a->property("cviId").toInt());
        return v;
    };
    EXPECT_EQ(ids(fenster->findChild<QMenu *>(QStringLiteral("DATEI"))).back(), BEENDEN) << "Beenden stays last";
    EXPECT_EQ(ids(fenster->findChild<QMenu *>(QStringLiteral("HILFE"))), (std::vector<int>{BEDIENUNG, UEBER}));
    const QSize grafik = tk::control(h, GRAPH)->minimumSize();
    EXPECT_TRUE(grafik.width() >= 300 && grafik.height() >= 200) << "a readable plot in the smallest window";
    // The bar lies on the panel's beige: its text stays dark under any palette.
    const QPalette leiste = fenster->findChild<QMenuBar *>()->palette();
    EXPECT_LT(leiste.color(QPalette::ButtonText).lightness(), leiste.color(QPalette::Window).lightness() / 2);
}

// The panel form: defaults as a fresh start shows them, ring items and values.
#include "Sinuserzeugung_Main.h"
#include "panel_fixture.h"
#include "wlr7sinus_uir.h"

#include <cmath>

TEST_F(PanelTest, VorgabenUndRinge)
{
    const char *erwartet[] = {"10.000", "5.000", "3.536", "5.000", "5.00", "200.00", "1.00", "10ms", "Kurve 1",
                              "Exportieren"};
    for (int c = WLR7UMAX; c <= SPEICHERN; ++c)
        EXPECT_EQ(Anzeige(h, c), erwartet[c - WLR7UMAX]) << "control " << c;
    EXPECT_NEAR(Wert(h, AMPLITUDEDACH) / std::sqrt(2.0), Wert(h, AMPLITUDEEFF), 0.0005) << "the defaults agree";
    EXPECT_EQ(1000.0 / Wert(h, FREQUENZ), Wert(h, PERIODENDAUER));

    // Every time base the curve knows, in its order; each item's value is its position + 1.
    char label[20];
    for (int ring : {ZEITBASIS, KURVENNUMMER})
        for (int i = 0; i < (ring == ZEITBASIS ? Zeitbasis_Anzahl() : 4); ++i) {
            ASSERT_EQ(GetLabelFromIndex(h, ring, i, label, sizeof label), 0);
            EXPECT_EQ(std::string(label), ring == ZEITBASIS ? Zeitbasis_Label(i) : "Kurve " + std::to_string(i + 1));
            int wert = 0;
            SetCtrlIndex(h, ring, i);
            GetCtrlVal(h, ring, &wert);
            EXPECT_EQ(wert, i + 1) << label;
        }
    EXPECT_EQ(GetLabelFromIndex(h, ZEITBASIS, Zeitbasis_Anzahl(), label, sizeof label), TK_FEHLER_ARGUMENT);
}

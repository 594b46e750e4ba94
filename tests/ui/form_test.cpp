// The panel form: defaults as a fresh start shows them, ring items and values.
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

    const char *zeitbasen[] = {"50us", "100us", "200us", "500us", "1ms", "2ms", "3ms", "4ms", "5ms",
                               "10ms", "20ms", "50ms", "100ms", "1s", "10s", "1min", "1std"};
    char label[20];
    for (int ring : {ZEITBASIS, KURVENNUMMER})
        for (int i = 0; i < (ring == ZEITBASIS ? 17 : 4); ++i) {
            ASSERT_EQ(GetLabelFromIndex(h, ring, i, label, sizeof label), 0);
            EXPECT_EQ(std::string(label), ring == ZEITBASIS ? zeitbasen[i] : "Kurve " + std::to_string(i + 1));
            SetCtrlIndex(h, ring, i);
            int wert = 0;
            GetCtrlVal(h, ring, &wert);
            EXPECT_EQ(wert, i + 1) << label;
        }
    EXPECT_EQ(GetLabelFromIndex(h, ZEITBASIS, 17, label, sizeof label), TK_FEHLER_ARGUMENT);
}

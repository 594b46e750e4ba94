// wlr7sinus-export: writes, without a window, the curve file that the panel
// exports after the same inputs are committed.
#include "Sinuserzeugung_Main.h"
#include "ZEM_errorV3.h"
#include "toolkit.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

const int EXIT_EINGABE = 2;
const int EXIT_FEHLER = 1;
const double UNBEGRENZT = std::numeric_limits<double>::infinity();

void Hilfe(FILE *f)
{
    std::fprintf(f,
        "Aufruf: wlr7sinus-export [Optionen] --output DATEI|-\n"
        "\n"
        "Schreibt die Sinuskurve als Exportdatei, wie sie WLR7-Dovarizuz nach\n"
        "denselben Eingaben exportiert. Ohne Option gelten die Vorgaben des Fensters.\n"
        "\n"
        "  --umax V          max. Ausgangsspannung des WLR-7 in V, 0.001 bis 10000 (10)\n"
        "  --peak V          Amplitude, Scheitelwert in V (5)\n"
        "  --rms V           Amplitude, Effektivwert in V; Scheitelwert = sqrt(2) * V\n"
        "  --offset V        Offset in V (5)\n"
        "  --frequency HZ    Frequenz in Hz, 0.02 bis 20000; Periodendauer = 1000 / HZ\n"
        "  --period MS       Periodendauer in ms, 0.05 bis 50000 (200)\n"
        "  --periods N       Anzahl der Perioden, 0.01 bis 100 (1)\n"
        "  --timebase LABEL  Zeitbasis, eine von:");
    for (int i = 0; i < Zeitbasis_Anzahl(); ++i)
        std::fprintf(f, "%s%s", i % 9 == 0 ? "\n                      " : " ", Zeitbasis_Label(i));
    std::fprintf(f,
        " (10ms)\n"
        "  --curve N         Kurvennummer 1 bis 4 (1)\n"
        "  --output DATEI    Zieldatei; \"-\" schreibt auf die Standardausgabe\n"
        "  --help            diese Hilfe\n"
        "\n"
        "--peak und --rms sowie --frequency und --period schließen einander aus.\n"
        "Exit-Code: 0 geschrieben, 1 zu viele Punkte oder Schreibfehler,\n"
        "2 ungültige Eingabe. Bei Exit-Code 1 und 2 wird keine Datei angelegt,\n"
        "außer ein Schreibfehler trifft eine schon geöffnete Datei.\n");
}

int Falsch(const char *szText)
{
    std::fprintf(stderr, "wlr7sinus-export: %s\nHilfe: wlr7sinus-export --help\n", szText);
    return EXIT_EINGABE;
}

// Reads a finite number within [dMin, dMax]; a message names the option.
bool ZahlLesen(const char *szOption, const char *szText, double dMin, double dMax, double *pdWert)
{
    char szMeldung[200];
    char *pEnde = nullptr;
    errno = 0;
    double d = szText ? std::strtod(szText, &pEnde) : 0.0;
    if (!szText || pEnde == szText || *pEnde != '\0' || !std::isfinite(d) || errno == ERANGE) {
        std::snprintf(szMeldung, sizeof szMeldung, "%s erwartet eine Zahl, nicht \"%s\".", szOption,
                      szText ? szText : "");
        Falsch(szMeldung);
        return false;
    }
    if (d < dMin || d > dMax) {
        std::snprintf(szMeldung, sizeof szMeldung, "%s erwartet einen Wert von %g bis %g, nicht %s.", szOption,
                      dMin, dMax, szText);
        Falsch(szMeldung);
        return false;
    }
    *pdWert = d;
    return true;
}

}  // namespace

int main(int argc, char *argv[])
{
    // The panel's defaults.
    Eingabewerte e = {10.0, 5.0, 3.536, 5.0, 5.0, 200.0, 1.0, 9, "10ms", 1};
    const char *szAusgabe = nullptr;
    bool bPeak = false, bRms = false, bFrequenz = false, bPeriode = false;

    for (int i = 1; i < argc; ++i) {
        const char *o = argv[i];
        if (std::strcmp(o, "--help") == 0 || std::strcmp(o, "-h") == 0) {
            Hilfe(stdout);
            return 0;
        }
        const char *w = i + 1 < argc ? argv[i + 1] : nullptr;
        bool ok = true;
        if (std::strcmp(o, "--umax") == 0)
            ok = ZahlLesen(o, w, 0.001, 10000.0, &e.dUmax);
        else if (std::strcmp(o, "--peak") == 0)
            ok = (bPeak = ZahlLesen(o, w, -UNBEGRENZT, UNBEGRENZT, &e.dAmplitudeDach));
        else if (std::strcmp(o, "--rms") == 0)
            ok = (bRms = ZahlLesen(o, w, -UNBEGRENZT, UNBEGRENZT, &e.dAmplitudeEff));
        else if (std::strcmp(o, "--offset") == 0)
            ok = ZahlLesen(o, w, -UNBEGRENZT, UNBEGRENZT, &e.dOffset);
        else if (std::strcmp(o, "--frequency") == 0)
            ok = (bFrequenz = ZahlLesen(o, w, 0.02, 20000.0, &e.dFrequenz));
        else if (std::strcmp(o, "--period") == 0)
            ok = (bPeriode = ZahlLesen(o, w, 0.05, 50000.0, &e.dPeriodendauer));
        else if (std::strcmp(o, "--periods") == 0)
            ok = ZahlLesen(o, w, 0.01, 100.0, &e.dAnzahlPerioden);
        else if (std::strcmp(o, "--timebase") == 0) {
            int k = 0;
            while (w && k < Zeitbasis_Anzahl() && std::strcmp(Zeitbasis_Label(k), w) != 0)
                ++k;
            if (!w || k == Zeitbasis_Anzahl())
                return Falsch("--timebase erwartet eine Zeitbasis wie 10ms (Liste: --help).");
            e.iZeitbasisIndex = k;
            TK_TextKopieren(e.szZeitbasis, sizeof e.szZeitbasis, w);
        } else if (std::strcmp(o, "--curve") == 0) {
            if (!w || std::strlen(w) != 1 || w[0] < '1' || w[0] > '4')
                return Falsch("--curve erwartet eine Kurvennummer von 1 bis 4.");
            e.iKurvennummer = w[0] - '0';
        } else if (std::strcmp(o, "--output") == 0) {
            if (!w || !*w)
                return Falsch("--output erwartet einen Dateinamen oder \"-\".");
            szAusgabe = w;
        } else {
            char szMeldung[200];
            std::snprintf(szMeldung, sizeof szMeldung, "unbekannte Option \"%s\".", o);
            return Falsch(szMeldung);
        }
        if (!ok)
            return EXIT_EINGABE;
        ++i;
    }
    if (bPeak && bRms)
        return Falsch("--peak und --rms geben dieselbe Amplitude an; bitte nur eine davon.");
    if (bFrequenz && bPeriode)
        return Falsch("--frequency und --period geben dieselbe Periode an; bitte nur eine davon.");
    if (!szAusgabe)
        return Falsch("--output fehlt: wohin soll die Kurve geschrieben werden?");

    // The coupling the panel applies when these values are committed.
    if (bPeak)
        e.dAmplitudeEff = Sinus_EffAusDach(e.dAmplitudeDach);
    if (bRms)
        e.dAmplitudeDach = Sinus_DachAusEff(e.dAmplitudeEff);
    if (bFrequenz)
        e.dPeriodendauer = Sinus_PeriodeAusFrequenz(e.dFrequenz);
    if (bPeriode)
        e.dFrequenz = Sinus_FrequenzAusPeriode(e.dPeriodendauer);

    gEingabe = e;
    Sinus_Ableiten(&gEingabe, Zeitbasis_Ermitteln(gEingabe.szZeitbasis), &gSinus);
    if (!Sinus_PunkteZulaessig(&gSinus)) {
        std::fprintf(stderr, "%s\n", SINUS_TEXT_ZU_VIELE_PUNKTE);
        return EXIT_FEHLER;
    }
    int iCode = Sinus_Generieren();
    if (iCode == 0)
        iCode = Sinus_ExportSchreiben(std::strcmp(szAusgabe, "-") == 0 ? "/dev/stdout" : szAusgabe);
    Sinus_Freigeben();
    if (iCode != 0) {
        std::fprintf(stderr, "Fehler #%d: %s\n", -iCode, ZEM_Fehlermeldung(iCode));
        return EXIT_FEHLER;
    }
    return 0;
}

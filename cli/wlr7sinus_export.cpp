// wlr7sinus-export: writes, without a window, the curve file that the panel
// exports after the same inputs are committed.
#include "Sinuserzeugung_Main.h"
#include "ZEM_errorV3.h"
#include "pruefen.h"
#include "toolkit_kern.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <getopt.h>
#include <limits>
#include <string>

namespace {

const char *const PROGRAMM = "wlr7sinus-export";
const int EXIT_EINGABE = 2;
const int EXIT_FEHLER = 1;
const double UNBEGRENZT = std::numeric_limits<double>::infinity();
const std::size_t ECHO_GROESSE = 201;  // what a message repeats of a value

enum Option { UMAX, PEAK, RMS, OFFSET, FREQUENZ, PERIODE, PERIODEN, ZEITBASIS, KURVE, AUSGABE, PRUEFEN, ANZAHL,
              HILFE = 'h', VERSION = 'V' };

// The numeric options with the range of their field in the window.
struct Bereich {
    double dMin, dMax;
};
const Bereich gBereiche[] = {
    {0.001, 10000.0}, {-UNBEGRENZT, UNBEGRENZT}, {-UNBEGRENZT, UNBEGRENZT}, {-UNBEGRENZT, UNBEGRENZT},
    {0.02, 20000.0},  {0.05, 50000.0},           {0.01, 100.0},
};

const option gOptionen[] = {
    {"umax", required_argument, nullptr, UMAX},
    {"peak", required_argument, nullptr, PEAK},
    {"rms", required_argument, nullptr, RMS},
    {"offset", required_argument, nullptr, OFFSET},
    {"frequency", required_argument, nullptr, FREQUENZ},
    {"period", required_argument, nullptr, PERIODE},
    {"periods", required_argument, nullptr, PERIODEN},
    {"timebase", required_argument, nullptr, ZEITBASIS},
    {"curve", required_argument, nullptr, KURVE},
    {"output", required_argument, nullptr, AUSGABE},
    {"check", no_argument, nullptr, PRUEFEN},
    {"help", no_argument, nullptr, HILFE},
    {"version", no_argument, nullptr, VERSION},
    {nullptr, 0, nullptr, 0},
};

std::string Zeitbasen()
{
    std::string s;
    for (int i = 0; i < Zeitbasis_Anzahl(); ++i)
        s += std::string(i ? " " : "") + Zeitbasis_Label(i);
    return s;
}

void Hilfe()
{
    std::printf(
        "Aufruf: wlr7sinus-export [OPTION]... --output DATEI|-\n"
        "        wlr7sinus-export --check DATEI...\n"
        "\n"
        "Schreibt die Sinuskurve als Exportdatei, genau wie WLR7-Dovarizuz sie nach\n"
        "denselben Eingaben exportiert. Ohne Option gelten die Vorgaben des Fensters\n"
        "(in Klammern). Optionen gehen als --option WERT oder --option=WERT; \"--\"\n"
        "beendet die Optionen; jede Option gilt nur einmal.\n"
        "\n"
        "  --umax V          max. Ausgangsspannung des WLR-7 in V, 0.001 bis 10000 (10)\n"
        "  --peak V          Amplitude, Scheitelwert in V (5)\n"
        "  --rms V           Amplitude, Effektivwert in V; Scheitelwert = sqrt(2) * V\n"
        "  --offset V        Offset in V (5)\n"
        "  --frequency HZ    Frequenz in Hz, 0.02 bis 20000; Periodendauer = 1000 / HZ\n"
        "  --period MS       Periodendauer in ms, 0.05 bis 50000 (200)\n"
        "  --periods N       Anzahl der Perioden, 0.01 bis 100 (1)\n"
        "  --timebase LABEL  Zeitbasis, eine von:\n"
        "                      %s (10ms)\n"
        "  --curve N         Kurvennummer 1 bis 4 (1)\n"
        "  --output DATEI    Zieldatei; \"-\" schreibt auf die Standardausgabe\n"
        "  --check DATEI...  prüft Kurvendateien (\"-\": Standardeingabe) und nennt jede\n"
        "                    Abweichung als DATEI:ZEILE: Text; Exit-Code 0 ohne Befund,\n"
        "                    1 mit Befunden, 2 wenn eine Datei nicht lesbar ist\n"
        "  --help            diese Hilfe\n"
        "  --version         Name und Version\n"
        "\n"
        "Zahlen wie im Fenster: Dezimalpunkt oder -komma, Exponent erlaubt (2,5e-3).\n"
        "--peak und --rms sowie --frequency und --period schließen einander aus.\n"
        "Eine vorhandene Datei wird ganz ersetzt oder bleibt, wie sie war.\n"
        "\n"
        "Exit-Code: 0 geschrieben; 1 zu viele Punkte oder Schreibfehler;\n"
        "2 ungültige Eingabe. Bei 1 und 2 bleibt die Zieldatei unberührt.\n",
        Zeitbasen().c_str());
}

// A message on standard error, always starting with the program's name.
int Melden(int iExit, const std::string &text)
{
    std::fprintf(stderr, "%s: %s\n", PROGRAMM, text.c_str());
    if (iExit == EXIT_EINGABE)
        std::fprintf(stderr, "Hilfe: %s --help\n", PROGRAMM);
    return iExit;
}

// A given value as a message repeats it: in quotes, cut at a character
// boundary when it is long.
std::string Echo(const char *szWert)
{
    char szEcho[ECHO_GROESSE];
    const std::size_t n = TK_TextKopieren(szEcho, sizeof szEcho, szWert);
    return "\"" + std::string(szEcho) + (n < std::strlen(szWert) ? "…" : "") + "\"";
}

std::string Erwartet(int iOption)
{
    const char *szName = gOptionen[iOption].name;
    std::string s = std::string("--") + szName + " erwartet ";
    if (iOption <= PERIODEN) {
        const Bereich &b = gBereiche[iOption];
        if (std::isinf(b.dMin))
            return s + "eine Zahl (ohne Grenzen)";
        char szBereich[80];
        std::snprintf(szBereich, sizeof szBereich, "eine Zahl von %g bis %g", b.dMin, b.dMax);
        return s + szBereich;
    }
    if (iOption == ZEITBASIS)
        return s + "eine Zeitbasis (" + Zeitbasen() + ")";
    if (iOption == KURVE)
        return s + "eine Kurvennummer von 1 bis 4";
    return s + "einen Dateinamen oder \"-\"";
}

// Takes one option's value into the input record. False for a value the
// window would not take either.
bool Uebernehmen(int iOption, const char *szWert, Eingabewerte *e, const char **pszAusgabe)
{
    if (iOption <= PERIODEN) {
        double d;
        if (!TK_ZahlLesen(szWert, &d) || d < gBereiche[iOption].dMin || d > gBereiche[iOption].dMax)
            return false;
        double *felder[] = {&e->dUmax,     &e->dAmplitudeDach, &e->dAmplitudeEff,  &e->dOffset,
                            &e->dFrequenz, &e->dPeriodendauer, &e->dAnzahlPerioden};
        *felder[iOption] = d;
        return true;
    }
    if (iOption == ZEITBASIS) {
        for (int k = 0; k < Zeitbasis_Anzahl(); ++k)
            if (std::strcmp(Zeitbasis_Label(k), szWert) == 0) {
                e->iZeitbasisIndex = k;
                TK_TextKopieren(e->szZeitbasis, sizeof e->szZeitbasis, szWert);
                return true;
            }
        return false;
    }
    if (iOption == KURVE) {
        if (std::strlen(szWert) != 1 || szWert[0] < '1' || szWert[0] > '4')
            return false;
        e->iKurvennummer = szWert[0] - '0';
        return true;
    }
    if (!*szWert)
        return false;
    *pszAusgabe = szWert;
    return true;
}

}  // namespace

int main(int argc, char *argv[])
{
    // The panel's defaults.
    Eingabewerte e = {10.0, 5.0, 3.536, 5.0, 5.0, 200.0, 1.0, 9, "10ms", 1};
    const char *szAusgabe = nullptr;
    bool bGegeben[ANZAHL] = {};

    opterr = 0;  // the messages below say it in German
    int c;
    while ((c = getopt_long(argc, argv, ":hV", gOptionen, nullptr)) != -1) {
        if (c == HILFE) {
            Hilfe();
            return 0;
        }
        if (c == VERSION) {
            std::printf("%s %s\n", PROGRAMM, WLR7_VERSION);
            return 0;
        }
        if (c == ':')
            return Melden(EXIT_EINGABE, Erwartet(optopt) + ", es fehlt aber der Wert.");
        if (c == '?')
            return Melden(EXIT_EINGABE, "unbekannte Option " + Echo(argv[optind - 1]) + ".");
        if (bGegeben[c])
            return Melden(EXIT_EINGABE, std::string("--") + gOptionen[c].name +
                                            " ist mehrfach angegeben; jede Option gilt nur einmal.");
        bGegeben[c] = true;
        if (c == PRUEFEN)
            continue;
        if (!Uebernehmen(c, optarg, &e, &szAusgabe))
            return Melden(EXIT_EINGABE, Erwartet(c) + ", nicht " + Echo(optarg) + ".");
    }
    if (bGegeben[PRUEFEN]) {
        for (int i = 0; i < PRUEFEN; ++i)
            if (bGegeben[i])
                return Melden(EXIT_EINGABE, std::string("--check prüft nur Dateien; --") + gOptionen[i].name +
                                                " gehört nicht dazu.");
        return Pruefen_Ausfuehren(argc - optind, argv + optind);
    }
    if (optind < argc)
        return Melden(EXIT_EINGABE, "unerwartetes Argument " + Echo(argv[optind]) +
                                        "; alle Eingaben sind Optionen.");
    if (bGegeben[PEAK] && bGegeben[RMS])
        return Melden(EXIT_EINGABE, "--peak und --rms geben dieselbe Amplitude an; bitte nur eine davon.");
    if (bGegeben[FREQUENZ] && bGegeben[PERIODE])
        return Melden(EXIT_EINGABE, "--frequency und --period geben dieselbe Periode an; bitte nur eine davon.");
    if (!szAusgabe)
        return Melden(EXIT_EINGABE, "--output fehlt: wohin soll die Kurve geschrieben werden?");

    // The coupling the panel applies when these values are committed.
    if (bGegeben[PEAK])
        e.dAmplitudeEff = Sinus_EffAusDach(e.dAmplitudeDach);
    if (bGegeben[RMS])
        e.dAmplitudeDach = Sinus_DachAusEff(e.dAmplitudeEff);
    if (bGegeben[FREQUENZ])
        e.dPeriodendauer = Sinus_PeriodeAusFrequenz(e.dFrequenz);
    if (bGegeben[PERIODE])
        e.dFrequenz = Sinus_FrequenzAusPeriode(e.dPeriodendauer);

    gEingabe = e;
    Sinus_Ableiten(&gEingabe, Zeitbasis_Ermitteln(gEingabe.szZeitbasis), &gSinus);
    if (!Sinus_PunkteZulaessig(&gSinus)) {
        std::string text = SINUS_TEXT_ZU_VIELE_PUNKTE;
        for (char &z : text)
            if (z == '\n')
                z = ' ';
        return Melden(EXIT_FEHLER, text);
    }
    int iCode = Sinus_Generieren();
    if (iCode == 0)
        iCode = Sinus_ExportSchreiben(szAusgabe);
    Sinus_Freigeben();
    if (iCode != 0) {
        // The catalogue's text first, then the reason and the path.
        std::string text = ZEM_Fehlermeldung(iCode);
        const std::size_t umbruch = text.find('\n');
        if (umbruch != std::string::npos)
            text.replace(umbruch, 1, " – ");
        return Melden(EXIT_FEHLER, "Fehler #" + std::to_string(-static_cast<long long>(iCode)) + ": " + text);
    }
    return 0;
}

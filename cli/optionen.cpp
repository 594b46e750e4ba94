// Reading, checking and coupling the curve inputs of the exporter, for the
// command line and a series plan alike.
#include "optionen.h"

#include "Sinuserzeugung_Main.h"
#include "ZEM_errorV3.h"
#include "cli_texte.h"
#include "toolkit_kern.h"

#include <cstdio>
#include <cstring>

namespace {

const std::size_t ECHO_GROESSE = 201;  // what a message repeats of a value
const std::size_t BEREICH_GROESSE = 80;
const std::size_t ABGELEHNT_GROESSE = 300;
const std::size_t WARNUNGEN_GROESSE = 1024;
const std::size_t ABWEICHUNG_GROESSE = 40;

std::string Zeitbasen()
{
    std::string s;
    for (int i = 0; i < Zeitbasis_Anzahl(); ++i)
        s += std::string(i ? " " : "") + Zeitbasis_Label(i);
    return s;
}

}  // namespace

void Optionen_Beginnen(Eingabesatz &s)
{
    Eingaben_Vorgaben(&s.e);
    s.gegeben.assign(static_cast<std::size_t>(Eingaben_Anzahl()), false);
    s.texte.assign(static_cast<std::size_t>(Eingaben_Anzahl()), std::string());
    s.ziel.assign(static_cast<std::size_t>(Eingaben_Anzahl()), 0);
    for (int i = 0; i < Eingaben_Anzahl(); ++i)
        s.ziel[static_cast<std::size_t>(i)] = i;
}

std::string Optionen_Einheiten(int iEingabe)
{
    char sz[BEREICH_GROESSE];
    Eingaben_Einheiten(Eingaben_Feld(iEingabe), sz, sizeof sz);
    return sz;
}

std::string Optionen_Name(int iEingabe, int iQuelle)
{
    return (iQuelle == OPTIONEN_PLAN ? CLI_TEXT_SPALTE : "--") + std::string(Eingaben_Feld(iEingabe)->szOption);
}

std::string Optionen_Zahl(double d)
{
    char sz[32];
    std::snprintf(sz, sizeof sz, "%g", d);
    return sz;
}

std::string Optionen_Echo(const char *szWert)
{
    char szEcho[ECHO_GROESSE];
    const std::size_t n = TK_TextKopieren(szEcho, sizeof szEcho, szWert);
    return "\"" + std::string(szEcho) + (n < std::strlen(szWert) ? "…" : "") + "\"";
}

std::string Optionen_Bereich(int iEingabe)
{
    const Eingabefeld *f = Eingaben_Feld(iEingabe);
    if (f->iArt == EINGABEN_ZEITBASIS)
        return CLI_TEXT_EINE_ZEITBASIS + Zeitbasen() + ")";
    if (f->iArt == EINGABEN_KURVE)
        return CLI_TEXT_EINE_KURVE + Optionen_Zahl(f->dMin) + CLI_TEXT_BIS + Optionen_Zahl(f->dMax);
    char sz[BEREICH_GROESSE];
    Eingaben_Bereich(f, sz, sizeof sz);
    return std::string(CLI_TEXT_EINE_ZAHL) + (Eingaben_Begrenzt(f) ? CLI_TEXT_VON : "(") + sz +
           (Eingaben_Begrenzt(f) ? "" : ")");
}

std::string Optionen_Erwartet(int iEingabe, int iQuelle)
{
    return Optionen_Name(iEingabe, iQuelle) + CLI_TEXT_ERWARTET + Optionen_Bereich(iEingabe);
}

int Optionen_Setzen(Eingabesatz &s, int iEingabe, const char *szWert, int iQuelle, std::string &grund)
{
    const Eingabefeld *f = Eingaben_Feld(iEingabe);
    const bool bZeitbasis = f->iArt == EINGABEN_ZEITBASIS;
    const bool bAuto = bZeitbasis && std::strcmp(szWert, CLI_TEXT_AUTO) == 0;
    Eingabelesung lesung = {iEingabe, 0.0, 0};
    const int iGelesen = bAuto ? EINGABEN_GELESEN : Eingaben_Uebernehmen(&s.e, f, szWert, &lesung);
    if (iGelesen == EINGABEN_FREMDE_EINHEIT) {
        char szName[BEREICH_GROESSE];
        Eingaben_Name(f, szName, sizeof szName);
        const std::string einheiten = Optionen_Einheiten(iEingabe);
        grund = Optionen_Name(iEingabe, iQuelle) + " " + Optionen_Echo(szWert) + CLI_TEXT_PASST_NICHT + szName + ": " +
                (einheiten.empty() ? CLI_TEXT_OHNE_EINHEIT : einheiten) + ".";
        return CLI_EXIT_EINGABE;
    }
    if (iGelesen != EINGABEN_GELESEN) {
        // A value out of range that was typed with a unit says what it was read as.
        std::string gelesen;
        if (iGelesen == EINGABEN_AUSSERHALB && lesung.bEinheit) {
            const Eingabefeld *pZiel = Eingaben_Feld(lesung.iEingabe);
            gelesen = " (" + std::string(pZiel != f ? pZiel->szOption : "") + (pZiel != f ? " " : "") +
                      Optionen_Zahl(lesung.dWert) + (*pZiel->szEinheit ? " " : "") + pZiel->szEinheit + ")";
        }
        grund = Optionen_Erwartet(lesung.iEingabe, iQuelle) + CLI_TEXT_NICHT + Optionen_Echo(szWert) + gelesen + ".";
        return CLI_EXIT_EINGABE;
    }
    if (bZeitbasis)
        s.bAuto = bAuto;
    s.gegeben[static_cast<std::size_t>(iEingabe)] = true;
    s.texte[static_cast<std::size_t>(iEingabe)] = szWert;
    s.ziel[static_cast<std::size_t>(iEingabe)] = lesung.iEingabe;
    return 0;
}

int Optionen_AutoZeitbasis(Eingabesatz &s, int iQuelle, std::string &hinweis, std::string &grund)
{
    hinweis.clear();
    if (!s.bAuto)
        return 0;
    int iZeitbasis = 0;
    while (Eingaben_Feld(iZeitbasis)->iArt != EINGABEN_ZEITBASIS)
        ++iZeitbasis;
    const std::string name = Optionen_Name(iZeitbasis, iQuelle) + " " + CLI_TEXT_AUTO;
    Zeitbasisrat r;
    if (!Analyse_Zeitbasis(s.e.dPeriodendauer, s.e.dAnzahlPerioden, -1, 1, &r)) {
        grund = name + CLI_TEXT_AUTO_KEINE;
        return CLI_EXIT_EINGABE;
    }
    s.e.iZeitbasisIndex = r.iZeitbasis;
    TK_TextKopieren(s.e.szZeitbasis, sizeof s.e.szZeitbasis, Zeitbasis_Label(r.iZeitbasis));
    char szAbweichung[ABWEICHUNG_GROESSE];
    std::snprintf(szAbweichung, sizeof szAbweichung, "%+.4f %% (", r.dAbweichung);
    hinweis = name + ": " + s.e.szZeitbasis +
              (r.bGenau ? CLI_TEXT_AUTO_GENAU : CLI_TEXT_AUTO_NAECHSTE + std::string(szAbweichung)) +
              std::to_string(r.iPunkte) + CLI_TEXT_PUNKTE_JE_PERIODE;
    return 0;
}

int Optionen_Koppeln(Eingabesatz &s, int iQuelle, std::string &grund)
{
    for (int i = 0; i < Eingaben_Anzahl(); ++i) {
        if (!s.gegeben[static_cast<std::size_t>(i)])
            continue;
        // "--peak 3Veff" set the RMS amplitude, which the peak follows.
        const int iPartner = Eingaben_Koppeln(&s.e, s.ziel[static_cast<std::size_t>(i)]);
        if (iPartner == EINGABEN_PARTNER_UNENDLICH) {
            grund = Optionen_Name(i, iQuelle) + " " + Optionen_Echo(s.texte[static_cast<std::size_t>(i)].c_str()) +
                    CLI_TEXT_PARTNER_UNENDLICH;
            return CLI_EXIT_EINGABE;
        }
        if (iPartner >= 0 && iPartner != i && s.gegeben[static_cast<std::size_t>(iPartner)]) {
            grund = Optionen_Name(i, iQuelle) + " und " + Optionen_Name(iPartner, iQuelle) + CLI_TEXT_DOPPELT;
            return CLI_EXIT_EINGABE;
        }
    }
    return 0;
}

std::string Optionen_Fehlertext(int iCode, const char *szGrund)
{
    // The catalogue's text first, then the reason and the path.
    char szMeldung[ZEM_MELDUNG_GROESSE];
    std::string text = ZEM_FehlermeldungGrund(iCode, szGrund, szMeldung, sizeof szMeldung);
    const std::size_t umbruch = text.find('\n');
    if (umbruch != std::string::npos)
        text.replace(umbruch, 1, " – ");
    return CLI_TEXT_FEHLER_NR + std::to_string(-static_cast<long long>(iCode)) + ": " + text;
}

std::string Optionen_Abgelehnt(const Schrittbericht &bericht)
{
    // The window's refusal with its count, on one line.
    char szText[ABGELEHNT_GROESSE];
    Sinus_SchrittText(&bericht, szText, sizeof szText);
    TK_TextEineZeile(szText);
    return szText;
}

std::vector<std::string> Optionen_Warnungen(const Kurvenanalyse &analyse)
{
    char szWarnungen[WARNUNGEN_GROESSE];
    std::vector<std::string> warnungen;
    if (Analyse_Warnungen(&analyse, szWarnungen, sizeof szWarnungen) == 0)
        return warnungen;
    for (const char *p = szWarnungen; *p;) {
        const char *ende = std::strchr(p, '\n');
        warnungen.emplace_back(p, ende ? static_cast<std::size_t>(ende - p) : std::strlen(p));
        p = ende ? ende + 1 : p + std::strlen(p);
    }
    return warnungen;
}

int Optionen_Melden(int iExit, const std::string &text)
{
    std::fprintf(stderr, "%s: %s\n", CLI_PROGRAMM, text.c_str());
    if (iExit == CLI_EXIT_EINGABE)
        std::fprintf(stderr, "%s%s --help\n", CLI_TEXT_HILFE_VERWEIS, CLI_PROGRAMM);
    return iExit;
}

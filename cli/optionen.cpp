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

// The input that sits on control @p iControl, by its index in the table.
int Index(int iControl)
{
    for (int i = 0; i < Eingaben_Anzahl(); ++i)
        if (Eingaben_Feld(i)->iControl == iControl)
            return i;
    return -1;
}

}  // namespace

void Optionen_Beginnen(Eingabesatz &s)
{
    Eingaben_Vorgaben(&s.e);
    s.gegeben.assign(static_cast<std::size_t>(Eingaben_Anzahl()), false);
    s.texte.assign(static_cast<std::size_t>(Eingaben_Anzahl()), std::string());
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

std::string Optionen_Setzen(Eingabesatz &s, int iEingabe, const char *szWert, int iQuelle)
{
    const bool bZeitbasis = Eingaben_Feld(iEingabe)->iArt == EINGABEN_ZEITBASIS;
    const bool bAuto = bZeitbasis && std::strcmp(szWert, CLI_TEXT_AUTO) == 0;
    if (!bAuto && !Eingaben_Uebernehmen(&s.e, Eingaben_Feld(iEingabe), szWert))
        return Optionen_Erwartet(iEingabe, iQuelle) + CLI_TEXT_NICHT + Optionen_Echo(szWert) + ".";
    if (bZeitbasis)
        s.bAuto = bAuto;
    s.gegeben[static_cast<std::size_t>(iEingabe)] = true;
    s.texte[static_cast<std::size_t>(iEingabe)] = szWert;
    return "";
}

std::string Optionen_AutoZeitbasis(Eingabesatz &s, int iQuelle, std::string &hinweis)
{
    hinweis.clear();
    if (!s.bAuto)
        return "";
    int iZeitbasis = 0;
    while (Eingaben_Feld(iZeitbasis)->iArt != EINGABEN_ZEITBASIS)
        ++iZeitbasis;
    const std::string name = Optionen_Name(iZeitbasis, iQuelle) + " " + CLI_TEXT_AUTO;
    Zeitbasisrat r;
    if (!Analyse_Zeitbasis(s.e.dPeriodendauer, s.e.dAnzahlPerioden, -1, 1, &r))
        return name + CLI_TEXT_AUTO_KEINE;
    s.e.iZeitbasisIndex = r.iZeitbasis;
    TK_TextKopieren(s.e.szZeitbasis, sizeof s.e.szZeitbasis, Zeitbasis_Label(r.iZeitbasis));
    char szAbweichung[ABWEICHUNG_GROESSE];
    std::snprintf(szAbweichung, sizeof szAbweichung, "%+.4f %% (", r.dAbweichung);
    hinweis = name + ": " + s.e.szZeitbasis +
              (r.bGenau ? CLI_TEXT_AUTO_GENAU : CLI_TEXT_AUTO_NAECHSTE + std::string(szAbweichung)) +
              std::to_string(r.iPunkte) + CLI_TEXT_PUNKTE_JE_PERIODE;
    return "";
}

std::string Optionen_Koppeln(Eingabesatz &s, int iQuelle)
{
    for (int i = 0; i < Eingaben_Anzahl(); ++i) {
        if (!s.gegeben[static_cast<std::size_t>(i)])
            continue;
        const int iPartner = Eingaben_Koppeln(&s.e, Eingaben_Feld(i)->iControl);
        if (iPartner < 0)
            return Optionen_Name(i, iQuelle) + " " + Optionen_Echo(s.texte[static_cast<std::size_t>(i)].c_str()) +
                   CLI_TEXT_PARTNER_UNENDLICH;
        if (iPartner > 0 && s.gegeben[static_cast<std::size_t>(Index(iPartner))])
            return Optionen_Name(i, iQuelle) + " und " + Optionen_Name(Index(iPartner), iQuelle) + CLI_TEXT_DOPPELT;
    }
    return "";
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

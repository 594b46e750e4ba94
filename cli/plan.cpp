// Reading and checking a series plan: every line is read through the same
// functions as the options and stepped as a single export is, and every
// finding is gathered before any file is touched.
#include "plan.h"

#include "Sinusschritt.h"
#include "cli_texte.h"
#include "optionen.h"
#include "toolkit_kern.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::size_t PLAN_MAX_BYTES = 64u << 20;  // far beyond any table of curves
const std::size_t LESEBLOCK = 1u << 16;
const char *const STANDARDEINGABE = "-";
const char *const KOMMENTAR = "#";
const char *const BOM = "\xef\xbb\xbf";   // a spreadsheet's UTF-8 mark
const char *const NBSP = "\xc2\xa0";
const char *const STANDARDAUSGABE_PFAD = "/dev/stdout";

// What a column of the plan holds.
enum { SPALTE_OHNE_NAMEN = -1, SPALTE_UNBEKANNT = -2, SPALTE_AUSGABE = -3, SPALTE_DOPPELT = -4 };

struct Pruefung {
    std::string name;
    std::vector<std::string> befunde;  // "PLAN:LINE: text"
    int iFehlerzeilen = 0;
    std::vector<int> spalten;          // per column: input index or SPALTE_...
    std::map<std::string, int> ziele;  // a target's identity and the line naming it
};

void Befund(Pruefung &p, int iZeile, const std::string &text)
{
    p.befunde.push_back(p.name + ":" + std::to_string(iZeile) + ": " + text);
}

// The whole plan into @p text; "" or the reason it cannot be read.
std::string Lesen(const char *szPlan, std::string &text)
{
    const bool bEingabe = std::strcmp(szPlan, STANDARDEINGABE) == 0;
    // Opening never waits (a FIFO without a writer); reading may, as from
    // standard input: a plan from "<(...)" is read as it comes.
    const int fd = bEingabe ? STDIN_FILENO : ::open(szPlan, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return errno == ENOENT ? CLI_TEXT_NICHT_GEFUNDEN : TK_FehlerGrund(errno);
    struct stat st;
    if (!bEingabe && (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode) ||
                      ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)) {
        ::close(fd);
        return TK_FehlerGrund(EISDIR);
    }
    std::string grund;
    std::vector<char> block(LESEBLOCK);
    for (long n; (n = TK_BlockLesen(fd, block.data(), block.size())) != 0;) {
        if (n < 0) {
            grund = TK_FehlerGrund(static_cast<int>(-n));
            break;
        }
        if (text.size() + static_cast<std::size_t>(n) > PLAN_MAX_BYTES) {
            grund = CLI_TEXT_PLAN_ZU_GROSS;
            break;
        }
        text.append(block.data(), static_cast<std::size_t>(n));
    }
    if (!bEingabe)
        ::close(fd);
    return grund;
}

// The cells of a line as a spreadsheet saves them: split at tabs, a cell in
// double quotes without them ("" inside stands for one).
std::vector<std::string> Zellen(const std::string &zeile)
{
    std::vector<std::string> zellen;
    for (std::size_t anfang = 0;;) {
        const std::size_t ende = zeile.find('\t', anfang);
        std::string z = zeile.substr(anfang, ende == std::string::npos ? std::string::npos : ende - anfang);
        if (z.size() >= 2 && z.front() == '"' && z.back() == '"') {
            std::string ohne;
            for (std::size_t i = 1; i + 1 < z.size(); ++i)
                if (!(z[i] == '"' && z[i + 1] == '"'))
                    ohne += z[i];
            z = ohne;
        }
        zellen.push_back(z);
        if (ende == std::string::npos)
            return zellen;
        anfang = ende + 1;
    }
}

bool AlleLeer(const std::vector<std::string> &zellen)
{
    for (const std::string &z : zellen)
        if (!z.empty())
            return false;
    return true;
}

std::string Getrimmt(const std::string &s)
{
    const std::size_t a = s.find_first_not_of(' '), b = s.find_last_not_of(' ');
    return a == std::string::npos ? "" : s.substr(a, b - a + 1);
}

std::string SpaltenListe()
{
    std::string s;
    for (int i = 0; i < Eingaben_Anzahl(); ++i)
        s += std::string(Eingaben_Feld(i)->szOption) + ", ";
    return s + "output";
}

void Kopf(Pruefung &p, int iZeile, const std::vector<std::string> &zellen)
{
    bool bAusgabe = false;
    for (const std::string &roh : zellen) {
        const std::string name = Getrimmt(roh);
        int iArt = name.empty() ? SPALTE_OHNE_NAMEN : name == "output" ? SPALTE_AUSGABE : SPALTE_UNBEKANNT;
        for (int i = 0; i < Eingaben_Anzahl() && iArt == SPALTE_UNBEKANNT; ++i)
            if (name == Eingaben_Feld(i)->szOption)
                iArt = i;
        if (iArt == SPALTE_UNBEKANNT)
            Befund(p, iZeile, CLI_TEXT_SPALTE_UNBEKANNT + Optionen_Echo(name.c_str()) + CLI_TEXT_SPALTEN_SIND +
                                  SpaltenListe() + ".");
        for (int frueher : p.spalten)
            if (iArt != SPALTE_OHNE_NAMEN && iArt != SPALTE_UNBEKANNT && frueher == iArt) {
                Befund(p, iZeile, CLI_TEXT_SPALTE + name + CLI_TEXT_SPALTE_DOPPELT);
                iArt = SPALTE_DOPPELT;
                break;
            }
        bAusgabe = bAusgabe || iArt == SPALTE_AUSGABE;
        p.spalten.push_back(iArt);
    }
    if (!bAusgabe)
        Befund(p, iZeile, CLI_TEXT_SPALTE_AUSGABE_FEHLT);
    if (!p.befunde.empty())
        ++p.iFehlerzeilen;
}

// Who a path names: an existing file by device and inode (so that two
// spellings or links of one file are one target), a new one by its folder's
// real path and its name. "" when its folder does not exist.
std::string Identitaet(const std::string &pfad)
{
    struct stat st;
    if (::stat(pfad.c_str(), &st) == 0)
        return "i" + std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino);
    const std::size_t schnitt = pfad.rfind('/');
    const std::string ordner = schnitt == std::string::npos ? "." : schnitt == 0 ? "/" : pfad.substr(0, schnitt);
    char szEcht[PATH_MAX];
    if (!::realpath(ordner.c_str(), szEcht))
        return "";
    return "p" + std::string(szEcht) + "/" + pfad.substr(schnitt == std::string::npos ? 0 : schnitt + 1);
}

std::string Leerzeichen(std::string s)
{
    for (std::size_t i; (i = s.find(NBSP)) != std::string::npos;)
        s.replace(i, std::strlen(NBSP), " ");
    return s;
}

// Whether a name begins or ends with white space, which a spreadsheet
// keeps unseen: a file "a.txt " beside "a.txt" is never what was meant.
bool MitLeerraum(const std::string &s)
{
    const auto leer = [](unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    const std::size_t n = std::strlen(NBSP);
    return !s.empty() && (leer(static_cast<unsigned char>(s.front())) || leer(static_cast<unsigned char>(s.back())) ||
                          s.compare(0, n, NBSP) == 0 ||
                          (s.size() >= n && s.compare(s.size() - n, n, NBSP) == 0));
}

// Whether @p pfad names a descriptor of this process that takes no writing
// (standard input, a closed one): the writer would refuse it only later.
bool DeskriptorOhneSchreiben(const std::string &pfad)
{
    const int fd = TK_DateiDeskriptor(pfad.c_str());
    if (fd < 0)
        return false;
    const int flags = ::fcntl(fd, F_GETFL);
    return flags < 0 || (flags & O_ACCMODE) == O_RDONLY;
}

// The findings of one line's target, "" when it is fine.
std::string ZielPruefen(Pruefung &p, int iZeile, const std::string &ausgabe)
{
    if (ausgabe.empty())
        return CLI_TEXT_ZEILE_AUSGABE_FEHLT;
    if (ausgabe == STANDARDEINGABE)
        return CLI_TEXT_AUSGABE_STROM;
    if (MitLeerraum(ausgabe))
        return CLI_TEXT_AUSGABE + Optionen_Echo(ausgabe.c_str()) + CLI_TEXT_AUSGABE_LEERRAUM;
    if (DeskriptorOhneSchreiben(ausgabe))
        return CLI_TEXT_AUSGABE + Optionen_Echo(ausgabe.c_str()) + CLI_TEXT_AUSGABE_NUR_LESEN;
    const std::string id = Identitaet(ausgabe);
    if (id.empty())
        return CLI_TEXT_AUSGABE + Optionen_Echo(ausgabe.c_str()) + CLI_TEXT_ORDNER_FEHLT;
    const auto [it, bNeu] = p.ziele.emplace(id, iZeile);
    if (bNeu)
        return "";
    const std::string wer = CLI_TEXT_AUSGABE + Optionen_Echo(ausgabe.c_str());
    if (it->second == 0)
        return wer + CLI_TEXT_IST_PLAN;
    if (it->second < 0)
        return wer + CLI_TEXT_IST_MANIFEST;
    return wer + CLI_TEXT_STEHT_SCHON + std::to_string(it->second) + CLI_TEXT_NUR_EINMAL;
}

// Checks a data line; a line that passes goes into @p plan.
void Zeile(Pruefung &p, int iZeile, const std::vector<std::string> &zellen, const Eingabesatz &basis, Plan &plan,
           Sinuskurve &kurve)
{
    const std::size_t iVorher = p.befunde.size();
    Eingabesatz s;
    Optionen_Beginnen(s);
    s.e = basis.e;
    s.bAuto = basis.bAuto;
    Planzeile z = {};
    z.iZeile = iZeile;
    for (std::size_t k = 0; k < zellen.size(); ++k) {
        if (zellen[k].empty())
            continue;
        const int iArt = k < p.spalten.size() ? p.spalten[k] : SPALTE_OHNE_NAMEN;
        if (iArt == SPALTE_AUSGABE) {
            z.ausgabe = zellen[k];
        } else if (iArt == SPALTE_OHNE_NAMEN) {
            Befund(p, iZeile,
                   Optionen_Echo(zellen[k].c_str()) + CLI_TEXT_ZELLE_OHNE_SPALTE + std::to_string(k + 1) + ").");
        } else if (iArt >= 0) {
            std::string fehler;
            if (Optionen_Setzen(s, iArt, zellen[k].c_str(), OPTIONEN_PLAN, fehler) != 0)
                Befund(p, iZeile, fehler);
        }
    }
    if (p.befunde.size() == iVorher) {
        std::string fehler;
        if (Optionen_Koppeln(s, OPTIONEN_PLAN, fehler) != 0 ||
            Optionen_AutoZeitbasis(s, OPTIONEN_PLAN, z.hinweis, fehler) != 0)
            Befund(p, iZeile, fehler);
    }
    const bool bMitAusgabe = std::find(p.spalten.begin(), p.spalten.end(), SPALTE_AUSGABE) != p.spalten.end();
    const std::string ziel = bMitAusgabe ? ZielPruefen(p, iZeile, z.ausgabe) : "";
    if (!ziel.empty())
        Befund(p, iZeile, ziel);
    if (p.befunde.size() == iVorher) {
        // The single export's step: the same refusals, the same warnings.
        Kurvenanalyse analyse = {};
        Schrittbericht bericht = {};
        const int iCode = Sinus_Schritt(&s.e, &kurve, &analyse, &bericht);
        if (iCode == SCHRITT_NICHT_ENDLICH || iCode == SCHRITT_ZU_VIELE_PUNKTE)
            Befund(p, iZeile, Optionen_Abgelehnt(bericht));
        else if (iCode != 0)
            Befund(p, iZeile, Optionen_Fehlertext(iCode));
        if (iCode == 0) {
            z.iDatenzeilen = analyse.iZeilen;
            z.dFrequenz = analyse.dFrequenz;
            for (const std::string &w : Optionen_Warnungen(analyse))
                z.warnungen.push_back(Leerzeichen(w));
        }
    }
    if (p.befunde.size() != iVorher) {
        ++p.iFehlerzeilen;
        return;
    }
    z.e = s.e;
    plan.zeilen.push_back(z);
}

// Checks the whole plan text; the plan's lines that passed go into @p plan.
void Pruefen(Pruefung &p, std::string &text, const Eingabesatz &basis, Plan &plan)
{
    if (text.compare(0, std::strlen(BOM), BOM) == 0)
        text.erase(0, std::strlen(BOM));
    static Sinuskurve kurve;  // one sample block, resized by each line's step
    bool bKopf = false;
    int iZeile = 0;
    for (std::size_t anfang = 0; anfang < text.size();) {
        std::size_t ende = text.find('\n', anfang);
        if (ende == std::string::npos)
            ende = text.size();
        std::string zeile = text.substr(anfang, ende - anfang);
        anfang = ende + 1;
        ++iZeile;
        if (!zeile.empty() && zeile.back() == '\r')
            zeile.pop_back();
        const std::vector<std::string> zellen = Zellen(zeile);
        if (zeile.rfind(KOMMENTAR, 0) == 0 || AlleLeer(zellen))
            continue;
        if (zeile.find('\0') != std::string::npos) {  // a cell would end early, read as another value
            Befund(p, iZeile, CLI_TEXT_PLAN_NUL);
            ++p.iFehlerzeilen;
            continue;
        }
        if (!bKopf) {
            Kopf(p, iZeile, zellen);
            bKopf = true;
        } else {
            Zeile(p, iZeile, zellen, basis, plan, kurve);
        }
    }
    Sinus_KurveFreigeben(&kurve);
    if (!bKopf)
        p.befunde.push_back(p.name + ": " + CLI_TEXT_PLAN_LEER);
    else if (plan.zeilen.empty() && p.befunde.empty())
        p.befunde.push_back(p.name + ": " + CLI_TEXT_PLAN_OHNE_ZEILEN);
    if (p.befunde.size() > 0 && p.iFehlerzeilen == 0)
        p.iFehlerzeilen = 1;
}

// Whether the manifest can be written where it is to go, found before any
// file of the series is touched: its folder exists and takes a new file
// (or the file itself may be written), and it is no folder. "" when it can.
std::string ManifestZielPruefen(const char *szManifest)
{
    if (std::strcmp(szManifest, STANDARDEINGABE) == 0)
        return "";
    const std::string wer = std::string("--manifest ") + Optionen_Echo(szManifest);
    if (DeskriptorOhneSchreiben(szManifest))
        return wer + CLI_TEXT_AUSGABE_NUR_LESEN;
    if (TK_DateiDeskriptor(szManifest) >= 0)
        return "";
    struct stat st;
    const bool bDa = ::stat(szManifest, &st) == 0;
    if (bDa && S_ISDIR(st.st_mode))
        return wer + CLI_TEXT_MANIFEST_ORDNER;
    if (bDa && !S_ISREG(st.st_mode))
        return "";  // a pipe or a device takes it as it comes
    const std::string pfad = szManifest;
    const std::size_t schnitt = pfad.rfind('/');
    const std::string ordner = schnitt == std::string::npos ? "." : schnitt == 0 ? "/" : pfad.substr(0, schnitt);
    struct stat o;
    if (::stat(ordner.c_str(), &o) != 0 || !S_ISDIR(o.st_mode))
        return wer + CLI_TEXT_ORDNER_FEHLT;
    if (::faccessat(AT_FDCWD, ordner.c_str(), W_OK | X_OK, AT_EACCESS) == 0)
        return "";
    // A folder that takes no new file: an existing manifest is then
    // written in place.
    if (bDa && ::faccessat(AT_FDCWD, szManifest, W_OK, AT_EACCESS) == 0)
        return "";
    return wer + CLI_TEXT_MANIFEST_NICHT_SCHREIBBAR + TK_FehlerGrund(errno) + ").";
}

// A summary "PLAN: 3 Zeilen mit ..." from its pattern.
std::string Formen(const char *szMuster, const std::string &name, int iAnzahl)
{
    const std::size_t n = std::strlen(szMuster) + name.size() + 32;
    std::vector<char> sz(n);
    std::snprintf(sz.data(), n, szMuster, name.c_str(), iAnzahl,
                  iAnzahl == 1 ? CLI_TEXT_ZEILE_EINS : CLI_TEXT_ZEILE_MEHR);
    return sz.data();
}

}  // namespace

int Plan_Ausfuehren(const char *szPlan, const char *szManifest, const Eingabesatz &basis, bool bStreng,
                    const char *szVersion)
{
    Pruefung p;
    p.name = szPlan;
    std::string text;
    const std::string grund = Lesen(szPlan, text);
    if (!grund.empty())
        return Optionen_Melden(CLI_EXIT_EINGABE, CLI_TEXT_PLAN_UNLESBAR + grund + ": " +
                                                     (std::strcmp(szPlan, STANDARDEINGABE) == 0
                                                          ? std::string(CLI_TEXT_STANDARDEINGABE)
                                                          : std::string(szPlan)));
    // The plan and the manifest are no targets of a line: line 0 stands for
    // the plan, -1 for the manifest.
    if (std::strcmp(szPlan, STANDARDEINGABE) != 0)
        p.ziele.emplace(Identitaet(szPlan), 0);
    if (szManifest) {
        const std::string grund = ManifestZielPruefen(szManifest);
        if (!grund.empty())
            return Optionen_Melden(CLI_EXIT_EINGABE, grund);
        // "-" is standard output: no line may write there beside it.
        const std::string id =
            Identitaet(std::strcmp(szManifest, STANDARDEINGABE) == 0 ? STANDARDAUSGABE_PFAD : szManifest);
        if (!id.empty() && !p.ziele.emplace(id, -1).second)
            return Optionen_Melden(CLI_EXIT_EINGABE, CLI_TEXT_MANIFEST_IST_PLAN);
    }
    Plan plan;
    plan.name = szPlan;
    Pruefen(p, text, basis, plan);
    if (!p.befunde.empty()) {
        for (const std::string &b : p.befunde)
            std::fprintf(stderr, "%s\n", b.c_str());
        return Optionen_Melden(CLI_EXIT_EINGABE, Formen(CLI_TEXT_PLAN_FEHLERHAFT, p.name, p.iFehlerzeilen));
    }
    int iGewarnt = 0;
    for (const Planzeile &z : plan.zeilen) {
        if (!z.hinweis.empty())
            std::fprintf(stderr, "%s:%d: %s%s\n", p.name.c_str(), z.iZeile, CLI_TEXT_HINWEIS, z.hinweis.c_str());
        for (const std::string &w : z.warnungen)
            std::fprintf(stderr, "%s:%d: %s%s\n", p.name.c_str(), z.iZeile, CLI_TEXT_WARNUNG, w.c_str());
        iGewarnt += !z.warnungen.empty();
    }
    if (bStreng && iGewarnt > 0)
        return Optionen_Melden(CLI_EXIT_WARNUNG, Formen(CLI_TEXT_PLAN_WARNUNGEN, p.name, iGewarnt));
    return Plan_Schreiben(plan, szManifest, szVersion);
}

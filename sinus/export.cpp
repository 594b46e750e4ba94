// The curve export: a commented header, one tab-separated line per sample
// and a closing empty line, formed in memory and written part by part, so
// that a failure is reported at the part it hits.
#include "Sinuserzeugung_Main.h"
#include "Kurvenformat.h"

#include "toolkit_kern.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

const int ZEILE_GROESSE = KURVENFORMAT_ZEILE_MAX + 1;

// The bytes of the header lines, each with its line end.
size_t KopfLaenge()
{
    size_t iLaenge = 0;
    for (int i = 0; i < Kurvenformat_KopfzeilenAnzahl(); ++i)
        iLaenge += std::strlen(Kurvenformat_Kopfzeile(i)) + 1;
    return iLaenge;
}

// Writes the reason and the path of a failure into the caller's record
// (the toolkit's reason where none is given); returns @p iCode.
int Fehlschlag(Exportgrund *pGrund, int iCode, const char *szPfad, const char *szGrund = nullptr)
{
    if (!pGrund)
        return iCode;
    char *szText = pGrund->szText;
    const size_t iGroesse = sizeof pGrund->szText;
    if (szGrund)
        TK_TextKopieren(szText, iGroesse, szGrund);
    else
        TK_DateiGrund(szText, iGroesse);
    TK_TextAnhaengen(szText, iGroesse, ": ");
    TK_TextAnhaengen(szText, iGroesse, std::strcmp(szPfad, "-") == 0 ? "Standardausgabe" : szPfad);
    return iCode;
}

// Writes the formed file: the header, the data lines and the closing line,
// each a part with its own error code. The space of each part is reserved
// before the first byte goes out, so that a full disk or a size limit is
// reported at the part that does not fit while the old file is still whole.
int Ablegen(const char *szPfad, const char *pText, size_t iKopf, size_t iDaten, size_t iGesamt,
            Exportgrund *pGrund)
{
    const int iDatei = CVI_OpenFile(szPfad, 2, 0, 1);
    if (iDatei == -1)
        return Fehlschlag(pGrund, SINUS_FEHLER_OEFFNEN, szPfad);
    const struct {
        size_t iEnde;
        int iCode;
    } teile[] = {{iKopf, SINUS_FEHLER_KOPF}, {iDaten, SINUS_FEHLER_DATEN}, {iGesamt, SINUS_FEHLER_SCHLUSS}};
    for (const auto &t : teile)
        if (TK_DateiReservieren(iDatei, static_cast<long long>(t.iEnde)) != 0) {
            CVI_CloseFile(iDatei);
            return Fehlschlag(pGrund, t.iCode, szPfad);
        }
    size_t iAnfang = 0;
    for (const auto &t : teile) {
        const int iTeil = static_cast<int>(t.iEnde - iAnfang);
        if (TK_ZeilenSchreiben(iDatei, pText + iAnfang, iTeil) != iTeil) {
            CVI_CloseFile(iDatei);  // puts back what was there
            return Fehlschlag(pGrund, t.iCode, szPfad);
        }
        iAnfang = t.iEnde;
    }
    // Only a file that reached the disk whole counts as written.
    if (CVI_CloseFile(iDatei) != 0)
        return Fehlschlag(pGrund, SINUS_FEHLER_ABSCHLUSS, szPfad);
    return 0;
}

}  // namespace

int Sinus_ExportBilden(const char *szPfad, const Eingabewerte *pEingabe, const Sinuskurve *pSinus, Exporttext *pText,
                       Exportgrund *pGrund)
{
    // The whole file is formed in memory first (under 600 kB for the largest
    // curve): a line that cannot be formed fails before anything is touched,
    // and the toolkit learns the size before it writes a byte.
    *pText = {};
    const size_t iKopf = KopfLaenge();
    const size_t iZeilen = static_cast<size_t>(Kurvenformat_Datenzeilen(pSinus->iAnzahlPunkte));
    char *pBytes = static_cast<char *>(std::malloc(iKopf + iZeilen * ZEILE_GROESSE + 1));
    if (!pBytes)
        return Fehlschlag(pGrund, SINUS_FEHLER_DATEN, szPfad, TK_FehlerGrund(ENOMEM));
    // The lines in the file's order, as the curve-file module forms them.
    Kurvenzeilen zeilen = {pSinus->pdWerte, static_cast<int>(iZeilen), pEingabe->szZeitbasis,
                           Zeitbasis_Ms(pEingabe->szZeitbasis), pEingabe->iKurvennummer, 0, {}};
    Kurvenformat_ZeilenBeginnen(&zeilen);
    char szZeile[ZEILE_GROESSE + 1];
    size_t iLaenge = 0, iKopfEnde = 0, iDatenEnde = 0;
    for (int n; (n = Kurvenformat_ZeileWeiter(&zeilen, szZeile, sizeof szZeile)) != 0;) {
        if (n < 0) {
            std::free(pBytes);
            return Fehlschlag(pGrund, SINUS_FEHLER_DATEN, szPfad, SINUS_TEXT_ZEILE_ZU_LANG);
        }
        std::memcpy(pBytes + iLaenge, szZeile, static_cast<size_t>(n));
        iLaenge += static_cast<size_t>(n);
        const int iTeil = Kurvenformat_ZeilenTeil(&zeilen);
        iKopfEnde = iTeil == 1 ? iLaenge : iKopfEnde;
        iDatenEnde = iTeil <= 2 ? iLaenge : iDatenEnde;
    }
    pText->pBytes = pBytes;
    pText->iKopf = iKopfEnde;
    pText->iDaten = iDatenEnde;
    pText->iLaenge = iLaenge;
    return 0;
}

int Sinus_ExportAblegen(const char *szPfad, const Exporttext *pText, Exportgrund *pGrund)
{
    return Ablegen(szPfad, pText->pBytes, pText->iKopf, pText->iDaten, pText->iLaenge, pGrund);
}

void Sinus_ExportTextFreigeben(Exporttext *pText)
{
    std::free(pText->pBytes);
    *pText = {};
}

int Sinus_ExportSchreiben(const char *szPfad, const Eingabewerte *pEingabe, const Sinuskurve *pSinus,
                          Exportgrund *pGrund)
{
    Exporttext text;
    const int iBilden = Sinus_ExportBilden(szPfad, pEingabe, pSinus, &text, pGrund);
    if (iBilden != 0)
        return iBilden;
    const int iCode = Sinus_ExportAblegen(szPfad, &text, pGrund);
    Sinus_ExportTextFreigeben(&text);
    return iCode;
}

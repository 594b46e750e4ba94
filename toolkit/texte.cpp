// The German texts of the toolkit's core: the reasons of failed file
// operations, gathered so that a wording is changed in one place.
#include "toolkit_kern.h"
#include "texte.h"

#include <cerrno>
#include <cstdio>

const char *const TK_TEXT_WIEDERHERGESTELLT = " (alter Inhalt wiederhergestellt)";
const char *const TK_TEXT_NICHT_WIEDERHERGESTELLT = " (alter Inhalt nicht wiederhergestellt)";
const char *const TK_TEXT_SOCKET = "Ist ein Socket, keine Datei";
const char *const TK_TEXT_NICHT_OFFEN = "Deskriptor nicht offen";
const char *const TK_TEXT_NICHT_RUECKBAR =
    "Alter Inhalt nicht lesbar und Platz nicht reservierbar, Datei unverändert";
const char *const TK_TEXT_STEHEN_GEBLIEBEN =
    " (alter Inhalt nicht wiederhergestellt: %lld Byte dieses Laufs stehen ab Byte %lld in der Datei, %s)";
const char *const TK_TEXT_ANDERER_SCHRIEB = "denn ein anderes Programm schrieb zugleich hinein";
const char *const TK_TEXT_NICHT_GESPERRT = "denn die Datei ließ sich nicht sperren";

const char *TK_FehlerGrund(int errnum)
{
    switch (errnum) {
    case ENOSPC: return "Kein Speicherplatz mehr auf dem Datenträger";
    case EDQUOT: return "Speicherkontingent überschritten";
    case EACCES:
    case EPERM: return "Keine Berechtigung";
    case ENOENT: return "Ordner nicht gefunden";
    case ENOTDIR: return "Ein Teil des Pfades ist kein Ordner";
    case EISDIR: return "Ist ein Ordner";
    case ENAMETOOLONG: return "Pfad zu lang";
    case EFBIG: return "Datei zu groß";
    case ENXIO:
    case EPIPE: return "Kein Leser an der Pipe";
    case EROFS: return "Schreibgeschütztes Dateisystem";
    case EIO: return "Ein-/Ausgabefehler";
    case ELOOP: return "Zu viele symbolische Verknüpfungen";
    case EMFILE:
    case ENFILE: return "Zu viele offene Dateien";
    case EBADF: return "Deskriptor nicht zum Schreiben offen";
    case ENOMEM: return "Nicht genug Arbeitsspeicher";
    case EINVAL: return "Keine gewöhnliche Datei";
    case ENODEV: return "Ist ein Gerät, keine Datei";
    case ENOLCK: return "Datei nicht sperrbar";
    default: break;
    }
    static char s_text[40];
    std::snprintf(s_text, sizeof s_text, "Systemfehler %d", errnum);
    return s_text;
}

// Message popups: the window installs its modal box at start-up; a program
// without a window writes the message to standard error; a handler that
// automation installs answers them in its place.
#include "toolkit_kern.h"

#include <cstdio>

namespace {

TK_Meldungsausgabe s_anzeige = nullptr;
TK_Meldungsausgabe s_antwort = nullptr;

}  // namespace

void TK_MeldungsanzeigeSetzen(TK_Meldungsausgabe anzeige) { s_anzeige = anzeige; }
void TK_MeldungenAbfangen(TK_Meldungsausgabe handler) { s_antwort = handler; }

int MessagePopup(const char *title, const char *message)
{
    if (!title)
        title = "";
    if (!message)
        message = "";
    if (s_antwort)
        s_antwort(title, message);
    else if (s_anzeige)
        s_anzeige(title, message);
    else
        std::fprintf(stderr, "%s: %s\n", title, message);
    return 0;
}

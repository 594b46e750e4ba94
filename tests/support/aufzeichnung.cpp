#include "aufzeichnung.h"

#include "toolkit_kern.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sstream>
#include <unistd.h>

std::vector<Meldung> gMeldungen;

namespace {

void Aufzeichnen(const char *titel, const char *text) { gMeldungen.push_back({titel, text}); }

// Answers popups from the start and removes the test folders at the end.
struct Einrichtung {
    Einrichtung() { TK_MeldungenAbfangen(Aufzeichnen); }
    ~Einrichtung()
    {
        std::error_code fehler;
        for (const std::string &o : ordner) std::filesystem::remove_all(o, fehler);
    }
    std::vector<std::string> ordner;
} gEinrichtung;

}  // namespace

void MeldungenLeeren() { gMeldungen.clear(); }
void MeldungenAufzeichnen() { TK_MeldungenAbfangen(Aufzeichnen); }

std::string MeldungenText()
{
    std::string text;
    for (const Meldung &m : gMeldungen) text += m.titel + ": " + m.text + "\n";
    return text;
}

std::string TestOrdner()
{
    char muster[] = "/tmp/wlr7test-XXXXXX";
    const char *ordner = mkdtemp(muster);
    if (!ordner) return "/tmp";
    gEinrichtung.ordner.push_back(ordner);
    return ordner;
}

bool StraceBereit()
{
    if (std::system("strace -V > /dev/null 2>&1") != 0) return false;
    if (const char *optionen = std::getenv("ASAN_OPTIONS"))
        setenv("ASAN_OPTIONS", (std::string(optionen) + ":detect_leaks=0").c_str(), 1);
    return true;
}

std::string OrdnerVonNiemand()
{
    const std::string ordner = TestOrdner();
    chmod(ordner.c_str(), 0755);
    const std::string eigen = ordner + "/n";
    mkdir(eigen.c_str(), 0755);
    if (geteuid() == 0) (void)!chown(eigen.c_str(), NIEMAND, NIEMAND);
    return eigen;
}

void DateiSchreiben(const std::string &pfad, const std::string &text)
{
    std::ofstream(pfad, std::ios::binary) << text;
}

std::string DateiLesen(const std::string &pfad)
{
    std::stringstream s;
    s << std::ifstream(pfad, std::ios::binary).rdbuf();
    return s.str();
}

Dateigrenze::Dateigrenze(rlim_t bytes)
{
    getrlimit(RLIMIT_FSIZE, &m_alt);
    const struct rlimit neu = {bytes ? bytes : m_alt.rlim_max, m_alt.rlim_max};
    setrlimit(RLIMIT_FSIZE, &neu);
}

Dateigrenze::~Dateigrenze() { setrlimit(RLIMIT_FSIZE, &m_alt); }

std::size_t Eintraege(const std::string &ordner)
{
    auto it = std::filesystem::directory_iterator(ordner);
    return static_cast<std::size_t>(std::distance(it, std::filesystem::directory_iterator()));
}

// The manifest's SHA-256 against sha256sum, for lengths around the block
// and padding boundaries and a few long ones, over random bytes.
#include "aufzeichnung.h"
#include "pruefsumme.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <sstream>

TEST(Pruefsumme, WieSha256sum)
{
    const std::string ordner = TestOrdner();
    const unsigned saat = std::random_device{}();
    std::mt19937 zufall(saat);
    std::vector<std::string> texte;
    for (std::size_t n : {0, 1, 55, 56, 63, 64, 65, 119, 120, 128, 70001}) {
        std::string s(n, '\0');
        for (char &c : s)
            c = static_cast<char>(zufall());
        texte.push_back(s);
    }
    std::string befehl = "cd '" + ordner + "' && sha256sum";
    for (std::size_t i = 0; i < texte.size(); ++i) {
        DateiSchreiben(ordner + "/" + std::to_string(i), texte[i]);
        befehl += " " + std::to_string(i);
    }
    ASSERT_EQ(std::system((befehl + " > summen").c_str()), 0);
    std::istringstream summen(DateiLesen(ordner + "/summen"));
    for (const std::string &s : texte) {
        std::string erwartet, name;
        summen >> erwartet >> name;
        char sz[PRUEFSUMME_HEX_GROESSE];
        Pruefsumme_Sha256(s.data(), s.size(), sz);
        EXPECT_EQ(sz, erwartet) << s.size() << " Bytes, Saat " << saat;
    }
}

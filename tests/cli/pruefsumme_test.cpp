// SHA-256 against the published test vectors and against sha256sum, for
// lengths around the block and padding boundaries and fed in pieces.
#include "aufzeichnung.h"
#include "pruefsumme.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <random>

namespace {

std::string Sha(const std::string &s)
{
    char sz[PRUEFSUMME_HEX_GROESSE];
    Pruefsumme_Sha256(s.data(), s.size(), sz);
    return sz;
}

}  // namespace

TEST(Pruefsumme, Testvektoren)
{
    const std::pair<std::string, std::string> vektoren[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {"abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqrlmnopqrsmnopqrstnopq"
         "rstu",
         "cf5b16a778af8380036ce59e7b0492370b249b11e8f07a51afac45037afee9d1"},
        {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
    for (const auto &v : vektoren)
        EXPECT_EQ(Sha(v.first), v.second) << v.first.size() << " Bytes";
}

TEST(Pruefsumme, WieSha256sumAuchInStuecken)
{
    const std::string ordner = TestOrdner();
    std::mt19937 zufall(std::random_device{}());
    std::vector<std::string> texte;
    // Every length near the padding's edges (55, 56, 63, 64 ...), then a few long ones.
    for (std::size_t n : {0, 1, 54, 55, 56, 57, 63, 64, 65, 119, 120, 127, 128, 129, 1000, 70001}) {
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
        EXPECT_EQ(Sha(s), erwartet) << s.size() << " Bytes";
        // The same bytes in pieces of random size.
        Pruefsumme p;
        Pruefsumme_Beginnen(&p);
        for (std::size_t i = 0; i < s.size();) {
            const std::size_t n = std::min<std::size_t>(s.size() - i, zufall() % 150);
            Pruefsumme_Weiter(&p, s.data() + i, n);
            i += n;
        }
        char sz[PRUEFSUMME_HEX_GROESSE];
        Pruefsumme_Ende(&p, sz);
        EXPECT_EQ(sz, erwartet) << s.size() << " Bytes in Stücken";
    }
}

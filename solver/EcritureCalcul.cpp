#include "EcritureCalcul.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace {

// copie de travail d'une liste de termes ; un terme de valeur 0 est retiré
struct TermeTravail {
    int32_t Valeur;
    uint8_t Inverse;
    const GroupeTermes* SousGroupe;
};

struct ListeTravail {
    std::array<TermeTravail, 6> Termes;
    int Nb = 0;

    int NbNonNuls() const
    {
        int n = 0;
        for (int i = 0; i < Nb; ++i)
            n += Termes[i].Valeur != 0 ? 1 : 0;
        return n;
    }
};

ListeTravail ListeDe(const GroupeTermes& groupe)
{
    ListeTravail liste;
    for (const Terme& t : groupe.Termes)
        liste.Termes[liste.Nb++] = TermeTravail{t.Valeur, t.Inverse, t.SousGroupe.get()};
    return liste;
}

void AjouterNombre(std::string& texte, int32_t n)
{
    char tampon[16];
    auto fin = std::to_chars(tampon, tampon + sizeof tampon, n).ptr;
    texte.append(tampon, fin);
}

void AjouterLigne(std::string& texte, int k, int32_t grand, int32_t petit, int32_t resultat)
{
    AjouterNombre(texte, grand);
    texte.push_back(SigneOperation[k]);
    AjouterNombre(texte, petit);
    texte.push_back('=');
    AjouterNombre(texte, resultat);
    texte.push_back('\n');
}

// une paire de termes combinée en une ligne
struct Combinaison {
    int X = -1, Y = -1;
    int K = 0;
    int32_t Grand = 0, Petit = 0, Resultat = 0;
    ListeTravail Reste;
};

bool Ecrire(const GroupeTermes& groupe, int32_t f, int32_t& somme, int32_t& maximum, const ListeTravail& termes,
            bool simple, std::string* texte);

// écrit un sous-groupe à la suite ; ses lignes comptent dans la somme et le maximum
void EcrireSousGroupe(const GroupeTermes& sous, int32_t f, int32_t& somme, int32_t& maximum, bool simple,
                      std::string* texte)
{
    Ecrire(sous, f, somme, maximum, ListeDe(sous), simple, texte);
}

bool Ecrire(const GroupeTermes& groupe, int32_t f, int32_t& somme, int32_t& maximum, const ListeTravail& termes,
            bool simple, std::string* texte)
{
    const int32_t somme0 = somme;
    const int32_t maximum0 = maximum;
    int32_t meilleurMax = simple ? Aucun : 0;
    int32_t meilleureSomme = simple ? Aucun : 0;
    bool trouve = false;
    Combinaison meilleure;

    for (int x = 0; x + 1 < termes.Nb; ++x) {
        const TermeTravail& tx = termes.Termes[x];
        if (tx.Valeur == 0)
            continue;
        for (int y = x + 1; y < termes.Nb; ++y) {
            const TermeTravail& ty = termes.Termes[y];
            if (ty.Valeur == 0)
                continue;
            const TermeTravail* grand = ty.Valeur >= tx.Valeur ? &ty : &tx;
            const TermeTravail* petit = grand == &ty ? &tx : &ty;
            if (tx.Inverse != ty.Inverse) {
                // paire mixte : le terme direct doit dépasser (diviser exactement) l'autre
                grand = tx.Inverse == 0 ? &tx : &ty;
                petit = grand == &tx ? &ty : &tx;
                if (groupe.Famille == 0 ? grand->Valeur <= petit->Valeur : grand->Valeur % petit->Valeur != 0)
                    continue;
            }
            const int k = (tx.Inverse ^ ty.Inverse) + 2 * groupe.Famille;
            const int32_t o = Appliquer(k, grand->Valeur, petit->Valeur);
            if (o == grand->Valeur || o == petit->Valeur)
                continue;

            Combinaison c;
            c.X = x;
            c.Y = y;
            c.K = k;
            c.Grand = grand->Valeur;
            c.Petit = petit->Valeur;
            c.Resultat = o;
            c.Reste = termes;
            c.Reste.Termes[x] = TermeTravail{o, grand->Inverse, nullptr};
            c.Reste.Termes[y] = TermeTravail{0, 1, nullptr};

            int32_t sommeC = somme0 + o;
            int32_t maxC = o == f ? maximum0 : std::max(maximum0, o);
            const bool suite = Ecrire(groupe, f, sommeC, maxC, c.Reste, simple, nullptr);
            if (!suite && c.Reste.NbNonNuls() >= 2)
                continue;

            const bool meilleur = simple ? (maxC < meilleurMax || (maxC == meilleurMax && sommeC < meilleureSomme))
                                         : (maxC > meilleurMax || (maxC == meilleurMax && sommeC > meilleureSomme));
            if (meilleur) {
                meilleurMax = maxC;
                meilleureSomme = sommeC;
                meilleure = c;
                trouve = true;
            }
        }
    }
    if (!trouve)
        return false;

    somme = meilleureSomme;
    maximum = meilleurMax;

    // les lignes d'un sous-groupe précèdent celle qui utilise sa valeur ;
    // le sous-groupe qui demande le plus d'opérations s'écrit le premier
    const GroupeTermes* sousX = termes.Termes[meilleure.X].SousGroupe;
    const GroupeTermes* sousY = termes.Termes[meilleure.Y].SousGroupe;
    if (sousX && sousY && NbOperationsGroupe(*sousY) > NbOperationsGroupe(*sousX))
        std::swap(sousX, sousY);
    if (!sousX)
        std::swap(sousX, sousY);
    if (sousX)
        EcrireSousGroupe(*sousX, f, somme, maximum, simple, texte);
    if (sousY)
        EcrireSousGroupe(*sousY, f, somme, maximum, simple, texte);

    if (texte) {
        AjouterLigne(*texte, meilleure.K, meilleure.Grand, meilleure.Petit, meilleure.Resultat);
        // la suite se réécrit à l'identique, cette fois avec son texte
        int32_t sommeSuite = somme0 + meilleure.Resultat;
        int32_t maxSuite = meilleure.Resultat == f ? maximum0 : std::max(maximum0, meilleure.Resultat);
        Ecrire(groupe, f, sommeSuite, maxSuite, meilleure.Reste, simple, texte);
    }
    return true;
}

}  // namespace

int NbOperationsGroupe(const GroupeTermes& groupe)
{
    int n = static_cast<int>(groupe.Termes.size()) - 1;
    for (const Terme& t : groupe.Termes)
        if (t.SousGroupe)
            n += NbOperationsGroupe(*t.SousGroupe);
    return n;
}

std::string EcrireCalcul(const GroupeTermes& groupe, int32_t valeurFinale, int32_t& somme, int32_t& maximum,
                         bool simple)
{
    std::string texte;
    Ecrire(groupe, valeurFinale, somme, maximum, ListeDe(groupe), simple, &texte);
    return texte;
}

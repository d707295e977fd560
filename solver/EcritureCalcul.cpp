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

// la paire (x, y) donne-t-elle une ligne ? si oui, la remplit
bool Combiner(const GroupeTermes& groupe, const ListeTravail& termes, int x, int y, Combinaison& c)
{
    const TermeTravail& tx = termes.Termes[x];
    const TermeTravail& ty = termes.Termes[y];
    const TermeTravail* grand = ty.Valeur >= tx.Valeur ? &ty : &tx;
    const TermeTravail* petit = grand == &ty ? &tx : &ty;
    if (tx.Inverse != ty.Inverse) {
        // paire mixte : le terme direct doit dépasser (diviser exactement) l'autre
        grand = tx.Inverse == 0 ? &tx : &ty;
        petit = grand == &tx ? &ty : &tx;
        if (groupe.Famille == 0 ? grand->Valeur <= petit->Valeur : grand->Valeur % petit->Valeur != 0)
            return false;
    }
    const int k = (tx.Inverse ^ ty.Inverse) + 2 * groupe.Famille;
    const int32_t o = Appliquer(k, grand->Valeur, petit->Valeur);
    if (o == grand->Valeur || o == petit->Valeur)
        return false;
    c.X = x;
    c.Y = y;
    c.K = k;
    c.Grand = grand->Valeur;
    c.Petit = petit->Valeur;
    c.Resultat = o;
    c.Reste = termes;
    c.Reste.Termes[x] = TermeTravail{o, grand->Inverse, nullptr};
    c.Reste.Termes[y] = TermeTravail{0, 1, nullptr};
    return true;
}

// termine l'écriture d'une combinaison choisie : sous-groupes, ligne, puis la suite
void Terminer(const GroupeTermes& groupe, int32_t f, int32_t& somme, int32_t& maximum, const ListeTravail& termes,
              const Combinaison& choix, int32_t somme0, int32_t maximum0, bool simple, std::string* texte)
{
    // les lignes d'un sous-groupe précèdent celle qui utilise sa valeur ;
    // le sous-groupe qui demande le plus d'opérations s'écrit le premier
    const GroupeTermes* sousX = termes.Termes[choix.X].SousGroupe;
    const GroupeTermes* sousY = termes.Termes[choix.Y].SousGroupe;
    if (sousX && sousY && NbOperationsGroupe(*sousY) > NbOperationsGroupe(*sousX))
        std::swap(sousX, sousY);
    if (!sousX)
        std::swap(sousX, sousY);
    if (sousX)
        EcrireSousGroupe(*sousX, f, somme, maximum, simple, texte);
    if (sousY)
        EcrireSousGroupe(*sousY, f, somme, maximum, simple, texte);

    if (texte) {
        AjouterLigne(*texte, choix.K, choix.Grand, choix.Petit, choix.Resultat);
        // la suite se réécrit à l'identique, cette fois avec son texte
        int32_t sommeSuite = somme0 + choix.Resultat;
        int32_t maxSuite = choix.Resultat == f ? maximum0 : std::max(maximum0, choix.Resultat);
        Ecrire(groupe, f, sommeSuite, maxSuite, choix.Reste, simple, texte);
    }
}

bool Ecrire(const GroupeTermes& groupe, int32_t f, int32_t& somme, int32_t& maximum, const ListeTravail& termes,
            bool simple, std::string* texte)
{
    const int32_t somme0 = somme;
    const int32_t maximum0 = maximum;
    int restants[6];
    int nbRestants = 0;
    for (int i = 0; i < termes.Nb; ++i)
        if (termes.Termes[i].Valeur != 0)
            restants[nbRestants++] = i;
    if (nbRestants < 2)
        return false;

    Combinaison meilleure;
    if (nbRestants == 2) {
        // une seule paire : c'est la dernière ligne de cette chaîne
        if (!Combiner(groupe, termes, restants[0], restants[1], meilleure))
            return false;
        somme = somme0 + meilleure.Resultat;
        maximum = meilleure.Resultat == f ? maximum0 : std::max(maximum0, meilleure.Resultat);
        Terminer(groupe, f, somme, maximum, termes, meilleure, somme0, maximum0, simple, texte);
        return true;
    }

    int32_t meilleurMax = simple ? Aucun : 0;
    int32_t meilleureSomme = simple ? Aucun : 0;
    bool trouve = false;
    Combinaison c;
    for (int i = 0; i + 1 < nbRestants; ++i) {
        for (int j = i + 1; j < nbRestants; ++j) {
            if (!Combiner(groupe, termes, restants[i], restants[j], c))
                continue;
            int32_t sommeC = somme0 + c.Resultat;
            int32_t maxC = c.Resultat == f ? maximum0 : std::max(maximum0, c.Resultat);
            // au moins deux termes restent : sans suite, la paire ne mène nulle part
            if (!Ecrire(groupe, f, sommeC, maxC, c.Reste, simple, nullptr))
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
    Terminer(groupe, f, somme, maximum, termes, meilleure, somme0, maximum0, simple, texte);
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

#include "app/ImportaArmature.h"

#include <algorithm>
#include <new>
#include <vector>

#include "base/FileTesto.h"
#include "base/Piattaforma.h"
#include "design/PuntoInPoligono.h"
#include "design/Residui.h"
#include "model/AreaLavoro.h"
#include "model/FileArmature.h"
#include "model/ModuloDir.h"

namespace vilmor {

namespace {

// An integer as the file and the messages print it: a sign position, blank when not negative.
std::string ConSegno(int n) { return n < 0 ? std::to_string(n) : " " + std::to_string(n); }

bool CopreUnNodo(const ModelloAnalisi& a, const EditZone& e) {
    const int n = std::min(a.NumNodi, static_cast<int>(a.Nodi.size()));
    const QuadrilateroPronto selezione(e.ZonaCorrente);
    for (int k = 0; k < n; ++k)
        if (selezione.Contiene(a.Nodi[k].X, a.Nodi[k].Y)) return true;
    return false;
}

// "Trovate " n " armature integrative." LF m " importate."
std::string TestoImportazione(int trovate, int importate) {
    return "Trovate " + ConSegno(trovate) + " armature integrative.\n" + ConSegno(importate) + " importate.";
}

}  // namespace

int ImportaArmature(const std::string& percorso, Modello& m, EditZone& e) {
    if (!EsisteFile(percorso)) return -1;
    auto byte = LeggiFileIntero(percorso);
    if (!byte) {
        Avviso("Impossibile leggere il file:\n" + percorso);
        return -1;
    }

    // The header and the whole zone list first: nothing reaches the model from a bad file.
    LettoreTesto l(*byte);
    int versione = 0;
    int piega = 0;
    int ultima = -1;
    std::vector<Zona> zone;
    std::vector<std::vector<Punto>> vertici;
    try {
        versione = l.LeggiI();
        if (versione < 1 || versione > VersioneArmature) {
            Avviso("Il file\n" + percorso +
                   "\n\xC3\xA8 di una versione non supportata: nessuna armatura importata.");
            return -1;
        }
        // Any slab may lend its zones: the header's slab number is not checked.
        TestataArmature t;
        LeggiTestataArmature(l, versione, t);
        piega = t.Piega.value_or(0);
        LeggiZoneArmature(l, versione, ultima, zone, vertici);  // what follows is not needed
    } catch (const ErroreLettura& err) {
        SegnalaErroreLettura(percorso, err);
        return -1;
    } catch (const std::bad_alloc&) {
        SegnalaErroreLettura(percorso, ErroreLettura(CausaLettura::MemoriaInsufficiente, l.Riga()));
        return -1;
    }

    // Curbs belong to their slab's outline and never come along, nor a zone reaching beyond
    // where work may stand on this slab.
    std::vector<int> scelte;
    EditZone prova;
    for (int j = 0; j <= ultima; ++j) {
        if (zone[j].Tipo == 2 || !ZonaNellArea(m.Soletta, zone[j], vertici[j])) continue;
        prova.ZonaCorrente = zone[j];
        if (CopreUnNodo(m.Analisi, prova)) scelte.push_back(j);
    }
    ZoneArmatura& t = m.Zone;
    if (t.UltimaZona + 1 + static_cast<int>(scelte.size()) > MaxZone) {
        Avviso("Importazione annullata: si supererebbe il numero massimo di " + std::to_string(MaxZone) +
               " armature integrative.");
        return -1;
    }

    if (versione >= 7) m.Progetto.PiegaAncoraggio = piega;
    if (t.VerticiZone.size() < static_cast<size_t>(MaxZone)) t.VerticiZone.resize(MaxZone);
    t.Zone.resize(static_cast<size_t>(t.UltimaZona + 1));
    for (int j : scelte) {
        t.UltimaZona += 1;
        t.Zone.push_back(zone[j]);
        t.VerticiZone[t.UltimaZona] = vertici[j];
    }
    // The working zone is left holding the last zone of the file, as the zone editor reads it.
    if (ultima >= 0) {
        e.ZonaCorrente = zone[ultima];
        e.ContornoZonaCorr = vertici[ultima];
        e.UltVertZonaCorr = zone[ultima].UltVertice;
    }

    MostraMessaggio(TestoImportazione(ultima + 1, static_cast<int>(scelte.size())), IconaMsg::Informazione,
                    PulsantiMsg::Ok, "Importazione armature");
    DetraiArmatureNodi(-1, m);
    return 0;
}

int ImportaArmature(const std::string& percorso) { return ImportaArmature(percorso, M, Edit); }

}  // namespace vilmor

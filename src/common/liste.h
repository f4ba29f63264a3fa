// The doubly linked list pattern shared by every object list of the game (racing line,
// decorations, bonuses, particles, sound environment). Each list keeps four globals: first
// (prem_list_...), last (haut_list_...), current (act_...) and count (nb_...); elements carry
// `precedent` and `suivant` links and are owned by the list.
//
//   ListeObjets<Point_Traj> liste(prem_list_ptraj, haut_list_ptraj, act_ptraj, nb_point_t,
//                                 Insertion::ApresActuel, ApresRetrait::SuivantSinonPrecedent);
//   liste.insere(new Point_Traj);   // linked, becomes current
//   liste.retire(act_ptraj);        // unlinked and deleted
//   liste.efface();                 // everything, last to first
#pragma once

// Where a new element goes.
enum class Insertion {
  Fin,          // always at the end
  ApresActuel,  // right after the current element (at the end when there is none)
};

// Which neighbour becomes current after a removal.
enum class ApresRetrait {
  SuivantSinonPrecedent,  // the next one, or the previous one when the last was removed
  PrecedentSinonSuivant,  // the previous one, or the next one when the first was removed
};

template <class T>
class ListeObjets {
 public:
  ListeObjets(T*& prem, T*& haut, T*& act, int& nb, Insertion insertion, ApresRetrait apres)
      : m_prem(prem), m_haut(haut), m_act(act), m_nb(nb), m_insertion(insertion), m_apres(apres) {}

  // Links `e` and makes it current.
  void insere(T* e) {
    e->precedent = nullptr;
    e->suivant = nullptr;
    if (!m_prem) {
      m_prem = m_haut = e;
    } else if (m_insertion == Insertion::ApresActuel && m_act && m_act != m_haut) {
      e->precedent = m_act;
      e->suivant = m_act->suivant;
      m_act->suivant->precedent = e;
      m_act->suivant = e;
    } else {
      e->precedent = m_haut;
      m_haut->suivant = e;
      m_haut = e;
    }
    m_act = e;
    m_nb++;
  }

  // Unlinks and deletes `e`; the current element moves to a neighbour of it.
  void retire(T* e) {
    if (!e) return;
    T* prec = e->precedent;
    T* suiv = e->suivant;
    if (prec) prec->suivant = suiv;
    if (suiv) suiv->precedent = prec;
    if (m_prem == e) m_prem = suiv;
    if (m_haut == e) m_haut = prec;
    if (m_apres == ApresRetrait::SuivantSinonPrecedent) {
      m_act = suiv ? suiv : prec;
    } else {
      m_act = prec ? prec : suiv;
    }
    delete e;
    m_nb--;
  }

  // Deletes every element from the last to the first and clears the four globals.
  void efface() {
    T* e = m_haut;
    while (e) {
      T* prec = e->precedent;
      delete e;
      e = prec;
    }
    m_prem = m_haut = m_act = nullptr;
    m_nb = 0;
  }

  // Next and previous with wrap-around through the list's ends.
  T* suivant_boucle(T* e) const { return (e && e->suivant) ? e->suivant : m_prem; }
  T* precedent_boucle(T* e) const { return (e && e->precedent) ? e->precedent : m_haut; }

 private:
  T*& m_prem;
  T*& m_haut;
  T*& m_act;
  int& m_nb;
  Insertion m_insertion;
  ApresRetrait m_apres;
};

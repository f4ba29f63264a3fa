// The five pieces, one per circuit: key, mode, tempo, grooves, sounds and chord progressions.
#include "assetgen/musique/composition.h"

namespace {

const std::vector<int> EOLIEN = {0, 2, 3, 5, 7, 8, 10};
const std::vector<int> DORIEN = {0, 2, 3, 5, 7, 9, 10};
const std::vector<int> IONIEN = {0, 2, 4, 5, 7, 9, 11};

tTimbre timbre(eForme forme, float parametre, int voix, float brillance) {
  tTimbre t;
  t.forme = forme;
  t.parametre = parametre;
  t.voix = voix;
  t.brillance = brillance;
  return t;
}

}  // namespace

std::vector<tStyle> styles_musiques() {
  std::vector<tStyle> styles(5);

  // 1: A minor, steady four-to-the-floor with an off-beat bass under a wide saw pad.
  tStyle& s1 = styles[0];
  s1.nom = "Horizon";
  s1.tonique = 57;
  s1.gamme = EOLIEN;
  s1.tempo = 128;
  s1.graine = 0x51A7;
  s1.batterie = eBatterie::QUATRE_TEMPS;
  s1.basse = eBasse::CONTRETEMPS;
  s1.accords = eJeuAccords::NAPPE;
  s1.timbre_basse = timbre(eForme::SCIE, 0, 1, 4.0f);
  s1.timbre_accords = timbre(eForme::SCIE, 0, 3, 1.6f);
  s1.timbre_melodie = timbre(eForme::IMPULSION, 0.3f, 1, 3.0f);
  s1.timbre_arpege = timbre(eForme::FM, 1.5f, 1, 2.0f);
  s1.coupure_basse = 72;
  s1.resonance_basse = 30;
  s1.grosse_caisse = {150.0f, 46.0f, 0.04f, 0.45f, 0.3f, 1.6f};
  s1.caisse_claire = {200.0f, 0.75f, 0.22f, 3200.0f, false};
  s1.couleur_charleston = 8000.0f;
  s1.prog_theme = {0, 5, 2, 6};
  s1.prog_refrain = {3, 0, 5, 4};
  s1.prog_pont = {5, 6, 3, 4};
  s1.prog_retour = {5, 6, 4, 4};

  // 2: D dorian, broken beat, syncopated square bass and organ stabs under a flute-like lead.
  tStyle& s2 = styles[1];
  s2.nom = "Canyon";
  s2.tonique = 62;
  s2.gamme = DORIEN;
  s2.tempo = 138;
  s2.graine = 0xCA7104;
  s2.batterie = eBatterie::CASSEE;
  s2.basse = eBasse::SYNCOPE;
  s2.accords = eJeuAccords::STABS;
  s2.timbre_basse = timbre(eForme::CARREE, 0, 1, 3.0f);
  s2.timbre_accords = timbre(eForme::ORGUE, 0, 3, 4.0f);
  s2.timbre_melodie = timbre(eForme::SINUS_OCTAVE, 0, 1, 2.0f);
  s2.timbre_arpege = timbre(eForme::TRIANGLE, 0, 1, 2.0f);
  s2.coupure_basse = 64;
  s2.resonance_basse = 50;
  s2.grosse_caisse = {180.0f, 52.0f, 0.03f, 0.35f, 0.6f, 2.0f};
  s2.caisse_claire = {185.0f, 0.6f, 0.2f, 2600.0f, false};
  s2.couleur_charleston = 7000.0f;
  s2.prog_theme = {0, 3, 0, 6};
  s2.prog_refrain = {2, 3, 6, 4};
  s2.prog_pont = {6, 2, 3, 4};
  s2.prog_retour = {3, 6, 4, 4};

  // 3: F sharp minor, fast two-step, galloping detuned bass, soft pulse pad and a bell lead.
  tStyle& s3 = styles[2];
  s3.nom = "Nebula";
  s3.tonique = 54;
  s3.gamme = EOLIEN;
  s3.tempo = 145;
  s3.graine = 0x4E8B;
  s3.batterie = eBatterie::DEUX_PAS;
  s3.basse = eBasse::GALOP;
  s3.accords = eJeuAccords::NAPPE;
  s3.timbre_basse = timbre(eForme::SCIE, 0, 3, 2.5f);
  s3.timbre_accords = timbre(eForme::IMPULSION, 0.2f, 3, 1.2f);
  s3.timbre_melodie = timbre(eForme::FM, 2.5f, 1, 4.0f);
  s3.timbre_arpege = timbre(eForme::SINUS_OCTAVE, 0, 1, 2.0f);
  s3.coupure_basse = 58;
  s3.resonance_basse = 20;
  s3.grosse_caisse = {140.0f, 44.0f, 0.05f, 0.5f, 0.2f, 1.3f};
  s3.caisse_claire = {220.0f, 0.8f, 0.26f, 4200.0f, false};
  s3.couleur_charleston = 9500.0f;
  s3.prog_theme = {0, 2, 6, 5};
  s3.prog_refrain = {5, 6, 0, 0};
  s3.prog_pont = {3, 5, 2, 6};
  s3.prog_retour = {5, 6, 4, 4};

  // 4: G major, electro groove, octave bass, pumping saw chords and a square lead.
  tStyle& s4 = styles[3];
  s4.nom = "Lagon";
  s4.tonique = 55;
  s4.gamme = IONIEN;
  s4.tempo = 122;
  s4.graine = 0x1A60;
  s4.batterie = eBatterie::ELECTRO;
  s4.basse = eBasse::OCTAVES;
  s4.accords = eJeuAccords::POMPE;
  s4.timbre_basse = timbre(eForme::IMPULSION, 0.4f, 1, 2.0f);
  s4.timbre_accords = timbre(eForme::SCIE, 0, 3, 1.2f);
  s4.timbre_melodie = timbre(eForme::CARREE, 0, 1, 2.0f);
  s4.timbre_arpege = timbre(eForme::IMPULSION, 0.125f, 1, 3.0f);
  s4.coupure_basse = 52;
  s4.resonance_basse = 40;
  s4.grosse_caisse = {170.0f, 50.0f, 0.035f, 0.4f, 0.4f, 1.8f};
  s4.caisse_claire = {210.0f, 0.7f, 0.24f, 3000.0f, false};
  s4.couleur_charleston = 8500.0f;
  s4.prog_theme = {0, 4, 5, 3};
  s4.prog_refrain = {3, 4, 2, 5};
  s4.prog_pont = {5, 3, 0, 4};
  s4.prog_retour = {3, 3, 4, 4};

  // 5: C minor, driving and fast, acid octave bass, saw stabs and a detuned saw lead.
  tStyle& s5 = styles[4];
  s5.nom = "Volcan";
  s5.tonique = 60;
  s5.gamme = EOLIEN;
  s5.tempo = 148;
  s5.graine = 0x7011CA;
  s5.batterie = eBatterie::QUATRE_TEMPS;
  s5.basse = eBasse::OCTAVES;
  s5.accords = eJeuAccords::STABS;
  s5.timbre_basse = timbre(eForme::SCIE, 0, 1, 6.0f);
  s5.timbre_accords = timbre(eForme::SCIE, 0, 3, 2.0f);
  s5.timbre_melodie = timbre(eForme::SCIE, 0, 3, 2.5f);
  s5.timbre_arpege = timbre(eForme::CARREE, 0, 1, 2.0f);
  s5.coupure_basse = 80;
  s5.resonance_basse = 70;
  s5.grosse_caisse = {165.0f, 50.0f, 0.03f, 0.3f, 0.5f, 2.2f};
  s5.caisse_claire = {180.0f, 0.85f, 0.2f, 3600.0f, false};
  s5.couleur_charleston = 9000.0f;
  s5.prog_theme = {0, 6, 5, 6};
  s5.prog_refrain = {5, 2, 6, 0};
  s5.prog_pont = {3, 5, 6, 4};
  s5.prog_retour = {5, 6, 4, 4};

  return styles;
}

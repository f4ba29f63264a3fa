// The five circuit plans. Every lap starts on the straight along -x through the grid at z = 0,
// y = 0, and the circuits spread towards +x and -z from there so that the minimap stays on screen.
// Control points are about 60 to 130 units apart; four collinear points keep the grid straight.
#include "assetgen/circuits/interne.h"

namespace {

// The straight through the grid, ending at x = -80 where each circuit turns away.
void depart(tPlan* p, float largeur) {
  for (float x : {290.0f, 160.0f, 30.0f, -80.0f}) p->points.push_back({x, 0, 0, largeur});
}

// A flowing lagoon circuit: sand and palms, long sweepers, one slow hairpin, low dunes.
tPlan lagon() {
  tPlan p;
  p.nom = "Lagon";
  depart(&p, 46);
  p.points.insert(p.points.end(), {
      {-165, -45, 1, 46}, {-190, -140, 3, 46}, {-150, -240, 6, 46}, {-60, -300, 8, 46},
      {50, -300, 6, 46}, {140, -250, 3, 44}, {230, -260, 2, 44}, {300, -340, 4, 44},
      {330, -440, 7, 44}, {400, -520, 10, 44}, {510, -540, 12, 46}, {620, -500, 10, 46},
      {700, -420, 7, 46}, {720, -320, 5, 44}, {675, -250, 3, 42}, {610, -270, 3, 42},
      {560, -210, 4, 42}, {585, -130, 5, 44}, {620, -60, 3, 46}, {560, 5, 1, 46}, {420, 0, 0, 46},
  });
  p.devers_max = 6;
  p.collines = 14;
  p.theme = {"route_lignes.jpg", "sable.jpg", "beton.jpg", "sable.jpg", "roche.jpg",
             {250, 235, 200}, {200, 180, 150}, {235, 230, 220}};
  p.types_deco[0] = 8;  // palms, ferns, grass, bell flowers
  p.types_deco[1] = 1;
  p.types_deco[2] = 3;
  p.types_deco[3] = 9;
  p.graine = 11;
  return p;
}

// A canyon: a climb into red rock, a run along the gorge and a tunnel through the ridge.
tPlan canyon() {
  tPlan p;
  p.nom = "Canyon";
  depart(&p, 46);
  p.points.insert(p.points.end(), {
      {-170, -60, 2, 46}, {-190, -170, 8, 46}, {-170, -290, 16, 46}, {-120, -400, 24, 44},
      {-30, -480, 30, 44}, {90, -500, 34, 44}, {210, -470, 36, 44}, {320, -500, 34, 44},
      {420, -580, 30, 44}, {540, -610, 26, 44}, {660, -580, 22, 44}, {740, -500, 18, 46},
      {760, -390, 14, 46}, {720, -290, 10, 46}, {630, -240, 8, 44}, {560, -180, 6, 44},
      {580, -100, 4, 46}, {530, -20, 2, 46}, {420, 0, 0, 46},
  });
  p.zones = {{7, 0, 330, ZONE_CANYON}, {13, 30, 200, ZONE_TUNNEL}, {13, 0, 260, ZONE_CANYON}};
  p.devers_max = 7;
  p.collines = 30;
  p.theme = {"route_lignes.jpg", "sable.jpg", "roche.jpg", "sable.jpg", "roche.jpg",
             {215, 150, 110}, {200, 120, 90}, {210, 140, 110}};
  p.types_deco[0] = 4;  // dry grass, bell flowers, ferns, a tree
  p.types_deco[1] = 9;
  p.types_deco[2] = 2;
  p.types_deco[3] = 5;
  p.graine = 22;
  return p;
}

// A hilly jungle: rolling climbs and dips, a jump over a pit on a crest, dense trees.
tPlan jungle() {
  tPlan p;
  p.nom = "Jungle";
  depart(&p, 44);
  p.points.insert(p.points.end(), {
      {-160, -50, -2, 44}, {-175, -150, -6, 44}, {-120, -240, 2, 44}, {-20, -270, 12, 44},
      {80, -300, 22, 44}, {130, -390, 30, 44}, {100, -490, 34, 44}, {150, -590, 32, 44},
      {260, -620, 28, 44}, {380, -620, 30, 44}, {500, -620, 30, 44}, {620, -600, 24, 44},
      {700, -520, 16, 44}, {690, -420, 10, 44}, {610, -370, 14, 44}, {560, -290, 20, 44},
      {610, -210, 14, 44}, {690, -150, 6, 44}, {660, -60, 2, 44}, {560, -5, 0, 44}, {420, 0, 0, 44},
  });
  p.zones = {{13, 10, 48, ZONE_RAMPE}, {13, 58, 24, ZONE_SAUT}};
  p.devers_max = 6;
  p.collines = 34;
  p.theme = {"route_lignes.jpg", "herbe.jpg", "beton.jpg", "herbe.jpg", "roche.jpg",
             {150, 200, 120}, {140, 150, 130}, {200, 205, 190}};
  p.types_deco[0] = 5;  // trees, ferns, orchids, palms
  p.types_deco[1] = 2;
  p.types_deco[2] = 6;
  p.types_deco[3] = 8;
  p.graine = 33;
  return p;
}

// Stone ruins: a short, tight lap of hairpins between old walls, arches and a vaulted passage.
tPlan ruines() {
  tPlan p;
  p.nom = "Ruines";
  depart(&p, 44);
  p.points.insert(p.points.end(), {
      {-150, -50, 2, 44}, {-155, -140, 6, 44}, {-90, -200, 10, 42}, {-10, -180, 14, 42},
      {40, -240, 18, 42}, {10, -320, 22, 42}, {-60, -380, 26, 42}, {-30, -460, 28, 42},
      {60, -480, 28, 42}, {150, -450, 26, 42}, {240, -470, 24, 42}, {290, -400, 22, 42},
      {250, -330, 20, 42}, {260, -250, 16, 42}, {340, -210, 12, 42}, {430, -220, 8, 44},
      {470, -140, 4, 44}, {420, -60, 2, 44}, {370, -10, 0, 44},
  });
  p.points.push_back({330, 0, 0, 44});
  p.zones = {{8, 0, 150, ZONE_TUNNEL}, {5, 0, 4, ZONE_ARCHE}, {16, 20, 4, ZONE_ARCHE},
             {2, 40, 4, ZONE_ARCHE}, {14, 0, 4, ZONE_ARCHE}};
  p.devers_max = 4;
  p.collines = 22;
  p.theme = {"route.jpg", "herbe.jpg", "beton.jpg", "herbe.jpg", "roche.jpg",
             {140, 185, 115}, {185, 175, 160}, {215, 200, 170}};
  p.types_deco[0] = 7;  // orchids, grass, ferns, bell flowers
  p.types_deco[1] = 3;
  p.types_deco[2] = 1;
  p.types_deco[3] = 6;
  p.graine = 44;
  return p;
}

// A volcano: a long fast climb up banked turns, a bridge over a ravine, the descent home.
tPlan volcan() {
  tPlan p;
  p.nom = "Volcan";
  depart(&p, 46);
  p.points.insert(p.points.end(), {
      {-200, -60, 3, 46}, {-250, -190, 10, 46}, {-230, -330, 18, 46}, {-150, -440, 26, 46},
      {-30, -500, 34, 46}, {110, -520, 42, 46}, {250, -540, 50, 46}, {370, -610, 58, 46},
      {450, -720, 64, 46}, {580, -790, 70, 46}, {730, -780, 72, 46}, {860, -720, 70, 46},
      {930, -600, 64, 46}, {910, -460, 56, 46}, {820, -380, 48, 46}, {700, -370, 42, 46},
      {600, -330, 34, 46}, {560, -240, 26, 46}, {610, -150, 18, 46}, {690, -90, 12, 46},
      {690, -10, 6, 46}, {580, 10, 2, 46}, {420, 0, 0, 46},
  });
  p.zones = {{10, 20, 110, ZONE_PONT}, {14, 0, 220, ZONE_CANYON}};
  p.devers_max = 12;
  p.collines = 45;
  p.theme = {"route_lignes.jpg", "sable.jpg", "beton.jpg", "roche.jpg", "roche.jpg",
             {120, 95, 85}, {95, 70, 65}, {190, 180, 175}};
  p.types_deco[0] = 8;  // palms, trees, grass, ferns
  p.types_deco[1] = 5;
  p.types_deco[2] = 4;
  p.types_deco[3] = 2;
  p.graine = 55;
  return p;
}

}  // namespace

tPlan plan_circuit(int numero) {
  switch (numero) {
    case 2: return canyon();
    case 3: return jungle();
    case 4: return ruines();
    case 5: return volcan();
    default: return lagon();
  }
}

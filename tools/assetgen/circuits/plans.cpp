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
      {-165, -45, 1, 46}, {-185, -140, 2, 46}, {-150, -225, 3, 46}, {-60, -250, 5, 46},
      {20, -210, 6, 46}, {90, -170, 6, 44}, {170, -190, 5, 44}, {210, -260, 4, 44},
      {190, -340, 4, 44}, {120, -390, 5, 44}, {100, -460, 7, 44}, {160, -530, 9, 44},
      {270, -550, 11, 46}, {380, -510, 12, 46}, {470, -540, 11, 44}, {560, -600, 10, 44},
      {660, -590, 8, 44}, {740, -520, 6, 44}, {760, -420, 5, 44}, {720, -330, 4, 44},
      {640, -300, 4, 44}, {590, -250, 4, 44}, {630, -205, 4, 44}, {700, -180, 3, 44},
      {720, -100, 2, 46}, {650, -30, 1, 46}, {560, 0, 0, 46}, {420, 0, 0, 46},
  });
  p.devers_max = 6;
  p.collines = -12;  // the lagoon fills the hollows
  p.eau = -5;
  p.avec_eau = true;
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
      {-170, -60, 2, 46}, {-195, -160, 6, 46}, {-150, -250, 12, 46}, {-190, -330, 16, 44},
      {-150, -420, 22, 44}, {-60, -470, 28, 44}, {50, -450, 32, 44}, {150, -490, 34, 44},
      {260, -470, 36, 44}, {340, -530, 36, 44}, {400, -610, 34, 44}, {500, -640, 30, 44},
      {610, -600, 26, 44}, {650, -520, 22, 44}, {700, -460, 20, 44}, {770, -400, 17, 46},
      {780, -300, 14, 46}, {730, -210, 10, 44}, {660, -195, 8, 44}, {605, -160, 6, 48},
      {590, -110, 5, 52}, {650, -70, 3, 52}, {640, -10, 1, 50}, {540, 0, 0, 46}, {420, 0, 0, 46},
  });
  p.zones = {{12, 0, 400, ZONE_CANYON}, {18, 20, 190, ZONE_TUNNEL}, {17, 0, 300, ZONE_CANYON}};;
  p.devers_max = 7;
  p.collines = 30;
  p.avec_eau = false;
  p.eau = 0;
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
      {-160, -50, -2, 44}, {-175, -150, -6, 44}, {-120, -230, 0, 44}, {-30, -240, 10, 44},
      {40, -290, 18, 44}, {30, -380, 26, 44}, {-25, -418, 29, 50}, {-60, -446, 30, 56},
      {-62, -488, 31, 56}, {-25, -515, 32, 50},
      {70, -560, 30, 44}, {170, -600, 28, 44}, {290, -620, 30, 44}, {410, -620, 30, 44},
      {530, -620, 30, 44}, {640, -590, 26, 44}, {700, -510, 18, 44}, {680, -420, 12, 48},
      {600, -402, 14, 54}, {550, -380, 16, 56}, {532, -338, 18, 56}, {560, -280, 18, 52}, {610, -220, 14, 48}, {700, -170, 8, 44},
      {720, -90, 4, 44}, {650, -25, 1, 44}, {560, 0, 0, 44}, {420, 0, 0, 44},
  });
  p.zones = {{16, 10, 48, ZONE_RAMPE}, {16, 58, 24, ZONE_SAUT}};
  p.devers_max = 6;
  p.collines = 34;
  p.avec_eau = false;
  p.eau = 0;
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
      {-150, -50, 2, 44}, {-160, -140, 6, 44}, {-100, -200, 10, 42}, {-20, -190, 14, 42},
      {30, -240, 18, 52}, {0, -310, 22, 52}, {-80, -350, 24, 46}, {-101, -366, 25, 52},
      {-105, -392, 26, 56}, {-90, -418, 27, 56}, {-52, -442, 28, 52}, {30, -480, 28, 42}, {120, -440, 26, 42}, {200, -480, 24, 42},
      {270, -440, 22, 42}, {290, -370, 20, 42}, {240, -320, 18, 42}, {230, -250, 14, 42},
      {320, -200, 10, 42}, {420, -230, 8, 42}, {480, -170, 5, 44}, {450, -80, 2, 44},
      {380, -20, 0, 44},
  });
  p.points.push_back({330, 0, 0, 44});
  p.zones = {{14, 0, 150, ZONE_TUNNEL}, {5, 0, 4, ZONE_ARCHE}, {21, 20, 4, ZONE_ARCHE},
             {2, 40, 4, ZONE_ARCHE}, {18, 0, 4, ZONE_ARCHE}};;
  p.devers_max = 4;
  p.collines = 22;
  p.avec_eau = false;
  p.eau = 0;
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
      {-200, -60, 3, 46}, {-250, -190, 10, 46}, {-220, -320, 18, 46}, {-140, -420, 26, 46},
      {-30, -470, 34, 46}, {80, -540, 42, 46}, {200, -560, 50, 46}, {320, -620, 58, 46},
      {400, -720, 64, 46}, {520, -790, 70, 46}, {660, -790, 72, 46}, {780, -730, 70, 46},
      {860, -640, 66, 46}, {884, -555, 60, 50}, {893, -466, 57, 54}, {864, -444, 55, 54}, {800, -438, 53, 52}, {730, -432, 48, 54},
      {660, -422, 45, 56}, {626, -402, 43, 56}, {618, -370, 41, 56}, {636, -325, 37, 54}, {690, -240, 28, 48},
      {720, -160, 20, 50}, {720, -100, 14, 48}, {670, -50, 8, 46}, {560, -5, 3, 46},
      {420, 0, 0, 46},
  });
  p.zones = {{9, 5, 110, ZONE_PONT}, {16, 0, 250, ZONE_CANYON}};;
  p.devers_max = 12;
  p.collines = 45;
  p.avec_eau = false;
  p.eau = 0;
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

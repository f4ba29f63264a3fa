// Recipes of the twelve sound effects, one function each; a recipe returns its channels
// (one for sounds placed in the world, two for interface sounds), already at their final level.
#pragma once

#include <vector>

#include "assetgen/sons/synthese.h"

namespace effets {

using Canaux = std::vector<synth::Signal>;

// Loops: whole periods over their length, noise filtered around the wrap.
Canaux moteur();
Canaux missile();
Canaux boost();
Canaux glisse();

// One-shots placed in the world.
Canaux explosion();
Canaux choc();
Canaux bonus();

// Interface and race signals.
Canaux chrono();
Canaux depart();
Canaux pret();
Canaux bouton();
Canaux clic();

}  // namespace effets

// What the simulator prints, and the driving bar every circuit must pass.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "course_sim.h"

// Per pilot: place, times, speeds, incidents and bonuses; then the run's step figures.
void imprime_course(std::FILE* f, const ResultatCourse& r);
// Race times per circuit, and the speed over all races.
void imprime_bilan(std::FILE* f, const std::vector<ResultatCourse>& courses);

// The bar: every pilot finishes, no NaN, at most one watchdog reset per pilot per race on
// average, nobody falls out of the world box, the computer pilots' times within 15 % of each
// other (only checked when `ecart_cpu`). False with the reasons in `pourquoi` (when given).
bool verifie_barre(const std::vector<ResultatCourse>& courses, std::string* pourquoi, bool ecart_cpu = true);
// Slowest over fastest computer pilot's race time, minus one; -1 when one did not finish.
double ecart_temps_cpu(const ResultatCourse& r);

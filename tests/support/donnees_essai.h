// The generated game data that the headless races and the listening tests share: CTest's
// `donnees.generation` fixture writes it once per build, with that build's own generator.
#pragma once

#include <unistd.h>

#include <string>

// The shared folder, or an empty string (with the reason in *pourquoi) when the fixture has not
// run: a test program started by hand needs `ctest -R donnees.generation` first.
inline std::string donnees_jeu(std::string* pourquoi = nullptr) {
  const std::string d = VELTRA_DONNEES;
  if (access((d + "/objets/efson_5.dat").c_str(), R_OK) == 0) return d;
  if (pourquoi) *pourquoi = "no game data in " + d + ": run `ctest -R donnees.generation` first";
  return std::string();
}

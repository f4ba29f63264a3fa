// File helpers shared by every reader and writer of the game's data files.
#include "common/fichier.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

bool lit_fichier(const std::string& chemin, std::vector<uint8_t>& out, size_t taille_max) {
  out.clear();
  FILE* f = std::fopen(chemin.c_str(), "rb");
  if (!f) return false;
  uint8_t bloc[65536];
  bool ok = true;
  for (;;) {
    const size_t n = std::fread(bloc, 1, sizeof bloc, f);
    if (n > 0) {
      if (out.size() + n > taille_max) {
        ok = false;
        break;
      }
      out.insert(out.end(), bloc, bloc + n);
    }
    if (n < sizeof bloc) {
      if (std::ferror(f)) ok = false;
      break;
    }
  }
  std::fclose(f);
  if (!ok) out.clear();
  return ok;
}

bool ecrit_fichier_atomique(const std::string& chemin, const void* data, size_t taille) {
  std::string tmp = chemin + ".tmpXXXXXX";
  const int fd = mkstemp(&tmp[0]);
  if (fd < 0) return false;
  const char* p = static_cast<const char*>(data);
  size_t reste = taille;
  bool ok = true;
  while (reste > 0) {
    const ssize_t n = write(fd, p, reste);
    if (n <= 0) {
      ok = false;
      break;
    }
    p += n;
    reste -= static_cast<size_t>(n);
  }
  if (ok && fsync(fd) != 0) ok = false;
  // mkstemp creates the file 0600; data files are ordinary user files.
  if (ok && fchmod(fd, 0644) != 0) ok = false;
  if (close(fd) != 0) ok = false;
  if (ok && std::rename(tmp.c_str(), chemin.c_str()) != 0) ok = false;
  if (!ok) std::remove(tmp.c_str());
  return ok;
}

// A real write failure for save tests: while an EcritureLimitee lives, no file of this process
// may grow past `octets` bytes (RLIMIT_FSIZE), so write() fails half way with EFBIG. SIGXFSZ is
// ignored meanwhile so the process carries on; both are restored at the end of the scope.
#pragma once

#include <dirent.h>
#include <sys/resource.h>

#include <csignal>
#include <string>
#include <vector>

#include "common/fichier.h"

class EcritureLimitee {
 public:
  explicit EcritureLimitee(rlim_t octets) {
    ancien_signal_ = std::signal(SIGXFSZ, SIG_IGN);
    if (getrlimit(RLIMIT_FSIZE, &avant_) != 0) return;
    rlimit r = avant_;
    r.rlim_cur = octets;
    pret_ = setrlimit(RLIMIT_FSIZE, &r) == 0;
  }
  ~EcritureLimitee() {
    if (pret_) setrlimit(RLIMIT_FSIZE, &avant_);
    std::signal(SIGXFSZ, ancien_signal_);
  }
  EcritureLimitee(const EcritureLimitee&) = delete;
  EcritureLimitee& operator=(const EcritureLimitee&) = delete;
  bool pret() const { return pret_; }

 private:
  rlimit avant_{};
  void (*ancien_signal_)(int) = SIG_DFL;
  bool pret_ = false;
};

// The bytes of a file (empty when it cannot be read).
inline std::vector<uint8_t> octets_de(const std::string& chemin) {
  std::vector<uint8_t> o;
  lit_fichier(chemin, o);
  return o;
}

// The text of a file (empty when it cannot be read).
inline std::string texte_de(const std::string& chemin) {
  const std::vector<uint8_t> o = octets_de(chemin);
  return std::string(o.begin(), o.end());
}

// Names in folder `dossier` (no "." or ".."), to see that a failed save leaves no temporary.
inline std::vector<std::string> noms_dans(const std::string& dossier) {
  std::vector<std::string> noms;
  DIR* d = opendir(dossier.c_str());
  if (!d) return noms;
  while (dirent* e = readdir(d)) {
    const std::string n = e->d_name;
    if (n != "." && n != "..") noms.push_back(n);
  }
  closedir(d);
  return noms;
}

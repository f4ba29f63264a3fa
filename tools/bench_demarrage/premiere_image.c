/* Preloaded into the real game (LD_PRELOAD): at the first presented frame (the opening of the main
   menu) it writes how long the process took to get there and its peak memory, then ends the
   process. The file is named by VELTRA_PREMIERE_IMAGE; without it the game runs untouched. */
#define _GNU_SOURCE
#include <GL/glx.h>
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

/* Milliseconds since the process was started, from its start time in clock ticks after boot. */
static double ms_depuis_lancement(void) {
  FILE* f = fopen("/proc/self/stat", "r");
  if (!f) return -1;
  char ligne[1024];
  const size_t n = fread(ligne, 1, sizeof ligne - 1, f);
  fclose(f);
  ligne[n] = '\0';
  /* The command name may hold spaces: fields are counted after its closing parenthesis. */
  const char* p = strrchr(ligne, ')');
  if (!p) return -1;
  unsigned long long debut = 0;
  int champ = 2;
  for (const char* c = p + 1; *c; c++) {
    if (*c != ' ') continue;
    champ++;
    if (champ == 22) {
      debut = strtoull(c + 1, NULL, 10);
      break;
    }
  }
  struct timespec t;
  clock_gettime(CLOCK_BOOTTIME, &t);
  const double maintenant = t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
  return maintenant - debut * 1000.0 / (double)sysconf(_SC_CLK_TCK);
}

static double pointe_mo(void) {
  FILE* f = fopen("/proc/self/status", "r");
  if (!f) return 0;
  char ligne[256];
  double ko = 0;
  while (fgets(ligne, sizeof ligne, f)) {
    if (strncmp(ligne, "VmHWM:", 6) == 0) ko = atof(ligne + 6);
  }
  fclose(f);
  return ko / 1024.0;
}

void glXSwapBuffers(Display* dpy, GLXDrawable d) {
  typedef void (*Echange)(Display*, GLXDrawable);
  Echange suivant = (Echange)dlsym(RTLD_NEXT, "glXSwapBuffers");
  if (suivant) suivant(dpy, d);
  const char* sortie = getenv("VELTRA_PREMIERE_IMAGE");
  if (!sortie || !*sortie) return;
  const double ms = ms_depuis_lancement();
  struct timespec cpu;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
  FILE* f = fopen(sortie, "w");
  if (f) {
    fprintf(f, "startup_ms %.0f\nstartup_cpu_ms %.0f\nmenu_peak_mb %.1f\n", ms,
            cpu.tv_sec * 1000.0 + cpu.tv_nsec / 1e6, pointe_mo());
    fclose(f);
  }
  _exit(0);
}

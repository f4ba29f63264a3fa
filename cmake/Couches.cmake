# The game's two layers and its modules' order: the one place that says which file belongs to which
# layer and which way includes may run. Read by the build (which files go into veltra_core) and by
# the structure check (tests/structure/verifie_couches.cmake).
#
# Modules, lowest first. A file under src/ may include headers of its own module and of the modules
# before it, never of one after it.
set(VELTRA_MODULES common math audio world ui objects race editors app)

# The platform layer: drawing, menus and dialogs, the window and input devices, the sound layer over
# OpenAL Soft, and the game's flow between menus, races and editors. Regexes on paths relative to
# src/; every other file is core. Core links Allegro's core library only (configuration, timers,
# the key[] table) and no OpenGL, GLU, AllegroGL, JPGalleg, OpenAL, libsndfile or libopenmpt.
set(VELTRA_PLATEFORME
  "^(app|ui|editors)/"
  "_rendu\\.(cpp|h)$"
  "^objects/rendu_objets\\.h$"
  "^audio/son_(systeme|canaux|sons|flux|decodeur|efx|reverb|geometrie|interne)\\.(cpp|h)$"
  "^race/(boucle|ecrans_classement|revoir|rendu_course)\\.(cpp|h)$")

# The silent implementation of audio/son_api.h, linked instead of the OpenAL layer by the simulator,
# the fuzzers and the logic tests; never by the game.
set(VELTRA_SON_NUL "^audio/son_nul\\.cpp$")

# System headers no core file may include.
set(VELTRA_ENTETES_PLATEFORME "GL/" "AL/" "alleggl\\.h" "jpgalleg\\.h" "sndfile" "libopenmpt" "X11/")

# veltra_couche(<path relative to src/> <out var>): sets <out var> to coeur, plateforme or son_nul.
function(veltra_couche chemin sortie)
  if(chemin MATCHES "${VELTRA_SON_NUL}")
    set(${sortie} son_nul PARENT_SCOPE)
    return()
  endif()
  foreach(motif ${VELTRA_PLATEFORME})
    if(chemin MATCHES "${motif}")
      set(${sortie} plateforme PARENT_SCOPE)
      return()
    endif()
  endforeach()
  set(${sortie} coeur PARENT_SCOPE)
endfunction()

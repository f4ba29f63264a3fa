// The "Desktop" screen mode under X: the game's window loses its frame and covers the desktop.
#include "app/bureau_x.h"

#include <allegro.h>
#include <xalleg.h>
#include <X11/Xatom.h>

void fenetre_couvre_bureau(int largeur, int hauteur) {
  XLOCK();
  Display* d = _xwin.display;
  const Window w = _xwin.window;
  if (d && w) {
    // No title bar nor border (the window managers' common hint).
    const long motif[5] = {2 /* decorations given */, 0, 0 /* none */, 0, 0};
    const Atom hints = XInternAtom(d, "_MOTIF_WM_HINTS", False);
    XChangeProperty(d, w, hints, hints, 32, PropModeReplace, reinterpret_cast<const unsigned char*>(motif), 5);
    // Above the desktop's panels, where the window manager supports it.
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = XInternAtom(d, "_NET_WM_STATE", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = 1;  // add
    e.xclient.data.l[1] = static_cast<long>(XInternAtom(d, "_NET_WM_STATE_FULLSCREEN", False));
    e.xclient.data.l[3] = 1;  // from an application
    XSendEvent(d, DefaultRootWindow(d), False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
    // Without a window manager nothing else places it.
    XMoveResizeWindow(d, w, 0, 0, static_cast<unsigned>(largeur), static_cast<unsigned>(hauteur));
    XRaiseWindow(d, w);
    XSync(d, False);
  }
  XUNLOCK();
}

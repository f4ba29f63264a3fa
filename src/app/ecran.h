// Graphics, input and timer start-up and shutdown, and the fixed OpenGL state.
#pragma once

// Allegro, its OpenGL driver, timers, keyboard, mouse, config.cfg, the OpenGL window and the two
// 60 Hz counters. 1 on success, -1 when the screen mode was refused (after a message box).
int Init_alleggl();
// Fixed OpenGL state: shading, culling, depth, fog, viewport, projection, lights, clear colour.
void init_etat_opengl();
// Removes the timers, the mouse, the keyboard, the OpenGL driver and Allegro itself.
void deInit();

void fps_counter();
void game_timer();

// The main menu: play a single race or a championship, the options, or leave.
#pragma once

void principal();

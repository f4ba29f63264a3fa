// Whole-file reading with a size limit, and atomic replacement of a file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Reads the whole file into `out`. Fails (false) when the file cannot be opened, cannot be read,
// or is larger than `taille_max` bytes.
bool lit_fichier(const std::string& chemin, std::vector<uint8_t>& out, size_t taille_max = 256u << 20);

// Writes `taille` bytes to a temporary file in the same folder, flushes it to disk and renames it
// over `chemin`: a crash or a full disk leaves either the old file or the new one, never half of
// one. False, with the old file untouched, on any failure.
bool ecrit_fichier_atomique(const std::string& chemin, const void* data, size_t taille);

// Bounded little-endian reading from a memory buffer. A read past the end fails and leaves the
// value untouched, so loaders can parse untrusted bytes without ever leaving the buffer.
//
//   Lecteur lec(data, size);
//   uint16_t id; uint32_t len;
//   if (!lec.u16(id) || !lec.u32(len)) return false;   // truncated
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

class Lecteur {
 public:
  Lecteur(const void* data, size_t taille) : m_data(static_cast<const uint8_t*>(data)), m_taille(taille) {}

  size_t position() const { return m_pos; }
  size_t reste() const { return m_taille - m_pos; }
  bool fin() const { return m_pos >= m_taille; }
  // Moves to an absolute position; fails beyond the end.
  bool va(size_t pos) {
    if (pos > m_taille) return false;
    m_pos = pos;
    return true;
  }
  bool saute(size_t n) {
    if (n > reste()) return false;
    m_pos += n;
    return true;
  }
  bool octets(void* dst, size_t n) {
    if (n > reste()) return false;
    if (n) std::memcpy(dst, m_data + m_pos, n);
    m_pos += n;
    return true;
  }
  bool u8(uint8_t& v) { return octets(&v, 1); }
  bool u16(uint16_t& v) {
    uint8_t b[2];
    if (!octets(b, 2)) return false;
    v = static_cast<uint16_t>(b[0] | (b[1] << 8));
    return true;
  }
  bool u32(uint32_t& v) {
    uint8_t b[4];
    if (!octets(b, 4)) return false;
    v = static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) | (static_cast<uint32_t>(b[2]) << 16) |
        (static_cast<uint32_t>(b[3]) << 24);
    return true;
  }
  bool i32(int32_t& v) {
    uint32_t u;
    if (!u32(u)) return false;
    v = static_cast<int32_t>(u);
    return true;
  }
  bool f32(float& v) {
    uint32_t u;
    if (!u32(u)) return false;
    std::memcpy(&v, &u, 4);
    return true;
  }
  // A NUL-terminated string of at most `max` bytes (terminator included); fails when no
  // terminator lies within reach.
  bool chaine(std::string& s, size_t max) {
    const size_t limite = reste() < max ? reste() : max;
    for (size_t i = 0; i < limite; i++) {
      if (m_data[m_pos + i] == 0) {
        s.assign(reinterpret_cast<const char*>(m_data + m_pos), i);
        m_pos += i + 1;
        return true;
      }
    }
    return false;
  }

 private:
  const uint8_t* m_data;
  size_t m_taille;
  size_t m_pos = 0;
};

// Little-endian writing into a growing buffer.
class Ecrivain {
 public:
  void u8(uint8_t v) { m_data.push_back(v); }
  void u16(uint16_t v) {
    u8(static_cast<uint8_t>(v));
    u8(static_cast<uint8_t>(v >> 8));
  }
  void u32(uint32_t v) {
    u16(static_cast<uint16_t>(v));
    u16(static_cast<uint16_t>(v >> 16));
  }
  void i32(int32_t v) { u32(static_cast<uint32_t>(v)); }
  void f32(float v) {
    uint32_t u;
    std::memcpy(&u, &v, 4);
    u32(u);
  }
  void octets(const void* src, size_t n) {
    const uint8_t* p = static_cast<const uint8_t*>(src);
    m_data.insert(m_data.end(), p, p + n);
  }
  void chaine(const std::string& s) { octets(s.c_str(), s.size() + 1); }
  // Overwrites four bytes already written (chunk lengths known only at the end).
  void patch_u32(size_t pos, uint32_t v) {
    for (int i = 0; i < 4; i++) m_data[pos + i] = static_cast<uint8_t>(v >> (8 * i));
  }
  size_t taille() const { return m_data.size(); }
  const std::vector<uint8_t>& donnees() const { return m_data; }

 private:
  std::vector<uint8_t> m_data;
};

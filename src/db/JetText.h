#pragma once
// Text as Jet files store it, made UTF-8. Jet 3 stores the bytes of the writer's ANSI code page, whatever
// the file's header claims; the files this program meets were written on Korean Windows, so they are read
// as code page 949. Jet 4 stores UCS-2, plain or compressed.
#include <string>

#include "db/JetBytes.h"
#include "db/JetFormat.h"

namespace jet_file {

// Little-endian UCS-2 (surrogate pairs joined); a lone surrogate or an odd last byte becomes U+FFFD.
std::string Ucs2ToUtf8(Bytes ucs2);
// A text value of the file's version. A Jet 4 value starting FF FE is compressed: one byte per character
// until a 00 byte switches to two bytes per character, and the next 00 back.
std::string TextToUtf8(const Format& format, Bytes stored);

}  // namespace jet_file

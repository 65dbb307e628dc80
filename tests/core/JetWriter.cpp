#include "JetWriter.h"

#include <stdexcept>

#include "db/Cp949.h"
#include "base/Utf8.h"

namespace jet_writer {

namespace {

constexpr uint16_t kDeleted = 0xC000, kMovedHere = 0x8000, kPointer = 0x4000;
constexpr uint32_t kLvalOwner = 0x4C41564C;  // "LVAL"

void Put(std::string& s, size_t at, uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) s[at + i] = static_cast<char>(value >> (8 * i));
}
unsigned Get16(const std::string& s, size_t at) {
  return static_cast<uint8_t>(s[at]) | static_cast<uint8_t>(s[at + 1]) << 8;
}
void Add(std::string& s, uint64_t value, int bytes) {
  s.append(bytes, '\0');
  Put(s, s.size() - bytes, value, bytes);
}

std::string Ucs2(const std::string& utf8) {
  std::string out;
  for (size_t pos = 0; pos < utf8.size();) {
    char32_t cp = utf8::Next(utf8, pos);
    if (cp >= 0x10000) {
      cp -= 0x10000;
      Add(out, 0xD800 + (cp >> 10), 2);
      cp = 0xDC00 + (cp & 0x3FF);
    }
    Add(out, cp, 2);
  }
  return out;
}

// FF FE, then one byte per character while its high byte is 0, a 00 byte switching to two bytes per
// character and back. Not possible when a character's low byte is 0 (가, 대, 저).
bool Compress(const std::string& ucs2, std::string& out) {
  out = "\xFF\xFE";
  bool oneByte = true;
  for (size_t i = 0; i + 1 < ucs2.size(); i += 2) {
    if (ucs2[i] == 0) return false;
    if ((ucs2[i + 1] == 0) != oneByte) out += '\0', oneByte = !oneByte;
    out += ucs2[i];
    if (!oneByte) out += ucs2[i + 1];
  }
  return out.size() < ucs2.size();
}

// RC4, the engine's page encryption.
void Rc4(const uint8_t* key, size_t keySize, char* data, size_t size) {
  uint8_t s[256];
  for (int i = 0; i < 256; ++i) s[i] = static_cast<uint8_t>(i);
  for (int i = 0, j = 0; i < 256; ++i) {
    j = (j + s[i] + key[i % keySize]) & 255;
    std::swap(s[i], s[j]);
  }
  for (size_t n = 0, i = 0, j = 0; n < size; ++n) {
    i = (i + 1) & 255, j = (j + s[i]) & 255;
    std::swap(s[i], s[j]);
    data[n] = static_cast<char>(data[n] ^ s[(s[i] + s[j]) & 255]);
  }
}

struct Address {
  uint32_t page;
  unsigned row;
  uint32_t Pointer() const { return page << 8 | row; }
};

class Writer {
 public:
  explicit Writer(const FileSpec& spec)
      : m_spec(spec), m_jet3(spec.version == 3), m_pageSize(m_jet3 ? 2048 : 4096), m_rowsAt(m_jet3 ? 8 : 12) {}

  WrittenFile Write() {
    NewPage(0);                        // the header
    const uint32_t maps = NewPage(1);  // the tables' page maps
    TableSpec catalog{"MSysObjects",
                      {{"Id", Type::kLong},
                       {"ParentId", Type::kLong},
                       {"Name", Type::kText, 128},
                       {"Type", Type::kInt},
                       {"Flags", Type::kLong},
                       {"LvProp", Type::kOle}},
                      {{{Num(2), Num(0x0F000000), Str("MSysObjects"), Num(1), Num(0x80000002), Null()}}}};
    std::vector<const TableSpec*> tables = {&catalog};
    for (const TableSpec& table : m_spec.tables) tables.push_back(&table);
    std::vector<uint32_t> definitions;
    for (size_t t = 0; t < tables.size(); ++t) definitions.push_back(NewPage(2));
    for (size_t t = 1; t < tables.size(); ++t)
      catalog.rows.push_back({{Num(definitions[t]), Num(0x0F000001), Str(tables[t]->name), Num(1), Num(0), Null()}});

    for (size_t t = 0; t < tables.size(); ++t) {
      const std::vector<uint32_t> data = WriteRows(*tables[t], definitions[t]);
      AddRow(maps, UsageMap(data), 0);
      AddRow(maps, UsageMap({}), 0);
      WriteDefinition(*tables[t], definitions[t], t == 0, static_cast<uint32_t>(maps << 8 | (2 * t)));
      m_written.definitionPages[tables[t]->name] = definitions[t];
      m_written.dataPages[tables[t]->name] = data;
    }
    std::string bytes;
    for (const std::string& page : m_pages) bytes += page;
    WriteHeader(bytes);
    m_written.bytes = std::move(bytes);
    m_written.pageSize = m_pageSize;
    return std::move(m_written);
  }

 private:
  uint32_t NewPage(uint8_t type, uint32_t owner = 0) {
    std::string page(m_pageSize, '\0');
    page[0] = static_cast<char>(type);
    page[1] = 1;
    if (type == 1) Put(page, 4, owner, 4);
    m_pages.push_back(page);
    return static_cast<uint32_t>(m_pages.size() - 1);
  }
  unsigned Rows(uint32_t page) const { return Get16(m_pages[page], m_rowsAt); }
  // Where the row of that number begins; the end of the page for the next row of an empty page.
  size_t RowStart(uint32_t page, unsigned row) const {
    return row == ~0u ? m_pageSize : Get16(m_pages[page], m_rowsAt + 2 + 2 * row) & 0x1FFF;
  }
  size_t Low(uint32_t page) const { return RowStart(page, Rows(page) - 1); }
  bool Fits(uint32_t page, size_t size, unsigned rowCap) const {
    return Rows(page) < rowCap && Low(page) >= m_rowsAt + 2 * (Rows(page) + 2) + size;
  }
  // Places the row under the rows already on the page; the page must have room.
  Address AddRow(uint32_t page, const std::string& bytes, uint16_t flags) {
    if (!Fits(page, bytes.size(), 0xFFFF)) throw std::logic_error("jet writer: a row larger than a page");
    std::string& p = m_pages[page];
    const unsigned row = Rows(page);
    const size_t at = Low(page) - bytes.size();
    p.replace(at, bytes.size(), bytes);
    Put(p, m_rowsAt, row + 1, 2);
    Put(p, m_rowsAt + 2 + 2 * row, at | flags, 2);
    Put(p, 2, at - (m_rowsAt + 2 + 2 * (row + 1)), 2);
    return {page, row};
  }
  Address AddToPages(std::vector<uint32_t>& pages, uint32_t owner, const std::string& bytes, uint16_t flags,
                     unsigned rowCap) {
    if (pages.empty() || !Fits(pages.back(), bytes.size(), rowCap)) pages.push_back(NewPage(1, owner));
    return AddRow(pages.back(), bytes, flags);
  }

  // The stored form of a text: code page 949 in Jet 3, UCS-2 (compressed where allowed) in Jet 4.
  std::string TextBytes(const std::string& utf8, bool mayCompress) const {
    if (m_jet3) return Utf8ToCp949(utf8);
    const std::string ucs2 = Ucs2(utf8);
    std::string compressed;
    return m_spec.compressText && mayCompress && Compress(ucs2, compressed) ? compressed : ucs2;
  }
  std::string MemoField(const std::string& utf8) {
    const std::string stored = TextBytes(utf8, utf8.size() <= 1024);
    std::string field;
    const size_t rowRoom = m_pageSize - m_rowsAt - 6;
    if (stored.size() <= m_spec.inlineMemoBytes) {
      Add(field, stored.size() | 0x80000000u, 4);
      Add(field, 0, 8);
      return field + stored;
    }
    uint32_t pointer = 0;
    if (stored.size() <= rowRoom) {
      pointer = AddToPages(m_lval, kLvalOwner, stored, 0, 0xFFFF).Pointer();
      Add(field, stored.size() | 0x40000000u, 4);
    } else {
      // The chain is written from its end, so that each piece knows the address of the next.
      const size_t piece = rowRoom - 4;
      for (size_t end = stored.size(); end > 0;) {
        const size_t begin = (end - 1) / piece * piece;
        std::string row;
        Add(row, pointer, 4);
        pointer = AddToPages(m_lval, kLvalOwner, row + stored.substr(begin, end - begin), 0, 0xFFFF).Pointer();
        end = begin;
      }
      Add(field, stored.size(), 4);
    }
    Add(field, pointer, 4);
    Add(field, 0, 4);
    return field;
  }

  std::string RowBytes(const TableSpec& table, const std::vector<Cell>& cells) {
    const int n = m_jet3 ? 1 : 2;
    std::string fixed, var, mask((table.columns.size() + 7) / 8, '\0');
    std::vector<size_t> offsets;
    for (size_t c = 0; c < table.columns.size(); ++c) {
      const ColumnSpec& column = table.columns[c];
      const Cell& cell = cells.at(c);
      if (!cell.null) mask[c / 8] = static_cast<char>(mask[c / 8] | 1 << (c % 8));
      if (column.type == Type::kInt || column.type == Type::kLong) {
        Add(fixed, cell.null ? 0 : cell.number, column.type == Type::kInt ? 2 : 4);
        continue;
      }
      offsets.push_back(var.size());
      if (!cell.null) var += column.type == Type::kText ? TextBytes(cell.text, true) : MemoField(cell.text);
    }
    const size_t dataStart = n + fixed.size();
    for (size_t& offset : offsets) offset += dataStart;
    offsets.push_back(dataStart + var.size());  // eod
    std::string row;
    Add(row, table.columns.size(), n);
    row += fixed + var;
    const bool hasVar = offsets.size() > 1;
    if (hasVar) {
      for (size_t i = offsets.size(); i-- > 0;) Add(row, offsets[i], n);
      if (m_jet3) {
        // Offsets keep their low byte; each jump entry names the first offset past another 256 bytes.
        size_t jumps = 0;
        while ((row.size() + jumps + 1 + mask.size() - 1) / 256 != jumps) ++jumps;
        for (size_t k = jumps; k-- > 0;) {
          size_t first = 0xFF;
          for (size_t i = 0; i < offsets.size() && first == 0xFF; ++i)
            if (offsets[i] >= 256 * (k + 1)) first = i;
          row += static_cast<char>(first);
        }
      }
      Add(row, offsets.size() - 1, n);
    }
    return row + mask;
  }

  std::vector<uint32_t> WriteRows(const TableSpec& table, uint32_t owner) {
    std::vector<uint32_t> pages;
    std::vector<std::pair<Address, std::string>> moved;
    bool keepDeletedBytes = true;
    for (const RowSpec& row : table.rows) {
      const std::string bytes = RowBytes(table, row.cells);
      if (row.moved) {
        moved.push_back({AddToPages(pages, owner, std::string(4, '\0'), kPointer, m_spec.rowsPerPage), bytes});
      } else if (row.deleted) {
        // The engine leaves a deleted row's bytes, or none of them.
        AddToPages(pages, owner, keepDeletedBytes ? bytes : std::string(), kDeleted, m_spec.rowsPerPage);
        keepDeletedBytes = !keepDeletedBytes;
      } else {
        AddToPages(pages, owner, bytes, 0, m_spec.rowsPerPage);
      }
    }
    for (const auto& [pointer, bytes] : moved) {
      pages.push_back(NewPage(1, owner));
      const Address target = AddRow(pages.back(), bytes, kMovedHere);
      std::string& p = m_pages[pointer.page];
      Put(p,
          (static_cast<uint8_t>(p[m_rowsAt + 2 + 2 * pointer.row]) |
           static_cast<uint8_t>(p[m_rowsAt + 3 + 2 * pointer.row]) << 8) &
              0x1FFF,
          target.Pointer(), 4);
    }
    m_written.longValuePages = m_lval;
    return pages;
  }

  // A bitmap from a start page inline (type 0), or in whole map pages when the pages reach further.
  std::string UsageMap(const std::vector<uint32_t>& pages) {
    const size_t bitmapBytes = m_jet3 ? 128 : 64;
    std::string map;
    const uint32_t start = pages.empty() ? 0 : pages.front() / 8 * 8;
    if (pages.empty() || pages.back() - start < bitmapBytes * 8) {
      map.assign(1 + 4 + bitmapBytes, '\0');
      Put(map, 1, start, 4);
      for (uint32_t page : pages) map[5 + (page - start) / 8] |= static_cast<char>(1 << ((page - start) % 8));
      return map;
    }
    map.assign(1 + bitmapBytes, '\0');
    map[0] = 1;
    const size_t perPage = (m_pageSize - 4) * 8;
    std::vector<uint32_t> mapPages(bitmapBytes / 4, 0);
    for (uint32_t page : pages) {
      uint32_t& mapPage = mapPages.at(page / perPage);
      if (mapPage == 0) {
        mapPage = NewPage(5);
        m_pages[mapPage][1] = 1;
        Put(map, 1 + 4 * (page / perPage), mapPage, 4);
      }
      const size_t bit = page % perPage;
      m_pages[mapPage][4 + bit / 8] |= static_cast<char>(1 << (bit % 8));
    }
    return map;
  }

  void WriteDefinition(const TableSpec& table, uint32_t page, bool system, uint32_t usedMap) {
    std::string& p = m_pages[page];
    if (m_jet3) p[2] = 'V', p[3] = 'C';
    std::string d(m_jet3 ? 43 : 63, '\0');
    const size_t at = m_jet3 ? 12 : 16;  // row count, then the table's kind and counts
    const size_t kind = m_jet3 ? 20 : 40;
    Put(d, at, table.rows.size(), 4);
    d[kind] = system ? 0x53 : 0x4E;
    size_t varCount = 0, fixedOffset = 0;
    for (const ColumnSpec& column : table.columns) varCount += column.type >= Type::kText;
    Put(d, kind + 1, table.columns.size(), 2);
    Put(d, kind + 3, varCount, 2);
    Put(d, kind + 5, table.columns.size(), 2);
    Put(d, kind + 15, usedMap, 4);
    Put(d, kind + 19, usedMap + 1, 4);
    std::string names;
    size_t varIndex = 0;
    for (size_t c = 0; c < table.columns.size(); ++c) {
      const ColumnSpec& column = table.columns[c];
      const bool fixed = column.type == Type::kInt || column.type == Type::kLong;
      const uint8_t type = column.type == Type::kInt    ? 0x03
                           : column.type == Type::kLong ? 0x04
                           : column.type == Type::kText ? 0x0A
                           : column.type == Type::kMemo ? 0x0C
                                                        : 0x0B;
      const size_t length = fixed                        ? (column.type == Type::kInt ? 2 : 4)
                            : column.type == Type::kText ? column.size * (m_jet3 ? 1 : 2)
                                                         : 0;
      std::string e(m_jet3 ? 18 : 25, '\0');
      const size_t o = m_jet3 ? 0 : 4;  // Jet 4 has four more bytes after the type
      e[0] = static_cast<char>(type);
      Put(e, o + 1, c, 2);
      Put(e, o + 3, fixed ? 0 : varIndex, 2);
      Put(e, o + 5, c, 2);
      if (m_jet3) {
        Put(e, 7, 1, 2), Put(e, 9, 0x409, 2), Put(e, 11, 1252, 2);
      } else {
        Put(e, 11, 0x409, 2);
        e[16] = column.type == Type::kText || column.type == Type::kMemo ? 1 : 0;  // may be compressed
      }
      e[m_jet3 ? 13 : 15] = static_cast<char>(fixed ? 0x03 : 0x02);
      Put(e, m_jet3 ? 14 : 21, fixed ? fixedOffset : 0, 2);
      Put(e, m_jet3 ? 16 : 23, length, 2);
      d += e;
      if (fixed)
        fixedOffset += length;
      else
        ++varIndex;
      const std::string name = m_jet3 ? column.name : Ucs2(column.name);
      Add(names, name.size(), m_jet3 ? 1 : 2);
      names += name;
    }
    d += names;
    Add(d, 0xFFFF, 2);  // no column has page maps of its own
    if (d.size() > m_pageSize) throw std::logic_error("jet writer: a definition larger than a page");
    Put(d, 8, d.size(), 4);
    p.replace(8, d.size() - 8, d.substr(8));
  }

  void WriteHeader(std::string& bytes) const {
    const char magic[] = "\x00\x01\x00\x00Standard Jet DB";
    bytes.replace(0, sizeof magic, magic, sizeof magic);
    bytes[0x14] = m_jet3 ? 0 : 1;
    // As a file made on US Windows has them, masked: sort order and code page 1252, and the database key.
    const uint8_t masked3[] = {0xED, 0xC7, 0x9F, 0x46}, masked4[] = {0xE4, 0xC3, 0x9F, 0x46};
    const uint8_t zeroKey[] = {0xFB, 0x8A, 0xBC, 0x4E};
    for (int i = 0; i < 4; ++i) {
      bytes[0x3A + i] = static_cast<char>(m_jet3 ? masked3[i] : masked4[i]);
      bytes[0x3E + i] = static_cast<char>(zeroKey[i] ^ (m_spec.encryptionKey >> (8 * i)));
    }
    if (m_spec.encryptionKey == 0) return;
    for (uint32_t page = 1; page < m_pages.size(); ++page) {
      const uint32_t key = m_spec.encryptionKey ^ page;
      const uint8_t keyBytes[] = {uint8_t(key), uint8_t(key >> 8), uint8_t(key >> 16), uint8_t(key >> 24)};
      Rc4(keyBytes, 4, &bytes[size_t{page} * m_pageSize], m_pageSize);
    }
  }

  const FileSpec& m_spec;
  const bool m_jet3;
  const size_t m_pageSize, m_rowsAt;
  std::vector<std::string> m_pages;
  std::vector<uint32_t> m_lval;
  WrittenFile m_written;
};

}  // namespace

WrittenFile Write(const FileSpec& spec) { return Writer(spec).Write(); }

}  // namespace jet_writer

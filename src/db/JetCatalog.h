#pragma once
// The catalog of a Jet file: the table MSysObjects, whose definition is always page 2. Each row names an
// object; a table's row gives the page of its definition.
#include <cstdint>
#include <string>
#include <vector>

#include "db/JetPages.h"

namespace jet_file {

constexpr uint32_t kCatalogPage = 2;

struct CatalogTable {
  std::string name;  // UTF-8
  uint32_t definitionPage = 0;
  bool system = false;  // the engine's own tables (MSys...)
};

// Every table of the file, in catalog order. Damage when the catalog cannot be read.
std::vector<CatalogTable> ReadCatalog(const Pages& pages);

}  // namespace jet_file

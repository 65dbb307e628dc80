#pragma once
// The Bible texts installed for the SWORD library, with what a release needs to name the text it carries:
// the module's language, version and copyright from its own configuration.
#include <string>
#include <vector>

struct BibleModuleInfo {
  std::string name;          // the module's own name, e.g. engKJV2006eb
  std::string abbreviation;  // e.g. KJV; empty when the module gives none
  std::string language;      // its Lang entry, e.g. en or ko
  std::string version;       // its Version entry; empty when the module gives none
  std::string description;   // e.g. King James Version
  std::string copyright;     // its Copyright entry, else its ShortCopyright
  std::string licence;       // its DistributionLicense entry
};

// Every installed module that is a Bible text kept by verses, ordered by name. Texts are UTF-8 on one line:
// control characters become blanks, and a value that is not UTF-8 is read as Latin-1 (the configuration's
// encoding when it names none).
std::vector<BibleModuleInfo> InstalledBibleModules();

// One line per module, its fields in the order above separated by tabs, for scripts to read.
std::string CatalogLines(const std::vector<BibleModuleInfo>& modules);

#include "ModuleCatalog.h"

#include <swmgr.h>
#include <swmodule.h>
#include <versekey.h>

#include <cstring>
#include <memory>

#include "TextCheck.h"

namespace {

std::string Latin1ToUtf8(const std::string& latin1) {
  std::string utf8;
  for (const unsigned char c : latin1) {
    if (c < 0x80) {
      utf8 += static_cast<char>(c);
    } else {
      utf8 += static_cast<char>(0xC0 | (c >> 6));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return utf8;
}

// A configuration value as one trimmed line of UTF-8, so that a tab or a line break in it cannot break
// the catalog's columns.
std::string OneLine(const char* value) {
  std::string text = value ? value : "";
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  if (FindUtf8Fault(text)) text = Latin1ToUtf8(text);
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool IsVerseKeyed(sword::SWModule& module) {
  const std::unique_ptr<sword::SWKey> key(module.createKey());
  return dynamic_cast<sword::VerseKey*>(key.get()) != nullptr;
}

}  // namespace

std::vector<BibleModuleInfo> InstalledBibleModules() {
  sword::SWMgr mgr;
  std::vector<BibleModuleInfo> modules;  // the manager's map keeps them ordered by name
  for (const auto& entry : mgr.getModules()) {
    sword::SWModule& module = *entry.second;
    if (std::strcmp(module.getType(), sword::SWMgr::MODTYPE_BIBLES) != 0 || !IsVerseKeyed(module)) continue;
    BibleModuleInfo info;
    info.name = OneLine(module.getName());
    info.abbreviation = OneLine(module.getConfigEntry("Abbreviation"));
    info.language = OneLine(module.getLanguage());
    info.version = OneLine(module.getConfigEntry("Version"));
    info.description = OneLine(module.getDescription());
    info.copyright = OneLine(module.getConfigEntry("Copyright"));
    if (info.copyright.empty()) info.copyright = OneLine(module.getConfigEntry("ShortCopyright"));
    info.licence = OneLine(module.getConfigEntry("DistributionLicense"));
    modules.push_back(std::move(info));
  }
  return modules;
}

std::string CatalogLines(const std::vector<BibleModuleInfo>& modules) {
  std::string lines;
  for (const BibleModuleInfo& m : modules) {
    for (const std::string* field :
         {&m.name, &m.abbreviation, &m.language, &m.version, &m.description, &m.copyright, &m.licence}) {
      if (field != &m.name) lines += '\t';
      lines += *field;
    }
    lines += '\n';
  }
  return lines;
}

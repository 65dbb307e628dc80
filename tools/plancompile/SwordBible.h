#pragma once
// A Bible text of the SWORD library: its outline, its references and its verses as plain text.
// The library finds its modules as its own tools do (SWORD_PATH, ~/.sword, the system's module folders).
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "BibleOutline.h"
#include "ModulePlan.h"
#include "ScheduleFile.h"

// A module that is missing, is not a Bible text, or cannot be read; also a missing Korean locale.
class ModuleError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class SwordBible : public ReferenceResolver, public VerseReader {
 public:
  // Opens the module by its name or its abbreviation (case ignored). Throws ModuleError.
  explicit SwordBible(const std::string& moduleName);
  ~SwordBible() override;
  SwordBible(const SwordBible&) = delete;
  SwordBible& operator=(const SwordBible&) = delete;

  // The module's own name, as the library lists it.
  const std::string& Name() const;
  // Every book of the module's versification, named from the library's Korean locale.
  const BibleOutline& Outline() const;

  // English or Korean book names, the library's reference syntax: "Gen 1-3; Matt 5:1-12", "창세기 1-3".
  std::vector<Passage> Resolve(const std::string& references) override;
  std::string PlainText(const VerseAt& verse) override;

 private:
  struct Library;
  std::unique_ptr<Library> m_lib;
};

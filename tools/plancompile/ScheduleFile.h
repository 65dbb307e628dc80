#pragma once
// A schedule file: plain UTF-8 text, one line per day, "MONTH DAY REFERENCES", for example
//   1 1 Gen 1-3
//   1 2 창세기 4-6; 마태복음 1
// Empty lines and lines starting with # are skipped. The references are read by a resolver that knows the
// Bible text, so they follow that text's own reference syntax.
#include <istream>
#include <stdexcept>
#include <string>
#include <vector>

#include "ReadingSchedule.h"

// A reference that cannot be read or that the Bible text lacks; the message says which and why.
class ReferenceError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ReferenceResolver {
 public:
  virtual ~ReferenceResolver() = default;
  // The passages that the references of one line name, in order. Throws ReferenceError.
  virtual std::vector<Passage> Resolve(const std::string& references) = 0;
};

// Reads and checks a whole schedule file; days come out in date order. Throws SourceError naming fileName
// and the line at the first fault.
Schedule ParseScheduleFile(std::istream& in, const std::string& fileName, ReferenceResolver& resolver);

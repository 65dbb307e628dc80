#include "db/JetErrors.h"


namespace jet {
namespace {
const std::string kNonEmptyPrefix = "jet_nonempty:";
const std::string kMaxLengthPrefix = "jet_maxlen:";
}  // namespace

std::string NonEmptyConstraintName(const std::string& table, const std::string& column) {
  return kNonEmptyPrefix + table + "." + column;
}

std::string MaxLengthConstraintName(const std::string& table, const std::string& column, long size) {
  return kMaxLengthPrefix + std::to_string(size) + ":" + table + "." + column;
}

std::string DescribeConstraintFailure(const std::string& utf8Message, int& code) {
  static const std::string kLead = "CHECK constraint failed: ";
  if (utf8Message.compare(0, kLead.size(), kLead) != 0) return "";
  const std::string name = utf8Message.substr(kLead.size());
  if (name.compare(0, kNonEmptyPrefix.size(), kNonEmptyPrefix) == 0) {
    code = kZeroLengthString;
    return "Field '" + name.substr(kNonEmptyPrefix.size()) + "' cannot be a zero-length string.";
  }
  if (name.compare(0, kMaxLengthPrefix.size(), kMaxLengthPrefix) == 0) {
    const size_t colon = name.find(':', kMaxLengthPrefix.size());
    if (colon == std::string::npos) return "";
    const std::string size = name.substr(kMaxLengthPrefix.size(), colon - kMaxLengthPrefix.size());
    code = kFieldTooSmall;
    return "The field is too small to accept the amount of data you attempted to add. (Field '" +
           name.substr(colon + 1) + "' holds at most " + size + " characters.)";
  }
  return "";
}

}  // namespace jet

#pragma once
// Engine error numbers and descriptions that the layer raises itself, worded as the Jet engine words
// them so that a message box reads familiar. SQLite failures keep SQLite's extended result code.
#include <string>

#include "db/DaoException.h"

namespace jet {

enum ErrorCode {
  kUpdateWithoutEdit = 3020,   // "Update or CancelUpdate without AddNew or Edit."
  kNoCurrentRecord = 3021,
  kFileNotFound = 3024,
  kReadOnly = 3027,
  kInvalidArgument = 3001,
  kTableExists = 3010,
  kSyntaxError = 3075,
  kExtraCharacters = 3142,
  kFieldTooSmall = 3163,
  kRecordDeleted = 3167,
  kDatabaseExists = 3204,
  kInvalidFieldType = 3259,
  kItemNotFound = 3265,
  kZeroLengthString = 3315,
  kUnrecognizedFormat = 3343,
  kObjectClosed = 3420,
};

[[noreturn]] inline void Throw(ErrorCode code, std::string description) {
  throw CDaoException(std::move(description), code);
}

// Names of the CHECK constraints by which a table keeps Jet's field rules (UTF-8 table and column).
std::string NonEmptyConstraintName(const std::string& table, const std::string& column);
std::string MaxLengthConstraintName(const std::string& table, const std::string& column, long size);
// The Jet description of a failed constraint of ours, given SQLite's message;
// empty when the message is not about one of them.
std::string DescribeConstraintFailure(const std::string& utf8Message, int& code);

}  // namespace jet

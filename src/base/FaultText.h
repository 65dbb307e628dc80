#pragma once
// The words for a fault of the database engine, as a message of the string table.
#include <string>

#include "base/EngineFault.h"
#include "base/MessageText.h"

// The message for a fault with the file it concerns (its %s): what happened, that the file was not changed
// where that holds, and what to do. `engineText`, when given, follows on a line of its own.
MessageText DescribeEngineFault(EngineFault fault, const std::string& file, const std::string& engineText = "");

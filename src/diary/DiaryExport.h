#pragma once
// The export of diary entries to a text file: the layout of an entry, the name rule for the file, and the
// writing of one entry or of all entries from the diary's recordset. Texts are UTF-8; the file is code
// page 949 when that holds every character of it, else UTF-8 after a byte order mark.
#include <string>

class CDaoRecordset;

// Removes every trailing blank, tab, CR, LF, vertical tab and form feed; never cuts a character.
std::string TrimTrailingWhiteSpace(const std::string& text);
// Every line end (CR LF, a lone LF, a lone CR) as CR LF.
std::string ToCrLf(const std::string& text);
// The four blocks of one entry appended to `out`, from the fields as stored (the mark "x" of an empty field
// is written as an empty field): date line, title, meditation, prayer, each line ending in CR LF.
void AppendExportEntry(std::string& out, const std::string& key, const std::string& title,
                       const std::string& meditation, const std::string& prayer);
// The path with ".txt" appended unless its last three characters, lower-cased, read "txt".
std::string WithTxtExtension(const std::string& path);
// The statement of one date's entry, or of every entry.
std::string ExportStatement(bool allDates, const std::string& key);

enum class ExportOutcome { kWritten, kCannotCreate, kWriteFailed };
// Creates (or empties) the file at `path` and writes the entries that the statement finds, in key order:
// in code page 949 when it holds every character of them, otherwise in UTF-8 after a byte order mark
// (EF BB BF), the layout the same. kCannotCreate when the file could not be made: then no statement has
// run; kWriteFailed when the bytes did not all reach the file (a full disk). An engine error while rows
// are read propagates; the file keeps what was written before it.
ExportOutcome WriteDiaryExport(CDaoRecordset& set, bool allDates, const std::string& key, const std::string& path);

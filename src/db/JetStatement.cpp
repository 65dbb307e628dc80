#include "db/JetStatement.h"

#include <algorithm>
#include <cstring>

#include "db/JetErrors.h"
#include "db/JetLike.h"

namespace {

constexpr int kMaxNesting = 64;      // parentheses and NOT; deeper is surely not a statement of ours
constexpr size_t kExcerptBytes = 40;

struct Token {
  enum Kind { kWord, kBracketName, kText, kNumber, kSymbol, kEnd } kind = kEnd;
  std::string text;  // word, name, symbol, literal value (quotes removed) or digits
  size_t offset = 0;
};

bool IsWordStart(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80; }
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool IsWordChar(unsigned char c) { return IsWordStart(c) || IsDigit(c); }
bool IsSpace(unsigned char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

// b is upper case.
bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < b.size(); ++i) {
    char c = a[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != b[i]) return false;
  }
  return true;
}

// Words that are keywords of the dialect, or of SQL beyond it; none of them names a table or column
// unless written in brackets.
constexpr std::string_view kReservedWords[] = {
    "SELECT", "FROM", "WHERE", "AND", "OR", "NOT", "LIKE", "ORDER", "BY", "ASC", "DESC",
    "ALL", "ALTER", "ANY", "AS", "BETWEEN", "CASE", "CREATE", "DELETE", "DISTINCT", "DISTINCTROW", "DROP",
    "ELSE", "END", "EQV", "EXISTS", "GROUP", "HAVING", "IMP", "IN", "INNER", "INSERT", "INTO", "IS", "JOIN",
    "LEFT", "LIMIT", "MOD", "NULL", "ON", "OUTER", "PARAMETERS", "PIVOT", "RIGHT", "SET", "SOME", "THEN",
    "TOP", "TRANSFORM", "UNION", "UPDATE", "VALUES", "WHEN", "WITH", "XOR"};

bool IsReserved(std::string_view word) {
  for (std::string_view reserved : kReservedWords)
    if (EqualsNoCase(word, reserved)) return true;
  return false;
}

class Parser {
 public:
  explicit Parser(std::string_view statement) : m_text(statement) { Advance(); }

  JetSelect ParseStatement() {
    if (!IsKeyword("SELECT")) {
      if (m_token.kind == Token::kWord) Fail("only SELECT statements are understood, not '" + m_token.text + "'");
      Fail("the statement must begin with SELECT");
    }
    Advance();
    ParseSelectList();
    ExpectKeyword("FROM");
    ParseTables();
    if (IsKeyword("WHERE")) {
      Advance();
      ParseOr(m_select.whereSql, 0);
    }
    if (IsKeyword("ORDER")) {
      Advance();
      ExpectKeyword("BY");
      ParseOrder();
    }
    const bool ended = IsSymbol(";");
    if (ended) Advance();
    if (m_token.kind != Token::kEnd) {
      if (!ended && m_token.kind == Token::kWord && IsReserved(m_token.text))
        Fail("'" + m_token.text + "' is not understood here");
      Fail("characters found after end of SQL statement");
    }
    return std::move(m_select);
  }

 private:
  [[noreturn]] void Fail(const std::string& reason) const {
    size_t end = std::min(m_token.offset + kExcerptBytes, m_text.size());
    while (end < m_text.size() && (static_cast<unsigned char>(m_text[end]) & 0xC0) == 0x80) ++end;  // whole characters
    std::string excerpt(m_text.substr(m_token.offset, end - m_token.offset));
    if (end < m_text.size()) excerpt += "...";
    const std::string where = m_token.kind == Token::kEnd ? " at the end of the statement"
                                                           : " near \"" + excerpt + "\"";
    jet::Throw(jet::kSyntaxError, "Syntax error in SQL statement: " + reason + where + ".");
  }

  // --- tokens -----------------------------------------------------------------------------------

  void Advance() {
    size_t pos = m_next;
    while (pos < m_text.size() && IsSpace(static_cast<unsigned char>(m_text[pos]))) ++pos;
    m_token = Token();
    m_token.offset = pos;
    if (pos >= m_text.size()) {
      m_next = pos;
      return;
    }
    const auto c = static_cast<unsigned char>(m_text[pos]);
    m_token.kind = Token::kSymbol;  // until known: lets a failure quote the text here
    if (IsWordStart(c)) {
      size_t end = pos;
      while (end < m_text.size() && IsWordChar(static_cast<unsigned char>(m_text[end]))) ++end;
      m_token.kind = Token::kWord;
      m_token.text = std::string(m_text.substr(pos, end - pos));
      m_next = end;
    } else if (IsDigit(c)) {
      size_t end = pos;
      while (end < m_text.size() && IsDigit(static_cast<unsigned char>(m_text[end]))) ++end;
      if (end < m_text.size() && (IsWordChar(static_cast<unsigned char>(m_text[end])) || m_text[end] == '.'))
        Fail("only whole numbers are understood");
      m_token.kind = Token::kNumber;
      m_token.text = std::string(m_text.substr(pos, end - pos));
      m_next = end;
    } else if (c == '\'' || c == '"') {
      ReadText(pos, static_cast<char>(c));
    } else if (c == '[') {
      const size_t close = m_text.find(']', pos + 1);
      if (close == std::string_view::npos) Fail("a '[' name is not closed");
      if (close == pos + 1) Fail("a name in brackets is empty");
      m_token.kind = Token::kBracketName;
      m_token.text = std::string(m_text.substr(pos + 1, close - pos - 1));
      m_next = close + 1;
    } else {
      static const char* const kSymbols[] = {"<>", "<=", ">=", "=", "<", ">", ",", ".", "*", "(", ")", ";", "-"};
      for (const char* symbol : kSymbols) {
        if (m_text.compare(pos, std::strlen(symbol), symbol) == 0) {
          m_token.kind = Token::kSymbol;
          m_token.text = symbol;
          m_next = pos + std::strlen(symbol);
          return;
        }
      }
      Fail(c == 0 ? std::string("the statement holds a zero byte")
                  : "the character '" + std::string(1, static_cast<char>(c)) + "' is not understood");
    }
  }

  // A literal in quotes; the quote character doubled stands for itself.
  void ReadText(size_t pos, char quote) {
    std::string value;
    size_t i = pos + 1;
    for (;;) {
      if (i >= m_text.size()) Fail("a text literal is not closed");
      if (m_text[i] == quote) {
        if (i + 1 < m_text.size() && m_text[i + 1] == quote) {
          value += quote;
          i += 2;
          continue;
        }
        break;
      }
      value += m_text[i++];
    }
    m_token.kind = Token::kText;
    m_token.text = std::move(value);
    m_next = i + 1;
  }

  bool IsKeyword(const char* word) const { return m_token.kind == Token::kWord && EqualsNoCase(m_token.text, word); }
  bool IsSymbol(const char* symbol) const { return m_token.kind == Token::kSymbol && m_token.text == symbol; }

  void ExpectKeyword(const char* word) {
    if (!IsKeyword(word)) Fail(std::string("expected ") + word + DescribeFound());
    Advance();
  }

  std::string DescribeFound() const {
    switch (m_token.kind) {
      case Token::kEnd: return "";
      case Token::kText: return ", found a text literal";
      default: return ", found '" + m_token.text + "'";
    }
  }

  // --- names ------------------------------------------------------------------------------------

  bool AtName() const {
    return m_token.kind == Token::kBracketName || (m_token.kind == Token::kWord && !IsReserved(m_token.text));
  }

  std::string ParseName(const char* what) {
    if (!AtName()) {
      if (m_token.kind == Token::kWord) Fail("'" + m_token.text + "' is not understood here; expected " + what);
      Fail(std::string("expected ") + what + DescribeFound());
    }
    std::string name = m_token.text;
    Advance();
    if (IsSymbol("(")) Fail("functions such as '" + name + "(' are not understood");
    return name;
  }

  JetColumn ParseColumn() {
    JetColumn column;
    column.name = ParseName("a column name");
    if (IsSymbol(".")) {
      Advance();
      if (IsSymbol("*")) Fail("'" + column.name + ".*' is not understood; use '*' alone");
      column.table = std::move(column.name);
      column.name = ParseName("a column name after the table name");
    }
    return column;
  }

  static std::string ColumnSql(const JetColumn& column) {
    return column.table.empty() ? QuoteIdentifier(column.name)
                                : QuoteIdentifier(column.table) + "." + QuoteIdentifier(column.name);
  }

  void ParseSelectList() {
    if (IsSymbol("*")) {
      m_select.selectAll = true;
      Advance();
      return;
    }
    for (;;) {
      m_select.columns.push_back(ParseColumn());
      if (!IsSymbol(",")) break;
      Advance();
    }
  }

  void ParseTables() {
    for (;;) {
      if (IsSymbol("(")) Fail("subqueries are not understood");
      m_select.tables.push_back(ParseName("a table name"));
      if (IsSymbol(".")) Fail("qualified table names are not understood");
      if (!IsSymbol(",")) break;
      Advance();
    }
  }

  // --- conditions -------------------------------------------------------------------------------

  void ParseOr(std::string& sql, int depth) {
    ParseAnd(sql, depth);
    while (IsKeyword("OR")) {
      Advance();
      sql += " OR ";
      ParseAnd(sql, depth);
    }
  }

  void ParseAnd(std::string& sql, int depth) {
    ParseNot(sql, depth);
    while (IsKeyword("AND")) {
      Advance();
      sql += " AND ";
      ParseNot(sql, depth);
    }
  }

  void ParseNot(std::string& sql, int depth) {
    if (depth > kMaxNesting) Fail("the condition is nested too deeply");
    if (IsKeyword("NOT")) {
      Advance();
      sql += "NOT ";
      ParseNot(sql, depth + 1);
      return;
    }
    if (IsSymbol("(")) {
      Advance();
      if (IsKeyword("SELECT")) Fail("subqueries are not understood");
      sql += "(";
      ParseOr(sql, depth + 1);
      if (!IsSymbol(")")) Fail("expected ')'" + DescribeFound());
      Advance();
      sql += ")";
      return;
    }
    ParseComparison(sql);
  }

  // One operand: a column, a text literal or a whole number. Literals become parameters.
  std::string ParseOperand(bool& isText) {
    isText = false;
    if (m_token.kind == Token::kText) {
      isText = true;
      JetParameter parameter;
      parameter.isText = true;
      parameter.text = m_token.text;
      m_select.parameters.push_back(std::move(parameter));
      Advance();
      return "?";
    }
    if (m_token.kind == Token::kNumber || IsSymbol("-")) {
      const bool negative = IsSymbol("-");
      if (negative) {
        Advance();
        if (m_token.kind != Token::kNumber) Fail("expected a number after '-'");
      }
      // Digits accumulate as a negative value so that the smallest 64-bit number fits too.
      int64_t value = 0;
      for (char digit : m_token.text) {
        if (value < (INT64_MIN + (digit - '0')) / 10) Fail("the number is too large");
        value = value * 10 - (digit - '0');
      }
      if (!negative) {
        if (value == INT64_MIN) Fail("the number is too large");
        value = -value;
      }
      JetParameter parameter;
      parameter.number = value;
      m_select.parameters.push_back(std::move(parameter));
      Advance();
      return "?";
    }
    if (IsSymbol("(")) {
      Advance();
      if (IsKeyword("SELECT")) Fail("subqueries are not understood");
      Fail("expected a column, a text or a number" + DescribeFound());
    }
    if (!AtName()) Fail("expected a column, a text or a number" + DescribeFound());
    return ColumnSql(ParseColumn());
  }

  void ParseComparison(std::string& sql) {
    bool leftIsText = false;
    const std::string left = ParseOperand(leftIsText);
    bool negated = false;
    if (IsKeyword("NOT")) {
      Advance();
      negated = true;
      if (!IsKeyword("LIKE")) Fail("expected LIKE after NOT" + DescribeFound());
    }
    if (IsKeyword("LIKE")) {
      Advance();
      if (m_token.kind != Token::kText) Fail("LIKE needs a pattern in quotes" + DescribeFound());
      const JetLikePattern pattern(m_token.text);
      JetParameter parameter;
      parameter.isText = true;
      std::string condition;
      if (pattern.IsSimple()) {
        parameter.text = pattern.ToSqliteLike('\\');
        condition = left + " LIKE ? ESCAPE '\\'";
      } else {
        parameter.text = m_token.text;
        condition = "jet_like(?, " + left + ")";
      }
      m_select.parameters.push_back(std::move(parameter));
      Advance();
      sql += negated ? "NOT (" + condition + ")" : condition;
      return;
    }
    static const char* const kOperators[] = {"=", "<>", "<", ">", "<=", ">="};
    const char* op = nullptr;
    for (const char* candidate : kOperators)
      if (IsSymbol(candidate)) op = candidate;
    if (op == nullptr) {
      if (m_token.kind == Token::kWord && IsReserved(m_token.text))
        Fail("'" + m_token.text + "' is not understood here; expected =, <>, <, >, <=, >= or LIKE");
      Fail("expected a comparison (=, <>, <, >, <=, >= or LIKE)" + DescribeFound());
    }
    Advance();
    bool rightIsText = false;
    const std::string right = ParseOperand(rightIsText);
    // Jet compares texts without regard to case.
    sql += left + " " + op + " " + right + (leftIsText || rightIsText ? " COLLATE NOCASE" : "");
  }

  void ParseOrder() {
    std::string& sql = m_select.orderSql;
    for (;;) {
      sql += ColumnSql(ParseColumn());
      if (IsKeyword("DESC")) {
        sql += " DESC";
        Advance();
      } else if (IsKeyword("ASC")) {
        Advance();
      }
      if (!IsSymbol(",")) break;
      sql += ", ";
      Advance();
    }
  }

  std::string_view m_text;
  size_t m_next = 0;
  Token m_token;
  JetSelect m_select;
};

}  // namespace

std::string QuoteIdentifier(std::string_view name) {
  std::string quoted = "\"";
  for (char c : name) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

JetSelect ParseJetStatement(std::string_view statement) { return Parser(statement).ParseStatement(); }

std::string JetSelect::ToSqlite(bool withRowid) const {
  std::string sql = "SELECT ";
  if (selectAll) {
    sql += "*";
  } else {
    for (size_t i = 0; i < columns.size(); ++i) {
      if (i) sql += ", ";
      if (!columns[i].table.empty()) sql += QuoteIdentifier(columns[i].table) + ".";
      sql += QuoteIdentifier(columns[i].name);
    }
  }
  if (withRowid) sql += ", " + QuoteIdentifier(tables.front()) + ".rowid";
  sql += " FROM ";
  for (size_t i = 0; i < tables.size(); ++i) {
    if (i) sql += ", ";
    sql += QuoteIdentifier(tables[i]);
  }
  if (!whereSql.empty()) sql += " WHERE " + whereSql;
  if (!orderSql.empty()) sql += " ORDER BY " + orderSql;
  return sql;
}

#pragma once
// Runs the plan compiler as a user would, through the shell, and keeps what it wrote to standard error.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

// `prefix` goes before the command (environment settings); standard error passes through `errFile`, which is
// removed afterwards. Returns the exit status as std::system gives it.
inline int RunPlanCompile(const std::string& args, const std::string& errFile, std::string& errText,
                          const std::string& prefix = "") {
  const std::string command = prefix + " " + PLANCOMPILE_EXE + " " + args + " 2>" + errFile;
  const int status = std::system(command.c_str());
  std::ifstream err(errFile);
  std::stringstream text;
  text << err.rdbuf();
  errText = text.str();
  err.close();
  std::remove(errFile.c_str());
  return status;
}

#pragma once

#include <cstdio>

#include "tools/tavroctl/arguments.h"

namespace tavroctl {

// Each command takes its own arguments from `args` and returns the exit code.
int RunNew(const CommandLine& line, Arguments& args);
int RunShow(const CommandLine& line, Arguments& args);
int RunImage(const CommandLine& line, Arguments& args);
int RunMacros(const CommandLine& line, Arguments& args);
// macros add, rm and rename; the listing (RunMacros) otherwise.
int RunMacrosCommand(const CommandLine& line, Arguments& args);
int RunGet(const CommandLine& line, Arguments& args);
int RunSet(const CommandLine& line, Arguments& args);
int RunNames(const CommandLine& line, Arguments& args);
int RunUdevRule(const CommandLine& line, Arguments& args);

int RunList(const CommandLine& line, Arguments& args);
int RunInfo(const CommandLine& line, Arguments& args);
int RunSelect(const CommandLine& line, Arguments& args);
int RunApply(const CommandLine& line, Arguments& args);
int RunLod(const CommandLine& line, Arguments& args);
int RunSurface(const CommandLine& line, Arguments& args);

int RunSimImage(const CommandLine& line, Arguments& args);
int RunSimSet(const CommandLine& line, Arguments& args);
int RunUnplug(const CommandLine& line, Arguments& args);
int RunPlug(const CommandLine& line, Arguments& args);

// The settings get and set take, and the names of keys, for their help.
void PrintSettingsHelp(std::FILE* out);
void PrintKeyNamesHelp(std::FILE* out);

// Says what is wrong on stderr, with a pointer to the command's help.
int UsageError(const CommandLine& line, const std::string& problem);

}  // namespace tavroctl

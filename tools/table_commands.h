// The table tool's commands for people: list, check, rename-all and rename. Each returns the
// program's exit status (0 done, 1 refused or failed), prints its result on stdout and its
// refusals on stderr. Written tables hold the records only, without zero fill, and never
// replace an existing file.
#pragma once

#include <string>

int list_command(const std::string& file);
int check_command(const std::string& file);
int rename_all_command(const std::string& file, const std::string& name, const std::string& out);
int rename_command(const std::string& file, const std::string& network, const std::string& name,
                   const std::string& out);

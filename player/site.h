#pragma once
// The addresses the player uses, all on the update host it was built for.
#include <string>

#include "build_config.h"

inline const std::string homePage = std::string(build::updateHost) + "/svn/wiki/cmp/index.htm";
inline const std::string versionFileUrl = std::string(build::updateHost) + "/svn/wiki/down/banben.txt";
inline const std::string testFileUrl = std::string(build::updateHost) + "/svn/wiki/down/ceshi.txt";

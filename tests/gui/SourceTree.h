#pragma once
// The source tree as a test running under Wine sees it.
#include <string>

// A file of the source tree by its path from the top ("samples/x.qlx"), as a
// Windows path: under Wine the build machine's files lie on drive Z:.
std::string sourceTreePath(const std::string& relative);
// build/screenshots/ in the source tree, or a folder `sub` in it, made if
// missing; with a trailing backslash.
std::string screenshotDir(const std::string& sub = std::string());

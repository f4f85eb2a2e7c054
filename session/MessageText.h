#pragma once
#include <string>
#include <vector>

// Fills a string-table format such as "\"%s\" is wrong..." without printf:
// each %s or %i takes the next argument as it is, "%%" gives "%". The
// arguments are user text and are never read as a format themselves; a
// conversion without an argument left gives nothing.
std::string fillFormat(const std::string& format, const std::vector<std::string>& args);

// The wrong-answer box: the typed (or picked) text, then the expected one.
std::string wrongAnswerText(const std::string& format, const std::string& answer, const std::string& expected);
// The results box: questions, correct answers, whole percent.
std::string resultsText(const std::string& format, int questions, int correct, int percent);

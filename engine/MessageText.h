#pragma once
#include <string>

// The wrong-answer box: the typed (or picked) text, then the expected one.
std::string wrongAnswerText(const std::string& format, const std::string& answer, const std::string& expected);
// The results box: questions, correct answers, whole percent.
std::string resultsText(const std::string& format, int questions, int correct, int percent);

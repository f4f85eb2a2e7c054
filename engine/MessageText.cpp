#include "engine/MessageText.h"

#include "base/TextFormat.h"

std::string wrongAnswerText(const std::string& format, const std::string& answer, const std::string& expected)
{
    return Win::fillFormat(format, {answer, expected});
}

std::string resultsText(const std::string& format, int questions, int correct, int percent)
{
    return Win::fillFormat(format, {std::to_string(questions), std::to_string(correct), std::to_string(percent)});
}

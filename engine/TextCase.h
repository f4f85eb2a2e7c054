#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// How judging compares texts, for answers, choices and searching alike: in
// Unicode normalization form C, so that a composed and a decomposed accent
// are one character, and when case is ignored upper-cased in every script
// that has case, by the system's own mapping. Texts are in the process code
// page; bytes that are not text of it compare as they are, only their ASCII
// letters folded. ASCII texts never leave a fast path that gives the same
// results.

// The form in which two texts are equal exactly when judging takes them as
// equal: a search can look for one form inside another.
std::string comparisonForm(std::string_view text, bool ignoreCase);

bool equalIgnoringCase(std::string_view a, std::string_view b);
// Texts equal ignoring case get the same hash.
std::size_t hashIgnoringCase(std::string_view text);

// Equal once both are in normalization form C: what a case-sensitive
// judgement compares.
bool equalComposed(std::string_view a, std::string_view b);
std::size_t hashComposed(std::string_view text);

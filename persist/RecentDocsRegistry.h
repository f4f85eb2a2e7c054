#pragma once
#include <string>
#include <vector>

class Quillory;

// The recently used documents kept between runs in the current user's
// registry: values "1" (most recent) to "10" under one key.
class RecentDocsRegistry
{
public:
    static constexpr unsigned ValueCount = 10;

    // Software\Vantorel\Quillory\1.1\MRU under HKEY_CURRENT_USER.
    static std::vector<std::string> defaultKeyPath();

    // `keyPath` names the key one component at a time below HKEY_CURRENT_USER;
    // the first component must exist already.
    explicit RecentDocsRegistry(std::vector<std::string> keyPath = defaultKeyPath());

    // Adds the stored documents to the document's recent list in their stored
    // order. Nothing stored yet, or a value that cannot be read, is no failure.
    void load(Quillory& doc) const;
    // Writes all ten values, the empty string where the list has no entry.
    // A failure ends the save silently; values already written stay.
    void save(const Quillory& doc) const;

    const std::vector<std::string>& getKeyPath() const { return _keyPath; }

private:
    std::vector<std::string> _keyPath;
};

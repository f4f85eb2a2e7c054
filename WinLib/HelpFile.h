#pragma once
#include "WinLib/HelpBackend.h"

#include <functional>
#include <map>
#include <string>

namespace Win
{
    // A program's help file and how it is reached: the backend that shows it,
    // the topic each of the program's keywords leads to, and where a failure
    // to show it is reported.
    class HelpFile
    {
    public:
        // Keyword to topic; a keyword not listed is its own topic.
        using Topics = std::map<std::string, std::string>;
        using Reporter = std::function<void(const std::string& failure)>;

        HelpFile(std::string path, HelpBackend& backend, Topics topics, Reporter report)
            : _path(std::move(path)), _backend(backend), _topics(std::move(topics)), _report(std::move(report))
        {
        }

        const std::string& getPath() const { return _path; }
        HelpBackend& getBackend() const { return _backend; }
        std::string topicOf(const std::string& keyword) const
        {
            const auto found = _topics.find(keyword);
            return found != _topics.end() ? found->second : keyword;
        }
        void report(const std::string& failure) const { _report(failure); }

    private:
        std::string _path;
        HelpBackend& _backend;
        Topics _topics;
        Reporter _report;
    };
}

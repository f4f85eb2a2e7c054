#pragma once
// A help backend that records what the program asks of the help viewer
// instead of showing anything; it can be told to fail as a viewer does.
#include <windows.h>

#include "base/Exception.h"
#include "WinLib/HelpBackend.h"

#include <ostream>
#include <string>
#include <vector>

struct HelpRequest
{
    std::string what;   // "contents", "topic" or "close"
    std::string file;
    std::string topic;  // the keyword or page; empty for contents and close

    bool operator==(const HelpRequest& other) const
    {
        return what == other.what && file == other.file && topic == other.topic;
    }
};

inline std::ostream& operator<<(std::ostream& out, const HelpRequest& request)
{
    return out << request.what << " " << request.file << (request.topic.empty() ? "" : " at ") << request.topic;
}

class HelpRecorder : public Win::HelpBackend
{
public:
    void showContents(HWND owner, const std::string& file) override { record(owner, {"contents", file, ""}); }
    void showTopic(HWND owner, const std::string& file, const std::string& topic) override
    {
        record(owner, {"topic", file, topic});
    }
    void close(HWND owner, const std::string& file) override { record(owner, {"close", file, ""}); }

    // Only the requests that show something.
    std::vector<HelpRequest> shown() const
    {
        std::vector<HelpRequest> result;
        for (const HelpRequest& request : requests)
            if (request.what != "close")
                result.push_back(request);
        return result;
    }

    std::vector<HelpRequest> requests;
    std::vector<HWND> owners;
    // When not empty, every request fails with this message after it is recorded.
    std::string failure;

private:
    void record(HWND owner, HelpRequest request)
    {
        requests.push_back(std::move(request));
        owners.push_back(owner);
        if (!failure.empty())
            throw Win::Exception(failure, 0);
    }
};

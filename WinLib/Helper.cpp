#include "WinLib/Helper.h"

#include "base/Exception.h"

// A help that cannot be shown must not end the command that asked for it.
template <class Call>
void Win::Helper::reporting(Call call)
{
    try
    {
        call(_file.getBackend());
    }
    catch (const Win::Exception& e)
    {
        _file.report(e.getMessage());
    }
}

void Win::Helper::Contents()
{
    reporting([this](HelpBackend& help) { help.showContents(_owner, _file.getPath()); });
}

void Win::Helper::KeywordTopic(const char* keyword)
{
    const std::string topic = _file.topicOf(keyword);
    reporting([this, &topic](HelpBackend& help) { help.showTopic(_owner, _file.getPath(), topic); });
}

void Win::Helper::Quit()
{
    reporting([this](HelpBackend& help) { help.close(_owner, _file.getPath()); });
}

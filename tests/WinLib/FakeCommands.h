#pragma once
// A command table whose states the test sets by name.
#include "WinLib/Command.h"

#include <map>
#include <string>
#include <vector>

namespace WinTest
{
    class FakeCommands : public Cmd::Vector
    {
    public:
        explicit FakeCommands(const std::vector<const char*>& names)
        {
            for (const char* name : names)
                _cmdMap.emplace(name, static_cast<int>(_cmdMap.size()));
        }
        void execute(int cmdId) override { executed.push_back(cmdId); }
        int test(const char* name) const override
        {
            const auto it = status.find(name);
            return it == status.end() ? 1 : it->second;
        }

        std::map<std::string, int> status;
        std::vector<int> executed;
    };
}

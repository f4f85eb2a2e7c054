#pragma once
#include "base/Assert.h"

#include <cstring>
#include <map>

namespace Cmd
{
    // Orders command names without regard to case.
    struct NocaseCmp
    {
        bool operator()(const char* a, const char* b) const
        {
            for (;; ++a, ++b)
            {
                const int ca = lower(static_cast<unsigned char>(*a));
                const int cb = lower(static_cast<unsigned char>(*b));
                if (ca != cb)
                    return ca < cb;
                if (ca == 0)
                    return false;
            }
        }

    private:
        static int lower(int c) { return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c; }
    };

    // One row of a static command array; the array ends with a row whose
    // _exec is null. A command's id is its row's position.
    template <class T>
    struct Item
    {
        const char* _name;
        void (T::*_exec)();
        int (T::*_test)() const;
        const char* _help;
    };

    // Command names and ids, as the menus, accelerators and toolbar see them.
    class Vector
    {
    public:
        virtual ~Vector() = default;
        virtual void execute(int cmdId) = 0;
        // 0 not available (greyed), 1 available, 2 available and checked.
        virtual int test(const char* name) const = 0;

        // -1 for a name that no command has.
        int cmdToId(const char* name) const
        {
            const auto it = _cmdMap.find(name);
            return it == _cmdMap.end() ? -1 : it->second;
        }

    protected:
        std::map<const char*, int, NocaseCmp> _cmdMap;
    };

    template <class T>
    class VectorExec : public Vector
    {
    public:
        VectorExec(const Item<T>* cmd, T* commander) : _commander(commander), _cmd(cmd)
        {
            for (int i = 0; _cmd[i]._exec != nullptr; ++i)
                _cmdMap.emplace(_cmd[i]._name, i);
        }

        void execute(int cmdId) override
        {
            Assert(_commander!=0);
            Assert(cmdId!=-1);
            Assert(_cmd [cmdId]._exec != 0);
            (_commander->*_cmd[cmdId]._exec)();
        }

        int test(int cmdId) const
        {
            Assert(_commander!=0);
            Assert(cmdId!=-1);
            Assert(_cmd[cmdId]._test!=0);
            return (_commander->*_cmd[cmdId]._test)();
        }

        int test(const char* name) const override { return test(cmdToId(name)); }

        const char* getHelp(int cmdId) const
        {
            Assert(_commander!=0);
            Assert(cmdId!=-1);
            Assert(_cmd[cmdId]._help != 0);
            return _cmd[cmdId]._help;
        }

    private:
        T* _commander;
        const Item<T>* _cmd;
    };
}

#pragma once
#include <windows.h>
#include <cstdint>

namespace Cmd { class Vector; }

namespace Accel
{
    // One row of a static accelerator template; the template ends at the
    // first row whose key is 0 or whose command name is null.
    struct Item
    {
        // FSHIFT, FCONTROL, FALT; FVIRTKEY is added by the table.
        std::uint8_t flags;
        std::uint16_t key;
        const char* cmdName;
    };

    class Table
    {
    public:
        Table(const Item* accelTemplate, const Cmd::Vector& cmdVector);
        ~Table();
        Table(const Table&) = delete;
        Table& operator=(const Table&) = delete;
        HACCEL getHandle() const { return _accel; }

    private:
        HACCEL _accel;
    };
}

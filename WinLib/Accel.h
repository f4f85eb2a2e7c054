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

    // Accelerator tables carry command ids offset by IdBase. TranslateAccelerator
    // looks an id up in the system menu and the window's menu first, and id 0
    // matches their separators: the key would be swallowed or turned into
    // WM_SYSCOMMAND. No menu item has an offset id; Win::Procedure takes the
    // offset off again, so controllers see the command ids.
    constexpr int IdBase = 0x8000;
    inline int commandOf(int wireId) { return wireId >= IdBase ? wireId - IdBase : wireId; }

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

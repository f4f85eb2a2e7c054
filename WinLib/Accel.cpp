#include "WinLib/Accel.h"

#include "base/Exception.h"
#include "WinLib/LastError.h"
#include "WinLib/Command.h"

#include <vector>

Accel::Table::Table(const Item* accelTemplate, const Cmd::Vector& cmdVector)
{
    std::vector<ACCEL> accels;
    for (const Item* row = accelTemplate; row->key != 0 && row->cmdName != nullptr; ++row)
    {
        ACCEL accel{};
        accel.fVirt = static_cast<BYTE>(row->flags | FVIRTKEY);
        accel.key = row->key;
        accel.cmd = static_cast<WORD>(cmdVector.cmdToId(row->cmdName) + IdBase);
        accels.push_back(accel);
    }
    _accel = ::CreateAcceleratorTableA(accels.data(), static_cast<int>(accels.size()));
    if (_accel == nullptr)
        throw Win::Exception("Internal error: Creation of accelerator table failed.", Win::lastError());
}

Accel::Table::~Table()
{
    if (_accel != nullptr)
        ::DestroyAcceleratorTable(_accel);
}

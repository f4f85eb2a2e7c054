#include "WinLib/Registry.h"

#include "base/Exception.h"
#include "WinLib/LastError.h"

#include <vector>

namespace
{
    // HKEY_CLASSES_ROOT .. HKEY_CURRENT_USER_LOCAL_SETTINGS are never closed.
    bool isPredefined(HKEY key)
    {
        const auto value = reinterpret_cast<ULONG_PTR>(key) & 0xFFFFFFFFu;
        return value >= 0x80000000u && value <= 0x80000007u;
    }

    // The registry functions return their error instead of setting the last
    // error; make the last error tell the real cause.
    std::uint32_t failure(LONG status)
    {
        ::SetLastError(static_cast<DWORD>(status));
        return Win::lastError();
    }
}

WinReg::Key::Key(Key&& other) noexcept : _key(other._key), _access(other._access)
{
    other._key = nullptr;
}

WinReg::Key& WinReg::Key::operator=(Key&& other) noexcept
{
    if (this != &other)
    {
        if (_key != other._key)
            Close();
        _key = other._key;
        _access = other._access;
        other._key = nullptr;
    }
    return *this;
}

WinReg::Key::~Key()
{
    Close();
}

void WinReg::Key::Close()
{
    if (_key != nullptr && !isPredefined(_key))
        ::RegCloseKey(_key);
    _key = nullptr;
}

HKEY WinReg::Key::Release()
{
    HKEY key = _key;
    _key = nullptr;
    return key;
}

WinReg::Key WinReg::Key::OpenSubKey(const char* name) const
{
    HKEY sub = nullptr;
    const LONG status = ::RegOpenKeyExA(_key, name, 0, _access, &sub);
    if (status != ERROR_SUCCESS)
        throw Win::Exception("RegOpenKeyEx failed", failure(status));
    return Key(sub, _access);
}

WinReg::Key WinReg::Key::CreateSubKey(const char* name) const
{
    HKEY sub = nullptr;
    const LONG status =
        ::RegCreateKeyExA(_key, name, 0, nullptr, REG_OPTION_NON_VOLATILE, _access, nullptr, &sub, nullptr);
    if (status != ERROR_SUCCESS)
        throw Win::Exception("RegCreateKeyEx failed", failure(status));
    return Key(sub, _access);
}

std::string WinReg::Key::getStringValue(const char* name) const
{
    DWORD size = 0;
    LONG status = ::RegQueryValueExA(_key, name, nullptr, nullptr, nullptr, &size);
    std::vector<char> data;
    if (status == ERROR_SUCCESS)
    {
        data.resize(size);
        status = ::RegQueryValueExA(_key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(data.data()), &size);
    }
    if (status != ERROR_SUCCESS)
        throw Win::Exception("WinReg::Key::getStringValue: RegQuertyValueEx failed.", failure(status));
    // Stored data need not end with a zero; never read past what was returned.
    data.resize(size);
    std::string value(data.begin(), data.end());
    const auto zero = value.find('\0');
    if (zero != std::string::npos)
        value.erase(zero);
    return value;
}

void WinReg::Key::setStringValue(const char* name, const std::string& value)
{
    const LONG status = ::RegSetValueExA(_key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                         static_cast<DWORD>(value.size() + 1));
    if (status != ERROR_SUCCESS)
        throw Win::Exception("WinReg::Key::setStringValue: RegSetValueEx failed.", failure(status));
}

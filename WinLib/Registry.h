#pragma once
#include <windows.h>
#include <string>

namespace WinReg
{
    // Owns a registry key handle. Copying a Key moves the handle: the source
    // gives it up, so every handle is closed exactly once.
    class Key
    {
    public:
        explicit Key(HKEY root = nullptr) : _key(root) {}
        Key(Key&& other) noexcept;
        Key& operator=(Key&& other) noexcept;
        ~Key();
        Key(const Key&) = delete;
        Key& operator=(const Key&) = delete;

        void AddReadAccess() { _access |= KEY_READ; }
        void AddWriteAccess() { _access |= KEY_WRITE; }
        Key OpenSubKey(const char* name) const;
        Key CreateSubKey(const char* name) const;
        std::string getStringValue(const char* name) const;
        void setStringValue(const char* name, const std::string& value);

        HKEY getHandle() const { return _key; }
        REGSAM getAccess() const { return _access; }
        HKEY Release();
        void Close();

    private:
        Key(HKEY key, REGSAM access) : _key(key), _access(access) {}

        HKEY _key;
        REGSAM _access = 0;
    };
}

#pragma once
#include <cstdint>
#include <exception>
#include <string>

namespace Win
{
    // The failure type of the window library and most of the program: a message
    // plus the system error code that was current where the failure was detected.
    class Exception : public std::exception
    {
    public:
        Exception(std::string msg, std::uint32_t err) : _err(err), _msg(std::move(msg)) {}
        const std::string& getMessage() const { return _msg; }
        std::uint32_t getError() const { return _err; }
        const char* what() const noexcept override { return _msg.c_str(); }

    private:
        std::uint32_t _err;
        std::string _msg;
    };
}

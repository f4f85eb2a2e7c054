#pragma once
// A top-level window of a test class whose controller records the hooks it receives.
#include "WinLib/Class.h"
#include "WinLib/Controller.h"
#include "WinLib/Maker.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace WinTest
{
    inline const char* windowClassName()
    {
        static const char* name = [] {
            Win::ClassMaker maker("WinLib Test Window", ::GetModuleHandleA(nullptr));
            maker.Register();
            return "WinLib Test Window";
        }();
        return name;
    }

    // Every hook writes one line; OnUserMessage answers with a preset result.
    class RecordingController : public Win::Controller
    {
    public:
        std::vector<std::string> calls;
        bool handle = true;
        HWND windowAtCreate = nullptr;
        LRESULT userResult = 0;

        bool OnCreate(CREATESTRUCTA*) override
        {
            windowAtCreate = _h;
            return log("create");
        }
        bool OnClose() override { return log("close"); }
        bool OnDestroy() override { return log("destroy"); }
        bool OnActivate(int, bool, HWND) override { return false; }
        bool OnSize(int w, int h, int type) override
        {
            return log("size " + std::to_string(w) + "x" + std::to_string(h) + " " + std::to_string(type));
        }
        bool OnCommand(int id, bool isAccel) override
        {
            return log("command " + std::to_string(id) + (isAccel ? " accel" : " menu"));
        }
        bool OnControl(HWND, int id, int code) override
        {
            return log("control " + std::to_string(id) + " " + std::to_string(code));
        }
        bool OnToolTip(HWND, UINT_PTR id, char* text) override
        {
            std::string help = "tip " + std::to_string(id);
            help.copy(text, 79);
            text[std::min<size_t>(help.size(), 79)] = '\0';
            return log("tooltip " + std::to_string(id));
        }
        bool OnGetDispInfo(HWND, UINT_PTR id, LVITEMA& item) override
        {
            return log("dispinfo " + std::to_string(id) + " " + std::to_string(item.iItem));
        }
        bool OnColumnClick(HWND, UINT_PTR id, int column) override
        {
            return log("columnclick " + std::to_string(id) + " " + std::to_string(column));
        }
        bool OnNotify(NMHDR& hdr) override
        {
            return log("notify " + std::to_string(static_cast<int>(hdr.code)));
        }
        bool OnInitPopup(HMENU, int pos) override { return log("initpopup " + std::to_string(pos)); }
        bool OnInitSystemMenu(HMENU, int pos) override { return log("initsysmenu " + std::to_string(pos)); }
        bool OnMenuSelect(int id, int flags, HMENU) override
        {
            return log("menuselect " + std::to_string(id) + " " + std::to_string(flags));
        }
        bool OnMouseMove(int x, int y, WPARAM) override
        {
            return log("mousemove " + std::to_string(x) + " " + std::to_string(y));
        }
        bool OnKeyDown(WPARAM key, LPARAM) override { return log("keydown " + std::to_string(key)); }
        bool OnUserMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) override
        {
            result = userResult;
            return log("user " + std::to_string(msg - WM_USER) + " " + std::to_string(wParam));
        }
        bool OnContextMenu(HWND, int x, int y) override
        {
            return log("contextmenu " + std::to_string(x) + " " + std::to_string(y));
        }

        bool received(const std::string& call) const
        {
            for (const auto& c : calls)
                if (c == call)
                    return true;
            return false;
        }

    private:
        bool log(const std::string& call)
        {
            calls.push_back(call);
            return handle;
        }
    };

    // Creates and destroys one test window around a controller.
    class Window
    {
    public:
        explicit Window(Win::Controller& ctrl, const char* title = "WinLib Test")
        {
            Win::Maker maker(windowClassName(), ::GetModuleHandleA(nullptr));
            maker._width = 400;
            maker._height = 300;
            _h = maker.Create(ctrl, title);
        }
        ~Window()
        {
            if (::IsWindow(_h))
                ::DestroyWindow(_h);
        }
        Window(const Window&) = delete;
        Window& operator=(const Window&) = delete;
        HWND get() const { return _h; }

    private:
        HWND _h;
    };
}

#include "persist/RecentDocsRegistry.h"

#include "base/Exception.h"
#include "WinLib/Registry.h"
#include "model/Quillory.h"

#include <utility>

std::vector<std::string> RecentDocsRegistry::defaultKeyPath()
{
    return {"Software", "Vantorel", "Quillory", "1.1", "MRU"};
}

RecentDocsRegistry::RecentDocsRegistry(std::vector<std::string> keyPath) : _keyPath(std::move(keyPath))
{
}

void RecentDocsRegistry::save(const Quillory& doc) const
{
    if (_keyPath.empty())
        return;
    try
    {
        WinReg::Key root(HKEY_CURRENT_USER);
        root.AddReadAccess();
        WinReg::Key key = root.OpenSubKey(_keyPath.front().c_str());
        key.AddWriteAccess();
        for (size_t i = 1; i < _keyPath.size(); ++i)
            key = key.CreateSubKey(_keyPath[i].c_str());

        const std::vector<std::string> recent = doc.getRecentDocs();
        for (unsigned n = 1; n <= ValueCount; ++n)
        {
            const std::string name = std::to_string(n);
            key.setStringValue(name.c_str(), n <= recent.size() ? recent[n - 1] : std::string());
        }
    }
    catch (const Win::Exception&)
    {
        // The list is a convenience: losing it must never stop the program from closing.
    }
}

void RecentDocsRegistry::load(Quillory& doc) const
{
    if (_keyPath.empty())
        return;
    WinReg::Key key(HKEY_CURRENT_USER);
    key.AddReadAccess();
    try
    {
        for (const std::string& component : _keyPath)
            key = key.OpenSubKey(component.c_str());
    }
    catch (const Win::Exception&)
    {
        // Nothing stored yet: the first run.
        return;
    }

    // addRecentDoc puts each path first: add the oldest first.
    for (unsigned n = ValueCount; n >= 1; --n)
    {
        try
        {
            const std::string path = key.getStringValue(std::to_string(n).c_str());
            if (!path.empty())
                doc.addRecentDoc(path);
        }
        catch (const Win::Exception&)
        {
            // A missing or unreadable value is skipped; the others keep their order.
        }
    }
}

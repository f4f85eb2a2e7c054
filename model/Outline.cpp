#include "model/Outline.h"

#include "base/Assert.h"
#include "stream/PlainFailure.h"
#include "stream/Primitives.h"

Outline::Outline()
{
    setDefault();
}

void Outline::setDefault()
{
    _defs.clear();
    _itemType = "Term";
    _defs.push_back("Definition");
}

const std::string& Outline::getDef(unsigned idx) const
{
    Assert(idx<getDefCount());
    return _defs[idx];
}

void Outline::addDef(const std::string& name)
{
    _defs.push_back(name);
}

void Outline::removeDef(unsigned idx)
{
    Assert(idx<getDefCount());
    _defs.erase(_defs.begin() + idx);
}

void Outline::moveDefUp(unsigned idx)
{
    Assert(idx<getDefCount() && idx>=1);
    std::string name = std::move(_defs[idx]);
    _defs.erase(_defs.begin() + idx);
    _defs.insert(_defs.begin() + (idx - 1), std::move(name));
}

void Outline::moveDefDown(unsigned idx)
{
    Assert(idx<getDefCount()-1);
    // With no fields the unsigned count-1 wraps; this keeps the index honest.
    Assert(idx<getDefCount());
    std::string name = std::move(_defs[idx]);
    _defs.erase(_defs.begin() + idx);
    _defs.insert(_defs.begin() + (idx + 1), std::move(name));
}

void Outline::write(WinFile::Serializer& out) const
{
    WinFile::writeString(out, _itemType);
    WinFile::writeInt(out, static_cast<std::int32_t>(_defs.size()));
    for (const std::string& def : _defs)
        WinFile::writeString(out, def);
}

void Outline::read(WinFile::DeSerializer& in)
{
    _itemType = WinFile::readString(in);
    const std::int32_t count = WinFile::readInt(in);
    if (count > MaxDefs || count < 0)
        throw WinFile::PlainFailure("Data corruption");
    _defs.clear();
    _defs.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i)
        _defs.push_back(WinFile::readString(in));
}

#pragma once
#include <string>
#include <vector>

namespace WinFile
{
    class Serializer;
    class DeSerializer;
}

// The structure of a Study List: the item type's name and the ordered names
// of the definition fields. Items look their texts up by these names.
class Outline
{
public:
    Outline();

    void setDefault();

    const std::string& getItemType() const { return _itemType; }
    void setItemType(const std::string& itemType) { _itemType = itemType; }

    unsigned getDefCount() const { return static_cast<unsigned>(_defs.size()); }
    const std::string& getDef(unsigned idx) const;
    void addDef(const std::string& name);
    void removeDef(unsigned idx);
    void removeAllDefs() { _defs.clear(); }
    void moveDefUp(unsigned idx);
    void moveDefDown(unsigned idx);

    void write(WinFile::Serializer& out) const;
    // Replaces both members; on failure the Outline may hold partial content.
    void read(WinFile::DeSerializer& in);

    static constexpr int MaxDefs = 500;

private:
    std::string _itemType;
    std::vector<std::string> _defs;
};

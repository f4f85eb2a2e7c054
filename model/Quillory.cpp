#include "model/Quillory.h"
#include "model/DefTextsReader.h"
#include "model/ItemRemoval.h"

#include <algorithm>

#include "stream/DeSerializer.h"
#include "stream/PlainFailure.h"
#include "stream/Primitives.h"
#include "stream/Record.h"

Quillory::Quillory()
    : _settings(_outline), _isSaved(true)
{
}

// Everything that can fail (copies, allocation) happens before this document
// changes, so a failed assignment leaves it as it was.
Quillory& Quillory::operator=(const Quillory& other)
{
    if (this == &other)
        return *this;
    Outline outline = other._outline;
    std::vector<TermSet> items = other._termSets;
    _selection.clear();
    _outline = std::move(outline);
    takeItems(std::move(items));
    _settings = other._settings;
    _isSaved = other._isSaved;
    return *this;
}

// Nothing here can fail: the items move over as they are and are only
// bound to this document's Outline.
Quillory& Quillory::operator=(Quillory&& other)
{
    if (this == &other)
        return *this;
    _selection.clear();
    _outline = std::move(other._outline);
    takeItems(std::move(other._termSets));
    _settings = other._settings;
    _isSaved = other._isSaved;
    return *this;
}

void Quillory::takeItems(std::vector<TermSet>&& items)
{
    _termSets = std::move(items);
    for (TermSet& item : _termSets)
        item.rebind(_outline);
}

void Quillory::addItem(const TermSet& item)
{
    // Bound to this document's Outline whatever the caller's copy was bound
    // to. The copy is made before the list grows, so a copy that throws
    // leaves the list and the saved flag as they were.
    TermSet copy(item.getItemNo(), _outline);
    copy = item;
    _termSets.push_back(std::move(copy));
    _isSaved = false;
}

void Quillory::removeSelected()
{
    removeItemsAt(_termSets, _selection);
    _isSaved = false;
}

TermSet& Quillory::getSelectedItem()
{
    Assert(hasSelection());
    return getItem(*_selection.begin());
}

void Quillory::setSelectedItem(const TermSet& item)
{
    Assert(hasSelection());
    getItem(*_selection.begin()) = item;
    _isSaved = false;
}

void Quillory::resetScores()
{
    for (TermSet& item : _termSets)
        item.resetScores();
    _isSaved = false;
}

std::vector<unsigned> Quillory::getSelection() const
{
    return std::vector<unsigned>(_selection.begin(), _selection.end());
}

void Quillory::setOutline(const Outline& outline)
{
    _outline = outline;
    _settings.validate();
    _isSaved = false;
}

void Quillory::newList()
{
    _termSets.clear();
    _outline.setDefault();
    // The settings may name a field the default structure lacks.
    _settings.validate();
    _path.clear();
    _isSaved = true;
}

void Quillory::forEachText(const std::function<void(std::string_view)>& visit) const
{
    visit(_outline.getItemType());
    for (unsigned i = 0; i < _outline.getDefCount(); ++i)
        visit(_outline.getDef(i));
    for (const TermSet& item : _termSets)
        item.forEachText(visit);
}

// The items find their texts by field name: they move to the renamed fields
// one by one, and only then does the document take the new names over.
void Quillory::rewriteTexts(const std::function<std::string(std::string_view)>& rewrite)
{
    Outline renamed;
    renamed.setItemType(rewrite(_outline.getItemType()));
    renamed.removeAllDefs();
    for (unsigned i = 0; i < _outline.getDefCount(); ++i)
        renamed.addDef(rewrite(_outline.getDef(i)));
    for (TermSet& item : _termSets)
        item.rewriteTexts(rewrite, renamed);
    _outline = std::move(renamed);
    for (TermSet& item : _termSets)
        item.rebind(_outline);
}

void Quillory::write(WinFile::Serializer& out)
{
    _outline.write(out);
    WinFile::writeInt(out, static_cast<std::int32_t>(_termSets.size()));
    WinFile::Record record(out);
    for (const TermSet& item : _termSets)
    {
        record.addInt(item.getItemNo());
        item.write(record);
        record.writeWhenFull();
    }
    record.write();
    _settings.write(out);
    _isSaved = true;
}

namespace
{
    // The fewest bytes an item entry takes: number, term, texts, comment, scores.
    std::uint64_t smallestEntry(unsigned defCount)
    {
        const std::uint64_t intBytes = 4, emptyStringBytes = 5;
        return intBytes + emptyStringBytes * (2 + defCount) + 2 * intBytes;
    }
}

void Quillory::read(WinFile::DeSerializer& in)
{
    _outline.read(in);
    const std::int32_t count = WinFile::readInt(in);
    if (count > MaxItems || count < 0)
        throw WinFile::PlainFailure("Data corruption");
    _termSets.clear();
    // Room only for as many items as the bytes left can hold: a count that
    // lies must not make a small file claim memory for a million items.
    const std::uint64_t fits = in.remaining() / smallestEntry(_outline.getDefCount());
    _termSets.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(static_cast<std::uint64_t>(count), fits)));
    DefTextsReader texts;
    for (std::int32_t i = 0; i < count; ++i)
    {
        const std::int32_t itemNo = WinFile::readInt(in);
        _termSets.emplace_back(itemNo, _outline);
        _termSets.back().read(in, texts);
    }
    _settings.read(in);
    _isSaved = true;
}

void Quillory::addRecentDoc(const std::string& path)
{
    const auto found = std::find(_recentDocs.begin(), _recentDocs.end(), path);
    if (found != _recentDocs.end())
        _recentDocs.erase(found);
    _recentDocs.push_front(path);
    if (_recentDocs.size() > MaxRecentDocs)
    {
        _recentDocs.pop_back();
        Assert(_recentDocs.size()==MaxRecentDocs);
    }
}

std::vector<std::string> Quillory::getRecentDocs() const
{
    return std::vector<std::string>(_recentDocs.begin(), _recentDocs.end());
}

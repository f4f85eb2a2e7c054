#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "base/Assert.h"
#include "model/Setting.h"
#include "model/Outline.h"
#include "model/TermSet.h"

// The Study List document: structure, items, study settings, the selection,
// the file path, the saved flag and the recently opened documents.
class Quillory
{
public:
    static constexpr unsigned MaxRecentDocs = 10;
    static constexpr std::int32_t MaxItems = 999999;

    Quillory();
    // Items are bound to their own document's Outline: a document is never
    // copied, only assigned (which rebinds the items).
    Quillory(const Quillory&) = delete;
    Quillory& operator=(const Quillory& other);
    // Taking over a freshly read scratch document without copying its texts.
    Quillory& operator=(Quillory&& other);

    // Items
    unsigned getItemCount() const { return static_cast<unsigned>(_termSets.size()); }
    TermSet& getItem(unsigned idx)
    {
        Assert(idx<_termSets.size());
        return _termSets[idx];
    }
    const TermSet& getItem(unsigned idx) const
    {
        Assert(idx<_termSets.size());
        return _termSets[idx];
    }
    void addItem(const TermSet& item);
    void removeSelected();
    TermSet& getSelectedItem();
    void setSelectedItem(const TermSet& item);
    void resetScores();
    // For reordering only (sorting the view); the items must stay bound to
    // getOutline() and keep their numbers.
    std::vector<TermSet>& getTermSets() { return _termSets; }
    const std::vector<TermSet>& getTermSets() const { return _termSets; }

    // Selection
    void select(unsigned idx) { _selection.insert(idx); }
    void deselect(unsigned idx) { _selection.erase(idx); }
    void clearSelection() { _selection.clear(); }
    bool hasSelection() const { return !_selection.empty(); }
    unsigned getSelectedCount() const { return static_cast<unsigned>(_selection.size()); }
    std::vector<unsigned> getSelection() const;

    // Structure, settings, state
    const Outline& getOutline() const { return _outline; }
    void setOutline(const Outline& outline);
    Setting& getSettings() { return _settings; }
    const Setting& getSettings() const { return _settings; }
    void setModified() { _isSaved = false; }
    bool isSaved() const { return _isSaved; }
    const std::string& getPath() const { return _path; }
    void setPath(const std::string& path) { _path = path; }
    void newList();

    // Every text the file holds: the item type, the field names, and each
    // item's term, definition texts (in field order) and comment.
    void forEachText(const std::function<void(std::string_view)>& visit) const;
    // Replaces every one of those texts with what `rewrite` makes of it,
    // each where it stands. For a freshly read document: a failure leaves
    // it partly rewritten.
    void rewriteTexts(const std::function<std::string(std::string_view)>& rewrite);

    // Document body (everything after the file magic).
    void write(WinFile::Serializer& out);
    void read(WinFile::DeSerializer& in);

    // Recent documents, most recent first
    void addRecentDoc(const std::string& path);
    std::vector<std::string> getRecentDocs() const;
    void clearRecentDocs() { _recentDocs.clear(); }

private:
    void takeItems(std::vector<TermSet>&& items);

    std::set<unsigned> _selection;
    Outline _outline;
    std::vector<TermSet> _termSets;
    Setting _settings;
    std::string _path;
    bool _isSaved;
    std::deque<std::string> _recentDocs;
};

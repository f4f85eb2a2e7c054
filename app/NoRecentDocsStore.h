#pragma once
#include "app/RecentDocsStore.h"

// Keeps the recent documents for this run only.
class NoRecentDocsStore : public RecentDocsStore
{
public:
    void load(Quillory&) override {}
    void save(const Quillory&) override {}
};
